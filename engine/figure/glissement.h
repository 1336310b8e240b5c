#pragma once
// What lasts one drag: the objects that move with the held one, and the still parts of the
// figure painted once into two layers, so that each step paints only what moves between them.
// The record lives in the surface from the grab to the release, which drops it whole. Whatever
// else changes the figure meanwhile drops the layers (objetAModifier): the next paint paints them
// again, and takes the objects appended meanwhile into the moving set.
//
// Layered paint, in the order of a full paint: the lower layer (background, instruments, grid and
// axes, the still objects before the first moving one that is not a point); then every object
// that is not a point from that one on; then the upper layer (the still points before the first
// moving point); then every point from that one on. When an instrument is held, the lower layer
// is the background, the instruments are drawn over it, and the upper layer holds all the rest.

#include <memory>
#include <vector>

#include "engine/text/zones_liens.h"
#include "platform/calque.h"

struct Tfigure;

struct Tglissement {
    bool outilSaisi = false;
    // By object index: it moves with the held object.
    std::vector<bool> mobiles;
    // The first moving object that is not a point, and the first moving point; past the last
    // object when there is none.
    int premierMobile = 0;
    int premierPointMobile = 0;
    // The table the moving set was made from.
    int nbObjets = 0;
    std::unique_ptr<Calque> dessous, dessus;
    // Cleared by any change to the figure, even one made while the layers are being painted.
    bool calquesAJour = false;
    // The link zones the layers registered when painted.
    TlisteZonesLiens zonesDessous, zonesDessus;
};

// At the grab: the moving set, in one pass over the table, parents coming before their
// dependants; polygon vertices and the points a label reads by name count as parents.
void commencerGlissement(Tfigure& figure);
// The layers no longer show the figure: the next paint paints them again.
void oublierCalques(Tglissement& glissement);
