#pragma once
// A lesson page laid out, ready to be painted: the surface of its texts, frames, tables and posed
// operations, the surfaces of its figures, and where the picture will stand in the course paint
// box. Positions in the sources are pixels of that paint box, as the window's link frames are;
// the surfaces hold pixels of the picture.

#include <memory>
#include <string>
#include <vector>

#include "cours/page_du_cours.h"
#include "cours/source_lecon.h"
#include "engine/figure/figure.h"
#include "platform/canevas.h"
#include "platform/types.h"

// The course paint box: a picture without shift has its corner at (72, 9), three columns of the
// text column offset 11 in from the left, less five, and half a line down; the box is 763 pixels
// wide.
constexpr int gaucheImageCours = 72;
constexpr int hautImageCours = 9;
constexpr int pixelsParColonneCours = 8;
constexpr int pixelsParLigneCours = 18;
constexpr int largeurZoneCours = 763;
// The size the painter gives the texts of a surface.
constexpr int tailleTexteLecon = 12;

// A figure in its own world units, painted over the page with its box's corner at (x, y) of the
// picture.
struct TfigureLecon {
    std::unique_ptr<Tfigure> surface;
    int x = 0, y = 0;
    // The source lines of the "figure" instruction and of the statement that made each object,
    // by index from 1, for the checks made while painting.
    int ligne = 0;
    std::vector<int> lignes;
};

// A link frame of the window over the page, in pixels of the paint box, and the source line that
// gives it: the window draws its blue line under it, where the picture must be blank but for the
// phrase it underlines, a text object of the page.
struct TcadreLienLecon {
    int x, y, largeur;
    int ligne;
    int phrase = 0;
};

struct TpageLecon {
    std::string titre;
    // The picture's corner in the paint box (the page's shift moves it), and its size.
    int gauche = gaucheImageCours, haut = hautImageCours;
    int largeur = 0, hauteur = 0;
    std::unique_ptr<Tfigure> surface;
    // The source line of the instruction that made each object of the surface, by index from 1.
    std::vector<int> lignes;
    std::vector<TfigureLecon> figures;
    // Rectangles of the paint box where the window puts buttons: nothing may be drawn there.
    std::vector<TRect> espacesLibres;
    std::vector<TcadreLienLecon> cadresLiens;
};

// Lays the lesson out for its page: its title, and its picture where the page's shift puts it;
// texts are measured on the canvas given. An error names the source line.
TpageLecon composerLecon(const std::vector<TinstructionLecon>& instructions,
                         const TpageDuCours& pageDuCours, Canevas& mesure);
