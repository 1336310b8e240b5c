#include "navigation/imagiciels_construire.h"

#include <cmath>
#include <numbers>
#include <sstream>

#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/objets_par_nom.h"
#include "exercise/placement_figure.h"
#include "navigation/imagiciels_etapes.h"

void ecrireTextesImagiciel(TdonneesCommunes& d, std::span<const TelementTexte> elements)
{
    Tfigure& surface = *d.surfaceImagiciel;
    for (const TelementTexte& e : elements) {
        if (e.texte)
            creerLigneTexteMarge(surface, e.texte, e.ligne);
        else
            creerCadre(surface, 2, 1, e.ligne, e.largeur, e.hauteur);
    }
}

void preparerConstruction(TdonneesCommunes& d, const char* titre, int nbEtapes)
{
    d.titreImagiciel = titre;
    d.nbEtapesImagiciel = nbEtapes;
    placerZone(*d.surfaceFigureImagiciel, 340, 193, 420, 270);
    d.BoutonAvancer->setBounds(680, 150, d.BoutonAvancer->Width(), d.BoutonAvancer->Height());
}

void cacherTextesEtapes(TdonneesCommunes& d)
{
    Tfigure& surface = *d.surfaceImagiciel;
    for (int i = 2; i < surface.nbObjets; ++i) objetAModifier(surface, i)->visible = false;
}

void creerPointsDepart(TdonneesCommunes& d)
{
    for (const TpointDepart& p : pointsDepart(d.imagiciel))
        creerPointNomme(*d.surfaceFigureImagiciel, p.nom, noirImagiciel, p.x, p.y, p.etiquetteX,
                        p.etiquetteY);
}

void cacherObjets(Tfigure& figure, const std::string& noms)
{
    std::istringstream lecture(noms);
    std::string nom;
    while (lecture >> nom) cacherObjet(figure, nom);
}

void creerArcEntre(Tfigure& f, const std::string& nom, const std::string& o, const std::string& p,
                   const std::string& q, double marge)
{
    // Which of P and Q comes first going anticlockwise about O does not change when the points
    // are dragged: the constructions keep their orientation.
    const double ox = abscisse(f, o), oy = ordonnee(f, o);
    const double ap = std::atan2(ordonnee(f, p) - oy, abscisse(f, p) - ox);
    const double aq = std::atan2(ordonnee(f, q) - oy, abscisse(f, q) - ox);
    const bool pDabord = std::remainder(aq - ap, 2 * std::numbers::pi) > 0;
    const std::string debut = nom + "_d", fin = nom + "_f";
    creerImageRotation(f, debut, o, pDabord ? p : q, -marge, 0, 0, noirImagiciel);
    creerImageRotation(f, fin, o, pDabord ? q : p, marge, 0, 0, noirImagiciel);
    cacherObjets(f, debut + " " + fin);
    creerArcCercle(f, nom, o, debut, fin, rougeImagiciel, 1, 1);
}

void creerArcAutour(Tfigure& f, const std::string& nom, const std::string& o, const std::string& p,
                    double marge)
{
    const std::string debut = nom + "_d", fin = nom + "_f";
    creerImageRotation(f, debut, o, p, -marge, 0, 0, noirImagiciel);
    creerImageRotation(f, fin, o, p, marge, 0, 0, noirImagiciel);
    cacherObjets(f, debut + " " + fin);
    creerArcCercle(f, nom, o, debut, fin, rougeImagiciel, 1, 1);
}
