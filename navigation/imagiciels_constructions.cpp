// The step-by-step constructions: every named object the step tables act on, built once, the
// later steps hidden.

#include <cmath>
#include <numbers>
#include <tuple>

#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_marques.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/objets_par_nom.h"
#include "navigation/imagiciels_construire.h"

namespace {

constexpr TColor vert = 0x008000;
constexpr TColor magenta = 0xFF00FF;
constexpr TColor fondLosange = 0xE0FFE0;

// A hidden point at (x, 0): with the origin, it carries a length.
void creerLongueur(Tfigure& f, const std::string& nom, double x)
{
    creerPointSansNom(f, nom, noirImagiciel, x, 0);
    cacherObjet(f, nom);
}

void creerLosange(Tfigure& f, const std::string& sommets)
{
    creerPolygone(f, "losa", sommets, fondLosange);
    changerRemplissage(f, "losa", 1);
}

const TelementTexte textesSymetriquePoint[] = {
    {1.5, "Construire le symétrique du point par rapport à la droite."},
    {3, "1 - On coupe la droite d'un arc de cercle centré sur le point."},
    {4, "2 - Des points obtenus, on trace deux autres arcs de même rayon que le premier."},
    {5, "3 - Ayant construit un losange, on obtient à la fois le symétrique du point par"},
    {6, "     rapport à la droite et la perpendiculaire à la droite passant par le point."},
    {10.3, nullptr, 31, 3.6},
    {11, "Vous pouvez déplacer les points"},
    {12, "bleus et observer la conservation"},
    {13, "de l'orthogonalité."},
    {3.5, invitationImagiciel},
};

const TelementTexte textesMediatrice[] = {
    {1.5, "Construire la médiatrice du segment [AB]."},
    {3, "1 - On trace un arc de cercle de centre A."},
    {4, "2 - On trace un arc de même rayon et de centre B."},
    {5, "3 - On construit de même un autre point équidistant de A et B."},
    {6, "4 - On trace la médiatrice passant par ces deux points."},
    {7, "    La médiatrice coupe [AB] en son milieu et elle est"},
    {8, "    perpendiculaire à la droite (AB)."},
    {3.5, invitationImagiciel},
};

const TelementTexte textesMediatriceLosange[] = {
    {1.5, "Construire la médiatrice du segment."},
    {3, "1 - On trace un arc centré sur une extrémité."},
    {4, "2 - Puis un arc de même rayon centré sur l'autre."},
    {5, "3 - On obtient la médiatrice, ayant construit un losange."},
    {10.3, nullptr, 31, 3.6},
    {11, "Vous pouvez déplacer les points"},
    {12, "bleus et observer la conservation"},
    {13, "du losange."},
    {3.5, invitationImagiciel},
};

const TelementTexte textesBissectrice[] = {
    {1.5, "Construire la bissectrice de l'angle."},
    {3, "1 - On coupe les côtés par un arc de cercle centré sur le sommet."},
    {4, "2 - Des points obtenus, on trace deux autres arcs de même rayon que le premier."},
    {5, "3 - On obtient la bissectrice, ayant construit un losange."},
    {10.3, nullptr, 31, 3.6},
    {11, "Vous pouvez déplacer les points"},
    {12, "bleus et observer la conservation"},
    {13, "de la bissectrice."},
    {3.5, invitationImagiciel},
};

const TelementTexte textesTriangle[] = {
    {1.5, "Construire un triangle ABC avec :  AB = $g6$N cm,  AC = $g5$N cm  et  BC = $g3$N cm."},
    {3, "1 - On trace le côté [AB] de longueur 6 cm."},
    {4, "2 - On trace un arc de cercle de centre A et de rayon AC = 5 cm."},
    {5, "3 - On trace un arc de cercle de centre B et de rayon BC = 3 cm."},
    {6, "4 - On place le point C à l'intersection des deux arcs."},
    {7, "5 - On complète le tracé du triangle ABC."},
    {10.3, nullptr, 31, 6.6},
    {11, "En déplaçant le point B, on peut"},
    {12, "observer que le triangle n'existe pas"},
    {13, "si on a :  AB <= 2  ou  AB >= 8."},
    {14, "La longueur d'un côté doit être"},
    {15, "inférieure à la somme des longueurs"},
    {16, "des deux autres côtés."},
    {3.5, invitationImagiciel},
};

}  // namespace

