#include "engine/text/constructions_formule.h"

#include <algorithm>
#include <array>

#include "engine/base/chaine_courte.h"
#include "engine/text/primitives.h"
#include "engine/text/systeme_formule.h"
#include "engine/text/tableau_formule.h"

namespace {

void trait(Tformule& f, double x1, double y1, double x2, double y2)
{
    tracerTraitTexte(f.canevas, x1, y1, x2, y2);
}

std::string argumentDe(const Tformule& f, const Tconstruction& k)
{
    return f.texte.substr(k.p, k.n);
}

void dessinerAngle(Tformule& f, const Tconstruction& k)
{
    const double xa = f.colonne(k.p);
    const double xb = xa + static_cast<double>(k.n) * f.c;
    const double xm = (xa + xb) / 2;
    trait(f, xa, f.y + 0.1 * f.L, xm, f.y - 0.2 * f.L);
    trait(f, xm, f.y - 0.2 * f.L, xb, f.y + 0.1 * f.L);
}

void dessinerRacine(Tformule& f, const Tconstruction& k)
{
    const double xa = f.colonne(k.p);
    const double t = f.y + 0.02 * f.L;
    trait(f, xa + 0.1 * f.c, f.y + 0.5 * f.L, xa + 0.4 * f.c, f.y + 0.9 * f.L);
    trait(f, xa + 0.4 * f.c, f.y + 0.9 * f.L, xa + 0.7 * f.c, t);
    trait(f, xa + 0.7 * f.c, t, xa + static_cast<double>(k.n) * f.c, t);
}

// A right arrow from xa to xb at the height v.
void fleche(Tformule& f, double xa, double xb, double v)
{
    trait(f, xa, v, xb, v);
    trait(f, xb, v, xb - 0.4 * f.c, v - 0.2 * f.L);
    trait(f, xb, v, xb - 0.4 * f.c, v + 0.2 * f.L);
}

void dessinerVecteur(Tformule& f, const Tconstruction& k)
{
    const double xa = f.colonne(k.p);
    fleche(f, xa, xa + static_cast<double>(k.n) * f.c, f.y - f.L);
}

void dessinerFleche(Tformule& f, const Tconstruction& k)
{
    f.texte.insert(k.p, 2, ' ');
    const double xa = f.colonne(k.p);
    fleche(f, xa, xa + 2 * f.c, f.y + 0.6 * f.L);
}

// Exponents and indices: the argument leaves blank columns and is drawn at 8 points over them.
void dessinerPetitTexte(Tformule& f, const Tconstruction& k, double decalage)
{
    const std::string argument = argumentDe(f, k);
    std::fill_n(f.texte.begin() + static_cast<long>(k.p), k.n, ' ');
    dessinerTexteFormule(f.canevas, "$<" + argument + "$N", f.colonne(k.p), f.y + decalage * f.L);
}

void dessinerExposant(Tformule& f, const Tconstruction& k)
{
    dessinerPetitTexte(f, k, -0.32);
}

void dessinerIndice(Tformule& f, const Tconstruction& k)
{
    dessinerPetitTexte(f, k, 0.4);
}

struct TpartiesFraction {
    std::string numerateur;
    std::string denominateur;
};

// Split at the first ";"; constructs inside the parts are drawn as plain characters.
TpartiesFraction couperFraction(const std::string& argument)
{
    const std::size_t pointVirgule = argument.find(';');
    if (pointVirgule == std::string::npos) return {courte(argument), {}};
    return {courte(argument.substr(0, pointVirgule)), courte(argument.substr(pointVirgule + 1))};
}

struct TgenreFraction {
    int code;
    bool racineNumerateur;
    bool racineDenominateur;
    double hauteurDenominateur;  // the denominator's top, in line pitches below the line's top
};

constexpr std::array<TgenreFraction, 5> genresFraction = {{
    {constructionFraction, false, false, 0.6},
    {constructionFractionHaute, false, false, 0.5},
    {constructionFractionRacineNumerateur, true, false, 0.6},
    {constructionFractionRacineDenominateur, false, true, 0.6},
    {constructionFractionRacines, true, true, 0.6},
}};

void dessinerFraction(Tformule& f, const Tconstruction& k)
{
    const TgenreFraction& genre = *std::find_if(genresFraction.begin(), genresFraction.end(),
                                                [&](const TgenreFraction& g) { return g.code == k.code; });
    const TpartiesFraction parties = couperFraction(argumentDe(f, k));
    const std::size_t longueurN = parties.numerateur.size() + (genre.racineNumerateur ? 1 : 0);
    const std::size_t longueurD = parties.denominateur.size() + (genre.racineDenominateur ? 1 : 0);
    const std::size_t w = std::max(longueurN, longueurD);
    f.texte.replace(k.p, k.n, w, ' ');

    const double c = f.c, L = f.L;
    const double nN = static_cast<double>(longueurN), nD = static_cast<double>(longueurD);
    const double xa = f.colonne(k.p);
    const double largeur = static_cast<double>(w) * c;
    double b = f.y + 0.6 * L;
    trait(f, xa + 0.1 * c, b, xa + largeur - 0.1 * c, b);

    double xn = xa + largeur / 2 - nN * c / 2;
    if (genre.racineNumerateur) {
        const double haut = b - 1.02 * L;
        trait(f, xn + 0.9 * c, haut, xn + nN * c, haut);
        trait(f, xn + 0.9 * c, haut, xn + 0.5 * c, b - 0.05 * L);
        trait(f, xn + 0.1 * c, b - 0.55 * L, xn + 0.5 * c, b - 0.05 * L);
        xn += c;
    }
    dessinerTexteFormule(f.canevas, parties.numerateur, xn, b - 1.05 * L);

    double xd = xa + largeur / 2 - nD * c / 2;
    b = f.y + genre.hauteurDenominateur * L;
    if (genre.racineDenominateur) {
        const double haut = b + 0.17 * L;
        trait(f, xd + 0.9 * c, haut, xd + nD * c, haut);
        trait(f, xd + 0.9 * c, haut, xd + 0.5 * c, b + 1.05 * L);
        trait(f, xd + 0.1 * c, b + 0.55 * L, xd + 0.5 * c, b + 1.05 * L);
        xd += c;
        b += 0.1 * L;
    }
    dessinerTexteFormule(f.canevas, parties.denominateur, xd, b);
}

void dessinerRacineFraction(Tformule& f, const Tconstruction& k)
{
    const TpartiesFraction parties = couperFraction(argumentDe(f, k));
    const std::size_t w = std::max(parties.numerateur.size(), parties.denominateur.size());
    f.texte.replace(k.p, k.n, w + 2, ' ');

    const double c = f.c, L = f.L;
    const double nN = static_cast<double>(parties.numerateur.size());
    const double nD = static_cast<double>(parties.denominateur.size());
    // Two columns for the sign, then the fraction.
    const double xf = f.colonne(k.p) + 2 * c;
    const double largeur = static_cast<double>(w) * c;
    const double xb = xf + largeur;
    const double b = f.y + 0.6 * L;
    trait(f, xf + 0.1 * c, b, xb - 0.1 * c, b);
    dessinerTexteFormule(f.canevas, parties.numerateur, xf + largeur / 2 - nN * c / 2, b - 1.05 * L);
    dessinerTexteFormule(f.canevas, parties.denominateur, xf + largeur / 2 - nD * c / 2, b);
    trait(f, xf - 0.2 * c, b - L, xb, b - L);
    trait(f, xf - 0.2 * c, b - L, xf - c, b + L);
    trait(f, xf - 1.7 * c, b, xf - c, b + L);
}

void dessinerTableau(Tformule& f, const Tconstruction& k)
{
    TtableauAdessiner tableau;
    tableau.source = argumentDe(f, k);
    lireTableau(tableau);
    f.texte.replace(k.p, k.n, static_cast<std::size_t>(tableau.largeurTotale), ' ');
    f.texte = courte(f.texte, longueurFormuleMax);
    if (tableau.lignes == 0 || tableau.colonnes == 0) return;

    const double c = f.c, L = f.L;
    const double R = tableau.lignes, C = tableau.colonnes;
    const double w = tableau.largeurColonne, h = tableau.hauteurLigne;
    const double xa = f.colonne(k.p);
    const double milieu = f.y + L / 2;
    const double haut = milieu - L * h * R / 2;
    const double bas = milieu + L * h * R / 2;
    for (int j = 0; j <= tableau.colonnes; ++j) trait(f, xa + j * w * c, haut, xa + j * w * c, bas);
    for (int i = 0; i <= tableau.lignes; ++i)
        trait(f, xa, haut + i * h * L, xa + C * w * c, haut + i * h * L);
    for (int i = 1; i <= tableau.lignes; ++i)
        for (int j = 1; j <= tableau.colonnes; ++j)
            dessinerFormuleImbriquee(
                f.canevas,
                tableau.cellules[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)],
                xa + c / 2 + (j - 1) * w * c, f.y + L * h * (i - R / 2 - 0.5) - 0.05 * L,
                f.profondeur + 1);
}

