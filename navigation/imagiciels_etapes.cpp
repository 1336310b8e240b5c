#include "navigation/imagiciels_etapes.h"

#include <algorithm>

namespace {

constexpr TetapeImagiciel etapes1506[] = {
    {"", "texte2", "", "a1"},
    {"texte2", "texte3 texte10", "a1", "a2 a3"},
    {"texte3", "texte4 texte5 cadreSt6 texte7 texte8 texte9", "a2 a3", "losa (AM)"},
    {"texte4 texte5 cadreSt6 texte7 texte8 texte9", "", "losa (AM)", ""},
};
constexpr TpointDepart points1506[] = {
    {"A", -1, 2, true, 0.5, -1.1}, {"B", -3, -1, false, -1.2, -1.1}, {"C", 3, 0, false}};

#define PREMIERES_MARQUES "[m1_4m1_7] [m1_5m1_6] [m2_4m2_7] [m2_5m2_6]"
#define DERNIERES_MARQUES "[m4_4m4_7] [m4_5m4_6] [m5_4m5_7] [m5_5m5_6]"
constexpr TetapeImagiciel etapes1507[] = {
    {"", "texte2", "", "a1 [AM2]"},
    {"texte2", "texte3 texte8", "a1 [AM2]", "a2 [BN2] " PREMIERES_MARQUES},
    {"texte3", "texte4", "a2 [BN2] [AM2] " PREMIERES_MARQUES, "a3 a4"},
    {"texte4", "texte5 texte6 texte7", "a3 a4",
     "[AM2] [BN2] med m3 " PREMIERES_MARQUES " " DERNIERES_MARQUES},
    {"texte5 texte6 texte7", "", "med m3 " DERNIERES_MARQUES, ""},
};
#undef PREMIERES_MARQUES
#undef DERNIERES_MARQUES
constexpr TpointDepart points1507[] = {{"A", -3, -1, false}, {"B", 3, -1, false, 0.3, 0.2}};

constexpr TetapeImagiciel etapes1508[] = {
    {"", "texte2", "", "a1"},
    {"texte2", "texte3 texte9", "a1", "a2"},
    {"texte3", "texte4 cadreSt5 texte6 texte7 texte8", "a2", "losa (CD)"},
    {"texte4 cadreSt5 texte6 texte7 texte8", "", "losa (CD)", ""},
};
constexpr TpointDepart points1508[] = {{"A", 2, 2, true, 0.3, -1.1}, {"B", 0, -2, true}};

constexpr TetapeImagiciel etapes1509[] = {
    {"", "texte2", "", "a1 a2"},
    {"texte2", "texte3 texte9", "a1 a2", "a3 a4"},
    {"texte3", "texte4 cadreSt5 texte6 texte7 texte8", "a3 a4", "losa [AD) A B C"},
    {"texte4 cadreSt5 texte6 texte7 texte8", "", "losa [AD) A B C", ""},
};
constexpr TpointDepart points1509[] = {
    {"A", -4, -3, true}, {"B", 3, -2, true}, {"C", -1, 2, true, -1.4, -1.2}};

#define CONCLUSION "texte6 cadreSt7 texte8 texte9 texte10 texte11 texte12 texte13"
constexpr TetapeImagiciel etapes1510[] = {
    {"", "", "", "A B [AB] K"},
    {"texte2", "texte3 texte14", "A B [AB] K", "[AA3] arc1 arc1e I"},
    {"texte3", "texte4", "[AA3] arc1 arc1e I", "[BB3] J arc2 arc2e K"},
    {"texte4", "texte5", "[BB3] arc2 arc2e J", "I C C1 C2 [AA3]"},
    {"texte5", CONCLUSION, "C C1 C2", "J K2 [AC] [BC] [BB3]"},
    {CONCLUSION, "", "[AC] [BC] K2", ""},
};
#undef CONCLUSION
constexpr TpointDepart points1510[] = {{"A", -4, -2, false}, {"B", 2, -2, true}};

const TimagicielEtapes imagiciels[] = {
    {1506, etapes1506, points1506}, {1507, etapes1507, points1507},
    {1508, etapes1508, points1508}, {1509, etapes1509, points1509},
    {1510, etapes1510, points1510},
};

}  // namespace

const TimagicielEtapes* etapesImagiciel(int code)
{
    const auto i = std::ranges::find(imagiciels, code, &TimagicielEtapes::code);
    return i != std::end(imagiciels) ? i : nullptr;
}

std::span<const TpointDepart> pointsDepart(int code)
{
    const TimagicielEtapes* e = etapesImagiciel(code);
    return e ? e->points : std::span<const TpointDepart>{};
}
