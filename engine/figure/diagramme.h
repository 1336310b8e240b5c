#pragma once
// The statistics diagram on which the pupil drags bar tops or sector boundaries: its record, the
// geometry computed from its values, its hit test and its adjusting. Positions are pixels of the
// surface; categories, values and boundaries are numbered from 1 (boundary 0 starts the first
// sector).

#include <array>
#include <string>

#include "platform/types.h"

constexpr int categoriesMax = 6;
constexpr std::size_t longueurLibelle = 40;

enum TtypeDiagramme : int {
    diagrammeBarres = 1,
    // Full sector diagram of angles.
    diagrammeSecteurs = 2,
    // Half-disc diagram of angles.
    diagrammeDemiDisque = 3,
    // Bars with a frequency table and a half-disc diagram.
    diagrammeBarresDemiDisque = 4,
    // Bars with a frequency table and a full sector diagram.
    diagrammeBarresSecteurs = 5,
};

using TvaleursCategories = std::array<double, categoriesMax + 1>;

struct Tdiagramme {
    // Left, top, right, bottom of the sector diagram's circle.
    std::array<double, 4> boiteCercle{};
    // Bars: x of the vertical scale and y of the baseline; sector types: the centre.
    double baseX = 0, baseY = 0;
    // Bars: from the scale to the first bar; sector types: the radius.
    double pasBarres = 0;
    // Bars: pixels per unit of frequency.
    double hauteurUnite = 0;
    int nbCategories = 0;
    // Top-left corners of the category boxes.
    TvaleursCategories xBoites{}, yBoites{};
    // Bars: x of bar i and y of its top; sectors: where boundary i meets the circle.
    TvaleursCategories pointsX{}, pointsY{};
    std::string titreEffectif = "Effectif";
    std::array<std::string, categoriesMax + 1> libellesCategories;
    // Frequencies for bars, angles in degrees for sector types.
    std::array<int, categoriesMax + 1> effectifs{};
    int total = 0;
    std::array<TColor, categoriesMax + 1> couleursCategories{};
    int typeDiagramme = 0;
    // The bar or boundary the mouse holds; 0 none.
    int barreSaisie = 0;
    // Bars with a sector diagram: its centre and radius, and the angle shared among the
    // categories.
    double centrePieX = 0, centrePieY = 0, rayonPie = 0;
    double angleTotal = 0;
    TvaleursCategories bordsPieX{}, bordsPieY{};
    // Each category's angle rounded to the degree.
    TvaleursCategories anglesArrondis{};
    // Top-left corner of the frequency table.
    double xTableau = 0, yTableau = 0;
};

bool estDiagrammeEnBarres(const Tdiagramme& d);
bool estDiagrammeDAngles(const Tdiagramme& d);
// The bar tops or the boundaries from the values; after every change.
void calculerDiagramme(Tdiagramme& d);
// The bar or boundary whose handle is within 7 pixels on each axis; 0 for none. The last boundary
// of a sector diagram, which closes it, is never taken.
int barreSousPoint(const Tdiagramme& d, double x, double y);
// Moves the held bar top (0 to 20) or boundary (every sector keeps at least 5°) towards the
// point; true when a value changed.
bool reglerBarre(Tdiagramme& d, double x, double y);
