// The main window's paint boxes: what each paints, and what the mouse does on them.

#include "engine/figure/peinture.h"
#include "engine/figure/souris.h"
#include "engine/text/primitives.h"
#include "exercise/cases_choix.h"
#include "exercise/dessin_panneau_outils.h"
#include "exercise/horloge.h"
#include "navigation/couleurs_pages.h"
#include "navigation/fenetre_principale.h"
#include "navigation/info.h"
#include "navigation/suivre_lien.h"

namespace {

enum : int { phaseAppui = 1, phaseRelachement = 2, phaseDeplacement = 3 };

}  // namespace

// The black frame of 1 pixel round a figure.
void TfenetrePrincipale::cadreFigure(Tfigure& figure)
{
    tracerRectangle(figure.controle->canvas(), 1, 0x000000, 0, 0, figure.largeur, figure.hauteur);
}

void TfenetrePrincipale::ZoneEnoncePaint()
{
    dessinerFigure(*surfaceEnonce_);
    if (horloge().visible) dessinerHorloge(c_.zoneTexteEnonce->canvas());
    dessinerChoix(d_);
}

void TfenetrePrincipale::ZoneFigurePaint()
{
    dessinerFigure(*surfaceFigureEnonce_);
    cadreFigure(*surfaceFigureEnonce_);
}

void TfenetrePrincipale::ZoneFigureSolutionPaint()
{
    dessinerFigure(*surfaceFigureSolution_);
    cadreFigure(*surfaceFigureSolution_);
}

void TfenetrePrincipale::ZoneFigureImagicielPaint()
{
    dessinerFigure(*surfaceFigureImagiciel_);
    cadreFigure(*surfaceFigureImagiciel_);
}

void TfenetrePrincipale::ZoneTexteSolutionPaint() { dessinerFigure(*surfaceSolution_); }

void TfenetrePrincipale::ZoneTexteCoursPaint() { dessinerFigure(*surfaceCours_); }

void TfenetrePrincipale::ZoneFigureAccueilPaint() { dessinerFigure(*surfaceAccueil_); }

void TfenetrePrincipale::ZoneTexteImagicielPaint()
{
    dessinerFigure(*surfaceImagiciel_);
    if (d_.imagiciel != 0)
        tracerSegment(c_.ZoneTexteImagiciel->canvas(), couleurImagiciels, 1, 25, 2, 750, 2, 3);
}

void TfenetrePrincipale::ZoneOutilsDessinPaint() { dessinerPanneauOutils(d_, c_.ZoneOutilsDessin->canvas()); }

void TfenetrePrincipale::noterSouris(int x, int y, int phase)
{
    d_.sourisX = x;
    d_.sourisY = y;
    d_.phaseSouris = phase;
}

// The course, solution and animation texts: a click first closes the information window, then
// follows the link under it.
void TfenetrePrincipale::cliquerZoneTexte(Tfigure& figure, int x, int y)
{
    noterSouris(x, y, phaseAppui);
    if (infoAffichee) fermerInfo();
    d_.codeLien = lienSousPoint(figure.zonesLiens, x, y);
    if (d_.codeLien >= 1) suivreLien(d_);
}

void TfenetrePrincipale::survolerZoneTexte(Tfigure& figure, ZoneDessin& zone, int x, int y)
{
    noterSouris(x, y, phaseDeplacement);
    d_.codeLien = lienSousPoint(figure.zonesLiens, x, y);
    zone.setCursor(d_.codeLien >= 1 ? crHandPoint : crDefault);
}

void TfenetrePrincipale::ZoneEnonceReponseMouseDown(int x, int y)
{
    noterSouris(x, y, phaseAppui);
    if (infoAffichee) {
        fermerInfo();
        return;
    }
    d_.codeLien = lienSousPoint(surfaceEnonce_->zonesLiens, x, y);
    // A wrong answer is retried before any cell changes.
    if (d_.codeLien >= 1)
        suivreLien(d_);
    else if (!c_.BoutonReessayer->Visible())
        cliquerZoneEnonce(d_);
}

