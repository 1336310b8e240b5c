#include "engine/figure/cases_damier.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/figure/creation.h"

namespace {

constexpr int casesMax = 255;

int nombreDeCases(const Tdamier& d)
{
    return std::min(d.nbColonnes * d.nbRangees, casesMax);
}

bool contient(const Ensemble256& cases, int numero)
{
    return numero >= 1 && numero <= casesMax && cases.test(static_cast<std::size_t>(numero));
}

// The right, left, upper and lower neighbours in that order; 0 where the grid ends.
std::array<int, 4> voisins(const Tdamier& d, int numero)
{
    const int m = d.nbColonnes;
    const int rangee = (numero - 1) / m + 1, colonne = (numero - 1) % m + 1;
    return {colonne < m ? numero + 1 : 0, colonne > 1 ? numero - 1 : 0,
            rangee > 1 ? numero - m : 0, rangee < d.nbRangees ? numero + m : 0};
}

// Depth first from the cell over the neighbours that are in `dans` (or, when `hors`, that are
// not), marking them in `atteintes`; at most one level per cell.
void remplir(const Tdamier& d, int numero, const Ensemble256& cases, bool dans,
             Ensemble256& atteintes)
{
    for (const int v : voisins(d, numero)) {
        if (v == 0 || contient(cases, v) != dans || contient(atteintes, v)) continue;
        atteintes.set(static_cast<std::size_t>(v));
        remplir(d, v, cases, dans, atteintes);
    }
}

void remplirVoisins(const Tdamier& d, int numero, Ensemble256& atteintes)
{
    remplir(d, numero, d.casesColoriees, true, atteintes);
}

void remplirExterieur(const Tdamier& d, int numero, Ensemble256& atteintes)
{
    remplir(d, numero, d.casesColoriees, false, atteintes);
}

// Cells 1..n of the set.
Ensemble256 limiter(const Ensemble256& cases, int n)
{
    Ensemble256 resultat;
    for (int i = 1; i <= n; ++i)
        if (contient(cases, i)) resultat.set(static_cast<std::size_t>(i));
    return resultat;
}

} // namespace

Tobjet* creerDamier(Tfigure& figure)
{
    Tobjet* o = ajouterObjet(figure, "Damier", genreDamier);
    if (o) figure.indiceDamier = figure.nbObjets;
    return o;
}

void initialiserDamier(Tdamier& damier)
{
    damier = Tdamier{};
}

std::uint8_t caseDamierSousPoint(const Tdamier& d, double x, double y)
{
    if (d.nbColonnes == 0 || d.nbRangees == 0) return 0;
    if (!(d.xGauche < x && x < d.xGauche + d.largeur && d.yHaut - d.hauteur < y && y < d.yHaut))
        return 0;
    const double pasX = d.largeur / d.nbColonnes, pasY = d.hauteur / d.nbRangees;
    const int colonne = static_cast<int>(std::trunc((x - d.xGauche) / pasX)) + 1;
    const int rangee = static_cast<int>(std::trunc((d.yHaut - y) / pasY));
    const auto numero = static_cast<std::uint8_t>(d.nbColonnes * rangee + colonne);
    return contient(d.casesCliquables, numero) ? numero : 0;
}

std::uint8_t nombreCases(const Tdamier& d)
{
    return static_cast<std::uint8_t>(limiter(d.casesColoriees, nombreDeCases(d)).count());
}

int aretesCommunes(const Tdamier& d, int numero)
{
    if (d.nbColonnes == 0 || numero < 1) return 0;
    int n = 0;
    for (const int v : voisins(d, numero)) n += v != 0 && contient(d.casesColoriees, v);
    return n;
}

int perimetreCases(const Tdamier& d)
{
    int perimetre = 4 * nombreCases(d);
    for (int i = 1; i <= nombreDeCases(d); ++i)
        if (contient(d.casesColoriees, i)) perimetre -= aretesCommunes(d, i);
    return perimetre;
}

bool estDUnSeulTenant(const Tdamier& d)
{
    const Ensemble256 coloriees = limiter(d.casesColoriees, nombreDeCases(d));
    if (coloriees.none()) return true;
    int premiere = 1;
    while (!contient(coloriees, premiere)) ++premiere;
    Ensemble256 atteintes;
    atteintes.set(static_cast<std::size_t>(premiere));
    remplirVoisins(d, premiere, atteintes);
    return atteintes == coloriees;
}

bool aUnTrou(const Tdamier& d)
{
    const int m = d.nbColonnes, n = d.nbRangees, total = nombreDeCases(d);
    if (m == 0 || n == 0) return false;
    Ensemble256 atteintes;
    const auto partir = [&](int numero) {
        if (numero > total || contient(d.casesColoriees, numero) || contient(atteintes, numero))
            return;
        atteintes.set(static_cast<std::size_t>(numero));
        remplirExterieur(d, numero, atteintes);
    };
    for (int c = 1; c <= m; ++c) partir(c);
    for (int r = 2; r <= n - 1; ++r) partir(m * (r - 1) + 1);
    for (int r = 2; r <= n - 1; ++r) partir(m * r);
    for (int c = 1; c <= m; ++c) partir(m * (n - 1) + c);
    const std::size_t couvertes = limiter(atteintes | d.casesColoriees, total).count();
    return couvertes != static_cast<std::size_t>(total);
}

void remplirBlocCases(Tdamier& d, int premiereRangee, int premiereColonne, int derniereRangee,
                      int derniereColonne)
{
    d.casesColoriees.reset();
    for (int r = premiereRangee; r <= derniereRangee; ++r)
        for (int c = premiereColonne; c <= derniereColonne; ++c) {
            const int numero = d.nbColonnes * (r - 1) + c;
            if (numero >= 1 && numero <= casesMax)
                d.casesDonnees.set(static_cast<std::size_t>(numero));
        }
}
