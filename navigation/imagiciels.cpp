#include "navigation/imagiciels.h"

#include <sstream>
#include <string>
#include <vector>

#include "engine/figure/objets_par_nom.h"
#include "engine/figure/souris.h"
#include "engine/text/textes_numerotes.h"
#include "navigation/imagiciels_construire.h"
#include "navigation/imagiciels_etapes.h"

namespace {

constexpr TColor fondTexteImagiciel = 0xE0F7FF;

struct TconstructeurImagiciel {
    int code;
    void (*preparer)(TdonneesCommunes& donnees);
};

constexpr TconstructeurImagiciel constructeurs[] = {
    {1501, [](TdonneesCommunes& d) { preparerImagicielDiagramme(d, 0); }},
    {1502, [](TdonneesCommunes& d) { preparerImagicielDiagramme(d, 1); }},
    {1503, preparerImagicielSymetrie},
    {1504, preparerImagicielPave},
    {1506, preparerImagicielSymetriquePoint},
    {1507, preparerImagicielMediatrice},
    {1508, preparerImagicielMediatriceLosange},
    {1509, preparerImagicielBissectrice},
    {1510, preparerImagicielTriangle},
};

// What the builder left visible on each surface. Every step is shown from there, by the steps
// before it and its own: a step reached going back looks as it did going forward.
struct TvisibilitesDepart {
    std::vector<bool> texte;
    std::vector<bool> figure;
};
TvisibilitesDepart visibilitesDepart;

std::vector<bool> visibilites(const Tfigure& f)
{
    std::vector<bool> v;
    for (int i = 1; i <= f.nbObjets; ++i) v.push_back(f.objets[i]->visible);
    return v;
}

void retablirVisibilites(Tfigure& f, const std::vector<bool>& v)
{
    for (int i = 1; i <= f.nbObjets && i <= static_cast<int>(v.size()); ++i)
        objetAModifier(f, i)->visible = v[static_cast<std::size_t>(i - 1)];
}

void preparerImagiciel(TdonneesCommunes& d)
{
    for (const TconstructeurImagiciel& c : constructeurs)
        if (c.code == d.imagiciel) c.preparer(d);
}

template <class Action>
void pourChaqueNom(const std::string& noms, Action action)
{
    std::istringstream lecture(noms);
    std::string nom;
    while (lecture >> nom) action(nom);
}

void appliquerEtape(TdonneesCommunes& d, const TetapeImagiciel& e)
{
    Tfigure& texte = *d.surfaceImagiciel;
    Tfigure& figure = *d.surfaceFigureImagiciel;
    pourChaqueNom(e.textesCaches, [&](const std::string& n) { cacherObjet(texte, n); });
    pourChaqueNom(e.textesMontres, [&](const std::string& n) { montrerObjet(texte, n); });
    pourChaqueNom(e.objetsCaches, [&](const std::string& n) { cacherObjet(figure, n); });
    pourChaqueNom(e.objetsMontres, [&](const std::string& n) { montrerObjet(figure, n); });
}

void repeindreImagiciel(TdonneesCommunes& d)
{
    d.surfaceImagiciel->controle->Repaint();
    if (d.surfaceFigureImagiciel->controle->Visible()) d.surfaceFigureImagiciel->controle->Repaint();
}

}  // namespace

