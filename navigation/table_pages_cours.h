#pragma once
// What each course page shows: its picture, the exercise its button offers, the shift of its
// picture, and the link frames and buttons drawn over it.

#include <span>

struct TpageCours {
    int code;
    // Two digits of the chapter, "S" or "SF" and the section's number.
    const char* codeImage;
    // The exercise offered by BoutonPourSexercer; 0 for none.
    int exercice;
    // Shifts of the picture, in columns and lines.
    double colonne;
    double ligne;
};

// A click frame over a picture: pixels, 18 high, and the code it leads to.
struct TcadreLienCours {
    int page;
    int x, y, largeur;
    int code;
};

// A button over a picture, 23 pixels high.
struct TboutonLienCours {
    int page;
    int code;
    const char* titre;
    int x, y, largeur;
};

// The row of a page code; null for a code without a picture (headings and unused codes).
const TpageCours* pageCoursIllustree(int code);
std::span<const TcadreLienCours> cadresLiensCours();
std::span<const TboutonLienCours> boutonsLiensCours();
