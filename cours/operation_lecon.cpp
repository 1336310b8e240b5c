// "opération genre x termes": a posed operation of the engine placed on the lesson's page.

#include <optional>
#include <string>
#include <vector>

#include "cours/composition.h"
#include "cours/etendue_dessin.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/peinture.h"

namespace {

constexpr TnombreLecon decimalesDivision{"le nombre de décimales", 0, 10};

// The posers of the four operations, from the words after x.
Tobjet* poserAddition(Tfigure& f, const TinstructionLecon&, const std::vector<std::string>& termes, double col,
                      double lig)
{
    return creerAdditionPosee(f, termes[0], col, lig);
}

Tobjet* poserSoustraction(Tfigure& f, const TinstructionLecon&, const std::vector<std::string>& termes,
                          double col, double lig)
{
    return creerSoustractionPosee(f, termes[0], col, lig);
}

// The digits the engine poses for a factor written in digits: without its separator, its first
// and its final zeros. Empty for a factor written otherwise, which it does not pose at all.
std::string chiffresPoses(const std::string& facteur)
{
    std::string chiffres;
    for (const char c : facteur)
        if (c >= '0' && c <= '9') chiffres += c;
        else if (c != ',' && c != '.') return {};
    const std::size_t premier = chiffres.find_first_not_of('0');
    if (premier == std::string::npos) return chiffres.empty() ? chiffres : "0";
    return chiffres.substr(premier, chiffres.find_last_not_of('0') + 1 - premier);
}

// The engine multiplies the digit strings: a factor with a decimal separator or final zeros would
// show another operation than the lesson's.
Tobjet* poserMultiplication(Tfigure& f, const TinstructionLecon& instruction, const std::vector<std::string>& termes,
                            double col, double lig)
{
    const std::string a = chiffresPoses(termes[0]), b = chiffresPoses(termes[1]);
    const auto change = [](const std::string& facteur, const std::string& chiffres) {
        return chiffres != "0" && (facteur.find_first_of(",.") != std::string::npos || facteur.back() == '0');
    };
    if (!a.empty() && !b.empty() && (change(termes[0], a) || change(termes[1], b)))
        throw ErreurLecon(instruction.ligne, "cette multiplication ne se pose pas : la multiplication posée écrit "
                                             "ses facteurs sans virgule ni zéro final, ici " +
                                                 a + " × " + b);
    return creerMultiplicationPosee(f, termes[0], termes[1], col, lig);
}

Tobjet* poserDivision(Tfigure& f, const TinstructionLecon& instruction, const std::vector<std::string>& termes,
                      double col, double lig)
{
    const int decimales = termes.size() == 3 ? entierDe(instruction, termes[2], decimalesDivision) : 0;
    return creerDivisionPoseeDetaillee(f, termes[0], termes[1], decimales, col, lig);
}

struct TgenreOperation {
    const char* mot;
    std::size_t nbTermesMin, nbTermesMax;
    Tobjet* (*poser)(Tfigure& f, const TinstructionLecon& instruction, const std::vector<std::string>& termes,
                     double col, double lig);
    // What the engine poses, for the author of a lesson it refuses.
    const char* posable;
};

const TgenreOperation genresOperation[] = {
    {"addition", 1, 1, poserAddition, "au plus 10 nombres positifs, dont la somme a au plus 9 chiffres"},
    {"soustraction", 1, 1, poserSoustraction, "deux nombres positifs d'au plus 9 chiffres, le premier le plus grand"},
    {"multiplication", 2, 2, poserMultiplication,
     "deux nombres entiers positifs, l'un d'au moins deux chiffres, l'autre ni 0 ni 1, dont le produit a au "
     "plus 9 chiffres"},
    {"division", 2, 3, poserDivision,
     "un nombre positif d'au plus 12 chiffres divisé par un nombre entier qui n'est pas 0"},
};

}  // namespace

// The operation has its top-left corner at x and the pen, and takes the room it is drawn in, as a
// text does: the pen goes below it. The engine draws nothing of what it cannot pose: the
// operation is drawn once, unseen, for that room.
void composerOperation(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    const TgenreOperation* genre = nullptr;
    for (const TgenreOperation& g : genresOperation)
        if (!mots.empty() && mots[0] == g.mot && mots.size() >= 2 + g.nbTermesMin &&
            mots.size() <= 2 + g.nbTermesMax)
            genre = &g;
    if (!genre)
        throw ErreurLecon(instruction.ligne,
                          "opération addition|soustraction x termes, multiplication x a b, "
                          "division x dividende diviseur [décimales]");
    const double x = nombreDe(instruction, mots[1], abscissePage);
    Tfigure& f = surface(c);
    const std::vector<std::string> termes(mots.begin() + 2, mots.end());
    exigerObjet(instruction, genre->poser(f, instruction, termes, colonne(c, x), ligne(c, c.plume)));
    CanevasEtendue etendue(c.mesure);
    dessinerObjet(f, etendue, f.nbObjets);
    const std::optional<TRect>& place = etendue.etendue();
    if (!place)
        throw ErreurLecon(instruction.ligne,
                          std::string("cette ") + genre->mot + " ne se pose pas : " + genre->posable);
    const Tplace occupee{static_cast<double>(c.page.gauche + place->left), static_cast<double>(c.page.haut + place->top),
                         static_cast<double>(c.page.gauche + place->right),
                         static_cast<double>(c.page.haut + place->bottom), "opération", instruction.ligne};
    verifierLargeur(c, instruction, "l'opération", occupee.gauche, occupee.droite, c.bord);
    occuper(c, occupee);
    c.plume = occupee.bas + 6;
    descendre(c, occupee.bas);
}
