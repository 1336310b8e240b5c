#pragma once
// The topics of the information window: their sizes and their painting.

#include <span>

#include "exercise/donnees_communes.h"
#include "platform/canevas.h"

// Some codes share a topic: 2575 and 2646 show 2746, 2029, 2522 and 2736 show 2744.
int sujetInfo(int code);
// largeurInfo and hauteurInfo for the topic.
void tailleFenetreInfo(TdonneesCommunes& donnees, int sujet);
// Paints the topic of the window shown.
void dessinerTexteInfo(TdonneesCommunes& donnees, Canevas& canevas);
// Paints the topic of a code: the "Info" frame for codes 2000 and above, then its contents.
void dessinerInfo(TdonneesCommunes& donnees, Canevas& canevas, int code);

// What the topics write: a markup text at a line and a column, fractional or not.
struct TligneInfo {
    double ligne;
    double colonne;
    const char* texte;
};

// The canvas being painted.
extern Canevas* canevasInfo;
// Black, normal, 11 points at x = column × 8 + 10, y = (line − 0.5) × 18.
void ecrireLigneInfo(const std::string& texte, double ligne, double colonne);
void ecrireLignesInfo(std::span<const TligneInfo> lignes);

// The topics themselves.
void dessinerAideExpressions();
void dessinerAPropos();
void dessinerBilan(const TdonneesCommunes& donnees);
void dessinerAideOutils();
void dessinerArrondis();
void dessinerMotsDivision();
void dessinerMotsFraction();
void dessinerDivisibilite();
void dessinerProduitsEnCroix();
void dessinerQuadrilateres();
void dessinerIndicePrix();
void dessinerInegalites();
