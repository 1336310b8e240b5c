#pragma once
// The pictures of the main window, made by the build from the program's own vector drawings at the
// size each takes on screen: result pictures, the welcome screen's pictures and the calculator.

#include "platform/qt/image_qt.h"

struct Illustrations {
    Illustrations();

    ImageQt ImageExacte;
    ImageQt ImageAcceptee;
    ImageQt ImageFausse;
    ImageQt ImageIncorrecte;
    ImageQt ImageCMincorrect;
    ImageQt ImageDepasse;
    ImageQt ImageSolution;
    ImageQt fondAccueil;
    ImageQt garcon1;
    ImageQt garcon2;
    ImageQt AproposActif;
    ImageQt AproposNonActif;
    ImageQt EntreeActif;
    ImageQt EntreeNonActif;
    ImageQt QuitterActif;
    ImageQt QuitterNonActif;
    ImageQt ImageCalculatrice;
};
