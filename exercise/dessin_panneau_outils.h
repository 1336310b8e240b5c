#pragma once
// The instrument panel beside the solution: the current slot's kinds, the three slots, the linked
// radii and the help button, painted in ZoneOutilsDessin and answering its mouse.

#include "exercise/donnees_communes.h"
#include "platform/canevas.h"

void dessinerPanneauOutils(TdonneesCommunes& donnees, Canevas& canevas);
// One icon centred at (x, y): an instrument of kind 0..8, or the swatch of a slot (genre 100)
// in its colour. A kind that is not permitted is hatched.
void dessinerIconesOutils(TdonneesCommunes& donnees, Canevas& canevas, int x, int y, bool choisi,
                          bool permis, int genre, TColor couleur);
// clic 0: the mouse moves over the panel, only the cursor follows; clic 1: a button went down.
void cliquerPanneauOutils(TdonneesCommunes& donnees, int x, int y, int clic);

// The information window lies above the panel: it registers these at start. Until then the help
// button does nothing.
struct TliensInfoPanneau {
    void (*afficher)(TdonneesCommunes& donnees, int code) = nullptr;
    bool (*affichee)() = nullptr;
    void (*fermer)() = nullptr;
};
extern TliensInfoPanneau liensInfoPanneau;

// The genre of a slot swatch in dessinerIconesOutils.
constexpr int genreEmplacement = 100;
// The information topic of the instruments.
constexpr int sujetAideOutils = 2763;
