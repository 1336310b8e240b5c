#include <algorithm>
#include <array>

#include "engine/figure/cadres.h"
#include "engine/figure/peinture.h"
#include "engine/text/division_posee.h"
#include "engine/text/formule.h"
#include "engine/text/operations_posees.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"
#include "engine/text/zones_liens.h"

namespace {

constexpr int tailleTexte = 12;
constexpr int tailleFormule = 11;
constexpr double echelleDivision = 1.2;
// A fill motif of an arc that makes it a chord rather than a sector.
constexpr int motifCorde = 8;

// The filled square marker, then the label.
void dessinerPoint(Tfigure& f, Canevas& canevas, int i)
{
    Tobjet& o = *f.objets[i];
    Tpoint& p = *o.point;
    f.dernierPointHorsFenetre = p.x < f.xMin || p.x > f.xMax || p.y < f.yMin || p.y > f.yMax;
    p.pixelX = versPixelX(f, p.x);
    p.pixelY = versPixelY(f, p.y);
    if (o.epaisseur > 0) {
        const int h = o.epaisseur / 2;
        remplirRectangle(canevas, o.couleur, p.pixelX + 1 - h, p.pixelY + 1 - h,
                         p.pixelX + 1 + h, p.pixelY + 1 + h);
    }
    ecrireTexteMonde(f, canevas, texteEtiquette(f, o), p.tailleEtiquette, p.x, p.y,
                     p.decalageEtiquetteX, p.decalageEtiquetteY, o.couleur);
}

void dessinerSegmentObjet(Tfigure& f, Canevas& canevas, int i)
{
    Tobjet& o = *f.objets[i];
    const Tsegment& s = o.donneesDe<Tsegment>();
    tracerLigneMonde(f, canevas, o.couleur, o.trait, s.xA, s.yA, s.xB, s.yB, o.epaisseur);
}

// A line or a half-line: its point and direction, drawn across the window by the tracer.
template <auto tracer>
void dessinerDroite(Tfigure& f, Canevas& canevas, int i)
{
    const Tobjet& o = *f.objets[i];
    const Tdroite& d = o.donneesDe<Tdroite>();
    tracer(f, canevas, o.couleur, o.trait, d.x, d.y, d.dx, d.dy, o.epaisseur);
}

void dessinerCercle(Tfigure& f, Canevas& canevas, int i)
{
    Tobjet& o = *f.objets[i];
    const Tcercle& c = o.donneesDe<Tcercle>();
    const int gauche = versPixelX(f, c.gauche), haut = versPixelY(f, c.haut);
    const int droite = versPixelX(f, c.droite), bas = versPixelY(f, c.bas);
    if (o.remplissage == 0)
        tracerEllipse(canevas, o.couleur, o.trait, gauche, haut, droite, bas, o.epaisseur);
    else
        remplirEllipse(canevas, o.remplissage, o.couleur, gauche, haut, droite, bas);
}

// Drawn anticlockwise on the screen from its start to its end, as the construction gives them.
void dessinerArc(Tfigure& f, Canevas& canevas, int i)
{
    Tobjet& o = *f.objets[i];
    const Tarc& a = o.donneesDe<Tarc>();
    const int gauche = versPixelX(f, a.gauche), haut = versPixelY(f, a.haut);
    const int droite = versPixelX(f, a.droite), bas = versPixelY(f, a.bas);
    const int xP = versPixelX(f, a.xP), yP = versPixelY(f, a.yP);
    const int xQ = versPixelX(f, a.xQ), yQ = versPixelY(f, a.yQ);
    if (o.remplissage == 0)
        tracerArc(canevas, o.couleur, o.trait, gauche, haut, droite, bas, xP, yP, xQ, yQ,
                  o.epaisseur);
    else if (o.remplissage == motifCorde)
        remplirCorde(canevas, 1, o.couleur, gauche, haut, droite, bas, xP, yP, xQ, yQ);
    else
        remplirSecteur(canevas, o.remplissage, o.couleur, gauche, haut, droite, bas, xP, yP, xQ,
                       yQ);
}

// The renderer gives back where the text ended; a formula is drawn in the canvas's font.
void dessinerTexteObjet(Tfigure& f, Canevas& canevas, int i)
{
    Tobjet& o = *f.objets[i];
    Ttexte& t = o.donneesDe<Ttexte>();
    if (!t.affiche) return;
    t.xFin = t.x;
    if (!t.formule) {
        dessinerTexte(canevas, t.texte, t.xFin, t.y, o.couleur, styleNormal, tailleTexte);
        return;
    }
    canevas.Font.Color = o.couleur;
    canevas.Font.Size = tailleFormule;
    canevas.FondTransparent = true;
    dessinerFormule(canevas, t.texte, t.x, t.y);
}

void poserDivision(Canevas& canevas, const Toperation& op)
{
    const auto decimales = static_cast<std::uint8_t>(std::clamp(op.decimales, 0, 255));
    dessinerDivisionPosee(canevas, op.operande1, op.operande2, echelleDivision, op.y, op.x,
                          op.detaillee, decimales);
}

void poserAddition(Canevas& canevas, const Toperation& op)
{
    dessinerAdditionPosee(canevas, op.operande1, op.x, op.y);
}

void poserSoustraction(Canevas& canevas, const Toperation& op)
{
    dessinerSoustractionPosee(canevas, op.operande1, op.x, op.y);
}

void poserMultiplication(Canevas& canevas, const Toperation& op)
{
    dessinerMultiplicationPosee(canevas, op.operande1, op.operande2, op.x, op.y);
}

// By operation number 1..4; other numbers draw nothing.
constexpr std::array<void (*)(Canevas&, const Toperation&), 5> operationsPosees = {
    nullptr, poserDivision, poserAddition, poserSoustraction, poserMultiplication};

void dessinerOperation(Tfigure& f, Canevas& canevas, int i)
{
    Tobjet& o = *f.objets[i];
    const Toperation& op = o.donneesDe<Toperation>();
    if (op.operation < 1 || op.operation >= static_cast<int>(operationsPosees.size())) return;
    operationsPosees[static_cast<std::size_t>(op.operation)](canevas, op);
}

// Its sides, the closing one left out when the polygon is open; or its surface when it has a
// fill motif.
void dessinerPolygone(Tfigure& f, Canevas& canevas, int i)
{
    Tobjet& o = *f.objets[i];
    if (o.remplissage != 0) {
        dessinerPolygonePlein(f, canevas, i);
        return;
    }
    const Tpolygone& p = o.donneesDe<Tpolygone>();
    const int n = std::clamp(p.nbSommets, 0, nbSommetsMax);
    const int cotes = p.ouvert ? n - 1 : n;
    for (std::size_t k = 1; static_cast<int>(k) <= cotes; ++k)
        tracerLigneMonde(f, canevas, o.couleur, o.trait, p.x[k], p.y[k], p.x[k + 1], p.y[k + 1],
                         o.epaisseur);
}

void dessinerImage(Tfigure& f, Canevas& canevas, int i)
{
    Tobjet& o = *f.objets[i];
    const Timage& im = o.donneesDe<Timage>();
    if (im.image) canevas.Draw(arrondi(im.x), arrondi(im.y), *im.image);
}

// A picture of the window, clickable when it carries a link code.
void dessinerImageInterne(Tfigure& f, Canevas& canevas, int i)
{
    Tobjet& o = *f.objets[i];
    const TimageInterne& im = o.donneesDe<TimageInterne>();
    if (!im.image) return;
    const int x = arrondi(im.x), y = arrondi(im.y);
    canevas.Draw(x, y, *im.image);
    if (im.codeLien != 0 && listeZonesCourante)
        ajouterZoneLien(*listeZonesCourante, im.codeLien, x, y, x + im.image->Width(),
                        y + im.image->Height());
}

void dessinerTableauObjet(Tfigure& f, Canevas& canevas, int i)
{
    const Tobjet& o = *f.objets[i];
    dessinerTableau(canevas, o.donneesDe<Ttableau>(), o.couleur);
}

// Whatever object carries the class, the surface's own checkerboard or diagram is drawn.
void dessinerDamierObjet(Tfigure& f, Canevas& canevas, int)
{
    dessinerDamier(f, canevas);
}

void dessinerDiagrammeObjet(Tfigure& f, Canevas& canevas, int)
{
    dessinerDiagramme(f, canevas);
}

using TdessinObjet = void (*)(Tfigure& figure, Canevas& canevas, int i);

struct TdessinClasse {
    TclasseAffichage classe;
    TdessinObjet dessin;
};

// What draws each display class; 0, 6 and any other draw nothing.
constexpr TdessinClasse dessinsClasses[] = {
    {affPoint, dessinerPoint},
    {affSegment, dessinerSegmentObjet},
    {affDroite, dessinerDroite<tracerDroiteFenetre>},
    {affDemiDroite, dessinerDroite<tracerDemiDroiteFenetre>},
    {affCercle, dessinerCercle},
    {affArc, dessinerArc},
    {affTexte, dessinerTexteObjet},
    {affCadre, dessinerCadre},
    {affOperation, dessinerOperation},
    {affPolygone, dessinerPolygone},
    {affImage, dessinerImage},
    {affImageInterne, dessinerImageInterne},
    {affTableau, dessinerTableauObjet},
    {affDiagramme, dessinerDiagrammeObjet},
    {affPave, dessinerPave},
    {affDamier, dessinerDamierObjet},
};

TdessinObjet dessinDeClasse(TclasseAffichage classe)
{
    for (const TdessinClasse& d : dessinsClasses)
        if (d.classe == classe) return d.dessin;
    return nullptr;
}

} // namespace

