#include <cmath>

#include "engine/base/geometrie.h"
#include "engine/figure/peinture.h"
#include "engine/text/primitives.h"

namespace {

constexpr TColor grisContour = 0xE0E0E0;
constexpr TColor grisFonce = 0x808080;
constexpr TColor grisClair = 0xC0C0C0;
constexpr TColor rouge = 0x0000FF;
constexpr TColor vert = 0x008000;
// The reference lines run across the figure, which shows about 10 units.
constexpr double longueurRepere = 14;
constexpr double pasGraduation = 0.2;
constexpr int graduationsParCote = 70;
constexpr double demiTrait = 0.3;
constexpr double coteAngleDroit = 0.3;

struct Tvecteur {
    double x, y;
};

Tvecteur operator+(Tvecteur a, Tvecteur b)
{
    return {a.x + b.x, a.y + b.y};
}

Tvecteur operator-(Tvecteur a, Tvecteur b)
{
    return {a.x - b.x, a.y - b.y};
}

Tvecteur operator*(double k, Tvecteur a)
{
    return {k * a.x, k * a.y};
}

Tvecteur direction(double angle)
{
    return {cosDegres(angle), sinDegres(angle)};
}

// An instrument as its painter sees it: its centre and the unit vectors along it (u), across it
// (v) and along its second arm (w).
struct Tpose {
    const Toutil& o;
    Tvecteur c, u, v, w;

    explicit Tpose(const Toutil& outil)
        : o(outil), c{outil.x, outil.y}, u(direction(outil.angle)),
          v(direction(outil.angle + 90)), w(direction(outil.angle + outil.angleBras))
    {
    }
};

void trait(const Tfigure& f, Canevas& k, TColor couleur, Tvecteur a, Tvecteur b)
{
    tracerLigneMonde(f, k, couleur, 1, a.x, a.y, b.x, b.y, 1);
}

// The box of the circle of the radius about the centre, in pixels.
struct Tboite {
    int gauche, haut, droite, bas;
};

Tboite boite(const Tfigure& f, Tvecteur c, double r)
{
    return {versPixelX(f, c.x - r), versPixelY(f, c.y + r), versPixelX(f, c.x + r),
            versPixelY(f, c.y - r)};
}

void disque(const Tfigure& f, Canevas& k, const Tpose& p)
{
    const Tboite b = boite(f, p.c, p.o.rayonPoignee);
    remplirEllipse(k, 1, p.o.couleur, b.gauche, b.haut, b.droite, b.bas);
}

void contourDisque(const Tfigure& f, Canevas& k, const Tpose& p)
{
    const Tboite b = boite(f, p.c, p.o.rayonPoignee);
    tracerEllipse(k, grisContour, 1, b.gauche, b.haut, b.droite, b.bas, 1);
}

// Every 2°, darker every 10°, reaching in every 30°.
void graduationsRapporteur(const Tfigure& f, Canevas& k, const Tpose& p)
{
    if (!estRapporteur(p.o)) return;
    for (int i = 1; i <= 179; ++i) {
        const Tvecteur d = direction(p.o.angle + 2 * i);
        const double interieur = i % 15 == 0 ? 0.7 * p.o.rayon : p.o.rayon;
        trait(f, k, i % 5 == 0 ? grisFonce : grisClair, p.c + interieur * d,
              p.c + (p.o.rayon + 1.5) * d);
    }
}

// Every 0.2 unit along the edge, darker every unit; the set square's perpendicular too.
void graduationsRegle(const Tfigure& f, Canevas& k, const Tpose& p)
{
    if (!estGradue(p.o)) return;
    const Tvecteur pied = p.c + p.o.longueurA * p.u;
    for (int i = -graduationsParCote; i <= graduationsParCote; ++i) {
        const TColor couleur = i % 5 == 0 ? grisFonce : grisClair;
        const Tvecteur m = p.c + pasGraduation * i * p.u;
        if (i != 0) trait(f, k, couleur, m + demiTrait * p.v, m - demiTrait * p.v);
        if (estEquerre(p.o) && std::abs(i) > 1) {
            const Tvecteur n = pied + pasGraduation * i * p.v;
            trait(f, k, couleur, n - demiTrait * p.u, n + demiTrait * p.u);
        }
    }
}

void croixRepere(const Tfigure& f, Canevas& k, const Tpose& p)
{
    const double demiCroix = p.o.rayonPoignee / 2;
    const double l = p.o.genre == outilCompas ? demiCroix : longueurRepere;
    trait(f, k, rouge, p.c - l * p.u, p.c + l * p.u);
    trait(f, k, rouge, p.c - demiCroix * p.v, p.c + demiCroix * p.v);
}

void perpendiculaireEquerre(const Tfigure& f, Canevas& k, const Tpose& p)
{
    if (!estEquerre(p.o)) return;
    const Tvecteur pied = p.c + p.o.longueurA * p.u;
    trait(f, k, vert, pied - longueurRepere * p.v, pied + longueurRepere * p.v);
    const Tvecteur coin = pied + coteAngleDroit * p.v + coteAngleDroit * p.u;
    trait(f, k, vert, pied + coteAngleDroit * p.v, coin);
    trait(f, k, vert, pied + coteAngleDroit * p.u, coin);
}

void cercle(const Tfigure& f, Canevas& k, const Tpose& p)
{
    if (!aUnRayon(p.o)) return;
    const Tboite b = boite(f, p.c, p.o.rayon);
    tracerEllipse(k, rouge, 1, b.gauche, b.haut, b.droite, b.bas, 1);
}

void secondBras(const Tfigure& f, Canevas& k, const Tpose& p)
{
    if (!aUnBras(p.o) || !p.o.brasReglable) return;
    trait(f, k, vert, p.c + longueurRepere * p.w, p.c - longueurRepere * p.w);
}

// Each step over every instrument before the next, so that no instrument's disc covers another's
// marks.
constexpr void (*etapes[])(const Tfigure&, Canevas&, const Tpose&) = {
    disque, contourDisque, graduationsRapporteur, graduationsRegle,
    croixRepere, perpendiculaireEquerre, cercle, secondBras};

} // namespace

void dessinerOutils(Tfigure& figure, Canevas& canevas)
{
    for (const auto etape : etapes)
        for (int t = 1; t <= std::min(figure.nbOutils, nbOutilsMax); ++t) {
            const Toutil& o = figure.outils[static_cast<std::size_t>(t)];
            if (outilVisible(o)) etape(figure, canevas, Tpose(o));
        }
}
