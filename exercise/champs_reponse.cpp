#include "exercise/champs_reponse.h"

#include <algorithm>

#include "engine/figure/creation_textes.h"

namespace {

constexpr int largeurChampUsuelle = 121;
constexpr int bordDroitChamps = 421;
constexpr int hautChampSeul = 251;
constexpr int hautDernierChamp = 263;
constexpr int pasChamps = 28;
constexpr int longueurChampMax = 78;
constexpr int remonteeEtiquette = 27;
constexpr double decalageEtiquette = 8;
constexpr double decalageEtiquetteLettre = 10;
constexpr const char* etiquettesLettres[] = {"", "Réponse a :", "Réponse b :", "Réponse c :"};

void ecrireEtiquettesLettres(TdonneesCommunes& donnees, int nb)
{
    for (int k = 1; k <= nb; ++k) ecrireEtiquetteChamp(donnees, k, etiquettesLettres[k], decalageEtiquetteLettre);
}

}  // namespace

void placerChampsReponse(TdonneesCommunes& donnees, int n, int largeur)
{
    n = std::clamp(n, 0, nbChampsMax);
    donnees.nbChamps = static_cast<std::uint8_t>(n);
    for (int k = 1; k <= nbChampsMax; ++k) {
        ChampEdition* champ = donnees.champsReponse[k].edition;
        if (!champ) continue;
        if (k > n) {
            champ->setVisible(false);
            continue;
        }
        const int haut = n == 1 ? hautChampSeul : hautDernierChamp - pasChamps * (n - k);
        champ->setBounds(bordDroitChamps - largeur, haut, largeur, champ->Height());
        champ->setVisible(true);
        champ->setReadOnly(false);
        champ->setMaxLength(longueurChampMax);
        champ->setText("");
    }
}

void definirChampsReponse(TdonneesCommunes& donnees, int n)
{
    placerChampsReponse(donnees, n, largeurChampUsuelle);
}

void ecrireEtiquetteChamp(TdonneesCommunes& donnees, int k, const std::string& texte, double decalage)
{
    if (!donnees.surfaceEnonce || k < 1 || k > nbChampsMax || !donnees.champsReponse[k].edition) return;
    Tfigure& enonce = *donnees.surfaceEnonce;
    const ChampEdition& champ = *donnees.champsReponse[k].edition;
    const double colonne = champ.Left() / 8.0 - decalage - enonce.decalageColonnes;
    const double ligne = (champ.Top() - remonteeEtiquette) / 18.0;
    creerTexte(enonce, texte, 0x000000, colonne, ligne);
}

void ecrireEtiquetteReponse(TdonneesCommunes& donnees)
{
    ecrireEtiquetteChamp(donnees, 1, "Réponse :", decalageEtiquette);
}

void ecrireEtiquettesReponseAB(TdonneesCommunes& donnees)
{
    ecrireEtiquettesLettres(donnees, 2);
}

void ecrireEtiquettesReponseABC(TdonneesCommunes& donnees)
{
    ecrireEtiquettesLettres(donnees, 3);
}
