// Any bytes as the mouse on a figure that holds every kind of object and composite: grabs, moves
// and releases on points of every kind, instruments of every kind, the bars of diagrams and the
// cells of a checkerboard, with the program changing objects and the window painting in between.
// Promises: no defined object or instrument ever has a coordinate that is not finite or a text
// that shows a NaN; a release always ends the drag, and the layered paint just before it is the
// full paint just after it, call for call and zone for zone; the questions the checks ask of the
// moved figure answer finite values within their ranges.
//
// Each event is four bytes: what happens, then three bytes that say where or to what.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "engine/figure/cases_damier.h"
#include "engine/figure/creation_diagramme.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_marques.h"
#include "engine/figure/creation_pave.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_quadrillages.h"
#include "engine/figure/creation_tableaux.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/dossier_programme.h"
#include "engine/figure/glissement.h"
#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "engine/figure/requetes.h"
#include "engine/figure/souris.h"
#include "fuzz/cible.h"
#include "platform/double/controles_enregistres.h"
#include "platform/double/image_enregistree.h"
#include "platform/double/plateforme_enregistree.h"
#include "tests/engine/figure/traces_peinture.h"

namespace {

constexpr int largeur = 320, hauteur = 290;

// What the bytes can name: the points for the questions, the diagrams and the checkerboard that
// can take the mouse.
struct Tcontenu {
    std::vector<std::string> points;
    std::vector<std::string> polygones;
    std::vector<int> diagrammes;
    int damier = 0;
};

void construirePoints(Tfigure& f)
{
    creerPointMobile(f, "A", 0x0000FF, -3, 2);
    creerPointMobile(f, "B", 0xFF0000, 2, -1);
    creerPointMobile(f, "C", 0x008000, 1, 3);
    creerPointNomme(f, "D", 0, -2, -3, -1.2, 0);
    creerPointNomme(f, "E", 0, 3, 1, 0.3, 0);
    creerPointNomme(f, "U", 0, -1, -3, 0.3, 0);
    creerPointCurseur(f, "Cu", 0x800000, -4, -4, -4, 4, 0.5, 0, 0);
    creerPointCurseur(f, "Cn", 0x800000, -4, -4.5, -4, 4, -1, 0, 0);
    creerPointCurseur(f, "Cz", 0x800000, 0, 4.5, -2, 2, 0, 0, 0);
    creerPointMobileBorne(f, "Mb", 0x808000, 4, -3, 3, 5, -0.5, -4, -2, 0.25, 0.3, 0);
    creerPointSurArc(f, "Ar", "D", "E", -90, 180, -15, 30, 0.3, 0, 0x0000FF);
    creerPointSurArc(f, "As", "A", "C", -45, 45, 0, 0, 0.3, 0, 0x0000FF);
    creerPointGradue(f, "Gr", "D", "E", "U", 1, 0.3, 0, 0xFF00FF);
    for (const char* nom : {"Ar", "As", "Gr"}) rendreMobile(f, nom);
    changerModeEtiquette(f, "A", 1);
    creerPointNomme(f, "L0", 0, -4, 0, 0, 0);
    creerMilieu(f, "L1", "A", "C", 0, 0, 0);
    creerSymetriqueCentral(f, "L2", "B", "A", 0, 0, 0);
    Tobjet* lecteur = creerPointNomme(f, "Lb", 0, -4, 4, 0, 0);
    if (lecteur) lecteur->point->modeEtiquette = 2;
}

void construireConstructions(Tfigure& f)
{
    creerSegment(f, "A", "B", 0x0000FF, 1, 2);
    creerDemiDroite(f, "A", "C", 0x00FF00, 2, 1);
    creerDroite(f, "B", "C", 0xC0C0C0, 3, 1);
    creerDroite(f, "D", "E", 0xC0C0C0, 1, 1);
    creerCercle(f, "k", "A", "B", 0x008000, 1, 1);
    creerCercle(f, "k2", "C", "E", 0x008000, 1, 1);
    creerArcCercle(f, "arc", "D", "A", "C", 0x800080, 1, 1);
    creerPerpendiculaire(f, "perp", "A", "(BC)", 0xFF0000, 1, 1);
    creerParallele(f, "par", "D", "(BC)", 0xFF0000, 2, 1);
    creerMediatrice(f, "med", "A", "B", 0x0000FF, 1, 1);
    creerPolygone(f, "tri", "A B C", 0xC0FFC0);
    changerRemplissage(f, "tri", 2);
    creerPolygoneBorde(f, "ligne", "D Cu Mb Ar", 0x404040);
    creerPointSurDroite(f, "Pd", "A", "B", 0.3, 0.3, 0, 0);
    creerPointRepere(f, "Pr", "D", "A", "B", 0.5, 0.25, 0.3, 0, 0);
    creerQuatriemeSommet(f, "Q4", "A", "B", "C", 0.3, 0, 0);
    creerImageRotation(f, "Ro", "D", "C", 60, 0.3, 0, 0);
    creerImageRotationHomothetie(f, "Rh", "E", "A", -30, 0.5, 0.3, 0, 0);
    creerImageSimilitude(f, "Si", "D", "B", "A", "C", 0.3, 0, 0);
    reporterLongueur(f, "Rl", "D", "A", "B", "C", 0.3, 0, 0);
    creerIntersectionDroites(f, "Id", "(BC)", "(DE)", 0.3, 0, 0);
    creerSymetriqueDroite(f, "Sd", "(DE)", "A", 0.3, 0, 0);
    creerCentreCercleInscrit(f, "Ci", "A", "B", "C", 0.3, 0, 0);
    creerIntersectionCercles(f, "Ic", "k", "k2", 0.3, 0, 0);
    creerIntersectionDroiteCercle(f, "Ik", "(BC)", "k", 0.3, 0, 0);
    creerCoteLongueur(f, "Lg", "A", "B", 2, 0.3, 0, 0x0000FF);
    creerCoteAngle(f, "Ag", "A", "B", "C", 1, 0.3, 0, 0x0000FF);
    creerMarqueAngleDroit(f, "m", "B", "A", "C", 0.4, 0x0000FF, 1);
    creerArcAngleDonne(f, "aa", "D", "Gr", 40);
    creerProjete(f, "pj", "(BC)", "A", 0.3, 0, 0);
    creerCodageSegment(f, "cs", "A", "B", 0.2, 0x008000, 2);
    creerCodageAngle(f, "ca", "B", "A", "C", 0.5, 0x008000, 0);
    creerCodageAngle(f, "cb", "C", "A", "B", 0.5, 0x008000, 2);
    creerRectangle(f, "r", 0xFFE0C0, -1, -1, 1, 2, 5);
    creerQuadrillage(f, "q", "D", "U", "L0", 3, 2, 0xC0C0C0);
    creerPointPerspective(f, "Pp", 0, 1, 2, -3, 0.3, 0);
}

void construireBlocs(Tfigure& f, const Image& image)
{
    creerTexte(f, "Voir $LC02_C1;le cours;.", 0, 2, 13);
    if (Tobjet* formule = creerTexte(f, "x = \\frac{a}{b}", 0x0000FF, 20, 1))
        formule->donneesDe<Ttexte>().formule = true;
    for (int style = 1; style <= 13; style += 4) creerCadre(f, style, style, 2, 10, 2);
    creerBoutonLien(f, 1013, "Cours", 8, 8, 70);
    creerZoneLien(f, 200, 250, 60, 2764);
    creerDivisionPosee(f, "125", "7", 2, 1, 5);
    creerDivisionPoseeDetaillee(f, "3,5", "0,25", 0, 10, 5);
    creerAdditionPosee(f, "12,5+3,75", 20, 5);
    creerSoustractionPosee(f, "100-7,5", 28, 5);
    creerMultiplicationPosee(f, "2,5", "12", 34, 5);
    creerImage(f, "photo.jpg", 1, 12);
    creerImage(f, "absente.jpg", 6, 12);
    creerImageInterne(f, &image, 30, 12);
    creerTableau(f, "t", 2, 1, 10, 3, "3;4;5", "1;1,5", 0, true);
    completerTableau(f, "t", "a\\b\\c\\1\\2\\3");
    creerTableauUniforme(f, "tu", 1, 20, 10, 4, 2, 1);
    remplirCaseTableau(f, "tu", 1, 2, " 7,5", 0xFF0000);
    creerPave(f, "pave", 0, 1, 0, 1, 0, 0, 1);
}

Tcontenu construireFigure(Tfigure& f, const Image& image)
{
    f.axesVisibles = true;
    construirePoints(f);
    construireConstructions(f);
    construireBlocs(f, image);
    Tcontenu c;
    for (int type = 1; type <= 5; ++type)
        if (creerDiagramme(f, 3, "4\\7\\2", "a\\b\\c\\Effectif", type, false))
            c.diagrammes.push_back(f.nbObjets);
    if (creerDamier(f)) c.damier = f.nbObjets;
    fixerPointsAimantes(f, "A D E");
    creerGrillePoints(f);
    for (int i = 1; i <= f.nbObjets; ++i) {
        const Tobjet& o = *f.objets[i];
        if (o.point) c.points.push_back(o.nom);
        if (o.genre == genrePolygone) c.polygones.push_back(o.nom);
    }
    c.points.push_back("absent");
    f.indiceDiagramme = f.indiceDamier = 0;
    return c;
}

// Instrument kinds, their radii linked or not: from the first byte.
void sortirOutils(Tfigure& f, std::uint8_t octet)
{
    f.nbOutils = nbOutilsMax;
    f.rayonsLies = octet & 0x80;
    for (int t = 1; t <= nbOutilsMax; ++t) {
        Toutil& o = f.outils[static_cast<std::size_t>(t)];
        o.genre = static_cast<TgenreOutil>((octet + 3 * t) % 9);
        o.fixe = (octet >> (t + 3)) & 1;
    }
}

// --- Promises on the objects -----------------------------------------------------------------

void finis(std::initializer_list<double> valeurs)
{
    for (const double v : valeurs) verifier(std::isfinite(v));
}

template <std::size_t N> void finis(const std::array<double, N>& valeurs, std::size_t jusqua = N - 1)
{
    for (std::size_t i = 1; i <= jusqua && i < N; ++i) verifier(std::isfinite(valeurs[i]));
}

void lisible(const std::string& texte)
{
    verifier(texte.find("NaN") == std::string::npos && texte.find("Inf") == std::string::npos);
}

struct TverifierDonnees {
    void operator()(const std::monostate&) const {}
    void operator()(const Ttexte& t) const
    {
        finis({t.x, t.y, t.xFin});
        lisible(t.texte);
    }
    void operator()(const Tsegment& s) const { finis({s.xA, s.yA, s.xB, s.yB}); }
    void operator()(const Tdroite& d) const { finis({d.x, d.y, d.dx, d.dy}); }
    void operator()(const Tcercle& c) const { finis({c.x, c.y, c.rayon, c.gauche, c.bas, c.droite, c.haut}); }
    void operator()(const Tcadre& c) const
    {
        finis({c.x, c.y, c.largeur, c.hauteur});
        lisible(c.titre);
    }
    void operator()(const Toperation& o) const { finis({o.x, o.y}); }
    void operator()(const TpointSurDroite& p) const { finis({p.t}); }
    void operator()(const TpointRepere& p) const { finis({p.u, p.v}); }
    void operator()(const TimageRotation& r) const { finis({r.angle}); }
    void operator()(const Tpolygone& p) const
    {
        const auto n = static_cast<std::size_t>(std::min(p.nbSommets, nbSommetsMax));
        finis(p.x, n + 1);
        finis(p.y, n + 1);
    }
    void operator()(const Timage& i) const { finis({i.x, i.y}); }
    void operator()(const TpointCurseur& c) const { finis({c.xMin, c.xMax, c.pas}); }
    void operator()(const Tarc& a) const
    {
        finis({a.x, a.y, a.rayon, a.gauche, a.droite, a.bas, a.haut, a.xP, a.yP, a.xQ, a.yQ});
    }
    void operator()(const TcoteLongueur& c) const { finis({c.longueur}); }
    void operator()(const TpointMobileBorne& b) const { finis({b.xMin, b.xMax, b.pasX, b.yMin, b.yMax, b.pasY}); }
    void operator()(const TimageInterne& i) const { finis({i.x, i.y}); }
    void operator()(const Ttableau& t) const
    {
        finis({t.gauche, t.droite, t.haut, t.bas});
        finis(t.largeurs);
        finis(t.hauteurs);
        for (const auto& rangee : t.cases)
            for (const TcaseTableau& c : rangee) {
                finis({c.x, c.y, c.decalageX, c.decalageY});
                lisible(c.texte);
            }
    }
    void operator()(const Tdiagramme& d) const
    {
        finis({d.baseX, d.baseY, d.pasBarres, d.hauteurUnite, d.centrePieX, d.centrePieY, d.rayonPie,
               d.angleTotal, d.xTableau, d.yTableau});
        for (const double v : d.boiteCercle) finis({v});
        for (const auto* valeurs : {&d.xBoites, &d.yBoites, &d.pointsX, &d.pointsY, &d.bordsPieX, &d.bordsPieY,
                                    &d.anglesArrondis})
            finis(*valeurs);
    }
    void operator()(const Tpave& p) const
    {
        finis(p.sommetsX);
        finis(p.sommetsY);
    }
    void operator()(const Tdamier& d) const { finis({d.xGauche, d.yHaut, d.largeur, d.hauteur}); }
    void operator()(const TcoteAngle& c) const { finis({c.mesure}); }
    void operator()(const TpointSurArc& a) const { finis({a.angle, a.angleMin, a.angleMax, a.pas}); }
    void operator()(const TimageRotationHomothetie& r) const { finis({r.angle, r.rapport}); }
    void operator()(const TpointGradue& g) const { finis({g.xOrigine, g.yOrigine, g.pasX, g.pasY}); }
};

void verifierFigure(const Tfigure& f)
{
    for (int i = 1; i <= f.nbObjets; ++i) {
        const Tobjet& o = *f.objets[i];
        if (o.indefini) continue;
        if (o.point) {
            finis({o.point->x, o.point->y});
            lisible(o.point->etiquette);
        }
        std::visit(TverifierDonnees{}, o.donnees);
    }
    for (int t = 1; t <= nbOutilsMax; ++t) {
        const Toutil& o = f.outils[static_cast<std::size_t>(t)];
        finis({o.x, o.y, o.longueurA, o.longueurB, o.rayon, o.angle, o.angleBras, o.decalageSaisieX,
               o.decalageSaisieY});
    }
}

// --- The questions of the checks ---------------------------------------------------------------

void questionner(const Tfigure& f, const Tcontenu& c, std::uint8_t a, std::uint8_t b, std::uint8_t d)
{
    const auto nom = [&c](int i) -> const std::string& { return c.points[static_cast<std::size_t>(i) % c.points.size()]; };
    const std::string &p = nom(a), &q = nom(b), &r = nom(d), &s = nom(a + b + d);
    const double l = longueur(f, p, q);
    verifier(std::isfinite(l) && l >= 0);
    const double angle = mesureAngle(f, p, q, r);
    verifier(angle >= 0 && angle <= 180);
    const double oriente = mesureAngleOriente(f, p, q, r);
    verifier(oriente >= -180 && oriente <= 180);
    const double distance = distanceALaDroite(f, p, q, r);
    verifier(std::isfinite(distance) && distance >= 0);
    verifier(pointsConfondus(f, p, p));
    verifier(pairesConfondues(f, p, q, q, p));
    pointsProches(f, p, q);
    sontAlignes(f, p, q, r);
    sontPerpendiculaires(f, p, q, r, s);
    vecteursMemeSens(f, p, q, r, s);
    memeLongueur(f, p, q, r, s);
    estTriangle(f, p, q, r);
    estTriangleRectangle(f, p, q, r);
    sommeAnglesNulle(f, p, q, r, s);
    const std::size_t n = c.polygones.size();
    polygonesConfondus(f, c.polygones[a % n], c.polygones[b % n]);
    const Tobjet* u = objetNomme(f, p);
    const Tobjet* v = objetNomme(f, q);
    if (u && u->point && v && v->point) {
        verifier(std::isfinite(distanceObjets(*u, *v)));
        verifier(std::isfinite(distanceSouris(f, *u)));
    }
}

// --- The mouse -----------------------------------------------------------------------------------

struct Tsouris {
    ZoneDessinEnregistree& zone;
    Tfigure& f;
    const Tcontenu& c;
    int x = 0, y = 0;
    // The drag's layers were painted, and nothing has changed the figure since.
    bool calquesFrais = false;

