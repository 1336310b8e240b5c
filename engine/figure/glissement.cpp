#include "engine/figure/glissement.h"

#include <algorithm>

#include "engine/figure/figure.h"

namespace {

// The names a label in mode 2 reads the positions of.
constexpr const char* pointsLus[] = {"L0", "L1", "L2"};

bool parentMobile(const Tglissement& g, const Tobjet& o, int i)
{
    const auto bouge = [&](int p) {
        return p >= 1 && p < i && g.mobiles[static_cast<std::size_t>(p)];
    };
    for (const int p : o.parents)
        if (bouge(p)) return true;
    if (const Tpolygone* poly = std::get_if<Tpolygone>(&o.donnees))
        for (int s = 1; s <= std::min(poly->nbSommets, nbSommetsMax); ++s)
            if (bouge(poly->sommets[static_cast<std::size_t>(s)])) return true;
    return false;
}

// A label may read a point created after it: looked at once every position is known.
bool lectureMobile(const Tfigure& figure, const Tglissement& g, const Tobjet& o)
{
    if (!o.point || o.point->modeEtiquette != 2) return false;
    for (const char* nom : pointsLus) {
        const int p = indiceObjet(figure, nom);
        if (p != 0 && g.mobiles[static_cast<std::size_t>(p)]) return true;
    }
    return false;
}

} // namespace

void TfinGlissement::operator()(Tglissement* glissement) const
{
    delete glissement;
}

void commencerGlissement(Tfigure& figure)
{
    auto g = std::unique_ptr<Tglissement, TfinGlissement>(new Tglissement);
    const int n = figure.nbObjets;
    g->nbObjets = n;
    g->outilSaisi = figure.objetSaisi < 0;
    g->mobiles.assign(static_cast<std::size_t>(n) + 1, false);
    if (!g->outilSaisi)
        for (int i = figure.objetSaisi; i >= 1 && i <= n; ++i) {
            const Tobjet& o = *figure.objets[i];
            g->mobiles[static_cast<std::size_t>(i)] =
                i == figure.objetSaisi || parentMobile(*g, o, i);
        }
    for (int i = 1; i <= n; ++i)
        if (lectureMobile(figure, *g, *figure.objets[i]))
            g->mobiles[static_cast<std::size_t>(i)] = true;
    g->premierMobile = g->premierPointMobile = n + 1;
    for (int i = n; i >= 1; --i) {
        if (!g->mobiles[static_cast<std::size_t>(i)]) continue;
        if (figure.objets[i]->classe == affPoint) g->premierPointMobile = i;
        else g->premierMobile = i;
    }
    figure.glissement = std::move(g);
}

void oublierCalques(Tglissement& glissement)
{
    glissement.calquesAJour = false;
}
