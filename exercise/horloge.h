#pragma once
// The one countdown clock of the timed series: started, paused and stopped by the exercise cycle,
// advanced by the window's one-second timer, drawn in the statement zone as a yellow box with
// the seconds left.

#include <cstdint>

#include "platform/canevas.h"

struct Thorloge {
    // Drawn in the statement zone.
    bool visible = false;
    // Stopped or paused, the clock neither counts nor finishes.
    bool arrete = true;
    bool enPause = true;
    std::int32_t compteInitial = 0;
    // Ticks to wait before the count starts going down.
    std::int32_t delai = 0;
    // Seconds left: the number shown.
    std::int32_t compte = 0;
    // The box in pixels of the statement text box; its right and bottom are set when drawn.
    std::int32_t gauche = 620, haut = 10;
    std::int32_t droite = 0, bas = 0;
};

// The clock of the run. It is a plain value that lives as long as the program: creating it and
// freeing it only put it in its stopped, hidden start state.
Thorloge& horloge();

void creerHorloge();
void libererHorloge();

void placerHorloge(std::int32_t gauche, std::int32_t haut);
// Running and shown: `delai` ticks without change, then one second less per tick.
void demarrerHorloge(std::int32_t delai, std::int32_t duree);
void arreterHorloge();
// The box stays on screen with the count reached.
void suspendreHorloge();
void tickHorloge();
// Running, and the count is at 0.
bool horlogeTerminee();
void dessinerHorloge(Canevas& canevas);