    void appuyer(int px, int py)
    {
        calquesFrais = false;
        gererSouris(f, x = px, y = py, sourisEnfoncee);
    }

    // A drag paints its layers once, and again only after a change to the figure.
    void peindre()
    {
        const int avant = zone.canevas().nbCalquesCrees;
        zone.peindre();
        if (!f.glissement) return;
        if (calquesFrais) verifier(zone.canevas().nbCalquesCrees == avant);
        calquesFrais = true;
    }

    void deplacer(int px, int py) { gererSouris(f, x = px, y = py, sourisDeplacee); }

    // A pixel of the box or a little beyond it.
    static int pixel(std::uint8_t octet, int taille) { return octet * (taille + 40) / 256 - 20; }
    static int decalage(std::uint8_t octet) { return octet % 16 - 8; }

    // On a point, a bar of the diagram or a cell of the checkerboard, whatever takes the mouse.
    void appuyerSurObjet(std::uint8_t a, std::uint8_t b)
    {
        int px = 0, py = 0;
        if (const Tobjet* d = objetDIndice(f, f.indiceDiagramme)) {
            const Tdiagramme& g = d->donneesDe<Tdiagramme>();
            const auto k = static_cast<std::size_t>(a % std::max(g.nbCategories, 1) + 1);
            px = static_cast<int>(std::lround(g.pointsX[k]));
            py = static_cast<int>(std::lround(g.pointsY[k]));
        } else if (f.indiceDamier != 0) {
            px = versPixelX(f, -4.5 + a % 10);
            py = versPixelY(f, 4.5 - a / 10 % 10);
        } else {
            const Tobjet& o = *f.objets[static_cast<std::size_t>(a % f.nbObjets + 1)];
            if (!o.point) return;
            px = versPixelX(f, o.point->x);
            py = versPixelY(f, o.point->y);
        }
        appuyer(px + decalage(b), py + decalage(b >> 4));
    }

