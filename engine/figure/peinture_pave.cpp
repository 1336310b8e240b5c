#include <array>

#include "engine/figure/peinture.h"
#include "engine/text/primitives.h"

namespace {

// The corner of the cells' frame, so that a box of a few cells stands about the world's origin.
constexpr double decalageCellules = 1.75;
constexpr int modeleDecale = 6;

void placerSommets(const Tfigure& f, Tpave& p, int x, int y, int z)
{
    const bool decale = p.modeleSolide == modeleDecale;
    const double xCellule = x + (decale ? 0.5 : 0), zCellule = z + (decale ? 0.5 : 0);
    for (std::size_t s = 1; s <= sommetsPaveMax; ++s) {
        p.sommetsPixelX[s] = versPixelX(f, xCellule + p.sommetsX[s] - zCellule * f.fuiteX -
                                               decalageCellules);
        p.sommetsPixelY[s] =
            versPixelY(f, y + p.sommetsY[s] - zCellule * f.fuiteY - decalageCellules);
    }
}

void dessinerCellule(Canevas& c, const Tpave& p, int parite)
{
    for (int i = 1; i <= std::min(p.nbFaces, facesPaveMax); ++i) {
        const TfacePave& face = p.faces[static_cast<std::size_t>(i)];
        std::array<TPoint, 4> coins;
        const int n = std::clamp(face.nbSommets, 0, 4);
        for (int s = 0; s < n; ++s) {
            const auto v = static_cast<std::size_t>(
                std::clamp(face.sommets[static_cast<std::size_t>(s + 1)], 0, sommetsPaveMax));
            coins[static_cast<std::size_t>(s)] = {p.sommetsPixelX[v], p.sommetsPixelY[v]};
        }
        remplirPolygone(c, 1, parite == 0 ? face.couleur1 : face.couleur2,
                        std::span<const TPoint>(coins.data(), static_cast<std::size_t>(n)));
    }
    for (int a = 1; a <= std::min(p.nbAretes, aretesPaveMax); ++a) {
        const auto debut = static_cast<std::size_t>(
            std::clamp(p.aretesDebut[static_cast<std::size_t>(a)], 0, sommetsPaveMax));
        const auto fin = static_cast<std::size_t>(
            std::clamp(p.aretesFin[static_cast<std::size_t>(a)], 0, sommetsPaveMax));
        tracerTraitNoir(c, p.sommetsPixelX[debut], p.sommetsPixelY[debut], p.sommetsPixelX[fin],
                        p.sommetsPixelY[fin]);
    }
}

} // namespace

// Bottom and back cells first, so that nearer ones cover them; cells alternate their colours.
void dessinerPave(Tfigure& figure, Canevas& canevas, int i)
{
    // Like the other painters of a class, it keeps in the object the pixels it drew it at.
    Tobjet* o = objetARecalculer(figure, i);
    Tpave* p = o ? std::get_if<Tpave>(&o->donnees) : nullptr;
    if (!p) return;
    for (int y = p->yDebut; y <= p->yFin; ++y)
        for (int z = p->zDebut; z <= p->zFin; ++z)
            for (int x = p->xDebut; x <= p->xFin; ++x) {
                placerSommets(figure, *p, x, y, z);
                dessinerCellule(canevas, *p, (x + y + z) % 2 == 0 ? 0 : 1);
            }
}
