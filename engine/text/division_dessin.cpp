#include <algorithm>

#include "engine/text/division_posee.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

namespace {

constexpr TColor noir = 0x000000;
constexpr TColor bleu = 0xFF0000;
constexpr int tailleChiffres = 12;

class TdessinDivision {
public:
    TdessinDivision(Canevas& canevas, TblocDiv& bloc) : canevas_(canevas), b_(bloc) {}

    void dessiner();

private:
    // Each character alone at its cell + (1, 2): digits through the markup renderer, the minus
    // of a product as a plain character (the renderer would draw its own minus sign).
    void caractere(char c, double x, double y, TColor couleur)
    {
        if (c == '-') {
            canevas_.Font.Color = couleur;
            canevas_.TextOut(arrondi(x + 1), arrondi(y + 2), "-");
            return;
        }
        double xTexte = x + 1;
        dessinerTexte(canevas_, std::string(1, c), xTexte, y + 2, couleur, styleNormal,
                      tailleChiffres);
    }

    // A text of the left part from column `colonne` (from 1) of row `rangee`.
    void ecrireGauche(const std::string& texte, int rangee, int colonne, TColor couleur)
    {
        for (std::size_t k = 0; k < texte.size(); ++k)
            caractere(texte[k], xGauche(colonne + static_cast<int>(k)), yRangee(rangee), couleur);
    }

    void ecrireDroite(const std::string& texte, int rangee, TColor couleur)
    {
        for (std::size_t k = 0; k < texte.size(); ++k)
            caractere(texte[k], b_.xDiviseur + static_cast<double>(k) * b_.largeurColonne,
                      yRangee(rangee), couleur);
    }

    double xGauche(int colonne) const { return b_.gauche + (colonne - 1) * b_.largeurColonne; }
    double yRangee(int rangee) const { return b_.haut + rangee * b_.hauteurRangee; }

    void trait(TColor couleur, double x1, double y1, double x2, double y2)
    {
        tracerSegment(canevas_, couleur, 1, x1, y1, x2, y2, b_.epaisseur);
    }

    // The comma's stroke, down to the left from (xc, yc).
    void virgule(double xc, double yc) { trait(noir, xc, yc, xc - 2, yc + 4); }

    bool dessinee(const TetapeDiv& etape) const { return etape.stade <= b_.etapeLimite; }

    Canevas& canevas_;
    TblocDiv& b_;
};

void TdessinDivision::dessiner()
{
    canevas_.FondTransparent = true;
    const double lc = b_.largeurColonne;
    const int longueurQuotient =
        b_.longueurQuotientEtape[static_cast<std::size_t>(b_.etapeLimite)];

    ecrireDroite(b_.diviseur, 0, noir);

    b_.xDroite = b_.xDiviseur +
                 std::max(longueurQuotient, static_cast<int>(b_.diviseur.size())) * lc;
    trait(noir, b_.xBarre, b_.ligneQuotient, b_.xDroite, b_.ligneQuotient);

    int derniereRangee = 1;
    for (int i = 0; i < b_.nbEtapes; ++i)
        if (dessinee(b_.etapes[static_cast<std::size_t>(i)]))
            derniereRangee = std::max(derniereRangee, b_.etapes[static_cast<std::size_t>(i)].rangee);
    b_.yBas = b_.ligneQuotient + derniereRangee * b_.hauteurRangee;
    trait(noir, b_.xBarre, b_.haut, b_.xBarre, b_.yBas);

    ecrireGauche(b_.dividende, 0, 1, noir);

    for (int i = 0; i < b_.nbEtapes; ++i) {
        const TetapeDiv& etape = b_.etapes[static_cast<std::size_t>(i)];
        if (!dessinee(etape)) continue;
        const double droite = b_.gauche + etape.position * lc;
        if (etape.rangee == 0) {
            // A digit brought down in the dividend's own row: the mark over the dividend reaches it.
            trait(noir, b_.gauche + 4, b_.haut, droite - 4, b_.haut);
            trait(noir, droite - 4, b_.haut, droite, b_.haut + 4);
            continue;
        }
        const int longueur = static_cast<int>(etape.texte.size());
        const bool produit = etape.texte.front() == '-';
        ecrireGauche(etape.texte, etape.rangee, etape.position - longueur + 1, produit ? bleu : noir);
        if (produit) {
            const double y = yRangee(etape.rangee + 1);
            trait(bleu, droite - longueur * lc, y, droite, y);
        }
    }

    const double finPremier = b_.gauche + b_.longueurPremier * lc;
    trait(noir, b_.gauche, b_.haut + 4, b_.gauche + 4, b_.haut);
    trait(noir, b_.gauche + 4, b_.haut, finPremier - 4, b_.haut);
    trait(noir, finPremier - 4, b_.haut, finPremier, b_.haut + 4);

    if (b_.positionVirgule <= b_.longueurDividende)
        virgule(xGauche(b_.positionVirgule), b_.haut + b_.hauteurRangee - 3);

    ecrireDroite(b_.quotient.substr(0, static_cast<std::size_t>(longueurQuotient)), 1, noir);

    if (b_.virguleQuotient != 0 && b_.etapeVirgule <= b_.etapeLimite)
        virgule(b_.xDiviseur + b_.virguleQuotient * lc, b_.ligneQuotient + b_.hauteurRangee - 3);
}

}  // namespace

void calculerMiseEnPageDivision(TblocDiv& bloc, double echelle, double haut, double gauche)
{
    bloc.echelle = echelle;
    bloc.haut = haut;
    bloc.gauche = gauche;
    bloc.hauteurRangee = 16 * echelle;
    bloc.largeurColonne = 10 * echelle;
    bloc.ligneQuotient = haut + bloc.hauteurRangee;
    bloc.xBarre = gauche + bloc.longueurDividende * bloc.largeurColonne + 3;
    bloc.xDiviseur = bloc.xBarre + 3;
}

void dessinerDivision(Canevas& canevas, TblocDiv& bloc)
{
    TdessinDivision(canevas, bloc).dessiner();
}

void dessinerDivisionPosee(Canevas& canevas, const std::string& dividende,
                           const std::string& diviseur, double echelle, double haut,
                           double gauche, bool detaillee, std::uint8_t decimales)
{
    TblocDiv bloc;
    if (!preparerDivision(bloc, dividende, diviseur, detaillee, decimales)) return;
    calculerMiseEnPageDivision(bloc, echelle, haut, gauche);
    dessinerDivision(canevas, bloc);
}
