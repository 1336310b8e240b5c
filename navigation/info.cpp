#include "navigation/info.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/base/systeme.h"
#include "engine/text/primitives.h"
#include "exercise/dessin_panneau_outils.h"
#include "navigation/imagiciels.h"
#include "navigation/pages_cours.h"
#include "navigation/sujets_info.h"
#include "platform/plateforme.h"

std::unique_ptr<TInfoObj> InfoObj;
bool infoAffichee = false;

namespace {

// Codes debut..fin open the course page or the animation `cible`.
struct TcodesCible {
    int debut, fin;
    int cible;
};

// In the order of the codes.
constexpr TcodesCible codesPagesEtImagiciels[] = {
    {2002, 2002, 1057}, {2004, 2004, 1062}, {2005, 2005, 1058}, {2006, 2006, 1059},
    {2007, 2007, 1064}, {2008, 2008, 1060}, {2010, 2010, 1069}, {2012, 2012, 1068},
    {2013, 2014, 1070}, {2015, 2015, 1074}, {2016, 2016, 1073}, {2020, 2020, 1002},
    {2021, 2021, 1003}, {2023, 2023, 1009}, {2024, 2024, 1005}, {2025, 2025, 1004},
    {2027, 2027, 1005}, {2028, 2028, 1010}, {2032, 2033, 1013}, {2034, 2036, 1024},
    {2037, 2039, 1013}, {2041, 2042, 1014}, {2043, 2043, 1024}, {2044, 2045, 1026},
    {2046, 2046, 1027}, {2047, 2047, 1016}, {2049, 2049, 1020}, {2050, 2050, 1021},
    {2051, 2051, 1031}, {2052, 2052, 1032}, {2054, 2054, 1015}, {2055, 2055, 1025},
    {2058, 2058, 1035}, {2059, 2059, 1036}, {2060, 2060, 1041}, {2061, 2061, 1040},
    {2063, 2063, 1046}, {2064, 2064, 1047}, {2065, 2065, 1048}, {2066, 2066, 1049},
    {2068, 2068, 1037}, {2069, 2069, 1038}, {2073, 2073, 1090}, {2074, 2074, 1094},
    {2075, 2075, 1105}, {2076, 2076, 1509}, {2078, 2078, 1077}, {2079, 2079, 1088},
    {2080, 2080, 1090}, {2081, 2081, 1068}, {2083, 2083, 1077}, {2084, 2084, 1079},
    {2085, 2085, 1082}, {2086, 2086, 1083}, {2087, 2087, 1098}, {2089, 2089, 1080},
    {2090, 2090, 1100}, {2091, 2091, 1123}, {2093, 2093, 1110}, {2094, 2094, 1111},
    {2095, 2095, 1115}, {2096, 2096, 1116}, {2097, 2097, 1122}, {2099, 2099, 1079},
    {2100, 2100, 1104}, {2101, 2101, 1508}, {2102, 2102, 1101}, {2104, 2104, 1077},
    {2105, 2105, 1078}, {2106, 2106, 1079}, {2108, 2108, 1084}, {2109, 2109, 1510},
    {2110, 2110, 1108}, {2111, 2111, 1109}, {2112, 2112, 1122}, {2114, 2114, 1131},
    {2115, 2115, 1132}, {2116, 2116, 1133}, {2117, 2117, 1134}, {2119, 2119, 1098},
    {2120, 2120, 1099}, {2121, 2121, 1100}, {2122, 2122, 1503}, {2124, 2126, 1100},
    {2127, 2127, 1109}, {2128, 2128, 1111}, {2131, 2131, 1078}, {2132, 2132, 1084},
    {2133, 2133, 1510}, {2134, 2134, 1119}, {2135, 2135, 1123}, {2136, 2136, 1020},
    {2138, 2138, 1089}, {2139, 2139, 1092}, {2140, 2140, 1093}, {2142, 2142, 1119},
    {2143, 2143, 1120}, {2144, 2144, 1121}, {2145, 2145, 1122}, {2146, 2146, 1125},
    {2147, 2147, 1126}, {2149, 2149, 1134}, {2150, 2150, 1138}, {2151, 2151, 1139},
    {2501, 2501, 1004}, {2502, 2502, 1013}, {2503, 2503, 1090}, {2504, 2504, 1089},
    {2506, 2508, 1122}, {2509, 2509, 1121}, {2511, 2511, 1090}, {2512, 2513, 1089},
    {2514, 2514, 1088}, {2515, 2516, 1089}, {2517, 2517, 1077}, {2518, 2518, 1121},
    {2519, 2519, 1131}, {2521, 2521, 1005}, {2524, 2524, 1111}, {2525, 2525, 1109},
    {2526, 2528, 1100}, {2530, 2530, 1109}, {2532, 2532, 1090}, {2533, 2533, 1100},
    {2534, 2534, 1105}, {2535, 2535, 1509}, {2538, 2538, 1035}, {2539, 2539, 1042},
    {2540, 2540, 1054}, {2541, 2541, 1064}, {2543, 2543, 1122}, {2544, 2544, 1110},
    {2545, 2545, 1111}, {2546, 2546, 1002}, {2547, 2547, 1080}, {2549, 2549, 1110},
    {2550, 2550, 1111}, {2552, 2552, 1057}, {2553, 2553, 1058}, {2554, 2554, 1059},
    {2556, 2556, 1119}, {2557, 2557, 1005}, {2558, 2558, 1119}, {2560, 2560, 1105},
    {2561, 2561, 1509}, {2562, 2562, 1104}, {2563, 2563, 1508}, {2564, 2564, 1103},
    {2565, 2565, 1080}, {2566, 2566, 1036}, {2567, 2567, 1131}, {2569, 2569, 1005},
    {2570, 2570, 1089}, {2572, 2572, 1077}, {2573, 2573, 1004}, {2574, 2574, 1047},
    {2576, 2576, 1111}, {2577, 2577, 1070}, {2578, 2578, 1080}, {2579, 2579, 1013},
    {2580, 2580, 1035}, {2581, 2581, 1036}, {2583, 2583, 1037}, {2584, 2584, 1035},
    {2585, 2585, 1002}, {2586, 2586, 1089}, {2588, 2588, 1077}, {2589, 2590, 1079},
    {2591, 2591, 1077}, {2592, 2592, 1020}, {2595, 2595, 1003}, {2596, 2596, 1049},
    {2597, 2597, 1005}, {2598, 2598, 1101}, {2599, 2599, 1109}, {2600, 2600, 1005},
    {2602, 2602, 1131}, {2603, 2603, 1024}, {2605, 2605, 1002}, {2606, 2606, 1046},
    {2607, 2607, 1053}, {2608, 2608, 1054}, {2610, 2610, 1070}, {2612, 2612, 1121},
    {2613, 2613, 1108}, {2615, 2615, 1016}, {2616, 2616, 1005}, {2617, 2617, 1109},
    {2620, 2620, 1123}, {2621, 2621, 1078}, {2623, 2623, 1110}, {2624, 2624, 1111},
    {2627, 2627, 1100}, {2628, 2628, 1104}, {2629, 2629, 1508}, {2630, 2630, 1079},
    {2631, 2631, 1101}, {2632, 2632, 1089}, {2633, 2633, 1078}, {2634, 2634, 1002},
    {2635, 2635, 1036}, {2637, 2637, 1024}, {2638, 2638, 1026}, {2639, 2639, 1027},
    {2640, 2640, 1048}, {2643, 2643, 1003}, {2644, 2644, 1016}, {2645, 2645, 1046},
    {2648, 2648, 1089}, {2649, 2649, 1064}, {2651, 2652, 1015}, {2653, 2653, 1025},
    {2654, 2654, 1005}, {2655, 2655, 1077}, {2658, 2658, 1131}, {2659, 2659, 1132},
    {2660, 2660, 1133}, {2661, 2661, 1134}, {2662, 2662, 1079}, {2664, 2665, 1003},
    {2666, 2666, 1058}, {2667, 2667, 1133}, {2669, 2669, 1119}, {2670, 2670, 1123},
    {2671, 2671, 1132}, {2672, 2672, 1089}, {2673, 2673, 1005}, {2674, 2674, 1123},
    {2676, 2676, 1077}, {2677, 2677, 1101}, {2678, 2678, 1060}, {2679, 2679, 1048},
    {2681, 2681, 1024}, {2682, 2682, 1025}, {2684, 2684, 1057}, {2685, 2685, 1058},
    {2686, 2686, 1059}, {2688, 2688, 1110}, {2690, 2690, 1048}, {2691, 2691, 1047},
    {2692, 2692, 1046}, {2693, 2693, 1059}, {2695, 2695, 1089}, {2696, 2696, 1080},
    {2698, 2698, 1122}, {2699, 2699, 1110}, {2700, 2700, 1111}, {2701, 2701, 1108},
    {2703, 2703, 1004}, {2704, 2704, 1068}, {2705, 2705, 1035}, {2708, 2708, 1077},
    {2709, 2709, 1078}, {2710, 2710, 1079}, {2711, 2711, 1054}, {2712, 2712, 1013},
    {2714, 2714, 1088}, {2715, 2715, 1131}, {2716, 2716, 1110}, {2717, 2717, 1013},
    {2718, 2718, 1005}, {2720, 2720, 1098}, {2721, 2721, 1503}, {2723, 2724, 1100},
    {2725, 2725, 1098}, {2726, 2726, 1099}, {2727, 2727, 1100}, {2729, 2729, 1069},
    {2730, 2730, 1013}, {2732, 2732, 1108}, {2733, 2733, 1109}, {2734, 2734, 1122},
    {2735, 2735, 1005}, {2739, 2739, 1121}, {2740, 2740, 1134}, {2742, 2742, 1005},
    {2743, 2743, 1134},
};

constexpr int couleurInfo = 0xE0FFE0;

// The code's course page or animation; 0 for a code shown in the window.
int cibleDuCode(int code)
{
    const auto c = std::ranges::upper_bound(codesPagesEtImagiciels, code, {}, &TcodesCible::debut);
    if (c == std::begin(codesPagesEtImagiciels)) return 0;
    const TcodesCible& r = *std::prev(c);
    return code <= r.fin ? r.cible : 0;
}

// The topic, then the window's edge: dark below and on the right, light above and on the left.
void peindreFenetreInfo(TdonneesCommunes& d, Canevas& k, const FenetreInfo& f)
{
    dessinerTexteInfo(d, k);
    const int w = f.ClientWidth(), h = f.ClientHeight();
    tracerSegment(k, 0x000000, 1, 0, h - 1, w, h - 1, 2);
    tracerSegment(k, 0x000000, 1, w - 1, 0, w - 1, h, 2);
    tracerSegment(k, 0xC0C0C0, 1, 0, 0, w, 0, 2);
    tracerSegment(k, 0xC0C0C0, 1, 0, 0, 0, h, 2);
}

void montrerFenetreInfo(TdonneesCommunes& d, int code)
{
    if (!InfoObj) {
        std::unique_ptr<FenetreInfo> fenetre = plateforme().creerFenetreInfo();
        if (!fenetre) return;
        InfoObj = std::make_unique<TInfoObj>();
        InfoObj->fenetre = std::move(fenetre);
        InfoObj->fenetre->OnFermer.lier(d.gardeFenetre, fermerInfo);
    }
    TInfoObj& info = *InfoObj;
    FenetreInfo& fenetre = *info.fenetre;
    info.sujet = code;
    TPoint souris;
    if (positionCurseur(souris)) {
        info.xSouris = souris.x;
        info.ySouris = souris.y;
    }
    fenetre.setColor(couleurInfo);
    fenetre.OnPaint.lier(d.gardeFenetre, [&d, &fenetre](Canevas& canevas) { peindreFenetreInfo(d, canevas, fenetre); });
    tailleFenetreInfo(d, sujetInfo(code));
    fenetre.setClientSize(d.largeurInfo, d.hauteurInfo);
    TPoint coin = placerFenetreInfo(info, fenetre.ClientWidth(), fenetre.ClientHeight());
    if (code == 1999) {
        const Controle& pages = *d.PageControle;
        coin = {pages.Left() + pages.Width() - fenetre.ClientWidth() - 2, pages.Top() + 127};
    }
    fenetre.setPosition(coin.x, coin.y);
    fenetre.Show();
    fenetre.Repaint();
    infoAffichee = true;
}

// The instrument panel lies below the navigation: it reaches the window through these.
const bool panneauRelie = [] {
    liensInfoPanneau = {afficherInfo, [] { return infoAffichee; }, fermerInfo};
    return true;
}();

}  // namespace