    // On one of the parts of an instrument: the body's ring, the radius, the sliding edge, the arm,
    // the edge before or behind the pivot.
    void appuyerSurOutil(std::uint8_t a, std::uint8_t b, std::uint8_t d)
    {
        const Toutil& o = f.outils[static_cast<std::size_t>(a % nbOutilsMax + 1)];
        const auto vers = [&o](double distance, double angle) {
            return std::pair{o.x + distance * std::cos(angle * M_PI / 180), o.y + distance * std::sin(angle * M_PI / 180)};
        };
        const std::pair<double, double> parties[] = {
            vers(o.rayonPoignee * 0.9, o.angle + 90), vers(o.rayon, o.angle + 45),
            vers(std::hypot(o.longueurA, 1.5), o.angle + std::atan2(1.5, o.longueurA) * 180 / M_PI),
            vers(2, o.angle + o.angleBras),           vers(2, o.angle), vers(2, o.angle + 180)};
        const auto& [wx, wy] = parties[b % 6];
        appuyer(versPixelX(f, wx) + decalage(d), versPixelY(f, wy) + decalage(d >> 4));
    }

    // The paint of the drag's last step, layered, is the paint after the release.
    void relacher(int px, int py)
    {
        const bool glisse = static_cast<bool>(f.glissement);
        std::vector<Appel> avant;
        TlisteZonesLiens zonesAvant;
        if (glisse) {
            peindre();
            avant = tracesPeinture(zone.canevas());
            zonesAvant = f.zonesLiens;
        }
        gererSouris(f, x = px, y = py, sourisRelachee);
        verifier(f.objetSaisi == 0 && !f.glissement);
        if (const Tobjet* d = objetDIndice(f, f.indiceDiagramme))
            verifier(d->donneesDe<Tdiagramme>().barreSaisie == 0);
        if (!glisse) return;
        zone.peindre();
        verifier(premiereDifference(avant, tracesPeinture(zone.canevas())).empty());
        verifier(zonesAvant.nbZones == f.zonesLiens.nbZones);
        for (int k = 1; k <= zonesAvant.nbZones; ++k) {
            const TzoneLien &u = zonesAvant.zones[static_cast<std::size_t>(k)], &v = f.zonesLiens.zones[static_cast<std::size_t>(k)];
            verifier(u.numero == v.numero && u.gauche == v.gauche && u.haut == v.haut && u.droite == v.droite &&
                     u.bas == v.bas);
        }
    }

