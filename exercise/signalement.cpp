#include "exercise/signalement.h"

#include "engine/figure/creation_textes.h"
#include "exercise/ecriture_solution.h"
#include "platform/plateforme.h"

namespace {

constexpr double colonneImageResultat = 2;
constexpr double ligneImageResultat = 1.5;
constexpr double ligneMessageFaux = 2.5;

}  // namespace

void afficherImageResultat(TdonneesCommunes& donnees, const Image* image)
{
    if (donnees.surfaceSolution)
        creerImageInterne(*donnees.surfaceSolution, image, colonneImageResultat, ligneImageResultat);
}

void signalerJuste(TdonneesCommunes& donnees)
{
    plateforme().bip(MB_ICONHAND);
    afficherImageResultat(donnees, donnees.reussiteAcceptee ? donnees.ImageAcceptee : donnees.ImageExacte);
}

void signalerFaux(TdonneesCommunes& donnees)
{
    donnees.resultat = resultatFaux;
    jouerSon(donnees, "erreur");
    afficherImageResultat(donnees, donnees.ImageFausse);
}

void signalerFauxMessage(TdonneesCommunes& donnees, const std::string& texte)
{
    ecrireSolution(donnees, texte, ligneMessageFaux);
    signalerFaux(donnees);
}

void signalerIncorrect(TdonneesCommunes& donnees)
{
    plateforme().bip(MB_ICONQUESTION);
    afficherImageResultat(donnees, donnees.ImageIncorrecte);
}

void jouerSon(TdonneesCommunes& donnees, const std::string& nom)
{
    LecteurSon* lecteur = donnees.MediaPlayerErreur;
    if (!lecteur) return;
    lecteur->setFileName(donnees.cheminProgramme.texte() + nom + ".wav");
    // The player plays nothing when Open found no sound it can read.
    lecteur->Open();
    lecteur->Play();
}
