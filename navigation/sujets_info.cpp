#include "navigation/sujets_info.h"

#include <cmath>

#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"
#include "navigation/info.h"

Canevas* canevasInfo = nullptr;

namespace {

struct TtailleSujet {
    int sujet;
    double lignes;
    double colonnes;
};

constexpr TtailleSujet taillesSujets[] = {
    {1997, 14.9, 51},   {1998, 20, 61},     {1999, 11, 38},   {2744, 8.5, 46},
    {2745, 8, 40},      {2746, 10.5, 39},   {2747, 12.5, 46.5}, {2748, 16.5, 38.5},
    {2749, 18, 80},     {2750, 12.5, 44},   {2751, 5.5, 40},  {2763, 13.5, 42},
};
constexpr TtailleSujet tailleAutreSujet{0, 5, 30};

struct TdessinSujet {
    int sujet;
    void (*dessiner)();
};

constexpr TdessinSujet dessinsSujets[] = {
    {1997, dessinerAideExpressions}, {1998, dessinerAPropos},        {2744, dessinerArrondis},
    {2745, dessinerMotsDivision},    {2746, dessinerMotsFraction},   {2747, dessinerDivisibilite},
    {2748, dessinerProduitsEnCroix}, {2749, dessinerQuadrilateres},  {2750, dessinerIndicePrix},
    {2751, dessinerInegalites},      {2763, dessinerAideOutils},
};

constexpr TColor rougeInfo = 0x0000FE;

void fixerTailleInfo(TdonneesCommunes& d, double lignes, double colonnes)
{
    d.largeurInfo = static_cast<int>(std::nearbyint(colonnes * 8));
    d.hauteurInfo = static_cast<int>(std::nearbyint(lignes * 18));
}

void dessinerCadreInfo(const TdonneesCommunes& d, Canevas& k)
{
    const double w = d.largeurInfo, h = d.hauteurInfo;
    remplirRectangle(k, 0xFFFFFF, 15, 21, w - 15, h - 15);
    tracerRectangle(k, 1, rougeInfo, 15, 21, w - 15, h - 15);
    remplirRectangle(k, 0x41EBFD, w / 2 - 40, 15, w / 2 + 40, 27);
    double x = w / 2 - 15;
    dessinerTexte(k, "$g$HInfo", x, 5, rougeInfo, styleNormal, 12);
}

}  // namespace

int sujetInfo(int code)
{
    switch (code) {
    case 2575:
    case 2646: return 2746;
    case 2029:
    case 2522:
    case 2736: return 2744;
    default: return code;
    }
}

void tailleFenetreInfo(TdonneesCommunes& d, int sujet)
{
    TtailleSujet taille = tailleAutreSujet;
    for (const TtailleSujet& t : taillesSujets)
        if (t.sujet == sujet) taille = t;
    fixerTailleInfo(d, taille.lignes, taille.colonnes);
}

void dessinerTexteInfo(TdonneesCommunes& d, Canevas& canevas)
{
    if (InfoObj) dessinerInfo(d, canevas, InfoObj->sujet);
}

void dessinerInfo(TdonneesCommunes& d, Canevas& canevas, int code)
{
    canevasInfo = &canevas;
    const int t = sujetInfo(code);
    if (t >= 2000) dessinerCadreInfo(d, canevas);
    if (t == 1999) {
        dessinerBilan(d);
        return;
    }
    for (const TdessinSujet& s : dessinsSujets) {
        if (s.sujet == t) {
            s.dessiner();
            return;
        }
    }
    // Inside the frame, below its band, where the notes begin.
    ecrireLigneInfo("Définition à faire", 2.5, 2);
}

void ecrireLigneInfo(const std::string& texte, double ligne, double colonne)
{
    double x = colonne * 8 + 10;
    dessinerTexte(*canevasInfo, texte, x, (ligne - 0.5) * 18, 0x000000, styleNormal, 11);
}

void ecrireLignesInfo(std::span<const TligneInfo> lignes)
{
    for (const TligneInfo& l : lignes) ecrireLigneInfo(l.texte, l.ligne, l.colonne);
}
