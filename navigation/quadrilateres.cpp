// The family of quadrilaterals: from the quadrilateral down to the square, each stroke labelled
// with the property that leads from one to the other.

#include <array>

#include "engine/text/primitives.h"
#include "navigation/sujets_info.h"

namespace {

constexpr TligneInfo noms[] = {
    {2.3, 34, "Quadrilatère"}, {6.8, 32.5, "Parallélogramme"}, {13.1, 18, "Losange"},
    {13.1, 53, "Rectangle"},   {16, 36.5, "Carré"},
};

constexpr TligneInfo proprietes[] = {
    {4.55, 14.5, "Côtés opposés parallèles 2 à 2"},
    {4.55, 41.5, "Diagonales de même milieu"},
    {4.6, 4, "4 côtés"},
    {5.5, 3.55, "de même"},
    {6.4, 3.55, "longueur"},
    {5, 67.5, "3 angles"},
    {6, 68.5, "droits"},
    {9, 11, "Deux côtés"},
    {9.9, 9.8, "consécutifs de"},
    {10.8, 9.8, "même longueur"},
    {9.4, 25.4, "Les diagonales"},
    {10.5, 24.9, "perpendiculaires"},
    {9.4, 43.5, "Un angle"},
    {10.5, 45, "droit"},
    {9, 56.5, "Les diagonales"},
    {9.9, 58.5, "de même"},
    {10.8, 59, "longueur"},
};

struct Tpoint2 {
    double x, y;
};

// Each stroke as a broken line in pixels, between the names it joins.
constexpr std::array<Tpoint2, 2> versParallelogramme = {{{330, 50}, {330, 110}}};
constexpr std::array<Tpoint2, 4> versLosange = {{{280, 40}, {28, 40}, {28, 235}, {150, 235}}};
constexpr std::array<Tpoint2, 4> versRectangle = {{{372, 40}, {618, 40}, {618, 235}, {512, 235}}};
constexpr std::array<Tpoint2, 3> parallelogrammeLosange = {{{285, 130}, {203, 142}, {203, 222}}};
constexpr std::array<Tpoint2, 3> parallelogrammeRectangle = {{{365, 130}, {450, 142}, {450, 222}}};
constexpr std::array<Tpoint2, 3> losangeCarre = {{{183, 245}, {183, 288}, {298, 288}}};
constexpr std::array<Tpoint2, 3> rectangleCarre = {{{472, 245}, {472, 288}, {346, 288}}};

template <std::size_t N>
void trait(const std::array<Tpoint2, N>& points)
{
    for (std::size_t i = 1; i < N; ++i)
        tracerSegment(*canevasInfo, 0xFF0000, 1, points[i - 1].x, points[i - 1].y, points[i].x,
                      points[i].y, 2);
}

}  // namespace

void dessinerQuadrilateres()
{
    trait(versParallelogramme);
    trait(versLosange);
    trait(versRectangle);
    trait(parallelogrammeLosange);
    trait(parallelogrammeRectangle);
    trait(losangeCarre);
    trait(rectangleCarre);
    ecrireLignesInfo(proprietes);
    for (const TligneInfo& n : noms) ecrireLigneInfo("$g" + std::string(n.texte), n.ligne, n.colonne);
}
