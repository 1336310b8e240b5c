#pragma once
// The information window: vocabulary entries, notes, the typing and tool help, the score summary
// and the About text, in a small borderless window beside the mouse, closed by the next click or
// Escape. Entries that a course page or an animation explains open that instead.

#include <memory>

#include "exercise/donnees_communes.h"
#include "platform/fenetre_info.h"

struct TInfoObj {
    std::unique_ptr<FenetreInfo> fenetre;
    // The topic code shown.
    int sujet = 0;
    // The mouse in screen pixels when the window was asked for.
    int xSouris = 0, ySouris = 0;
    TRect rectBureau;
    // The window fits on that side of the mouse.
    bool placeDroite = false, placeGauche = false, placeDessus = false, placeDessous = false;
};

// The single window; null when there is none.
extern std::unique_ptr<TInfoObj> InfoObj;
extern bool infoAffichee;

// Opens the course page or the animation of the code, or shows its topic in the window. Codes
// 1990 and above.
void afficherInfo(TdonneesCommunes& donnees, int code);
// Called when the window asks to be closed, and before any other click of the main window.
void fermerInfo();

// Places the window of the record's size (W × H) by the sides of the mouse that have room on the
// desktop: right, else left, else centred; below, else above, else centred; (20, 20) when no side
// has room. Sets the four place flags.
TPoint placerFenetreInfo(TInfoObj& info, int largeur, int hauteur);