void dessinerObjet(Tfigure& figure, Canevas& canevas, int i)
{
    const Tobjet* o = objetDIndice(figure, i);
    if (!o || o->indefini || !o->visible) return;
    if (const TdessinObjet dessin = dessinDeClasse(o->classe)) dessin(figure, canevas, i);
    // A shown text leaves the brush as its markup set it.
    const Ttexte* texte = std::get_if<Ttexte>(&o->donnees);
    if (!(o->classe == affTexte && texte && texte->affiche)) canevas.Brush.Style = bsClear;
}

void dessinerPolygonePlein(Tfigure& figure, Canevas& canevas, int i)
{
    const Tobjet* o = objetDIndice(figure, i);
    const Tpolygone* p = o ? std::get_if<Tpolygone>(&o->donnees) : nullptr;
    if (!p) return;
    const int n = std::clamp(p->nbSommets, 0, nbSommetsMax);
    std::array<TPoint, nbSommetsMax> sommets;
    for (int k = 1; k <= n; ++k)
        sommets[static_cast<std::size_t>(k - 1)] = {versPixelX(figure, p->x[k]),
                                                    versPixelY(figure, p->y[k])};
    remplirPolygone(canevas, o->remplissage, o->couleur,
                    std::span<const TPoint>(sommets.data(), static_cast<std::size_t>(n)));
}