    // What takes the mouse: the points and instruments, one of the diagrams or the checkerboard. The
    // program chooses it as it creates the figure, never while a point or an instrument is held.
    void choisirPreneur(std::uint8_t a)
    {
        if (f.glissement) return;
        const std::size_t n = c.diagrammes.size();
        const std::size_t choix = a % (n + 2);
        f.indiceDiagramme = choix >= 1 && choix <= n ? c.diagrammes[choix - 1] : 0;
        f.indiceDamier = choix == n + 1 ? c.damier : 0;
    }

    // What the program may do while the pupil holds something.
    void changer(std::uint8_t a, std::uint8_t b, std::uint8_t d)
    {
        const std::string nom = f.objets[static_cast<std::size_t>(a % f.nbObjets + 1)]->nom;
        calquesFrais = false;
        switch (b % 7) {
        case 0: changerCouleur(f, nom, d * 0x010307u); break;
        case 1: (d & 1 ? cacherObjet : montrerObjet)(f, nom); break;
        case 2: placerPoint(f, nom, versMondeX(f, pixel(d, largeur)), versMondeY(f, pixel(b, hauteur))); break;
        case 3: changerEpaisseur(f, nom, d % 32); break;
        case 4: changerRemplissage(f, nom, d % 9); break;
        case 5: changerEtiquette(f, nom, std::string(1, static_cast<char>('a' + d % 26))); break;
        default: changerTrait(f, nom, d % 7); break;
        }
    }

