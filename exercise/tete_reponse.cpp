#include "exercise/tete_reponse.h"

std::string teteReponse(const TdonneesCommunes& donnees, int k)
{
    if (donnees.nbChamps == 1) return "La réponse ";
    static constexpr char lettres[] = "?abc";
    return std::string("La réponse  $g") + lettres[k >= 1 && k <= nbChampsMax ? k : 0] + "$N  ";
}
