#pragma once
// The click zones a surface collects while it paints, which the main window hit-tests.

#include <array>
#include <string>

#include "platform/types.h"

// A rectangle in pixels of its surface, bounds included, and its link code (never 0).
struct TzoneLien {
    int gauche = 0;
    int haut = 0;
    int droite = 0;
    int bas = 0;
    int numero = 0;
};

constexpr int nbZonesLiensMax = 20;

// Zones 1..nbZones in the order they were drawn; slot 0 is never used.
struct TlisteZonesLiens {
    // The background on which the renderer draws the texts of 'C' and 'E' links.
    TColor couleurLiens = 0;
    int nbZones = 0;
    std::array<TzoneLien, nbZonesLiensMax + 1> zones{};
};

// The kind of a link name, given by its first letter.
enum TgenreLien : char {
    genreLienCours = 'C',
    genreLienExercice = 'E',
    genreLienOutil = 'P',
};

// The list of the surface being painted, where links and framed blocks register their zones;
// null outside a paint.
extern TlisteZonesLiens* listeZonesCourante;

// Appends a zone; 0 and nothing changed when the list is full, else the new count.
int ajouterZoneLien(TlisteZonesLiens& liste, int numero, int gauche, int haut, int droite,
                    int bas);
// Registers the zone of a link name: 0 when the list is full or the name gives no link, else the
// new count.
int enregistrerLien(TlisteZonesLiens& liste, const std::string& nom, int gauche, int haut,
                    int droite, int bas);
// The code of the earliest zone that holds the point, borders included; 0 when none does.
int lienSousPoint(const TlisteZonesLiens& liste, int x, int y);
// Empties the list at the start of a paint; the link background becomes green unless the colour
// given is 1.
void viderZonesLiens(TlisteZonesLiens& liste, TColor couleur);