    // An object built on two points, which may move with the one held.
    void creer(std::uint8_t a, std::uint8_t b, std::uint8_t d)
    {
        const std::string& p = c.points[a % c.points.size()];
        const std::string& q = c.points[b % c.points.size()];
        const std::string nom = "N" + std::to_string(f.nbObjets + 1);
        switch (d % 3) {
        case 0: creerMilieu(f, nom, p, q, 0.3, 0, 0x008080); break;
        case 1: creerSegment(f, p, q, 0x008080, 1 + d % 6, 1); break;
        default: creerCercle(f, nom, p, q, 0x008080, 1, 1); break;
        }
        calquesFrais = false;
    }

    // What the event may have changed in the figure's numbers and texts is looked at after it: a
    // press takes without moving, choosing what takes the mouse and asking questions change nothing.
    void jouer(std::uint8_t quoi, std::uint8_t a, std::uint8_t b, std::uint8_t d)
    {
        constexpr int nbEvenements = 13;
        constexpr bool change[nbEvenements] = {false, false, false, true, true, true, true,
                                               true,  false, true,  true, false, true};
        jouerSeul(quoi % nbEvenements, a, b, d);
        if (change[quoi % nbEvenements]) verifierFigure(f);
    }

    void jouerSeul(int quoi, std::uint8_t a, std::uint8_t b, std::uint8_t d)
    {
        switch (quoi) {
        case 0: appuyer(pixel(a, largeur), pixel(b, hauteur)); break;
        case 1: appuyerSurObjet(a, b); break;
        case 2: appuyerSurOutil(a, b, d); break;
        case 3: deplacer(pixel(a, largeur), pixel(b, hauteur)); break;
        case 4: deplacer(x + static_cast<std::int8_t>(a), y + static_cast<std::int8_t>(b)); break;
        // Far outside the box, where a held mouse may still go.
        case 5: deplacer(static_cast<std::int16_t>(a << 8 | b), static_cast<std::int16_t>(b << 8 | d)); break;
        case 6: relacher(pixel(a, largeur), pixel(b, hauteur)); break;
        case 7: relacher(x, y); break;
        case 8: choisirPreneur(a); break;
        case 9: changer(a, b, d); break;
        case 10: peindre(); break;
        case 11: questionner(f, c, a, b, d); break;
        default: creer(a, b, d); break;
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static PlateformeEnregistree systeme;
    static const ImageEnregistree image(40, 30);
    static const bool installee = [] {
        systeme.enregistrerImage(dossierProgramme + "photo.jpg", 24, 16);
        installerPlateforme(&systeme);
        return true;
    }();
    (void)installee;
    systeme.jpegDemandes.clear();

    ZoneDessinEnregistree zone;
    zone.setBounds(0, 0, largeur, hauteur);
    zone.canevas().calquesPermis = true;
    std::unique_ptr<Tfigure> surface;
    creerFigure(&zone, 0, 0, surface);
    Tfigure& f = *surface;
    zone.OnPaint.lier(gardeOuverte(), [&f] { dessinerFigure(f); });
    const Tcontenu contenu = construireFigure(f, image);
    if (taille >= 1) sortirOutils(f, donnees[0]);
    verifierFigure(f);

    Tsouris souris{zone, f, contenu};
    for (std::size_t i = 1; i + 4 <= taille && i <= 4 * 100; i += 4)
        souris.jouer(donnees[i], donnees[i + 1], donnees[i + 2], donnees[i + 3]);
    souris.relacher(souris.x, souris.y);
    verifierFigure(f);
    questionner(f, contenu, 0, 1, 2);
    return 0;
}