TPoint placerFenetreInfo(TInfoObj& info, int w, int h)
{
    const TRect& b = info.rectBureau = plateforme().rectangleBureau();
    const int x = info.xSouris, y = info.ySouris;
    info.placeDroite = x + 8 + w < b.right;
    info.placeGauche = x - 4 - w > b.left;
    info.placeDessous = y + 16 + h < b.bottom;
    info.placeDessus = y - 4 - h > b.top;
    if (!info.placeDroite && !info.placeGauche && !info.placeDessous && !info.placeDessus)
        return {20, 20};
    const auto milieu = [](int a, int c, int taille) {
        return static_cast<int>(std::nearbyint((a + c - taille) / 2.0));
    };
    TPoint coin;
    coin.x = info.placeDroite   ? x + 8
             : info.placeGauche ? x - 4 - w
                                : milieu(b.left, b.right, w);
    coin.y = info.placeDessous ? y + 16
             : info.placeDessus ? y - 4 - h
                                : milieu(b.top, b.bottom, h);
    return coin;
}

void afficherInfo(TdonneesCommunes& d, int code)
{
    const int cible = cibleDuCode(code);
    if (cible >= 1500)
        allerImagiciel(d, cible);
    else if (cible != 0)
        allerPageCours(d, cible);
    else
        montrerFenetreInfo(d, code);
}

void fermerInfo()
{
    infoAffichee = false;
    InfoObj.reset();
}
