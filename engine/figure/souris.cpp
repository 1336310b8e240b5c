#include "engine/figure/souris.h"

#include <algorithm>
#include <cmath>

#include "engine/base/geometrie.h"
#include "engine/figure/cases_damier.h"
#include "engine/figure/deplacement.h"
#include "engine/figure/glissement.h"

namespace {

constexpr double distanceSaisiePoint = 10;
constexpr double toleranceOutil = 0.2;

void montrerCurseur(Tfigure& figure, int curseur)
{
    if (figure.controle) figure.controle->setCursor(curseur);
}

// The first created visible draggable point within 10 pixels of its drawn position; 0 for none.
int pointSousSouris(const Tfigure& figure, int px, int py)
{
    for (int i = 1; i <= figure.nbObjets; ++i) {
        const Tobjet& o = *figure.objets[i];
        if (!o.mobile || o.classe != affPoint || !o.visible) continue;
        const double dx = versPixelX(figure, o.point->x) - px;
        const double dy = versPixelY(figure, o.point->y) - py;
        if (std::hypot(dx, dy) < distanceSaisiePoint) return i;
    }
    return 0;
}

// Where the mouse stands relative to an instrument: the world point and its distance to the
// centre.
struct Tpointeur {
    double x, y, d;
};

bool presDeLaDroite(const Tpointeur& w, double x0, double y0, double angle)
{
    return distancePointDroite(w.x, w.y, x0, y0, cosDegres(angle), sinDegres(angle)) <
           toleranceOutil;
}

// On the pointer's side of the pivot along the direction, or behind it.
int devantOuDerriere(const Toutil& o, const Tpointeur& w, double angle, int devant, int derriere)
{
    const double projection = (w.x - o.x) * cosDegres(angle) + (w.y - o.y) * sinDegres(angle);
    return projection > 0 ? devant : derriere;
}

int regleRayon(Toutil& o, const Tpointeur& w)
{
    return aUnRayon(o) && std::abs(w.d - o.rayon) < toleranceOutil ? partieRayon : 0;
}

int regleCorps(Toutil& o, const Tpointeur& w)
{
    if (o.fixe || !(o.rayonPoignee - 1 < w.d && w.d < o.rayonPoignee + toleranceOutil)) return 0;
    o.decalageSaisieX = w.x - o.x;
    o.decalageSaisieY = w.y - o.y;
    return partieCorps;
}

int regleBordGlissant(Toutil& o, const Tpointeur& w)
{
    if (!estEquerre(o) || w.d < o.rayonPoignee) return 0;
    const double x0 = o.x + o.longueurA * cosDegres(o.angle);
    const double y0 = o.y + o.longueurA * sinDegres(o.angle);
    return presDeLaDroite(w, x0, y0, o.angle + 90) ? partieBordGlissant : 0;
}

int regleBras(Toutil& o, const Tpointeur& w)
{
    const double angle = o.angle + o.angleBras;
    if (!aUnBras(o) || !o.brasReglable || w.d < o.rayonPoignee ||
        !presDeLaDroite(w, o.x, o.y, angle))
        return 0;
    return devantOuDerriere(o, w, angle, partieBras, partieBrasArriere);
}

int regleBord(Toutil& o, const Tpointeur& w)
{
    if (!aUnBordDroit(o) || o.orientationFixe || w.d < o.rayonPoignee ||
        !presDeLaDroite(w, o.x, o.y, o.angle))
        return 0;
    return devantOuDerriere(o, w, o.angle, partieBord, partieBordArriere);
}

// In this order; each is tried on every instrument, the last one first, before the next.
constexpr int (*reglesOutils[])(Toutil&, const Tpointeur&) = {
    regleRayon, regleCorps, regleBordGlissant, regleBras, regleBord};

int outilSousSouris(Tfigure& figure, int px, int py)
{
    const double x = versMondeX(figure, px), y = versMondeY(figure, py);
    for (const auto regle : reglesOutils)
        for (int t = std::min(figure.nbOutils, nbOutilsMax); t >= 1; --t) {
            Toutil& o = figure.outils[static_cast<std::size_t>(t)];
            if (!outilVisible(o)) continue;
            const int partie = regle(o, Tpointeur{x, y, distance(x, y, o.x, o.y)});
            if (partie == 0) continue;
            o.partieSaisie = partie;
            return -t;
        }
    return 0;
}

void gererDiagramme(Tfigure& figure, Tobjet& objet, int px, int py, int phase)
{
    Tdiagramme& d = objet.donneesDe<Tdiagramme>();
    if (!objet.visible || objet.verrouille) {
        // A bar held when the diagram was hidden or locked is let go all the same.
        if (phase == sourisRelachee) d.barreSaisie = 0;
        return;
    }
    const auto regler = [&] {
        if (reglerBarre(d, px, py)) repeindreFigure(figure);
    };
    if (phase == sourisEnfoncee) d.barreSaisie = barreSousPoint(d, px, py);
    if (phase == sourisDeplacee && d.barreSaisie != 0) {
        regler();
        return;
    }
    if (phase == sourisRelachee) {
        regler();
        d.barreSaisie = 0;
    }
    const int barre = barreSousPoint(d, px, py);
    const int curseurBarre = estDiagrammeEnBarres(d) ? crSizeNS : crCross;
    montrerCurseur(figure, barre != 0 ? curseurBarre : crDefault);
}

void gererDamier(Tfigure& figure, Tdamier& d, int px, int py, int phase)
{
    if (!d.cliquable) return;
    const int numero = caseDamierSousPoint(d, versMondeX(figure, px), versMondeY(figure, py));
    montrerCurseur(figure, numero != 0 ? crHandPoint : crDefault);
    if (phase != sourisEnfoncee || numero == 0) return;
    d.casesColoriees.flip(static_cast<std::size_t>(numero));
    repeindreFigure(figure);
}

void montrerCurseurSousSouris(Tfigure& figure, int px, int py)
{
    int curseur;
    saisirSouris(figure, px, py, curseur);
    montrerCurseur(figure, curseur);
}

} // namespace

