#include "exercise/ecriture_solution.h"

#include <algorithm>

#include "engine/figure/creation_textes.h"

namespace {

constexpr double colonneSolution = 14;
constexpr double premiereLigneSolution = 2.5;
constexpr double ligneTexteSolution = 3;

// Room above a line holding tall markup, by markup code.
struct TmargeBalise {
    const char* balise;
    double marge;
};
constexpr TmargeBalise margesBalises[] = {{"$5", 0.2}, {"$3", 0.3}, {"$F", 0.5}};

}  // namespace

void ecrireSolution(TdonneesCommunes& donnees, const std::string& texte, double ligne)
{
    if (donnees.surfaceSolution) creerTexte(*donnees.surfaceSolution, texte, 0x000000, colonneSolution, ligne);
}

void ecrireLigneSolution(TdonneesCommunes& donnees, const std::string& texte)
{
    double marge = 0;
    if (donnees.ligneSolution > premiereLigneSolution) {
        for (const TmargeBalise& m : margesBalises)
            if (texte.find(m.balise) != std::string::npos) marge = std::max(marge, m.marge);
    }
    donnees.ligneSolution += marge;
    ecrireSolution(donnees, texte, donnees.ligneSolution);
    donnees.ligneSolution += 1;
}

void ecrireTexteSolution(TdonneesCommunes& donnees)
{
    if (!donnees.texteSolution.empty()) ecrireSolution(donnees, donnees.texteSolution, ligneTexteSolution);
}
