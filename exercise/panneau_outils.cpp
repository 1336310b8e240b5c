#include "exercise/panneau_outils.h"

#include <algorithm>

namespace {

constexpr double rayonRapporteur = 5.9;

void imposer(Toutil& outil, TgenreOutil genre)
{
    outil.genre = genre;
    outil.genresPermis.reset();
    outil.genresPermis.set(genre);
    if (genre == outilRapporteur) outil.rayon = rayonRapporteur;
}

}  // namespace

void definirOutil(TdonneesCommunes& donnees, TgenreOutil genre)
{
    if (!donnees.surfaceFigureEnonce) return;
    Tfigure& f = *donnees.surfaceFigureEnonce;
    f.nbOutils = 1;
    imposer(f.outils[1], genre);
    donnees.outilsImposes = true;
}

void definirDeuxOutils(TdonneesCommunes& donnees, TgenreOutil genre1, TgenreOutil genre2)
{
    if (!donnees.surfaceFigureEnonce) return;
    Tfigure& f = *donnees.surfaceFigureEnonce;
    f.nbOutils = 2;
    imposer(f.outils[1], genre1);
    imposer(f.outils[2], genre2);
    donnees.outilsImposes = true;
}

void libererOutilsImposes(TdonneesCommunes& donnees)
{
    donnees.outilsImposes = false;
}

void montrerPanneauOutils(TdonneesCommunes& donnees)
{
    if (!donnees.PanelOutilsDessin) return;
    const bool instruments = donnees.surfaceFigureEnonce && donnees.surfaceFigureEnonce->nbOutils > 0;
    donnees.PanelOutilsDessin->setVisible(!donnees.outilsImposes && instruments);
}

void cacherPanneauOutils(TdonneesCommunes& donnees)
{
    if (donnees.PanelOutilsDessin) donnees.PanelOutilsDessin->setVisible(false);
}

void sauverOutils(TdonneesCommunes& donnees)
{
    if (!donnees.surfaceFigureEnonce) return;
    const Tfigure& f = *donnees.surfaceFigureEnonce;
    donnees.nbOutilsSauves = f.nbOutils;
    for (int i = 1; i <= std::clamp(f.nbOutils, 0, nbOutilsMax); ++i) donnees.outilsSauves[i] = f.outils[i];
    donnees.informationsSauvees = f.rayonsLies;
}

void restaurerOutils(TdonneesCommunes& donnees)
{
    if (!donnees.surfaceFigureEnonce) return;
    Tfigure& f = *donnees.surfaceFigureEnonce;
    f.nbOutils = donnees.nbOutilsSauves;
    for (int i = 1; i <= std::clamp(f.nbOutils, 0, nbOutilsMax); ++i) f.outils[i] = donnees.outilsSauves[i];
    f.rayonsLies = donnees.informationsSauvees;
}
