#pragma once
// Rectangle tests and the few system services the engine calls: mouse pointer, message box,
// beep, documents. They go through the installed platform.

#include <string>

#include "platform/types.h"

// Strict tests: a point on the border is outside.
bool pointDansRectangle(int x, int y, const TRect& r);
bool pointDansCadre(int x, int y, int gauche, int droite, int haut, int bas);

bool positionCurseur(TPoint& point);
void afficherMessage(const std::string& texte, const std::string& titre);
void bip();
bool ouvrirDocument(const std::string& fichier);
std::string repertoireSysteme();
