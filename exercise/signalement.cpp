#include "exercise/signalement.h"

#include "engine/figure/creation_textes.h"
#include "platform/plateforme.h"

namespace {

constexpr double colonneImageResultat = 2;
constexpr double ligneImageResultat = 1.5;

}  // namespace

void afficherImageResultat(TdonneesCommunes& donnees, const Image* image)
{
    if (donnees.surfaceSolution)
        creerImageInterne(*donnees.surfaceSolution, image, colonneImageResultat, ligneImageResultat);
}

void signalerIncorrect(TdonneesCommunes& donnees)
{
    plateforme().bip(MB_ICONQUESTION);
    afficherImageResultat(donnees, donnees.ImageIncorrecte);
}
