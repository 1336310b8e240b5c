#pragma once
// Tables of cells placed by column and line: their creation, and the writing of their cells
// centred in them.

#include <string>

#include "engine/figure/figure.h"

// A table of at most 5 rows and 16 columns whose body starts at the column (shifted by the
// surface's column offset) and the line; widths and heights are items separated by ";", read as
// numbers with a point or a comma. With headers, the body starts 3.5 columns right and 1.5 lines
// lower, and every row is 1.5 lines high.
Tobjet* creerTableau(Tfigure& figure, const std::string& nom, int rangees, double colonne,
                     double ligne, int colonnes, const std::string& largeurs,
                     const std::string& hauteurs, TColor couleur, bool entetes);
// Every column of one width and every row of one height; colour 0, no headers.
Tobjet* creerTableauUniforme(Tfigure& figure, const std::string& nom, int rangees, double colonne,
                             double ligne, int colonnes, double largeur, double hauteur);
// Writes the first 43 characters of the text in the cell, centred by 0.86 column per character
// given; each leading blank is dropped and pushes the text 0.7 column right. A name that no table
// bears, or a cell outside the table, changes nothing.
void remplirCaseTableau(Tfigure& figure, const std::string& nom, int rangee, int colonne,
                        const std::string& texte, TColor couleur);
// Cells row by row from a text of cells separated by "\"; the last cell takes all that remains.
void completerTableau(Tfigure& figure, const std::string& nom, const std::string& texte);
