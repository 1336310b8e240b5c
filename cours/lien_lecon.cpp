// "lien" and "bouton": the phrases a page sets on the window's link frames, and the place of its
// link buttons.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cours/composition.h"
#include "engine/base/nombres.h"

namespace {

// A link button of the window is 23 pixels high.
constexpr int hauteurBoutonLien = 23;
// A phrase under a link frame may be a little narrower than the frame, never much wider.
constexpr double jeuPhraseEtroite = 12;
constexpr double jeuPhraseLarge = 2;
// The phrase stands where the text before it ends, within a pixel.
constexpr double jeuAvantPhrase = 1;

// Punctuation that follows a word without a blank.
bool estPonctuation(char lettre) { return std::string(".,;:!?)]").find(lettre) != std::string::npos; }

struct TcadreLien {
    double x, y, largeur;
};

// The window's zones of two frames, each a line high over its line, share more than a pixel or
// two, as the window's own frames of lines 17 pixels apart do: one would take the other's clicks.
bool chevauchent(const TcadreLienLecon& a, const TcadreLienLecon& b)
{
    constexpr int jeu = 2;
    return a.x < b.x + b.largeur - jeu && b.x < a.x + a.largeur - jeu && a.y - pixelsParLigneCours < b.y - jeu &&
           b.y - pixelsParLigneCours < a.y - jeu;
}

void ajouterCadre(Tcomposition& c, const TinstructionLecon& instruction, const TcadreLienLecon& cadre)
{
    for (const TcadreLienLecon& autre : c.page.cadresLiens)
        if (chevauchent(cadre, autre))
            throw ErreurLecon(instruction.ligne, "le cadre de lien (" + std::to_string(cadre.x) + ", " +
                                                     std::to_string(cadre.y) + ") chevauche celui de la ligne " +
                                                     std::to_string(autre.ligne) + ", en (" + std::to_string(autre.x) +
                                                     ", " + std::to_string(autre.y) + ")");
    c.page.cadresLiens.push_back(cadre);
}

// Where the phrase of the frame begins, from `x` where the text before it begins: one word space
// (the text's own blank) after that text and on its frame, with the frame's line, 2 pixels thick
// from a pixel before the frame to a pixel after it, under no letter of the words around.
// Punctuation after the phrase follows it directly.
double debutPhrase(Tcomposition& c, const TinstructionLecon& instruction, const TcadreLien& cadre, double x,
                   const std::string& avant, const std::string& phrase, const std::string& apres)
{
    const double largeur = largeurTexte(c, phrase);
    if (largeur > cadre.largeur + jeuPhraseLarge || largeur < cadre.largeur - jeuPhraseEtroite)
        throw ErreurLecon(instruction.ligne, "la phrase \"" + phrase.substr(2) + "\" mesure " + reelVersChaine(largeur) +
                                                 " pixels pour un cadre de " + reelVersChaine(cadre.largeur));
    const std::string nom = "\"" + phrase.substr(2) + "\"";
    double plusTot = cadre.x + std::min(0.0, cadre.largeur - largeur);
    const double plusTard = cadre.x + std::max(0.0, cadre.largeur - largeur);
    std::size_t lettre = 0;
    while (lettre < apres.size() && (apres[lettre] == ' ' || estPonctuation(apres[lettre]))) ++lettre;
    if (lettre < apres.size()) {
        const double finLigne = cadre.x + cadre.largeur + 1;
        plusTot = std::max(plusTot, finLigne + 1 - largeur - largeurTexte(c, apres.substr(0, lettre)));
        if (plusTot > plusTard)
            throw ErreurLecon(instruction.ligne, "le texte après " + nom + " passerait sous la ligne de son cadre : il manque " +
                                                     reelVersChaine(std::ceil(plusTot - plusTard)) + " pixels");
    }
    if (avant.empty()) return plusTot;
    std::string mot = avant;
    mot.erase(mot.find_last_not_of(' ') + 1);
    const double finAvant = x + largeurTexte(c, avant);
    const double debutLigne = cadre.x - 1;
    const double tropLong = std::max(finAvant - jeuAvantPhrase - plusTard, x + largeurTexte(c, mot) - debutLigne);
    if (tropLong > 0)
        throw ErreurLecon(instruction.ligne, "le texte avant " + nom + " est trop long de " +
                                                 reelVersChaine(std::ceil(tropLong)) + " pixels");
    const double tropCourt = plusTot - finAvant - jeuAvantPhrase;
    if (tropCourt > 0)
        throw ErreurLecon(instruction.ligne, "le texte avant " + nom + " est trop court de " +
                                                 reelVersChaine(std::ceil(tropCourt)) + " pixels");
    return std::clamp(finAvant, plusTot, plusTard);
}

}  // namespace

