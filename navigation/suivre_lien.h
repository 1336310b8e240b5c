#pragma once
// Following a link: the code in codeLien becomes the calculator, an information topic, an
// animation, an exercise shown in the menu, or a course page.

#include "exercise/donnees_communes.h"

void suivreLien(TdonneesCommunes& donnees);
