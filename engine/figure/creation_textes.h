#pragma once
// Creators of the objects placed by column and line: texts, framed blocks and link zones, posed
// operations and pictures. A column is 8 pixels and is shifted by the surface's column offset; a
// line is 18 pixels. Each is named by a prefix and the index it takes ("texte12", "cadreSt13"),
// and returns the new object, null when the surface is full.

#include <string>

#include "engine/figure/figure.h"
#include "platform/image.h"

// A text in $-markup.
Tobjet* creerTexte(Tfigure& figure, const std::string& texte, TColor couleur, double colonne,
                   double ligne);
// In black, half a line higher, so that the text stands on the line.
Tobjet* creerLigneTexte(Tfigure& figure, const std::string& texte, double colonne, double ligne);
// creerLigneTexte at column 2.
Tobjet* creerLigneTexteMarge(Tfigure& figure, const std::string& texte, double ligne);

// A framed block of style 1..13; width in columns, height in lines.
Tobjet* creerCadre(Tfigure& figure, int style, double colonne, double ligne, double largeur,
                   double hauteur);
Tobjet* creerCadreAction(Tfigure& figure, double ligne, double largeur, double hauteur);
Tobjet* creerCadreEnonce(Tfigure& figure, double largeur, double hauteur);
// A button at pixel (x, y) whatever the column offset, `largeur` pixels wide and 23 high.
Tobjet* creerBoutonLien(Tfigure& figure, int code, const std::string& titre, double x, double y,
                        double largeur);
// A click zone 18 pixels high at pixel (x, y), the column offset not added.
Tobjet* creerZoneLien(Tfigure& figure, int x, int y, int largeur, int code);

// Posed operations, named "opération"+n. Operands are texts of at most 120 characters.
Tobjet* creerDivisionPosee(Tfigure& figure, const std::string& dividende,
                           const std::string& diviseur, int decimales, double colonne,
                           double ligne);
// With the subtraction rows written.
Tobjet* creerDivisionPoseeDetaillee(Tfigure& figure, const std::string& dividende,
                                    const std::string& diviseur, int decimales, double colonne,
                                    double ligne);
// The terms joined by "+".
Tobjet* creerAdditionPosee(Tfigure& figure, const std::string& texte, double colonne,
                           double ligne);
// Two terms joined by "-".
Tobjet* creerSoustractionPosee(Tfigure& figure, const std::string& texte, double colonne,
                               double ligne);
Tobjet* creerMultiplicationPosee(Tfigure& figure, const std::string& facteur1,
                                 const std::string& facteur2, double colonne, double ligne);

// A JPEG picture from the program's folder, named "Image"+n. A file that is missing or cannot
// be decoded leaves an invisible object holding an empty picture, at the same index.
Tobjet* creerImage(Tfigure& figure, const std::string& nomFichier, double colonne, double ligne);
// A picture of the main window, not owned; named "Image_interne"+n or as given.
Tobjet* creerImageInterne(Tfigure& figure, const Image* image, double colonne, double ligne);
Tobjet* creerImageInterneNommee(Tfigure& figure, const std::string& nom, const Image* image,
                                double colonne, double ligne);
