#include <algorithm>
#include <cmath>

#include "engine/figure/peinture.h"

namespace {

constexpr TColor couleurGrille = 0xE0E0E0;
// Beyond this many steps from 0 to the window's edge the grid lines would merge: that side of
// the origin is left without grid.
constexpr double pasGrilleMax = 30000;

// The grid lines k·pas, for the k whose line lies in [debut, fin] on the side of the origin
// given (k ≥ 0 or k < 0), when the window reaches that side within pasGrilleMax steps.
template <class Tracer>
void lignesDUnCote(double pas, double debut, double fin, bool positif, Tracer tracer)
{
    const double bord = positif ? fin : debut;
    if (positif ? !(bord > 0) : !(bord < 0)) return;
    if (!(std::abs(bord) / pas < pasGrilleMax)) return;
    const double kMin = positif ? std::max(0.0, std::ceil(debut / pas)) : std::ceil(debut / pas);
    const double kMax = positif ? std::floor(fin / pas) : std::min(-1.0, std::floor(fin / pas));
    if (!(kMin <= kMax)) return;
    for (int k = static_cast<int>(kMin); k <= static_cast<int>(kMax); ++k) tracer(k * pas);
}

template <class Tracer>
void lignesGrille(double pas, double debut, double fin, Tracer tracer)
{
    // A step that is not a positive number has no multiples to draw.
    if (!(pas > 0)) return;
    lignesDUnCote(pas, debut, fin, false, tracer);
    lignesDUnCote(pas, debut, fin, true, tracer);
}

void dessinerGrille(const Tfigure& f, Canevas& canevas)
{
    lignesGrille(f.pasX, f.xMin, f.xMax, [&](double x) {
        tracerLigneMonde(f, canevas, couleurGrille, 1, x, f.yMin, x, f.yMax, 1);
    });
    lignesGrille(f.pasY, f.yMin, f.yMax, [&](double y) {
        tracerLigneMonde(f, canevas, couleurGrille, 1, f.xMin, y, f.xMax, y, 1);
    });
}

// An axis label: its text, the world point it is written at, and its offset in columns and
// lines.
struct TetiquetteAxe {
    const std::string& texte;
    double x, y;
    double colonnes, lignes;
};

void dessinerAxesEtEtiquettes(const Tfigure& f, Canevas& canevas)
{
    tracerDroiteFenetre(f, canevas, f.couleurAxes, 1, 0, 0, 1, 0, 1);
    tracerDroiteFenetre(f, canevas, f.couleurAxes, 1, 0, 0, 0, 1, 1);
    const TetiquetteAxe etiquettes[] = {
        {f.etiquetteOrigine, 0, 0, f.etiquetteOrigine == "0" ? -1.2 : -1.5, 0},
        {f.etiquetteAxeX, f.xMax, 0, -1.2, 0},
        {f.etiquetteAxeY, 0, f.yMax, -1.2, 0},
        {f.etiquetteGraduationX, f.graduationX, 0, -0.5, 0},
        {f.etiquetteGraduationY, 0, f.graduationY, -1.2, -0.5},
    };
    for (const TetiquetteAxe& e : etiquettes)
        ecrireEtiquetteAxe(f, canevas, e.texte, f.couleurAxes, e.x, e.y, e.colonnes, e.lignes);
}

} // namespace

void dessinerAxes(const Tfigure& figure, Canevas& canevas)
{
    if (figure.grilleCarree) dessinerGrille(figure, canevas);
    if (!figure.axesCaches) dessinerAxesEtEtiquettes(figure, canevas);
}
