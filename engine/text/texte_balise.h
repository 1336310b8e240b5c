#pragma once
// The $-markup renderer: texts of plain characters and "$" codes (colours, styles, superscripts,
// roots, fractions, links, systems) drawn on one line; and the fixed-pitch renderer of the
// formula notation and the posed operations.

#include <string>

#include "platform/canevas.h"

// Style codes of dessinerTexte; any other value is normal.
constexpr int styleNormal = 11;
constexpr int styleItalique = 12;
constexpr int styleGras = 13;
constexpr int styleGrasItalique = 14;

// Set while a nested part (superscript, root, fraction part, system line) is drawn: its minus
// signs were already exchanged by the text around it.
extern bool texteImbrique;
// Set while the two parts of a "$F" fraction are drawn: they keep the font of the text around them.
extern bool partieDeFraction;

// Draws the text with its first character's top-left corner at (round(x), round(y)); x receives
// the pixel position just after the last element drawn. "$L" links register their zones in
// listeZonesCourante while one is published, and are left blank otherwise.
void dessinerTexte(Canevas& canevas, std::string texte, double& x, double y, TColor couleur,
                   int style, int taille);

// A plain run: its width in the canvas font, each "*" counting as three blanks; and its drawing,
// each "*" a drawn multiplication cross.
int largeurSegmentTexte(Canevas& canevas, const std::string& segment);
void dessinerSegmentTexte(Canevas& canevas, int x, int y, const std::string& segment);

// One character per column in 11-point "Courier New". "~" draws the next character in the
// Symbol font and takes no column itself; "*" is a drawn cross. Codes: "$$" new line, "$<" 8
// points, "$N" 11 points and no style, the styles and the colours of the markup ("$P" purple).
void dessinerTexteFixe(Canevas& canevas, const std::string& texte, TColor couleur, double x,
                       double y);
