#include "engine/figure/figure.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "engine/base/chaine_courte.h"
#include "engine/base/nombres.h"
#include "engine/figure/glissement.h"

namespace {

// The newest first, so that nothing outlives what was created before it.
void libererObjets(Tfigure& figure)
{
    for (int i = figure.nbObjets; i >= 1; --i) libererObjet(figure.objets[i]);
    figure.nbObjets = 0;
}

// Rounded while still in extended precision: a product a hair off a half would otherwise be
// rounded onto the half when made a double, then go to its even neighbour. Brought within the
// range of a double first (arrondi clamps far tighter), a NaN passing through. rintl, not
// nearbyintl: the same value, without saving and restoring the floating-point environment on
// every pixel of a paint.
int arrondiEtendu(long double p)
{
    constexpr long double horsEcran = 1e15L;
    return arrondi(static_cast<double>(std::clamp(std::rintl(p), -horsEcran, horsEcran)));
}

} // namespace

void creerFigure(ZoneDessin* controle, int largeur, int hauteur, std::unique_ptr<Tfigure>& figure)
{
    libererFigure(figure);
    figure = std::make_unique<Tfigure>();
    figure->controle = controle;
    figure->largeur = largeur;
    figure->hauteur = hauteur;
    reinitialiserFigure(*figure);
}

void reinitialiserFigure(Tfigure& figure)
{
    libererObjets(figure);
    // Every field takes the record's default again, but for what a reset keeps: the binding,
    // the exercise's parameters, the mouse, the zones of the last paint and what the painter
    // last wrote. The snap list is not kept: it holds indices into the table just emptied,
    // which would designate whatever the next figure puts at those places.
    Tfigure neuve;
    neuve.controle = figure.controle;
    neuve.largeur = figure.largeur;
    neuve.hauteur = figure.hauteur;
    neuve.couleurFond = figure.couleurFond;
    neuve.parametres = figure.parametres;
    neuve.xSouris = figure.xSouris;
    neuve.ySouris = figure.ySouris;
    neuve.zonesLiens = figure.zonesLiens;
    neuve.dernierPointHorsFenetre = figure.dernierPointHorsFenetre;
    if (const ZoneDessin* c = neuve.controle) {
        neuve.largeur = c->ClientWidth();
        neuve.hauteur = c->ClientHeight();
        neuve.couleurFond = c->Color();
    }
    neuve.origineX = neuve.largeur / 2.0;
    neuve.origineY = neuve.hauteur / 2.0;
    neuve.echelle = std::min(neuve.largeur, neuve.hauteur) / 10.0;
    for (int t = 1; t <= nbOutilsMax; ++t) initialiserOutil(neuve.outils[t], t);
    calculerFenetre(neuve);
    figure = std::move(neuve);
}

void libererFigure(std::unique_ptr<Tfigure>& figure)
{
    if (!figure) return;
    // Only the objects need freeing in order; the control may already be gone at shut-down.
    libererObjets(*figure);
    figure.reset();
}

void repeindreFigure(Tfigure& figure)
{
    if (figure.controle && figure.controle->Visible()) figure.controle->Repaint();
}

int versPixelX(const Tfigure& figure, double x)
{
    return arrondiEtendu(static_cast<long double>(x) * figure.echelle + figure.origineX);
}

int versPixelY(const Tfigure& figure, double y)
{
    return arrondiEtendu(figure.origineY - static_cast<long double>(y) * figure.echelle);
}

double versMondeX(const Tfigure& figure, double px)
{
    return (px - figure.origineX) / figure.echelle;
}

double versMondeY(const Tfigure& figure, double py)
{
    return (figure.origineY - py) / figure.echelle;
}

void calculerFenetre(Tfigure& figure)
{
    figure.xMin = versMondeX(figure, 2);
    figure.xMax = versMondeX(figure, figure.largeur - 2);
    figure.yMin = versMondeY(figure, figure.hauteur - 2);
    figure.yMax = versMondeY(figure, 2);
}

int indiceObjet(const Tfigure& figure, const std::string& nom)
{
    const std::string_view cherche = std::string_view(nom).substr(0, longueurCourte);
    for (int i = 1; i <= figure.nbObjets; ++i) {
        if (figure.objets[i]->nom == cherche) return i;
    }
    return 0;
}

const Tobjet* objetDIndice(const Tfigure& figure, int indice)
{
    if (indice < 1 || indice > figure.nbObjets) return nullptr;
    return figure.objets[indice].get();
}

Tobjet* objetAModifier(Tfigure& figure, int indice)
{
    Tobjet* o = objetARecalculer(figure, indice);
    if (o && figure.glissement) oublierCalques(*figure.glissement);
    return o;
}

Tobjet* objetARecalculer(Tfigure& figure, int indice)
{
    if (indice < 1 || indice > figure.nbObjets) return nullptr;
    return figure.objets[indice].get();
}

const Tobjet* objetNomme(const Tfigure& figure, const std::string& nom)
{
    return objetDIndice(figure, indiceObjet(figure, nom));
}

Tobjet* objetNommeAModifier(Tfigure& figure, const std::string& nom)
{
    return objetAModifier(figure, indiceObjet(figure, nom));
}

std::string parametreEnTexte(const Tfigure& figure, int i)
{
    if (i < 1 || i > nbParametres) return "0";
    return reelVersChaine(figure.parametres[i]);
}
