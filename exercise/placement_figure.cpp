#include "exercise/placement_figure.h"

#include "platform/types.h"

namespace {

constexpr int marge = 5;

// The statement figure, in pixels of the parent it shares with the statement box.
void placerFigure(TdonneesCommunes& donnees, int gauche, int haut, int largeur, int hauteur)
{
    if (donnees.surfaceFigureEnonce) placerZone(*donnees.surfaceFigureEnonce, gauche, haut, largeur, hauteur);
}

const ZoneDessin* boiteEnonce(const TdonneesCommunes& donnees)
{
    return donnees.surfaceEnonce ? donnees.surfaceEnonce->controle : nullptr;
}

}  // namespace

void placerFigureEnonce(TdonneesCommunes& donnees)
{
    const ZoneDessin* enonce = boiteEnonce(donnees);
    if (!enonce) return;
    const int cote = enonce->Height() - 2 * marge;
    placerFigure(donnees, enonce->Width() - cote - marge, enonce->Top() + marge, cote, cote);
}

void placerFigureEnonceBas(TdonneesCommunes& donnees, int largeur, int hauteur)
{
    const ZoneDessin* enonce = boiteEnonce(donnees);
    if (!enonce) return;
    placerFigure(donnees, enonce->Width() - largeur - marge, enonce->Top() + enonce->Height() - marge - hauteur,
                 largeur, hauteur);
}

void placerFigureEnonceDecalee(TdonneesCommunes& donnees, int dx, int dy, int largeur, int hauteur)
{
    const ZoneDessin* enonce = boiteEnonce(donnees);
    if (!enonce || !donnees.surfaceFigureEnonce) return;
    const int decalage = arrondi(donnees.surfaceFigureEnonce->decalageColonnes);
    placerFigure(donnees, enonce->Left() + dx + decalage, enonce->Top() + dy, largeur, hauteur);
}

void placerZone(Tfigure& figure, int gauche, int haut, int largeur, int hauteur)
{
    if (ZoneDessin* zone = figure.controle) {
        zone->setVisible(false);
        zone->setBounds(gauche, haut, largeur, hauteur);
        zone->setVisible(true);
    }
    reinitialiserFigure(figure);
}
