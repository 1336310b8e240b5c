// The welcome screen: its pictures, the boy's animation, and the three pictures that light up
// under the mouse (About, Quit, Enter).

#include <iterator>

#include "engine/base/systeme.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/objets_par_nom.h"
#include "navigation/fenetre_principale.h"
#include "navigation/info.h"

namespace {

// A picture that lights up: its two picture objects, its hover rectangle (bounds excluded) and the
// flag of the shared record that says it is lit.
struct TsurvolAccueil {
    const char* actif;
    const char* inactif;
    int gauche, droite, haut, bas;
    bool TdonneesCommunes::*allume;
};

// In the order the mouse tests them.
constexpr TsurvolAccueil survols[] = {
    {"A_propos_actif", "A_propos_inactif", 28, 111, 531, 561, &TdonneesCommunes::survolAPropos},
    {"Quitter_actif", "Quitter_inactif", 700, 779, 532, 566, &TdonneesCommunes::survolQuitter},
    {"Entree_actif", "Entree_inactif", 341, 470, 458, 523, &TdonneesCommunes::survolEntree},
};
constexpr int nbSurvols = static_cast<int>(std::size(survols));
constexpr int survolAPropos = 0, survolQuitter = 1, survolEntree = 2;

// The animation tick lives in the welcome surface's first parameter.
constexpr int parametreTick = 1;

void eteindre(Tfigure& accueil, TdonneesCommunes& donnees, const TsurvolAccueil& s)
{
    donnees.*s.allume = false;
    cacherObjet(accueil, s.actif);
    montrerObjet(accueil, s.inactif);
}

}  // namespace

void TfenetrePrincipale::preparerAccueil()
{
    Tfigure& accueil = *surfaceAccueil_;
    accueil.decalageColonnes = 0;
    accueil.parametres[parametreTick] = 0;
    struct TimageAccueil {
        const char* nom;
        const Image* image;
        double colonne;
        double ligne;
        bool cachee;
    };
    const double colonneFond =
        (c_.ZoneFigureAccueil->Width() - (c_.fondAccueil ? c_.fondAccueil->Width() : 0) - 50) / 2.0 / 8.0;
    const TimageAccueil images[] = {
        {"fond_accueil", c_.fondAccueil, colonneFond, 1, false},
        {"garcon1", c_.garcon1, 36, 12, false},
        {"garcon2", c_.garcon2, 36, 12, true},
        {"A_propos_actif", c_.AproposActif, 3.5, 29.5, true},
        {"A_propos_inactif", c_.AproposNonActif, 3.5, 29.5, false},
        {"Quitter_actif", c_.QuitterActif, 87.5, 532.0 / 18, true},
        {"Quitter_inactif", c_.QuitterNonActif, 87.5, 532.0 / 18, false},
        {"Entree_actif", c_.EntreeActif, 42.625, 458.0 / 18, true},
        {"Entree_inactif", c_.EntreeNonActif, 42.625, 458.0 / 18, false},
    };
    for (const TimageAccueil& i : images) {
        creerImageInterneNommee(accueil, i.nom, i.image, i.colonne, i.ligne);
        if (i.cachee) cacherObjet(accueil, i.nom);
    }
    d_.survolAPropos = d_.survolQuitter = d_.survolEntree = false;
}

void TfenetrePrincipale::animerAccueil()
{
    Tfigure& accueil = *surfaceAccueil_;
    int& tick = accueil.parametres[parametreTick];
    if (tick == 4) {
        cacherObjet(accueil, "garcon1");
        montrerObjet(accueil, "garcon2");
    }
    if (tick == 8) {
        cacherObjet(accueil, "garcon2");
        montrerObjet(accueil, "garcon1");
    }
    if (tick == 30) tick = 0;
    ++tick;
}

void TfenetrePrincipale::ZoneFigureAccueilMouseMove(int x, int y)
{
    if (c_.PageControle->Visible()) return;
    survolerAccueil(x, y);
}

// The picture under the mouse is lit and every other one goes out: the mouse may come from a
// popup that hid the welcome screen's moves, and a stale lit picture would take the next click.
int TfenetrePrincipale::survolerAccueil(int x, int y)
{
    Tfigure& accueil = *surfaceAccueil_;
    int dessous = -1;
    for (int i = 0; i < nbSurvols; ++i) {
        const TsurvolAccueil& s = survols[i];
        if (pointDansCadre(x, y, s.gauche, s.droite, s.haut, s.bas)) dessous = i;
    }
    bool change = false;
    for (int i = 0; i < nbSurvols; ++i) {
        const TsurvolAccueil& s = survols[i];
        const bool allumer = i == dessous;
        if (d_.*s.allume == allumer) continue;
        if (allumer) {
            d_.*s.allume = true;
            montrerObjet(accueil, s.actif);
            cacherObjet(accueil, s.inactif);
        } else
            eteindre(accueil, d_, s);
        change = true;
    }
    if (change) {
        c_.ZoneFigureAccueil->setCursor(dessous >= 0 ? crHandPoint : crDefault);
        c_.BoiteAccueil->Repaint();
    }
    return dessous;
}

void TfenetrePrincipale::ZoneFigureAccueilMouseDown(int x, int y)
{
    const int dessous = survolerAccueil(x, y);
    if (infoAffichee) {
        fermerInfo();
        return;
    }
    if (dessous == survolAPropos)
        afficherInfo(d_, 1998);
    else if (dessous == survolQuitter) {
        if (fermer) fermer();
    } else if (dessous == survolEntree)
        BoutonMenuClick();
}

void TfenetrePrincipale::BoutonMenuClick()
{
    c_.BoiteAccueil->setVisible(false);
    for (const TsurvolAccueil& s : survols)
        if (d_.*s.allume) eteindre(*surfaceAccueil_, d_, s);
    c_.ZoneFigureAccueil->setCursor(crDefault);
    c_.PageControle->setVisible(true);
    focaliserPageActive();
}