void terminerGlissement(Tfigure& figure)
{
    figure.objetSaisi = 0;
    if (!figure.glissement) return;
    figure.glissement.reset();
    repeindreFigure(figure);
}

int saisirSouris(Tfigure& figure, int px, int py, int& curseur)
{
    if (const int point = pointSousSouris(figure, px, py)) {
        curseur = crCross;
        return point;
    }
    if (figure.nbOutils >= 1)
        if (const int outil = outilSousSouris(figure, px, py)) {
            curseur = crHandPoint;
            return outil;
        }
    curseur = crDefault;
    return 0;
}

void gererSouris(Tfigure& figure, int px, int py, int phase)
{
    // A release ends the drag whatever took the mouse since the grab (a diagram, a checkerboard,
    // a mouse made inactive).
    if (phase == sourisRelachee) terminerGlissement(figure);
    if (figure.sourisInactive) return;
    if (figure.indiceDiagramme != 0) {
        Tobjet* o = objetAModifier(figure, figure.indiceDiagramme);
        if (o && std::holds_alternative<Tdiagramme>(o->donnees))
            gererDiagramme(figure, *o, px, py, phase);
        return;
    }
    if (figure.indiceDamier != 0) {
        Tobjet* o = objetAModifier(figure, figure.indiceDamier);
        if (o && std::holds_alternative<Tdamier>(o->donnees))
            gererDamier(figure, o->donneesDe<Tdamier>(), px, py, phase);
        return;
    }
    switch (phase) {
    case sourisEnfoncee: {
        int curseur;
        figure.objetSaisi = saisirSouris(figure, px, py, curseur);
        // A second press without a release (a double click) starts again.
        figure.glissement.reset();
        if (figure.objetSaisi != 0) commencerGlissement(figure);
        break;
    }
    case sourisRelachee:
        montrerCurseurSousSouris(figure, px, py);
        break;
    case sourisDeplacee:
        if (figure.objetSaisi == 0) {
            montrerCurseurSousSouris(figure, px, py);
            break;
        }
        figure.xSouris = versMondeX(figure, px);
        figure.ySouris = versMondeY(figure, py);
        deplacerSaisie(figure);
        break;
    default:
        break;
    }
}