// The image M of the point A in the line (BC): the arc of centre A cuts the line at F and E;
// arcs of the same radius from F and E meet at M; A F M E is a rhombus.
void preparerImagicielSymetriquePoint(TdonneesCommunes& d)
{
    preparerConstruction(d, "Construction du symétrique (axial) avec un losange", 4);
    Tfigure& f = *d.surfaceFigureImagiciel;
    creerPointsDepart(d);
    // The construction goes by a hidden copy of the line: the line shown is made after the
    // rhombus, which would cover it.
    creerDroite(f, "C", "B", noirImagiciel, 1, 1);
    creerSymetriqueDroite(f, "M", "(CB)", "A", 0.3, -0.3, noirImagiciel);
    creerMilieu(f, "H", "A", "M", 0, 0, noirImagiciel);
    // The radius: one and a half times the distance from the point to the line.
    creerPointSurDroite(f, "R", "A", "M", 0.75, 0, 0, noirImagiciel);
    creerCercle(f, "c0", "A", "R", noirImagiciel, 1, 1);
    creerIntersectionDroiteCercle(f, "F", "(CB)", "c0", 0.3, 0.3, noirImagiciel);
    creerSymetriqueCentral(f, "E", "H", "F", 0.3, 0.3, noirImagiciel);
    creerLosange(f, "A F M E");
    creerDroite(f, "B", "C", noirImagiciel, 1, 1);
    creerDroite(f, "A", "M", magenta, 1, 1);
    creerArcEntre(f, "a1", "A", "F", "E", 12);
    creerArcAutour(f, "a2", "F", "M", 15);
    creerArcAutour(f, "a3", "E", "M", 15);
    cacherObjets(f, "(CB) M H R c0 F E losa (AM) a1 a2 a3");
    ecrireTextesImagiciel(d, textesSymetriquePoint);
    cacherTextesEtapes(d);
}

// The perpendicular bisector of [AB] through two points equidistant from A and B, each from a
// pair of arcs of one radius: M2 (met again as N2 from B) above, P below.
void preparerImagicielMediatrice(TdonneesCommunes& d)
{
    preparerConstruction(d, "Construction de la médiatrice et du milieu d'un segment", 5);
    Tfigure& f = *d.surfaceFigureImagiciel;
    creerPointsDepart(d);
    creerSegment(f, "A", "B", noirImagiciel, 1, 1);
    creerLongueur(f, "r0", 0);
    creerLongueur(f, "r1", 4.2);
    creerLongueur(f, "r2", 3.6);
    for (const char* centre : {"A", "B"}) {
        const std::string c = centre, autre = c == "A" ? "B" : "A";
        reporterLongueur(f, "R1" + c, c, autre, "r0", "r1", 0, 0, noirImagiciel);
        reporterLongueur(f, "R2" + c, c, autre, "r0", "r2", 0, 0, noirImagiciel);
        creerCercle(f, "c1" + c, c, "R1" + c, noirImagiciel, 1, 1);
        creerCercle(f, "c2" + c, c, "R2" + c, noirImagiciel, 1, 1);
        cacherObjets(f, "R1" + c + " R2" + c + " c1" + c + " c2" + c);
    }
    creerIntersectionCercles(f, "M2", "c1A", "c1B", 0.3, 0.3, noirImagiciel);
    creerPointSurDroite(f, "N2", "M2", "B", 0, 0.3, 0.3, noirImagiciel);
    creerIntersectionCercles(f, "P", "c2B", "c2A", 0.3, -0.8, noirImagiciel);
    // The crossings of the arcs show the two points; their names would say nothing to the pupil.
    cacherObjets(f, "M2 N2 P");
    creerArcAutour(f, "a1", "A", "M2", 15);
    creerArcAutour(f, "a2", "B", "N2", 15);
    creerArcAutour(f, "a3", "A", "P", 15);
    creerArcAutour(f, "a4", "B", "P", 15);
    creerSegment(f, "A", "M2", vert, 1, 1);
    creerSegment(f, "B", "N2", vert, 1, 1);
    creerMediatrice(f, "med", "A", "B", bleuImagiciel, 1, 1);
    creerMilieu(f, "m3", "A", "B", 0.3, 0.3, noirImagiciel);
    // The text speaks of the midpoint without naming it.
    changerEtiquette(f, "m3", "");
    // The equal radii of the first pair of arcs, then the equal halves of [AB].
    creerCodageSegment(f, "m1", "A", "M2", 0.25, vert, 2);
    creerCodageSegment(f, "m2", "B", "N2", 0.25, vert, 2);
    creerCodageSegment(f, "m4", "A", "m3", 0.25, bleuImagiciel, 2);
    creerCodageSegment(f, "m5", "m3", "B", 0.25, bleuImagiciel, 2);
    cacherObjets(f, "a1 a2 a3 a4 [AM2] [BN2] med m3 [m1_4m1_7] [m1_5m1_6] [m2_4m2_7] [m2_5m2_6] "
                    "[m4_4m4_7] [m4_5m4_6] [m5_4m5_7] [m5_5m5_6]");
    ecrireTextesImagiciel(d, textesMediatrice);
    cacherTextesEtapes(d);
}