// "lien x y largeur [; x y largeur ...] : texte {phrase} texte ...": each phrase in braces is
// written in blue on the link frame of the same rank, a frame of the window's table whose blue
// line runs at y under a zone 18 pixels high. The line starts at the margin and flows as any text,
// so that the words stand where the window's frames are without a visible hole.
void composerLien(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::size_t deuxPoints = instruction.reste.find(':');
    if (deuxPoints == std::string::npos)
        throw ErreurLecon(instruction.ligne, "lien x y largeur [; x y largeur] : texte {phrase}");
    std::vector<TcadreLien> cadres;
    for (const std::string& cadre : morceauxSepares(instruction.reste.substr(0, deuxPoints), ';')) {
        const std::vector<std::string> mots = motsDe(cadre);
        if (mots.size() != 3) throw ErreurLecon(instruction.ligne, "un cadre de lien est x y largeur");
        cadres.push_back({nombreDe(instruction, mots[0], abscissePage), nombreDe(instruction, mots[1], ordonneePage),
                          nombreDe(instruction, mots[2], largeurLecon)});
        const TcadreLien& lu = cadres.back();
        ajouterCadre(c, instruction, {arrondi(lu.x), arrondi(lu.y), arrondi(lu.largeur), instruction.ligne});
    }
    // Pieces: text, phrase, text, phrase, ..., text.
    std::vector<std::string> morceaux;
    std::string reste = sansBlancsAutour(instruction.reste.substr(deuxPoints + 1));
    while (true) {
        const std::size_t ouvre = reste.find('{');
        const std::size_t ferme = reste.find('}', ouvre);
        if (ouvre == std::string::npos || ferme == std::string::npos) break;
        morceaux.push_back(reste.substr(0, ouvre));
        morceaux.push_back("$k" + reste.substr(ouvre + 1, ferme - ouvre - 1));
        reste.erase(0, ferme + 1);
    }
    morceaux.push_back(reste);
    if (morceaux.size() != 2 * cadres.size() + 1)
        throw ErreurLecon(instruction.ligne, "autant de {phrases} que de cadres");
    double x = c.marge;
    double haut = 0;
    for (std::size_t k = 0; k < cadres.size(); ++k) {
        const std::string& avant = morceaux[2 * k];
        const std::string& phrase = morceaux[2 * k + 1];
        haut = cadres[k].y - pixelsParLigneCours;
        verifierHaut(c, instruction, "le cadre de lien en " + reelVersChaine(cadres[k].y), haut,
                     c.profondeur > 0 ? c.haut : c.hautTitre);
        const double debut = debutPhrase(c, instruction, cadres[k], x, avant, phrase, morceaux[2 * k + 2]);
        ecrire(c, instruction, avant, x, haut);
        ecrire(c, instruction, phrase, debut, haut);
        c.page.cadresLiens[c.page.cadresLiens.size() - cadres.size() + k].phrase = c.page.surface->nbObjets;
        x = debut + largeurTexte(c, phrase);
    }
    ecrire(c, instruction, morceaux.back(), x, haut);
    c.plume = std::max(c.plume, haut + pasLigne);
}

// "bouton x y largeur": a link button of the window stands there, over free space.
void composerBouton(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    if (mots.size() != 3) throw ErreurLecon(instruction.ligne, "bouton x y largeur");
    const int x = entierDe(instruction, mots[0], abscissePage);
    const int y = entierDe(instruction, mots[1], ordonneePage);
    const int largeur = entierDe(instruction, mots[2], largeurLecon);
    c.page.espacesLibres.push_back({x, y, x + largeur, y + hauteurBoutonLien});
}