void TfenetrePrincipale::zoneTexteEnonceMouseMove(int x, int y)
{
    survolerZoneTexte(*surfaceEnonce_, *c_.zoneTexteEnonce, x, y);
}

void TfenetrePrincipale::ZoneTexteCoursMouseDown(int x, int y) { cliquerZoneTexte(*surfaceCours_, x, y); }

void TfenetrePrincipale::ZoneTexteCoursMouseMove(int x, int y)
{
    survolerZoneTexte(*surfaceCours_, *c_.ZoneTexteCours, x, y);
}

void TfenetrePrincipale::ZoneTexteCoursMouseUp(int x, int y)
{
    gererSouris(*surfaceCours_, x, y, phaseRelachement);
}

void TfenetrePrincipale::ZoneTexteSolutionMouseDown(int x, int y) { cliquerZoneTexte(*surfaceSolution_, x, y); }

void TfenetrePrincipale::ZoneTexteSolutionMouseMove(int x, int y)
{
    survolerZoneTexte(*surfaceSolution_, *c_.ZoneTexteSolution, x, y);
}

void TfenetrePrincipale::ZoneTexteSolutionMouseUp(int x, int y) { noterSouris(x, y, phaseRelachement); }

void TfenetrePrincipale::ZoneTexteImagicielMouseDown(int x, int y)
{
    cliquerZoneTexte(*surfaceImagiciel_, x, y);
}

void TfenetrePrincipale::ZoneTexteImagicielMouseMove(int x, int y)
{
    survolerZoneTexte(*surfaceImagiciel_, *c_.ZoneTexteImagiciel, x, y);
}

void TfenetrePrincipale::ZoneTexteImagicielMouseUp(int x, int y) { noterSouris(x, y, phaseRelachement); }

void TfenetrePrincipale::ZoneFigureEnonceMouseDown(int x, int y)
{
    if (c_.BoiteAccueil->Visible()) return;
    Tfigure& figure = *surfaceFigureEnonce_;
    gererSouris(figure, x, y, phaseAppui);
    // Taking an instrument makes it the panel's slot, unless the exercise imposed its instruments.
    if (figure.objetSaisi < 0 && !d_.outilsImposes && -figure.objetSaisi != d_.outilCourant) {
        d_.outilCourant = -figure.objetSaisi;
        c_.ZoneOutilsDessin->Repaint();
    }
}

void TfenetrePrincipale::ZoneFigureEnonceMouseUp(int x, int y)
{
    if (!c_.BoiteAccueil->Visible()) gererSouris(*surfaceFigureEnonce_, x, y, phaseRelachement);
}

void TfenetrePrincipale::ZoneFigureEnonceMouseMove(int x, int y)
{
    if (!c_.BoiteAccueil->Visible()) gererSouris(*surfaceFigureEnonce_, x, y, phaseDeplacement);
}

void TfenetrePrincipale::ZoneFigureImagicielMouseDown(int x, int y)
{
    gererSouris(*surfaceFigureImagiciel_, x, y, phaseAppui);
}

void TfenetrePrincipale::ZoneFigureImagicielMouseUp(int x, int y)
{
    gererSouris(*surfaceFigureImagiciel_, x, y, phaseRelachement);
}

void TfenetrePrincipale::ZoneFigureImagicielMouseMove(int x, int y)
{
    gererSouris(*surfaceFigureImagiciel_, x, y, phaseDeplacement);
}

void TfenetrePrincipale::ZoneOutilsDessinMouseDown(int x, int y) { cliquerPanneauOutils(d_, x, y, 1); }

void TfenetrePrincipale::ZoneOutilsDessinMouseMove(int x, int y) { cliquerPanneauOutils(d_, x, y, 0); }
