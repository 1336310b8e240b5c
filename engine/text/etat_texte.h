#pragma once
// What one call of the markup renderer keeps while it reads its text, shared by the files that
// hold its codes.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/canevas.h"

struct TetatTexte {
    Canevas& canevas;
    // The text after its substitutions, read from `position` on.
    std::string texte;
    std::size_t position = 0;
    // The pen: x after the last element drawn, y the top of the text line.
    int x = 0;
    int y = 0;
    TColor couleur = 0;
    int style = 0;
    int taille = 0;
    // How many nested parts hold this one.
    int profondeur = 0;

    // The part up to the terminator, which is consumed; the rest of the text when there is none.
    std::string lireJusqua(std::string_view terminateur);
    // The part up to the next "$", which is left for the main loop.
    std::string lireAvantCode();
};

// A code's action; the letter tells apart the codes that share one.
using TactionCode = void (*)(TetatTexte& etat, char lettre);

// The action of a code letter; null for a letter that draws nothing.
TactionCode actionDuCode(char lettre);

void codeRacine(TetatTexte& etat, char lettre);
void codeFraction(TetatTexte& etat, char lettre);
void codeFractionComposee(TetatTexte& etat, char lettre);
void codeLien(TetatTexte& etat, char lettre);
void codeSysteme(TetatTexte& etat, char lettre);

// The signs of the markup written as codes, then (top-level texts only) the drawn minus for "-"
// and the hyphen for "$-".
void substituerSignes(std::string& texte);
void echangerMoins(std::string& texte);

// Raises a flag for the life of a nested drawing and gives it back its value afterwards.
class TdrapeauLeve {
public:
    explicit TdrapeauLeve(bool& drapeau) : drapeau_(drapeau), ancien_(drapeau) { drapeau_ = true; }
    ~TdrapeauLeve() { drapeau_ = ancien_; }
    TdrapeauLeve(const TdrapeauLeve&) = delete;
    TdrapeauLeve& operator=(const TdrapeauLeve&) = delete;

private:
    bool& drapeau_;
    bool ancien_;
};

// e: half the character height of the canvas font, in pixels.
int demiHauteur(const Canevas& canevas);
// Font sizes stay in a range the platform can draw.
int tailleBornee(long long taille);
// A pen coordinate moved by d, kept within the range of pixel coordinates.
int decaler(int v, long long d);

// Draws a part nested in the text (texteImbrique set) with the text's colour, style code and
// size; gives where it ends. Beyond a few levels of nesting the part is left out.
double dessinerPartie(TetatTexte& etat, const std::string& partie, double x, double y);