void preparerImagicielMediatriceLosange(TdonneesCommunes& d)
{
    preparerConstruction(d, "Construction de la médiatrice avec un losange", 4);
    Tfigure& f = *d.surfaceFigureImagiciel;
    creerPointsDepart(d);
    creerDroite(f, "A", "B", noirImagiciel, 1, 1);
    creerMilieu(f, "I", "A", "B", 0, 0, noirImagiciel);
    creerPerpendiculaire(f, "med", "I", "(AB)", bleuImagiciel, 1, 1);
    creerPointSurDroite(f, "M0", "A", "B", 1.2, 0, 0, noirImagiciel);
    creerCercle(f, "C1", "A", "M0", noirImagiciel, 1, 1);
    creerIntersectionDroiteCercle(f, "C", "med", "C1", 0, 0, noirImagiciel);
    creerSymetriqueCentral(f, "D", "I", "C", 0, 0, noirImagiciel);
    cacherObjets(f, "(AB) I med M0 C1 C D");
    creerLosange(f, "A C B D");
    creerDroite(f, "C", "D", magenta, 1, 1);
    creerSegment(f, "A", "B", vert, 1, 2);
    creerArcEntre(f, "a1", "A", "C", "D", 10);
    creerArcEntre(f, "a2", "B", "C", "D", 10);
    cacherObjets(f, "losa a1 a2 (CD)");
    ecrireTextesImagiciel(d, textesMediatriceLosange);
    cacherTextesEtapes(d);
}

// The bisector of the angle BAC: M and N on its sides at one distance from A, D the fourth
// vertex of the rhombus A M D N.
void preparerImagicielBissectrice(TdonneesCommunes& d)
{
    preparerConstruction(d, "Construction de la bissectrice avec un losange", 4);
    Tfigure& f = *d.surfaceFigureImagiciel;
    creerPointsDepart(d);
    creerLongueur(f, "r0", 0);
    creerLongueur(f, "r1", 3);
    reporterLongueur(f, "M", "A", "B", "r0", "r1", 0, 0, noirImagiciel);
    reporterLongueur(f, "N", "A", "C", "r0", "r1", 0, 0, noirImagiciel);
    creerQuatriemeSommet(f, "D", "A", "M", "N", 0, 0, noirImagiciel);
    cacherObjets(f, "M N D");
    // The rhombus lies along the sides: made before them, it leaves them over it.
    creerLosange(f, "A M D N");
    creerDemiDroite(f, "A", "B", noirImagiciel, 1, 1);
    creerDemiDroite(f, "A", "C", noirImagiciel, 1, 1);
    creerDemiDroite(f, "A", "D", bleuImagiciel, 1, 2);
    creerArcAutour(f, "a1", "A", "M", 12);
    creerArcAutour(f, "a2", "A", "N", 12);
    creerArcAutour(f, "a3", "M", "D", 15);
    creerArcAutour(f, "a4", "N", "D", 15);
    cacherObjets(f, "losa [AD) a1 a2 a3 a4");
    ecrireTextesImagiciel(d, textesBissectrice);
    cacherTextesEtapes(d);
}

