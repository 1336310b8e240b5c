#include "engine/figure/diagramme.h"

#include <algorithm>
#include <cmath>

#include "engine/base/geometrie.h"
#include "engine/base/nombres.h"

namespace {

constexpr double toleranceSaisie = 7;
constexpr int effectifMax = 20;
// Every sector keeps this angle; the pointer may stray this far past the allowed range.
constexpr int secteurMin = 5;
constexpr int ecartPermis = 3;

// An angle shown to the pupil, rounded to the degree as the course teaches it: a half goes up,
// even when the division left it a hair below.
double arrondiAuDegre(double angle)
{
    const double plancher = std::floor(angle);
    return presqueEgal(angle - plancher, 0.5) ? plancher + 1 : std::round(angle);
}

// The sum of the first i values.
int sommeJusqua(const Tdiagramme& d, int i)
{
    int s = 0;
    for (int k = 1; k <= std::min(i, categoriesMax); ++k)
        s += d.effectifs[static_cast<std::size_t>(k)];
    return s;
}

int categories(const Tdiagramme& d)
{
    return std::clamp(d.nbCategories, 0, categoriesMax);
}

bool reglerHauteur(Tdiagramme& d, int k, double y)
{
    if (!(d.hauteurUnite > 0)) return false;
    const int v = std::clamp(arrondi((d.baseY - y) / d.hauteurUnite), 0, effectifMax);
    int& effectif = d.effectifs[static_cast<std::size_t>(k)];
    if (v == effectif) return false;
    effectif = v;
    return true;
}

bool reglerBord(Tdiagramme& d, int k, double x, double y)
{
    double c = x - d.baseX, s = d.baseY - y;
    if (k >= categories(d) || !normaliserVecteur(c, s)) return false;
    int a = arrondi(angleDirection(c, s));
    const int lo = sommeJusqua(d, k - 1) + secteurMin;
    const int hi = k == categories(d) - 1 ? 360 - secteurMin : sommeJusqua(d, k + 1) - secteurMin;
    if (hi <= lo || a < lo - ecartPermis || a > hi + ecartPermis) return false;
    a = std::clamp(a, lo, hi);
    const int ecart = a - sommeJusqua(d, k);
    if (ecart == 0) return false;
    d.effectifs[static_cast<std::size_t>(k)] += ecart;
    d.effectifs[static_cast<std::size_t>(k + 1)] -= ecart;
    return true;
}

} // namespace

bool estDiagrammeEnBarres(const Tdiagramme& d)
{
    return d.typeDiagramme == diagrammeBarres || d.typeDiagramme == diagrammeBarresDemiDisque ||
           d.typeDiagramme == diagrammeBarresSecteurs;
}

bool estDiagrammeDAngles(const Tdiagramme& d)
{
    return d.typeDiagramme == diagrammeSecteurs || d.typeDiagramme == diagrammeDemiDisque;
}

void calculerDiagramme(Tdiagramme& d)
{
    const int n = categories(d);
    d.pointsX[0] = d.baseX + d.pasBarres;
    d.pointsY[0] = d.baseY;
    if (estDiagrammeEnBarres(d))
        for (int i = 1; i <= n; ++i)
            d.pointsY[static_cast<std::size_t>(i)] =
                d.baseY - d.effectifs[static_cast<std::size_t>(i)] * d.hauteurUnite;
    if (d.typeDiagramme == diagrammeBarresDemiDisque ||
        d.typeDiagramme == diagrammeBarresSecteurs) {
        d.total = sommeJusqua(d, n);
        if (d.total != 0)
            for (int i = 1; i <= n; ++i) {
                const auto k = static_cast<std::size_t>(i);
                const double theta = sommeJusqua(d, i) * d.angleTotal / d.total;
                d.bordsPieX[k] = d.centrePieX + d.rayonPie * cosDegres(theta);
                d.bordsPieY[k] = d.centrePieY - d.rayonPie * sinDegres(theta);
                d.anglesArrondis[k] = arrondiAuDegre(d.effectifs[k] * d.angleTotal / d.total);
            }
    }
    if (estDiagrammeDAngles(d))
        for (int i = 1; i <= n; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const double s = sommeJusqua(d, i);
            d.pointsX[k] = d.baseX + d.pasBarres * cosDegres(s);
            d.pointsY[k] = d.baseY - d.pasBarres * sinDegres(s);
        }
}

int barreSousPoint(const Tdiagramme& d, double x, double y)
{
    int dernier = 0;
    if (estDiagrammeEnBarres(d)) dernier = categories(d);
    else if (estDiagrammeDAngles(d)) dernier = categories(d) - 1;
    for (int i = 1; i <= dernier; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (std::abs(x - d.pointsX[k]) < toleranceSaisie &&
            std::abs(y - d.pointsY[k]) < toleranceSaisie)
            return i;
    }
    return 0;
}

bool reglerBarre(Tdiagramme& d, double x, double y)
{
    const int k = d.barreSaisie;
    if (k < 1 || k > categories(d)) return false;
    bool change = false;
    if (estDiagrammeEnBarres(d)) change = reglerHauteur(d, k, y);
    else if (d.typeDiagramme == diagrammeSecteurs) change = reglerBord(d, k, x, y);
    if (change) calculerDiagramme(d);
    return change;
}
