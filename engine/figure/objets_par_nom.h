#pragma once
// Reading and changing objects by name. Each acts on the first object bearing the name; when
// none does, a setter changes nothing and a getter answers its stated value. The point
// operations act on points only and rayonCercle on circles only; on another kind they do
// nothing and answer as for a missing name.

#include <string>

#include "engine/figure/figure.h"

// visible := false / true; the object, or null for a missing name.
Tobjet* cacherObjet(Tfigure& figure, const std::string& nom);
Tobjet* montrerObjet(Tfigure& figure, const std::string& nom);
void rendreFixe(Tfigure& figure, const std::string& nom);
void rendreMobile(Tfigure& figure, const std::string& nom);
// True for a missing name.
bool estIndefini(const Tfigure& figure, const std::string& nom);
// At most 120 characters of the label are kept.
void changerEtiquette(Tfigure& figure, const std::string& nom, const std::string& etiquette);
void changerRemplissage(Tfigure& figure, const std::string& nom, int motif);
void changerTrait(Tfigure& figure, const std::string& nom, int trait);
void changerCouleur(Tfigure& figure, const std::string& nom, TColor couleur);
void changerEpaisseur(Tfigure& figure, const std::string& nom, int epaisseur);
void placerEtiquette(Tfigure& figure, const std::string& nom, double dx, double dy);
void changerModeEtiquette(Tfigure& figure, const std::string& nom, int mode);
// The stored position, defined or not; 0 for a missing name.
double abscisse(const Tfigure& figure, const std::string& nom);
double ordonnee(const Tfigure& figure, const std::string& nom);
// 0 for an undefined circle or a missing name.
double rayonCercle(const Tfigure& figure, const std::string& nom);
// Moves the point (a point on an arc takes x as its angle, a graduated point x rounded as its
// graduation number) and recomputes it and every later object.
void placerPoint(Tfigure& figure, const std::string& nom, double x, double y);
// placerPoint at the position of the second object; (0, 0) when only the second is missing.
void placerPointSur(Tfigure& figure, const std::string& nom, const std::string& nomCible);
