#include "engine/figure/creation_quadrillages.h"

#include "engine/figure/creation_auxiliaires.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"

namespace {

constexpr TColor grisGrille = 0xC0C0C0;

std::string nomNoeud(const std::string& prefixe, int i, int j)
{
    return prefixe + "_" + std::to_string(i) + "_" + std::to_string(j);
}

// The label offsets of the 25 points, row by row: labels stay outside the middle lines.
struct TdecalageEtiquette {
    double dx, dy;
};

constexpr TdecalageEtiquette decalagesGrille[25] = {
    {-0.5, -1.2}, {-0.5, -1.2}, {-0.5, -1.2}, {-0.5, -1.2}, {-0.5, -1.2},
    {-1.5, -0.5}, {-1.5, -1.2}, {-1.6, -1.2}, {0.3, -1.2},  {0.3, -0.5},
    {-1.5, -0.5}, {-1.5, -1.2}, {-1.7, -1.2}, {0.3, -1.2},  {0.3, -0.5},
    {-1.5, -0.5}, {-1.5, 0},    {-1.6, 0},    {0.3, 0},     {0.3, -0.5},
    {-0.5, 0.1},  {-0.5, 0.1},  {-0.5, 0.1},  {-0.5, 0.1},  {-0.5, 0.1},
};

} // namespace

Tobjet* creerRectangle(Tfigure& figure, const std::string& nom, TColor couleur, double x1,
                       double y1, double x2, double y2, int motif)
{
    const double coins[4][2] = {{x1, y2}, {x2, y2}, {x2, y1}, {x1, y1}};
    std::string sommets;
    for (int k = 1; k <= 4; ++k) {
        cacher(creerPointSansNom(figure, nomAuxiliaire(nom, k), 0, coins[k - 1][0],
                                 coins[k - 1][1]));
        sommets += (k > 1 ? " " : "") + nomAuxiliaire(nom, k);
    }
    Tobjet* rectangle = creerPolygone(figure, nom, sommets, couleur);
    if (rectangle) rectangle->remplissage = motif;
    return rectangle;
}

void creerQuadrillage(Tfigure& figure, const std::string& nom, const std::string& a,
                      const std::string& b, const std::string& c, int m, int n, TColor couleur)
{
    const auto noeud = [&](int i, int j) {
        cacher(creerPointRepere(figure, nomNoeud(nom, i, j), a, b, c, i, j, 0, 0, 0));
    };
    for (int i = 0; i <= m; ++i) noeud(i, 0);
    for (int j = 1; j <= n; ++j) noeud(0, j);
    for (int i = 1; i <= m; ++i) noeud(i, n);
    for (int j = 1; j <= n - 1; ++j) noeud(m, j);
    for (int i = 0; i <= m; ++i)
        creerSegmentTrait(figure, nomNoeud(nom, i, 0), nomNoeud(nom, i, n), couleur);
    for (int j = 0; j <= n; ++j)
        creerSegmentTrait(figure, nomNoeud(nom, 0, j), nomNoeud(nom, m, j), couleur);
}

Tobjet* creerPointPerspective(Tfigure& figure, const std::string& nom, TColor couleur, double z,
                              double x, double y, double dx, double dy)
{
    return creerPointDiscret(figure, nom, couleur, x - figure.fuiteX * z, y - figure.fuiteY * z,
                             dx, dy);
}

void creerGrillePoints(Tfigure& figure)
{
    for (int r = 0; r < 5; ++r)
        for (int k = 0; k < 5; ++k) {
            const TdecalageEtiquette& d = decalagesGrille[5 * r + k];
            creerPointDiscret(figure, std::string(1, static_cast<char>('A' + 5 * r + k)), 0,
                              -4 + 2 * k, 4 - 2 * r, d.dx, d.dy);
        }
    creerQuadrillage(figure, "q1", "A", "B", "F", 4, 4, grisGrille);
}
