#include "exercise/cases_choix.h"

#include <algorithm>
#include <utility>

#include "engine/figure/peinture.h"
#include "engine/text/primitives.h"
#include "exercise/cycle_exercice.h"
#include "exercise/signalement.h"

namespace {

constexpr double largeurEnonce = 680;
constexpr double margeGauche = 30;
constexpr double ligneDeBase = 260;
constexpr TColor couleurBlanc = 0xFFFFFF;
constexpr TColor couleurCochee = 0x80FFFF;
constexpr TColor contourCochee = 0x008080;
constexpr TColor couleurJuste = 0x00FF00;
constexpr TColor contourJuste = 0x008000;
constexpr TColor couleurNoir = 0x000000;
// Half a line of text: the cell's text is centred on the cell's middle.
constexpr double demiLigne = 9;

double decalageEnonce(const TdonneesCommunes& donnees)
{
    return donnees.surfaceEnonce ? donnees.surfaceEnonce->decalageColonnes : 0;
}

bool valide(int numeroCase)
{
    return numeroCase >= 1 && numeroCase <= nbCasesChoix;
}

void peindreCase(const TdonneesCommunes& donnees, Canevas& canevas, int n)
{
    const TcaseChoix& c = donnees.casesChoix[n];
    remplirRectangleArrondi(canevas, n == donnees.premierChoixEchange ? couleurCochee : couleurBlanc, c.gauche,
                            c.haut, c.droite, c.bas);
    if (c.cochee) {
        remplirRectangleArrondi(canevas, couleurCochee, c.gauche, c.haut, c.droite, c.bas);
        tracerRectangleArrondi(canevas, 2, contourCochee, c.gauche + 1, c.haut + 1, c.droite - 1, c.bas - 1);
    }
    // A settled single choice shows its right cell, whatever was ticked.
    if (donnees.choixUnique && donnees.questionTerminee && n == donnees.choixJuste) {
        remplirRectangleArrondi(canevas, couleurJuste, c.gauche, c.haut, c.droite, c.bas);
        tracerRectangleArrondi(canevas, 3, contourJuste, c.gauche + 2, c.haut + 2, c.droite - 2, c.bas - 2);
    }
    tracerRectangleArrondi(canevas, 1, couleurNoir, c.gauche, c.haut, c.droite, c.bas);
    if (valide(c.numeroTexte)) {
        const TtexteChoix& t = donnees.textesChoix[c.numeroTexte];
        ecrireTextePixel(canevas, t.texte, (c.gauche + c.droite) / 2 - 8 * t.decalage, (c.haut + c.bas) / 2 - demiLigne);
    }
}

void cocherCase(TdonneesCommunes& donnees, int n)
{
    TcaseChoix& clic = donnees.casesChoix[n];
    clic.cochee = !clic.cochee;
    for (int i = 1; i <= nbCasesChoix; ++i) {
        TcaseChoix& autre = donnees.casesChoix[i];
        if (i == n) continue;
        if (donnees.choixUnique || (clic.groupe != 0 && autre.groupe == clic.groupe)) autre.cochee = false;
    }
    redessinerZonesExercice(donnees);
    if (donnees.choixUnique && clic.cochee && !donnees.validationParBouton) validerReponse(donnees);
}

void echangerCase(TdonneesCommunes& donnees, int n)
{
    // A click beside every cell keeps the first cell chosen: there is nothing to exchange with.
    if (n == 0) return;
    if (donnees.premierChoixEchange == 0) {
        donnees.premierChoixEchange = static_cast<std::uint8_t>(n);
    } else {
        std::swap(donnees.casesChoix[donnees.premierChoixEchange].numeroTexte, donnees.casesChoix[n].numeroTexte);
        donnees.premierChoixEchange = 0;
    }
    redessinerZonesExercice(donnees);
}

}  // namespace

void disposerChoix(TdonneesCommunes& donnees, int lignes, int colonnes, double hauteur, double largeur)
{
    for (int n = 1; n <= nbCasesChoix; ++n) {
        TcaseChoix& c = donnees.casesChoix[n];
        c.numeroTexte = 0;
        c.visible = false;
        c.groupe = 0;
    }
    if (lignes < 1 || colonnes < 1) return;
    const double e = donnees.espacementChoix;
    const double w = (largeur - (colonnes + 1) * e) / colonnes;
    const double gauche0 = 8 * decalageEnonce(donnees) + margeGauche;
    for (int r = 1; r <= lignes; ++r)
        for (int col = 1; col <= colonnes; ++col) {
            const int n = colonnes * (r - 1) + col;
            if (!valide(n)) return;
            TcaseChoix& c = donnees.casesChoix[n];
            c.gauche = gauche0 + (col - 1) * e + (col - 1) * w;
            c.droite = c.gauche + w;
            c.bas = ligneDeBase - (lignes - r + 1) * e - (lignes - r) * hauteur;
            c.haut = c.bas - hauteur;
            c.visible = true;
            c.cochee = false;
        }
}

void disposerChoixSurLargeur(TdonneesCommunes& donnees, int lignes, int colonnes, double hauteur)
{
    disposerChoix(donnees, lignes, colonnes, hauteur, largeurEnonce - 8 * decalageEnonce(donnees));
}

void definirChoix(TdonneesCommunes& donnees, int numeroCase, int numeroTexte, const std::string& texte,
                  double decalage)
{
    if (!valide(numeroCase) || !valide(numeroTexte)) return;
    donnees.casesChoix[numeroCase].numeroTexte = static_cast<std::uint8_t>(numeroTexte);
    donnees.textesChoix[numeroTexte].texte = texte;
    donnees.textesChoix[numeroTexte].decalage = decalage;
}

void dessinerChoix(TdonneesCommunes& donnees)
{
    if (!donnees.surfaceEnonce || !donnees.surfaceEnonce->controle) return;
    Canevas& canevas = donnees.surfaceEnonce->controle->canvas();
    for (int n = 1; n <= nbCasesChoix; ++n)
        if (donnees.casesChoix[n].visible) peindreCase(donnees, canevas, n);
}

int choixSousSouris(const TdonneesCommunes& donnees)
{
    const double x = donnees.sourisX, y = donnees.sourisY;
    for (int n = 1; n <= nbCasesChoix; ++n) {
        const TcaseChoix& c = donnees.casesChoix[n];
        if (c.visible && c.gauche < x && x < c.droite && c.haut < y && y < c.bas) return n;
    }
    return 0;
}

void cliquerZoneEnonce(TdonneesCommunes& donnees)
{
    if (donnees.questionTerminee) return;
    const int n = choixSousSouris(donnees);
    if (donnees.modeReponse == modeCases && n != 0)
        cocherCase(donnees, n);
    else if (donnees.modeReponse == modeEchange)
        echangerCase(donnees, n);
}

void verifierChoixUnique(TdonneesCommunes& donnees)
{
    donnees.questionTerminee = true;
    if (valide(donnees.choixJuste) && donnees.casesChoix[donnees.choixJuste].cochee) {
        donnees.resultat = resultatJuste;
        donnees.pointsObtenus = donnees.pointsQuestion;
        signalerJuste(donnees);
    } else {
        donnees.resultat = resultatFaux;
        donnees.pointsObtenus = 0;
        signalerFaux(donnees);
    }
}
