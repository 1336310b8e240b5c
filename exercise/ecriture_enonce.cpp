#include "exercise/ecriture_enonce.h"

#include "engine/base/nombres.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/lancer_outil.h"
#include "platform/types.h"

namespace {

constexpr double colonneCalculatrice = -7;
constexpr double ligneCalculatrice = 0.5;
constexpr int hauteurLigne = 18;

}  // namespace

void ecrireEnonce(TdonneesCommunes& donnees, const std::string& texte, double ligne)
{
    if (donnees.surfaceEnonce) creerLigneTexteMarge(*donnees.surfaceEnonce, texte, ligne);
}

void encadrerEnonce(TdonneesCommunes& donnees, double colonnes, double lignes)
{
    if (donnees.surfaceEnonce) creerCadreEnonce(*donnees.surfaceEnonce, colonnes, lignes);
}

void ecrireRemarqueDonneesHasard(TdonneesCommunes& donnees, double ligne)
{
    ecrireEnonce(donnees, "Remarque : les données sont choisies au hasard :", ligne);
    ecrireEnonce(donnees, "elles changent à chaque fois qu'on fait l'exercice.", ligne + 1);
}

void afficherCalculatrice(TdonneesCommunes& donnees)
{
    if (!donnees.surfaceEnonce) return;
    Tobjet* image = creerImageInterne(*donnees.surfaceEnonce, donnees.ImageCalculatrice, colonneCalculatrice,
                                      ligneCalculatrice);
    if (image) image->donneesDe<TimageInterne>().codeLien = lienCalculatrice;
}

void placerBoutonPourSexercer(TdonneesCommunes& donnees, std::int32_t lien, double ligne)
{
    donnees.exercicePourSexercer = lien;
    if (donnees.BoutonPourSexercer) donnees.BoutonPourSexercer->setTop(arrondi(ligne * hauteurLigne));
}

void lireListeNombres(TdonneesCommunes& donnees, const std::string& texte)
{
    if (!donnees.surfaceFigureEnonce) return;
    auto& parametres = donnees.surfaceFigureEnonce->parametres;
    std::size_t debut = 0;
    for (int i = 1; i <= nbParametres; ++i) {
        const std::size_t fin = texte.find('\\', debut);
        parametres[i] = arrondi(chaineVersReel(texte.substr(debut, fin - debut)));
        if (fin == std::string::npos) return;
        debut = fin + 1;
    }
}
