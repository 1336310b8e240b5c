#pragma once
// PROVISOIRE
#include "platform/canevas.h"
struct Thorloge {
    bool visible = false;
    bool arrete = true;
    bool enPause = true;
    int compteInitial = 0, delai = 0, compte = 0;
    int gauche = 620, haut = 10, droite = 0, bas = 0;
};
Thorloge& horloge();
void tickHorloge();
bool horlogeTerminee();
void dessinerHorloge(Canevas& canevas);
