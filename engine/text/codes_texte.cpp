#include <array>
#include <span>

#include "engine/base/chaines.h"
#include "engine/text/codes_police.h"
#include "engine/text/etat_texte.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

namespace {

struct Tsegment {
    int x1, y1, x2, y2;
};

// A mark drawn with text-coloured segments relative to the pen, and the pen's step after it.
struct Tmarque {
    std::span<const Tsegment> segments;
    int avance;
};

constexpr Tsegment segmentsFlecheDroite[] = {{0, 11, 13, 11}, {13, 11, 8, 10}, {13, 11, 8, 12}};
constexpr Tsegment segmentsFlecheCoudee[] = {
    {0, 0, 4, 6}, {4, 14, 4, 5}, {0, 19, 4, 14}, {0, 19, 2, 14}, {0, 19, 4, 18}};
constexpr Tmarque flecheDroite = {segmentsFlecheDroite, 16};
constexpr Tmarque flecheCoudee = {segmentsFlecheCoudee, 10};

void tracerMarque(TetatTexte& etat, const Tmarque& marque)
{
    for (const Tsegment& s : marque.segments)
        tracerTraitTexte(etat.canevas, etat.x + s.x1, etat.y + s.y1, etat.x + s.x2,
                         etat.y + s.y2);
    etat.x = decaler(etat.x, marque.avance);
}

void codeCouleur(TetatTexte& etat, char lettre)
{
    etat.couleur = *couleurDuCode(lettre);
    etat.canevas.Font.Color = etat.couleur;
}

void codeStyle(TetatTexte& etat, char lettre)
{
    etat.canevas.Font.Style = *styleDuCode(lettre);
}

void codeArial(TetatTexte& etat, char)
{
    etat.canevas.Font.Name = "Arial";
}

void codeTimes(TetatTexte& etat, char)
{
    etat.canevas.Font.Name = "Times New Roman";
}

// "$>" and "$<": one point more or less, for the rest of the text and its nested parts.
void codeTaille(TetatTexte& etat, char lettre)
{
    const int pas = lettre == '>' ? 1 : -1;
    etat.taille = tailleBornee(etat.taille + pas);
    etat.canevas.Font.Size = tailleBornee(etat.canevas.Font.Size + pas);
}

// "$D" and "$M": the pen moves down or up by the digit that follows.
void codeDecalage(TetatTexte& etat, char lettre)
{
    if (etat.position >= etat.texte.size()) return;
    const char c = etat.texte[etat.position++];
    const int d = c >= '0' && c <= '9' ? c - '0' : 0;
    etat.y = decaler(etat.y, lettre == 'D' ? d : -d);
}

void codeMoins(TetatTexte& etat, char)
{
    const int e = demiHauteur(etat.canevas);
    tracerTraitTexte(etat.canevas, etat.x, etat.y + e + 1, etat.x + 6, etat.y + e + 1);
    // Narrow followers stand closer.
    const char suivant =
        etat.position < etat.texte.size() ? etat.texte[etat.position] : '\0';
    const bool serre = suivant == ' ' || suivant == '1' || suivant == '8';
    etat.x = decaler(etat.x, serre ? 8 : 9);
}

void codeEtoile(TetatTexte& etat, char)
{
    etat.canevas.TextOut(etat.x, etat.y + 2, "*");
    etat.x = decaler(etat.x, 8);
}

void codeSymbole(TetatTexte& etat, char)
{
    if (etat.position >= etat.texte.size()) return;
    const std::string signe(1, etat.texte[etat.position++]);
    Canevas& k = etat.canevas;
    k.Font.Name = "Symbol";
    k.TextOut(etat.x + 1, etat.y, signe);
    etat.x = decaler(etat.x, k.TextWidth(signe) + 2);
    k.Font.Name = "Times New Roman";
}

void codeExposant(TetatTexte& etat, char)
{
    const std::string partie = etat.lireJusqua("$1");
    const int e = demiHauteur(etat.canevas);
    const double fin =
        dessinerPartie(etat, "$<$<" + partie + "$>$>", etat.x + 2, etat.y - e + 2);
    etat.x = decaler(arrondi(fin), -2);
}

void codeIndice(TetatTexte& etat, char)
{
    // Drawn as plain characters: a minus that the exchange turned into "$-" is a minus again.
    std::string partie = etat.lireJusqua("$1");
    remplacerTout(partie, "$-", "-");
    Canevas& k = etat.canevas;
    const int taille = k.Font.Size;
    k.Font.Size = tailleBornee(taille - 2);
    k.TextOut(etat.x, etat.y + demiHauteur(k), partie);
    etat.x = decaler(etat.x, k.TextWidth(partie));
    k.Font.Size = taille;
}

// The plain run up to the next code, drawn at the pen, which stays; gives its width.
int dessinerSegmentAvantCode(TetatTexte& etat)
{
    const std::string partie = etat.lireAvantCode();
    dessinerSegmentTexte(etat.canevas, etat.x, etat.y, partie);
    return largeurSegmentTexte(etat.canevas, partie);
}

void codeChapeau(TetatTexte& etat, char)
{
    const int w = dessinerSegmentAvantCode(etat);
    Canevas& k = etat.canevas;
    const int x = etat.x, y = etat.y;
    const int sommet = x + w / 2;
    tracerTraitTexte(k, x, y + 2, sommet, y - 3);
    tracerTraitTexte(k, x + w, y + 2, sommet, y - 3);
    etat.x = decaler(x, w);
}

void codeVecteur(TetatTexte& etat, char)
{
    const int w = dessinerSegmentAvantCode(etat);
    Canevas& k = etat.canevas;
    const int x = etat.x, y = etat.y;
    tracerTraitTexte(k, x, y - 1, x + w, y - 1);
    tracerTraitTexte(k, x + w, y - 1, x + w - 5, y - 3);
    tracerTraitTexte(k, x + w, y - 1, x + w - 5, y + 1);
    etat.x = decaler(x, w);
}

// "$(" and "$)": a parenthesis 10 points larger, as tall as a fraction.
void codeParenthese(TetatTexte& etat, char lettre)
{
    Canevas& k = etat.canevas;
    const std::string parenthese(1, lettre);
    const int taille = k.Font.Size;
    k.Font.Size = tailleBornee(taille + 10);
    k.TextOut(etat.x, etat.y - 8, parenthese);
    etat.x = decaler(etat.x, k.TextWidth(parenthese));
    k.Font.Size = taille;
}

void codeCarre(TetatTexte& etat, char)
{
    Canevas& k = etat.canevas;
    remplirRectangle(k, k.Font.Color, etat.x + 1, etat.y + 9, etat.x + 7, etat.y + 15);
    k.Brush.Style = bsClear;
    etat.x = decaler(etat.x, 10);
}

void codeRond(TetatTexte& etat, char)
{
    Canevas& k = etat.canevas;
    remplirEllipse(k, 1, k.Font.Color, etat.x + 1, etat.y + 10, etat.x + 4, etat.y + 15);
    k.Brush.Style = bsClear;
    etat.x = decaler(etat.x, 6);
}

void codeFlecheDroite(TetatTexte& etat, char)
{
    tracerMarque(etat, flecheDroite);
}

void codeFlecheCoudee(TetatTexte& etat, char)
{
    tracerMarque(etat, flecheCoudee);
}

struct TcodeTexte {
    char lettre;
    TactionCode action;
};

// The codes besides colours and styles. "$1" closes a superscript or subscript and is not listed:
// like every letter missing here, it draws nothing.
constexpr TcodeTexte codesTexte[] = {
    {'H', codeArial},        {'T', codeTimes},
    {'>', codeTaille},       {'<', codeTaille},
    {'D', codeDecalage},     {'M', codeDecalage},
    {'-', codeMoins},        {'e', codeEtoile},
    {'~', codeSymbole},      {'0', codeExposant},
    {'2', codeIndice},       {'3', codeChapeau},
    {'5', codeVecteur},      {'4', codeRacine},
    {'F', codeFraction},     {'W', codeFractionComposee},
    {'(', codeParenthese},   {')', codeParenthese},
    {'Z', codeCarre},        {'z', codeRond},
    {'d', codeFlecheDroite}, {'f', codeFlecheCoudee},
    {'L', codeLien},         {'s', codeSysteme},
};

std::array<TactionCode, 256> tableDesCodes()
{
    std::array<TactionCode, 256> table{};
    for (const TcodeCouleur& c : codesCouleurTexte)
        table[static_cast<unsigned char>(c.lettre)] = codeCouleur;
    for (const TcodeStyle& s : codesStyleTexte)
        table[static_cast<unsigned char>(s.lettre)] = codeStyle;
    for (const TcodeTexte& c : codesTexte) table[static_cast<unsigned char>(c.lettre)] = c.action;
    return table;
}

}  // namespace

TactionCode actionDuCode(char lettre)
{
    static const std::array<TactionCode, 256> table = tableDesCodes();
    return table[static_cast<unsigned char>(lettre)];
}
