#include "engine/text/grille_operation.h"

#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

TgrilleOperation::TgrilleOperation(Canevas& canevas, double x0, double y0, double facteurColonne,
                                   double facteurRangee, int colonnes, int rangees)
    : canevas_(canevas), x0_(x0), y0_(y0), colonnes_(colonnes), rangees_(rangees)
{
    canevas_.Font.Size = 11;
    largeurColonne_ = pasColonne(canevas_) * facteurColonne;
    hauteurRangee_ = interligne(canevas_) * facteurRangee;
}

double TgrilleOperation::x(double colonne) const
{
    return x0_ + (colonnes_ - colonne) * largeurColonne_;
}

double TgrilleOperation::y(double rangee) const
{
    return y0_ + (rangees_ - rangee) * hauteurRangee_;
}

void TgrilleOperation::ecrire(char caractere, double rangee, double colonne, TColor couleur)
{
    dessinerTexteFixe(canevas_, std::string(1, caractere), couleur, x(colonne), y(rangee));
}

void TgrilleOperation::ecrireNombre(const std::string& chiffres, double rangee, int colonne,
                                    TColor couleur)
{
    const int n = static_cast<int>(chiffres.size());
    for (int k = 0; k < n; ++k)
        ecrire(chiffres[static_cast<std::size_t>(k)], rangee, colonne + n - 1 - k, couleur);
}

void TgrilleOperation::barre(double rangee, int largeur)
{
    tracerSegment(canevas_, couleurOperande, 1, x(largeur), y(rangee), x(0), y(rangee), 1);
}