void lancerImagiciel(TdonneesCommunes& d)
{
    if (!d.PageControle->TabVisible(d.PageImagiciel))
        d.PageControle->setTabVisible(d.PageImagiciel, true);
    d.titreImagiciel = "Page à faire";
    d.chapitreImagiciel = 0;

    Tfigure& texte = *d.surfaceImagiciel;
    Tfigure& figure = *d.surfaceFigureImagiciel;
    texte.controle->setColor(fondTexteImagiciel);
    texte.controle->setCursor(crDefault);
    figure.controle->setColor(0xFFFFFF);
    figure.controle->setVisible(false);
    reinitialiserFigure(figure);
    reinitialiserFigure(texte);
    texte.couleurFond = fondTexteImagiciel;
    texte.decalageColonnes = 10.0;
    d.nbEtapesImagiciel = 0;
    d.etapeImagiciel = 1;

    preparerImagiciel(d);
    visibilitesDepart = {visibilites(texte), visibilites(figure)};

    d.LabelTitreImagiciel->setCaption(d.titreImagiciel);
    Controle& avancer = *d.BoutonAvancer;
    const bool pasAPas = d.nbEtapesImagiciel >= 2;
    avancer.setVisible(pasAPas);
    d.BoutonReculer->setVisible(pasAPas);
    d.BoutonReculer->setBounds(avancer.Left() - avancer.Width() - 10, avancer.Top(),
                               d.BoutonReculer->Width(), d.BoutonReculer->Height());
    if (d.nbEtapesImagiciel > 1) deroulerEtapeImagiciel(d);
    d.LabelChapitreImagiciel->setCaption(
        d.chapitreImagiciel != 0 ? texteNumero(d.chapitreImagiciel + 501) : "Imagiciel");
    if (d.PageControle->ActivePage() == d.PageImagiciel)
        repeindreImagiciel(d);
    else
        d.PageControle->setActivePage(d.PageImagiciel);
    focaliserImagiciel(d);
    d.ArbreChoixImagiciel->Select(d.imagiciel - 1500);
    d.PageControle->Repaint();
}

void allerImagiciel(TdonneesCommunes& d, int code)
{
    if (code != d.imagiciel) {
        d.imagiciel = code;
        lancerImagiciel(d);
    } else {
        d.PageControle->setActivePage(d.PageImagiciel);
        focaliserImagiciel(d);
    }
}

void deroulerEtapeImagiciel(TdonneesCommunes& d)
{
    // A point held across the change would go on following the mouse where it is fixed.
    terminerGlissement(*d.surfaceFigureImagiciel);
    const int s = d.etapeImagiciel, n = d.nbEtapesImagiciel;
    if (const TimagicielEtapes* a = etapesImagiciel(d.imagiciel);
        a && s >= 1 && s <= static_cast<int>(a->etapes.size())) {
        Tfigure& figure = *d.surfaceFigureImagiciel;
        retablirVisibilites(*d.surfaceImagiciel, visibilitesDepart.texte);
        retablirVisibilites(figure, visibilitesDepart.figure);
        for (int e = 1; e <= s; ++e) appliquerEtape(d, a->etapes[static_cast<std::size_t>(e - 1)]);
        // Every step before the last shows the starting figure, undoing the pupil's dragging, so
        // that a replay starts from it; the last hands the points over.
        for (const TpointDepart& p : a->points) {
            if (s < n) {
                placerPoint(figure, p.nom, p.x, p.y);
                if (!p.deplacable) continue;
                rendreFixe(figure, p.nom);
                changerCouleur(figure, p.nom, noirImagiciel);
            } else if (s == n && p.deplacable) {
                rendreMobile(figure, p.nom);
                changerCouleur(figure, p.nom, bleuImagiciel);
            }
        }
    }
    d.BoutonAvancer->setEnabled(s < n);
    d.BoutonReculer->setEnabled(s >= 2);
    // Enter goes on, whichever button took the click.
    focaliserImagiciel(d);
}

void focaliserImagiciel(TdonneesCommunes& d)
{
    d.PageImagiciel->SetFocus();
    (d.BoutonAvancer->Enabled() ? d.BoutonAvancer : d.BoutonReculer)->SetFocus();
}

void etapeSuivanteImagiciel(TdonneesCommunes& d)
{
    if (d.etapeImagiciel >= d.nbEtapesImagiciel) return;
    ++d.etapeImagiciel;
    deroulerEtapeImagiciel(d);
    repeindreImagiciel(d);
}

void etapePrecedenteImagiciel(TdonneesCommunes& d)
{
    if (d.etapeImagiciel <= 1) return;
    --d.etapeImagiciel;
    deroulerEtapeImagiciel(d);
    repeindreImagiciel(d);
}
