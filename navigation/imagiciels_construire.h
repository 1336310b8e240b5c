#pragma once
// What the builders of the animations share: their texts, their figure zone and the arcs of the
// constructions.

#include <span>
#include <string>

#include "exercise/donnees_communes.h"

// One object of the text surface: a text line at column 2, or, without a text, a framed block
// of style 2 at column 1 of that width and height.
struct TelementTexte {
    double ligne;
    const char* texte;
    double largeur = 0;
    double hauteur = 0;
};

// The last line of every stepped animation.
inline constexpr const char* invitationImagiciel =
    "Cliquer sur le bouton \"$gSuite$N\" pour commencer le déroulement de la construction.";

constexpr TColor noirImagiciel = 0x000000;
constexpr TColor bleuImagiciel = 0xFF0000;
constexpr TColor rougeImagiciel = 0x0000FF;

// Writes the elements on surfaceImagiciel in their order, so that they take the names "texte"
// or "cadreSt" followed by their rank.
void ecrireTextesImagiciel(TdonneesCommunes& donnees, std::span<const TelementTexte> elements);
// The title, the number of steps, the figure zone of the constructions and BoutonAvancer.
void preparerConstruction(TdonneesCommunes& donnees, const char* titre, int nbEtapes);
// Every text line but the first and the last hidden, as a construction starts.
void cacherTextesEtapes(TdonneesCommunes& donnees);
// The points of the animation at their starting places, black, named where their table says.
void creerPointsDepart(TdonneesCommunes& donnees);
// Hides the objects of the list (names separated by blanks).
void cacherObjets(Tfigure& figure, const std::string& noms);
// The construction arc of centre O through P and Q (both at the same distance from O), the short
// way round, `marge` degrees beyond each; its two ends are hidden points nom_d and nom_f.
void creerArcEntre(Tfigure& figure, const std::string& nom, const std::string& o,
                   const std::string& p, const std::string& q, double marge);
// The arc of centre O around P, `marge` degrees on each side.
void creerArcAutour(Tfigure& figure, const std::string& nom, const std::string& o,
                    const std::string& p, double marge);

// The builders. The two diagrams share one: 0 the half disc, 1 the full disc.
void preparerImagicielDiagramme(TdonneesCommunes& donnees, int disque);
void preparerImagicielSymetrie(TdonneesCommunes& donnees);
void preparerImagicielPave(TdonneesCommunes& donnees);
void preparerImagicielSymetriquePoint(TdonneesCommunes& donnees);
void preparerImagicielMediatrice(TdonneesCommunes& donnees);
void preparerImagicielMediatriceLosange(TdonneesCommunes& donnees);
void preparerImagicielBissectrice(TdonneesCommunes& donnees);
void preparerImagicielTriangle(TdonneesCommunes& donnees);
