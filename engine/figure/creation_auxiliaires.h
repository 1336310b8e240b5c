#pragma once
// The hidden auxiliary points of the composite constructions: black, label offset (0, 0), hidden
// once made. They still count among the surface's objects.

#include <string>

#include "engine/figure/figure.h"

// The prefix followed by "_" and the number.
std::string nomAuxiliaire(const std::string& prefixe, int numero);
// Hides the object just made; null stays null.
Tobjet* cacher(Tobjet* objet);
// Two free points at (0, 0) and (longueur, 0), named prefix_a and prefix_b: together they carry a
// length for reporterLongueur.
void creerLongueurAuxiliaire(Tfigure& figure, const std::string& prefixe, int a, int b,
                             double longueur);
// prefix_numero := the point of [O P) at the distance held by prefix_a, prefix_b.
void reporterAuxiliaire(Tfigure& figure, const std::string& prefixe, int numero,
                        const std::string& o, const std::string& p, int a, int b);
