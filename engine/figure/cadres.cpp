#include <array>
#include <string>

#include "engine/figure/cadres.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"
#include "engine/text/zones_liens.h"

namespace {

constexpr TColor blanc = 0xFFFFFF;
constexpr TColor noir = 0x000000;
constexpr TColor orangePropriete = 0x0579FA;
constexpr TColor bleuEnonce = 0xB36600;
constexpr TColor vertCours = 0x8CB92F;
constexpr TColor bleuAction = 0xF6B200;
constexpr TColor vertAide = 0xE0FFE0;
constexpr TColor gris = 0xC0C0C0;
constexpr TColor vertLien = 0x008000;
constexpr TColor bleuLien = 0xFF0000;
// The height of a line of text, which a link's zone covers.
constexpr int hauteurLien = 18;
// A link's zone runs on a little after its text.
constexpr int margeLien = 10;

// The drawing of a style, in pixels: position, width and height of the block.
using TdessinCadre = void (*)(Canevas& canevas, double x, double y, double w, double h);

// A white box with a shadow, 8 pixels lower, and its coloured heading tab.
void boiteAOnglet(Canevas& k, TColor couleur, double finOnglet, double basOnglet, double x,
                  double y, double w, double h)
{
    tracerCadreOmbre(k, blanc, couleur, x, y + 8, x + w, y + 8 + h);
    remplirRectangle(k, couleur, x, y - 1, x + finOnglet, y + basOnglet);
}

void cadrePropriete(Canevas& k, double x, double y, double w, double h)
{
    boiteAOnglet(k, orangePropriete, 88, 20, x, y, w, h);
}

void cadreSimple(Canevas& k, double x, double y, double w, double h)
{
    tracerCadreOmbre(k, blanc, orangePropriete, x, y, x + w, y + h);
}

void cadreTrait(Canevas& k, double x, double y, double w, double h)
{
    tracerRectangle(k, 1, noir, x, y, x + w, y + h);
}

void boutonExercices(Canevas& k, double x, double y, double w, double h)
{
    tracerCadreOmbre(k, bleuEnonce, noir, x, y, x + w, y + h);
}

void cadreEnonce(Canevas& k, double x, double y, double w, double h)
{
    boiteAOnglet(k, bleuEnonce, 71, 21, x, y, w, h);
}

void boutonCours(Canevas& k, double x, double y, double w, double h)
{
    tracerCadreOmbre(k, vertCours, noir, x, y, x + w, y + h);
}

void ligneLien(Canevas& k, double x, double y, double w, double)
{
    tracerSegment(k, bleuLien, 1, x, y, x + w, y, 2);
}

void cadreAction(Canevas& k, double x, double y, double w, double h)
{
    boiteAOnglet(k, bleuAction, 68, 20, x, y, w, h);
}

// Two black rounded outlines a little right and down for the relief, the blue button over them.
void boutonArrondi(Canevas& k, double x, double y, double w, double h)
{
    tracerRectangleArrondi(k, 2, noir, x + 2, y + 1, x + w + 2, y + h + 2);
    tracerRectangleArrondi(k, 2, noir, x + 1, y, x + w + 1, y + h + 1);
    remplirRectangleArrondi(k, bleuAction, x, y - 1, x + w, y + h);
    tracerRectangleArrondi(k, 1, noir, x, y - 1, x + w, y + h);
}

void boutonAide(Canevas& k, double x, double y, double w, double h)
{
    tracerCadreOmbre(k, vertAide, noir, x, y, x + w, y + h);
}

void cadreGris(Canevas& k, double x, double y, double w, double h)
{
    remplirRectangle(k, gris, x, y, x + w, y + h);
    tracerRectangle(k, 3, noir, x, y, x + w, y + h);
}

// A heading text: the fixed text, or the block's title between a prefix and a suffix; its colour,
// size and position from the block's corner.
struct TenteteCadre {
    const char* prefixe;
    bool titre;
    const char* suffixe;
    TColor couleur;
    int taille;
    double dx, dy;
};

// The link zone of a block: none, its text line up to a little after the text, the block itself,
// or the block's height above it (the block being a line).
enum class TzoneCadre { aucune, texte, boite, dessus };

struct TstyleCadre {
    TdessinCadre dessin;
    int nbEntetes;
    std::array<TenteteCadre, 2> entetes;
    TzoneCadre zone;
};

constexpr int styleCadreMax = 13;

// Styles 1..13.
const std::array<TstyleCadre, styleCadreMax + 1> stylesCadres = {{
    {nullptr, 0, {}, TzoneCadre::aucune},
    {cadrePropriete, 1, {{{"$g$HPropriété", false, "", blanc, 12, 8, -1}}}, TzoneCadre::aucune},
    {cadreSimple, 0, {}, TzoneCadre::aucune},
    {cadreTrait, 0, {}, TzoneCadre::aucune},
    {nullptr, 1, {{{"$gVoir aussi : ", true, ".", vertLien, 11, 0, 0}}}, TzoneCadre::texte},
    {boutonExercices,
     2,
     {{{"$g$HPour", false, "", blanc, 12, 25, 4}, {"$g$Hs'exercer", false, "", blanc, 12, 5, 22}}},
     TzoneCadre::boite},
    {cadreEnonce, 1, {{{"$g$HÉnoncé", false, "", blanc, 11, 8, 1}}}, TzoneCadre::aucune},
    {boutonCours,
     2,
     {{{"$g$HRevoir", false, "", blanc, 12, 15, 4}, {"$g$Hle cours", false, "", blanc, 12, 10, 22}}},
     TzoneCadre::boite},
    {ligneLien, 0, {}, TzoneCadre::dessus},
    {nullptr, 1, {{{"$S", true, "", bleuLien, 11, 0, 0}}}, TzoneCadre::texte},
    {cadreAction, 1, {{{"$g$HAction", false, "", blanc, 12, 8, -1}}}, TzoneCadre::aucune},
    {boutonArrondi, 1, {{{"$g$H", true, "", blanc, 11, 6, 1}}}, TzoneCadre::boite},
    {boutonAide, 1, {{{"$g$H?", false, "", noir, 12, 5, 2}}}, TzoneCadre::boite},
    {cadreGris, 0, {}, TzoneCadre::aucune},
}};

void enregistrerZone(const Tcadre& c, TzoneCadre zone, double finTexte)
{
    // A block without a link takes no zone: a zone of code 0 would use up one of the twenty and
    // hide the links drawn over the block.
    if (zone == TzoneCadre::aucune || c.codeLien == 0 || !listeZonesCourante) return;
    const double droite = c.x + c.largeur, bas = c.y + c.hauteur;
    struct {
        double gauche, haut, droite, bas;
    } r{c.x, c.y, droite, bas};
    if (zone == TzoneCadre::texte) r = {c.x, c.y, finTexte + margeLien, c.y + hauteurLien};
    if (zone == TzoneCadre::dessus) r = {c.x, c.y - c.hauteur, droite, c.y};
    ajouterZoneLien(*listeZonesCourante, c.codeLien, arrondi(r.gauche), arrondi(r.haut),
                    arrondi(r.droite), arrondi(r.bas));
}

} // namespace

void dessinerCadre(Tfigure& figure, Canevas& canevas, int i)
{
    const Tobjet* o = objetDIndice(figure, i);
    const Tcadre* c = o ? std::get_if<Tcadre>(&o->donnees) : nullptr;
    if (!c || c->style < 1 || c->style > styleCadreMax) return;
    const TstyleCadre& style = stylesCadres[static_cast<std::size_t>(c->style)];
    if (style.dessin) style.dessin(canevas, c->x, c->y, c->largeur, c->hauteur);
    double fin = c->x;
    for (int e = 0; e < style.nbEntetes; ++e) {
        const TenteteCadre& t = style.entetes[static_cast<std::size_t>(e)];
        std::string texte = t.prefixe;
        if (t.titre) texte += c->titre;
        texte += t.suffixe;
        fin = c->x + t.dx;
        dessinerTexte(canevas, texte, fin, c->y + t.dy, t.couleur, styleNormal, t.taille);
    }
    enregistrerZone(*c, style.zone, fin);
}