namespace {

// The name of C, on the side where the strokes through C leave the widest gap, at one distance
// from it. While the angle at C is under 100°, on the bisector of its outer angle, where the
// outer halves of the two arcs open a gap of 80° or more; wider, that gap closes (the arcs touch
// at AB = 8) and the name goes between [CA] and the outer half of the arc about A, a right angle
// that nothing else crosses then.
void creerNomDeC(Tfigure& f)
{
    // The points that see [AB] at 100° or more, on C's side, fill a disc whose centre Oc stands
    // below [AB]: Q2 is defined exactly when C lies inside, Q1 exactly when it lies outside (the
    // circle on the diameter [OcC] then meets the disc's circle).
    creerMilieu(f, "Mab", "A", "B", 0, 0, noirImagiciel);
    creerImageRotationHomothetie(f, "Oc", "Mab", "B", -90, std::tan(10 * std::numbers::pi / 180), 0,
                                 0, noirImagiciel);
    creerCercle(f, "cOc", "Oc", "A", noirImagiciel, 1, 1);
    creerDroite(f, "Oc", "C", noirImagiciel, 1, 1);
    creerPerpendiculaire(f, "pC", "C", "(OcC)", noirImagiciel, 1, 1);
    creerIntersectionDroiteCercle(f, "Q2", "pC", "cOc", 0, 0, noirImagiciel);
    creerMilieu(f, "Nc", "Oc", "C", 0, 0, noirImagiciel);
    creerCercle(f, "cNc", "Nc", "C", noirImagiciel, 1, 1);
    creerIntersectionCercles(f, "Q1", "cOc", "cNc", 0, 0, noirImagiciel);
    creerLongueur(f, "rNom", 0.6);
    // Outer bisector: C less the half sum of the unit vectors towards A and B.
    reporterLongueur(f, "Ua", "C", "A", "r0", "r3", 0, 0, noirImagiciel);
    reporterLongueur(f, "Ub", "C", "B", "r0", "r3", 0, 0, noirImagiciel);
    creerMilieu(f, "Uab", "Ua", "Ub", 0, 0, noirImagiciel);
    creerSymetriqueCentral(f, "Xc", "C", "Uab", 0, 0, noirImagiciel);
    reporterLongueur(f, "Cb", "C", "Xc", "r0", "rNom", 0, 0, noirImagiciel);
    // Beside [CA]: 45° from it, away from the triangle.
    reporterLongueur(f, "Ca", "C", "A", "r0", "rNom", 0, 0, noirImagiciel);
    creerImageRotation(f, "Cc", "C", "Ca", -45, 0, 0, noirImagiciel);
    cacherObjets(f, "Mab Oc cOc (OcC) pC Q2 Nc cNc Q1 Ua Ub Uab Xc Cb Ca Cc");
    // The two names, centred on their places, each shown only with its condition.
    for (const auto& [nom, place, condition] :
         {std::tuple{"C1", "Cb", "Q1"}, std::tuple{"C2", "Cc", "Q2"}}) {
        creerPointSurDroite(f, nom, place, condition, 0, -0.56, -0.5, noirImagiciel);
        changerEtiquette(f, nom, "C");
        changerEpaisseur(f, nom, 0);
    }
}

}  // namespace

