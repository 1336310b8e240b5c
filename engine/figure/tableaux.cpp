#include <algorithm>
#include <string>

#include "engine/figure/cadres.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

namespace {

constexpr int tailleTableau = 11;
constexpr TColor blanc = 0xFFFFFF;
constexpr TColor noir = 0x000000;
constexpr TColor jaunePale = 0xE0FFFF;
constexpr TColor grisTableur = 0xC0C0C0;
// The header column's width in columns and the header row's height in lines.
constexpr double largeurEntetes = 3.5;
constexpr double hauteurEntetes = 1.5;

// The table's text units in pixels, and the edges of its rows and columns.
struct TgeometrieTableau {
    double cw, lh;
    const Ttableau& t;
    int rangees, colonnes;

    double xColonne(double colonne) const { return cw * colonne; }
    double yLigne(double ligne) const { return lh * ligne; }
    // The left edge of column j, the right edge of the last one for j = colonnes + 1.
    double gaucheColonne(int j) const
    {
        double c = t.gauche;
        for (int k = 1; k < j; ++k) c += t.largeurs[static_cast<std::size_t>(k)];
        return xColonne(c);
    }
    double hautRangee(int i) const
    {
        double l = t.haut;
        for (int k = 1; k < i; ++k) l += t.hauteurs[static_cast<std::size_t>(k)];
        return yLigne(l);
    }
    double gauche() const { return xColonne(t.gauche); }
    double droite() const { return xColonne(t.droite); }
    double haut() const { return yLigne(t.haut); }
    double bas() const { return yLigne(t.bas); }
};

// A grey header box with a white raised edge along its top (a row header) or its left side (a
// column header), and its label centred in it.
void dessinerEntete(Canevas& k, const TgeometrieTableau& g, double gauche, double haut,
                    double droite, double bas, bool reliefEnHaut, const std::string& texte,
                    double decalage)
{
    tracerRectanglePlein(k, grisTableur, noir, gauche, haut, droite, bas);
    if (reliefEnHaut)
        tracerSegment(k, blanc, 1, gauche + 2, haut + 2, droite - 2, haut + 2, 2);
    else
        tracerSegment(k, blanc, 1, gauche + 2, haut + 2, gauche + 2, bas - 2, 2);
    double x = (gauche + droite) / 2 - g.cw / 2 + decalage;
    dessinerTexte(k, "$H" + texte, x, (haut + bas) / 2 - g.lh / 2, noir, styleNormal,
                  tailleTableau);
}

void dessinerEntetes(Canevas& k, const TgeometrieTableau& g)
{
    const double gaucheEntetes = g.xColonne(g.t.gauche - largeurEntetes);
    const double hautEntetes = g.yLigne(g.t.haut - hauteurEntetes);
    for (int i = 1; i <= g.rangees; ++i)
        dessinerEntete(k, g, gaucheEntetes, g.hautRangee(i), g.gauche(), g.hautRangee(i + 1),
                       true, std::to_string(i), 0);
    for (int j = 1; j <= g.colonnes; ++j)
        dessinerEntete(k, g, g.gaucheColonne(j), hautEntetes, g.gaucheColonne(j + 1), g.haut(),
                       false, std::string(1, static_cast<char>('A' + j - 1)), -1);
    tracerSegment(k, noir, 1, g.gauche(), g.haut(), g.gauche(), g.bas(), 2);
    tracerSegment(k, noir, 1, g.gauche(), g.haut(), g.droite(), g.haut(), 2);
}

} // namespace

void dessinerTableau(Canevas& canevas, const Ttableau& tableau, TColor couleur)
{
    canevas.Font.Size = tailleTableau;
    const TgeometrieTableau g{static_cast<double>(pasColonne(canevas)),
                              static_cast<double>(interligne(canevas)), tableau,
                              std::clamp(tableau.nbRangees, 0, rangeesTableauMax),
                              std::clamp(tableau.nbColonnes, 0, colonnesTableauMax)};
    TColor grille = couleur;
    if (tableau.entetes) {
        grille = grisTableur;
        tracerRectanglePlein(canevas, blanc, grisTableur, g.gauche(), g.haut(), g.droite(),
                             g.bas());
        dessinerEntetes(canevas, g);
    } else {
        remplirRectangle(canevas, jaunePale, g.gauche(), g.haut(), g.droite(), g.bas());
    }
    // An empty top-left cell is left open: no line above it nor on its left.
    const bool coin = !tableau.cases[1][1].texte.empty();
    for (int i = 1; i <= g.rangees; ++i) {
        const double debut = i == 1 && !coin ? g.gaucheColonne(2) : g.gauche();
        tracerTrait(canevas, grille, debut, g.hautRangee(i), g.droite(), g.hautRangee(i));
    }
    tracerTrait(canevas, couleur, g.gauche(), g.bas(), g.droite(), g.bas());
    for (int j = 1; j <= g.colonnes; ++j) {
        const double debut = j == 1 && !coin ? g.hautRangee(2) : g.haut();
        tracerTrait(canevas, grille, g.gaucheColonne(j), debut, g.gaucheColonne(j), g.bas());
    }
    tracerTrait(canevas, couleur, g.droite(), g.haut(), g.droite(), g.bas());
    for (int i = 1; i <= g.rangees; ++i) {
        for (int j = 1; j <= g.colonnes; ++j) {
            const TcaseTableau& c =
                tableau.cases[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            if (c.texte.empty()) continue;
            double x = g.xColonne(c.x + c.decalageX);
            dessinerTexte(canevas, c.texte, x, g.yLigne(c.y + c.decalageY), c.couleur,
                          styleNormal, tailleTableau);
        }
    }
}
