#pragma once
// The state of a lesson being laid out, shared by the files that place its instructions: the pen,
// the margins and what is already written, that nothing new may cover.

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "cours/page_lecon.h"

// A text line is 20 pixels high.
constexpr double pasLigne = 20;

// The numbers of the page's instructions, in pixels of the paint box.
constexpr int hauteurSurface = 4000;
constexpr TnombreLecon abscissePage{"l'abscisse", 0, largeurZoneCours};
constexpr TnombreLecon ordonneePage{"l'ordonnée", 0, hauteurSurface};
constexpr TnombreLecon largeurLecon{"la largeur", 1, largeurZoneCours};

// A rectangle of the paint box that a text, a drawing or a closed block takes, and the line that
// placed it.
struct Tplace {
    double gauche, haut, droite, bas;
    std::string quoi;
    int ligne = 0;
};

struct Tcomposition {
    const std::vector<TinstructionLecon>& instructions;
    const TpageDuCours& pageDuCours;
    Canevas& mesure;
    TpageLecon page;
    std::size_t suivante = 0;
    // Pixels of the paint box: the top of the next line, the left of texts, the right of texts
    // and blocks, and the lowest pixel drawn so far.
    double plume = 0;
    double marge = 0;
    double bord = 0;
    double bas = 0;
    // Where the page or the block the pen is in begins and ends: nothing is drawn left of
    // `gauche`, right of `droite` or above `haut` (below the title's rule once it is written);
    // a link's line may stand beside the title, from `hautTitre` down.
    double gauche = 0, droite = 0, haut = 0, hautTitre = 0;
    int nbAuxiliaires = 0;
    int profondeur = 0;
    // What is already written, that a new text must not cover.
    std::vector<Tplace> places;
};

inline Tfigure& surface(Tcomposition& c) { return *c.page.surface; }

// The objects made since the last call come from this line of the source.
void noterLigne(std::vector<int>& lignes, const Tfigure& f, int ligne);
// Column and line of the text engine for a pixel of the paint box.
double colonne(const Tcomposition& c, double x);
double ligne(const Tcomposition& c, double y);
void descendre(Tcomposition& c, double y);
// The object just made, or the instruction's error when the page could hold no more.
Tobjet* exigerObjet(const TinstructionLecon& instruction, Tobjet* objet);
double largeurTexte(Tcomposition& c, const std::string& texte);
// Takes the place, unless something written there already; a block or a table is checked
// against what was written before it was opened, not against its own contents.
void occuper(Tcomposition& c, const Tplace& place, std::size_t avant = std::numeric_limits<std::size_t>::max());
// Writes a line of text at (x, y) of the paint box, within the block and over nothing.
void ecrire(Tcomposition& c, const TinstructionLecon& instruction, const std::string& texte, double x, double y);
// Refuses a drawing of the instruction from `gauche` to `droite` that begins left of its page or
// block, or ends right of `limite`.
void verifierLargeur(const Tcomposition& c, const TinstructionLecon& instruction, const std::string& quoi,
                     double gauche, double droite, double limite);
// Refuses what would stand at y, above `haut`: the page under its title or beside it, or the
// block the pen is in.
void verifierHaut(const Tcomposition& c, const TinstructionLecon& instruction, const std::string& quoi, double y,
                  double haut);
// The text without its outer blanks, TABs among them.
std::string sansBlancsAutour(const std::string& texte);
// The pieces of a text between the separators, without their outer blanks.
std::vector<std::string> morceauxSepares(const std::string& texte, char separateur);

void composerLien(Tcomposition& c, const TinstructionLecon& instruction);
void composerBouton(Tcomposition& c, const TinstructionLecon& instruction);
void composerOperation(Tcomposition& c, const TinstructionLecon& instruction);
