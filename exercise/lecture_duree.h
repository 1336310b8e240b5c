#pragma once
// A duration typed as hours, minutes and seconds: "1 h 2 min 3 s", "2 min 30", "3 h 55 min".

#include <string>

// secondes and a reading code of exercise/lecture_nombres.h: lectureIncomprise when the text is
// not understood (secondes is then 0), else the code of the last number read.
void lireDuree(const std::string& texte, double& secondes, int& code);