void dessinerSysteme(Tformule& f, const Tconstruction& k)
{
    TsystemeAdessiner systeme;
    systeme.source = argumentDe(f, k);
    lireSysteme(systeme);
    // The text that follows continues at the construct's column, under the brace.
    f.texte.erase(k.p, k.n);

    const double xa = f.colonne(k.p);
    tracerAccoladeSysteme(f.canevas, systeme, xa, f.y, f.L);
    for (std::size_t i = 1; i <= systeme.n; ++i)
        dessinerFormuleImbriquee(f.canevas, systeme.lignes[i], xa + f.c,
                                 f.y + f.L * systeme.decalages[i], f.profondeur + 1);
}

using TdessinConstruction = void (*)(Tformule&, const Tconstruction&);

struct TgenreConstruction {
    int code;
    TdessinConstruction dessiner;
};

constexpr std::array<TgenreConstruction, 14> genresConstructions = {{
    {constructionAngle, dessinerAngle},
    {constructionRacine, dessinerRacine},
    {constructionVecteur, dessinerVecteur},
    {constructionExposant, dessinerExposant},
    {constructionFraction, dessinerFraction},
    {constructionFractionHaute, dessinerFraction},
    {constructionIndice, dessinerIndice},
    {constructionTableau, dessinerTableau},
    {constructionFleche, dessinerFleche},
    {constructionRacineFraction, dessinerRacineFraction},
    {constructionFractionRacineNumerateur, dessinerFraction},
    {constructionFractionRacineDenominateur, dessinerFraction},
    {constructionFractionRacines, dessinerFraction},
    {constructionSysteme, dessinerSysteme},
}};

}  // namespace

void dessinerConstruction(Tformule& formule, const Tconstruction& construction)
{
    for (const TgenreConstruction& genre : genresConstructions) {
        if (genre.code != construction.code) continue;
        genre.dessiner(formule, construction);
        return;
    }
}
