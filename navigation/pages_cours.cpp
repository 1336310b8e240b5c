#include "navigation/pages_cours.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/base/chaines.h"
#include "engine/figure/creation_textes.h"
#include "engine/text/liens.h"
#include "engine/text/textes_numerotes.h"
#include "navigation/table_pages_cours.h"
#include "navigation/suivre_lien.h"

namespace {

constexpr int premierePage = 1002;
constexpr int dernierePage = 1139;
constexpr TColor blanc = 0xFFFFFF;
const std::string marge(21, ' ');

std::string ligneTitre(const TdonneesCommunes& d) { return marge + titreEnBalise(d.titrePageCours.texte()); }

// A full history forgets its oldest page to keep the newest ones.
void empilerPage(TdonneesCommunes& d, int page)
{
    if (d.nbPagesHistorique == nbPagesHistoriqueMax) {
        std::copy(d.pilePages.begin() + 2, d.pilePages.end(), d.pilePages.begin() + 1);
        --d.nbPagesHistorique;
    }
    ++d.nbPagesHistorique;
    d.pilePages[d.nbPagesHistorique] = page;
}

bool pageCoursActive(const TdonneesCommunes& d)
{
    return d.PageControle->ActivePage() == d.PageCours;
}

void placerImageCours(TdonneesCommunes& d, const std::string& nom, double colonne, double ligne)
{
    Tfigure& surface = *d.surfaceCours;
    const Tobjet* image = creerImage(surface, nom, colonne - 5, ligne);
    if (image && image->visible) {
        // A tall picture makes the paint box taller, and the scroll box then scrolls.
        const int hauteur = image->donneesDe<Timage>().image->Height();
        if (d.hauteurZoneCours < hauteur + ligne * 18 + 10)
            surface.controle->setHeight(hauteur + static_cast<int>(std::lround(ligne * 18)) + 10);
        else
            surface.controle->setHeight(d.hauteurZoneCours);
        return;
    }
    creerLigneTexteMarge(surface, ligneTitre(d), 3);
    creerLigneTexteMarge(surface, "La page de cours " + nom + " est manquante.", 5);
}

void afficherImageCours(TdonneesCommunes& d, const TpageCours& page)
{
    placerImageCours(d, std::string("V05") + page.codeImage + ".jpg", page.colonne + 3,
                     page.ligne + 0.5);
    if (page.exercice != 0) {
        d.exercicePourSexercer = page.exercice;
        d.BoutonPourSexercer->setTop(12 * 18);
    }
}

void afficherImageNonDisponible(TdonneesCommunes& d)
{
    creerLigneTexteMarge(*d.surfaceCours, ligneTitre(d), 3);
    creerLigneTexteMarge(*d.surfaceCours, marge + "Image non disponible", 5);
}

void afficherIllustrationCours(TdonneesCommunes& d)
{
    const TpageCours* page = pageCoursIllustree(d.pageCours);
    if (!page) {
        afficherImageNonDisponible(d);
        return;
    }
    afficherImageCours(d, *page);
    Tfigure& surface = *d.surfaceCours;
    for (const TcadreLienCours& c : cadresLiensCours())
        if (c.page == d.pageCours) creerZoneLien(surface, c.x, c.y, c.largeur, c.code);
    for (const TboutonLienCours& b : boutonsLiensCours())
        if (b.page == d.pageCours) creerBoutonLien(surface, b.code, b.titre, b.x, b.y, b.largeur);
}

// Only the current chapter stays open in the tree.
void replierAutresChapitres(TdonneesCommunes& d)
{
    for (int c = 2; c <= 14; ++c)
        if (c != d.chapitrePageCours) d.ArbreChoixCours->Collapse(noeudsChapitresCours[c - 2]);
}

void afficherPageVoisine(TdonneesCommunes& d, int code)
{
    d.navigationVoisine = true;
    afficherPageCours(d, code);
    d.navigationVoisine = false;
}

bool estTitre(const TdonneesCommunes& d, int code)
{
    return d.ArbreChoixCours->HasChildren(code - 1000);
}

}  // namespace

std::string titreEnBalise(std::string titre)
{
    remplacerTout(titre, "-", "$-");
    return titre;
}

void afficherPageCours(TdonneesCommunes& d, int code)
{
    if (d.navigationVoisine || !pageCoursActive(d)) d.nbPagesHistorique = 0;
    if (!d.retourEnCours && !d.navigationVoisine && pageCoursActive(d)) empilerPage(d, d.pageCours);

    d.pageCours = code;
    if (!d.PageControle->TabVisible(d.PageCours)) d.PageControle->setTabVisible(d.PageCours, true);
    d.chapitrePageCours = chapitreDePage(d.pageCours);
    d.BoutonCoursSuivant->setEnabled(dernierePageChapitre(d.chapitrePageCours) > d.pageCours);
    d.BoutonCoursPrecedent->setEnabled(premierePageChapitre(d.chapitrePageCours) < d.pageCours);
    d.titrePageCours = d.ArbreChoixCours->TexteNoeud(d.pageCours - 1000);

    Tfigure& surface = *d.surfaceCours;
    ZoneDessin& zone = *surface.controle;
    zone.setHeight(d.hauteurZoneCours);
    reinitialiserFigure(surface);
    surface.couleurFond = blanc;
    zone.setColor(blanc);
    d.ScrollBoiteCours->setColor(blanc);
    zone.setCursor(crDefault);
    surface.decalageColonnes = 11.0;
    d.exercicePourSexercer = 0;
    d.BoutonPourSexercer->setLeft(662);

    afficherIllustrationCours(d);

    d.BoutonPourSexercer->setVisible(d.exercicePourSexercer != 0);
    d.BoutonRetour->setVisible(d.nbPagesHistorique > 0);
    d.LabelChapitreCours->setCaption(texteNumero(d.chapitrePageCours + 501));
    if (pageCoursActive(d))
        repeindreFigure(surface);
    else
        d.PageControle->setActivePage(d.PageCours);
    d.ArbreChoixCours->Select(d.pageCours - 1000);
    replierAutresChapitres(d);
    d.PageControle->Repaint();
}

void allerPageCours(TdonneesCommunes& d, int code)
{
    if (code != d.pageCours)
        afficherPageCours(d, code);
    else
        d.PageControle->setActivePage(d.PageCours);
}

void pageCoursSuivante(TdonneesCommunes& d)
{
    int code = premierePage;
    if (d.pageCours >= premierePage && d.pageCours < dernierePage) {
        code = d.pageCours + 1;
        while (code < dernierePage && estTitre(d, code)) ++code;
    }
    afficherPageVoisine(d, code);
}

void pageCoursPrecedente(TdonneesCommunes& d)
{
    int code = dernierePage;
    if (d.pageCours > premierePage && d.pageCours <= dernierePage) {
        code = d.pageCours - 1;
        while (code > premierePage && estTitre(d, code)) --code;
    }
    afficherPageVoisine(d, code);
}

void pageCoursRetour(TdonneesCommunes& d)
{
    if (d.nbPagesHistorique == 0) return;
    d.codeLien = d.pilePages[d.nbPagesHistorique];
    --d.nbPagesHistorique;
    d.retourEnCours = true;
    suivreLien(d);
    d.retourEnCours = false;
}
