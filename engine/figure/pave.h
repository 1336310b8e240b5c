#pragma once
// A rectangular solid drawn in oblique perspective as a stack of unit cells, each cell of one of
// seven shapes. Vertices of the unit cell are numbered 1..20 and named by the letters "A" to "T".

#include <array>
#include <string>

#include "platform/types.h"

constexpr int sommetsPaveMax = 20;
constexpr int facesPaveMax = 3;
constexpr int aretesPaveMax = 9;

struct TfacePave {
    int nbSommets = 0;
    // Cells alternate between the two colours.
    TColor couleur1 = 0, couleur2 = 0;
    std::array<int, 5> sommets{};
};

struct Tpave {
    // The unit cells drawn: every (x, y, z) within the bounds.
    int zDebut = 0, xDebut = 0, yDebut = 0, zFin = 0, xFin = 0, yFin = 0;
    // 1 and 6 cube (6 shifted by half a unit), 2 half-height block, 3 and 5 prisms, 4 corner piece,
    // 7 wedge; any other nothing.
    int modeleSolide = 0;
    int nbFaces = 0;
    int nbAretes = 0;
    std::array<TfacePave, facesPaveMax + 1> faces{};
    std::array<int, aretesPaveMax + 1> aretesDebut{}, aretesFin{};
    // The projected offset of each vertex of the unit cell, in world units.
    std::array<double, sommetsPaveMax + 1> sommetsX{}, sommetsY{};
    // Where the painter places the vertices of the cell it draws.
    std::array<int, sommetsPaveMax + 1> sommetsPixelX{}, sommetsPixelY{};
};

// "A" is 1.
int indiceLettre(char lettre);
// Edges from a text of letter pairs, at most 9.
void lireAretes(Tpave& pave, const std::string& texte);
// Appends a face of the vertices named in the text (3 or 4) in the colours of the code.
void lireFace(Tpave& pave, const std::string& texte, int codeCouleur);
// The model's edges and faces.
void definirSolide(Tpave& pave);
// The vertex's place in the unit cell, each coordinate 0, ½ or 1; (0, 0, 0) outside 1..16.
void directionsVue(int sommet, double& z, double& x, double& y);
