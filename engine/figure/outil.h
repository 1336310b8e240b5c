#pragma once
// The drawing instruments a surface holds: ruler, set square, compass, angle template,
// protractor and their graduated variants. World units and degrees.

#include <cstdint>

#include "engine/base/ensemble.h"
#include "platform/types.h"

enum TgenreOutil : std::uint8_t {
    // Put away and not shown.
    outilRange = 0,
    outilRegle = 1,
    outilEquerre = 2,
    outilCompas = 3,
    outilGabarit = 4,
    outilRegleGraduee = 5,
    outilEquerreGraduee = 6,
    outilCompasGradue = 7,
    outilRapporteur = 8,
};

// The part of an instrument the mouse holds.
enum TpartieOutil : int {
    partieAucune = 0,
    partieCorps = 1,
    partieBord = 2,
    // The edge, taken behind the pivot.
    partieBordArriere = 4,
    partieRayon = 6,
    // The set square's sliding edge.
    partieBordGlissant = 8,
    partieBras = 9,
    partieBrasArriere = 10,
};

struct Toutil {
    // The kinds the instrument panel may give this slot.
    Ensemble256 genresPermis;
    TgenreOutil genre = outilRange;
    // The body cannot be moved.
    bool fixe = false;
    // The instrument cannot be turned.
    bool orientationFixe = false;
    TColor couleur = 0;
    // The centre, which is the pivot.
    double x = 0, y = 0;
    // Length along the direction; the set square's sliding edge.
    double longueurA = 0;
    double longueurB = 0;
    double rayon = 0;
    // Direction from the x axis.
    double angle = 0;
    // The second arm, relative to angle.
    double angleBras = 0;
    // A TpartieOutil.
    int partieSaisie = partieAucune;
    // The central disc by which the body is taken.
    double rayonPoignee = 0;
    bool brasReglable = false;
    // From the centre to where the body was taken.
    double decalageSaisieX = 0, decalageSaisieY = 0;
};

constexpr int nbOutilsMax = 3;

// Puts the instrument of slot 1..3 away with the defaults of its slot.
void initialiserOutil(Toutil& outil, int emplacement);

// What an instrument has, by its kind.
bool outilVisible(const Toutil& outil);
bool estEquerre(const Toutil& outil);
bool estRapporteur(const Toutil& outil);
bool aUnRayon(const Toutil& outil);
bool estGradue(const Toutil& outil);
bool aUnBordDroit(const Toutil& outil);
bool aUnBras(const Toutil& outil);