// The triangle ABC from AB = 6, AC = 5 and BC = 3: B slides along its guide by half units, and
// C, where the two circles meet, has no place when AB < 2 or AB > 8. The arcs are drawn about C,
// so that they meet there wherever B stands, and go with it. Where C has no place, the arcs
// arc1e and arc2e stand instead on C's side of [AB], from the place where the two circles come
// closest, and the pupil sees them miss each other. The lengths AB show their half units.
void preparerImagicielTriangle(TdonneesCommunes& d)
{
    preparerConstruction(d, "Construction d'un triangle connaissant les trois côtés", 6);
    d.chapitreImagiciel = 12;
    Tfigure& f = *d.surfaceFigureImagiciel;
    f.echelle = 30;
    f.origineX = 230;
    calculerFenetre(f);
    creerPointNomme(f, "A", noirImagiciel, -4, -2, -1.2, 0.2);
    creerPointCurseur(f, "B", noirImagiciel, 2, -2, -3, 6, 0.5, 0.3, 0.2);
    creerSegment(f, "A", "B", noirImagiciel, 1, 2);
    // The length of [AB] under it, outside the triangle, clear of the arcs.
    creerCoteLongueur(f, "K", "A", "B", 1, -0.4, 0.2, noirImagiciel);
    creerLongueur(f, "r0", 0);
    creerLongueur(f, "r5", 5);
    creerLongueur(f, "r3", 3);
    reporterLongueur(f, "P5", "A", "B", "r0", "r5", 0, 0, noirImagiciel);
    reporterLongueur(f, "P3", "B", "A", "r0", "r3", 0, 0, noirImagiciel);
    creerCercle(f, "cA", "A", "P5", noirImagiciel, 1, 1);
    creerCercle(f, "cB", "B", "P3", noirImagiciel, 1, 1);
    creerIntersectionCercles(f, "C", "cA", "cB", 0.3, 0.3, noirImagiciel);
    creerImageRotation(f, "A2", "A", "C", -18, 0, 0, noirImagiciel);
    creerImageRotation(f, "A3", "A", "C", 18, 0, 0, noirImagiciel);
    creerImageRotation(f, "B2", "B", "C", -22, 0, 0, noirImagiciel);
    creerImageRotation(f, "B3", "B", "C", 22, 0, 0, noirImagiciel);
    cacherObjets(f, "P5 P3 cA cB A2 A3 B2 B3");
    // C has a place exactly when B lies within 3 of P5. The circle of centre P5 and radius 6,25
    // meets circle B only when B lies 3,25 or more from P5: their common point G is defined
    // exactly where C is not, B moving by half units.
    creerPointSurDroite(f, "P6", "P5", "A", 1.25, 0, 0, noirImagiciel);
    creerCercle(f, "cP", "P5", "P6", noirImagiciel, 1, 1);
    creerIntersectionCercles(f, "G", "cP", "cB", 0, 0, noirImagiciel);
    // P5 again, defined only with G; from it the middles of the arcs: 18 degrees round circle A
    // towards C's side, and the point of circle B towards that one.
    creerPointSurDroite(f, "P5e", "P5", "G", 0, 0, 0, noirImagiciel);
    creerImageRotation(f, "M5", "A", "P5e", 18, 0, 0, noirImagiciel);
    reporterLongueur(f, "M3", "B", "M5", "r0", "r3", 0, 0, noirImagiciel);
    cacherObjets(f, "P6 cP G P5e M5 M3");
    creerArcAutour(f, "arc1e", "A", "M5", 18);
    creerArcAutour(f, "arc2e", "B", "M3", 22);
    creerArcCercle(f, "arc1", "A", "A2", "A3", rougeImagiciel, 1, 1);
    creerArcCercle(f, "arc2", "B", "B2", "B3", rougeImagiciel, 1, 1);
    creerSegment(f, "A", "A3", vert, 1, 1);
    creerSegment(f, "B", "B3", vert, 1, 1);
    // The radii's lengths on their outer sides.
    creerCoteLongueur(f, "I", "A", "A3", 0, -1.4, -0.95, vert);
    creerCoteLongueur(f, "J", "B", "B3", 0, -1.1, 0, vert);
    creerSegment(f, "A", "C", noirImagiciel, 1, 2);
    creerSegment(f, "B", "C", noirImagiciel, 1, 2);
    creerCoteLongueur(f, "K2", "A", "B", 1, -0.4, 0.2, noirImagiciel);
    changerEtiquette(f, "C", "");
    creerNomDeC(f);
    cacherObjets(f, "arc1 arc2 arc1e arc2e [AA3] [BB3] I J C C1 C2 [AC] [BC] K2");
    ecrireTextesImagiciel(d, textesTriangle);
    cacherTextesEtapes(d);
}
