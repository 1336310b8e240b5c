#include "cours/figures_lecon.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/base/chaine_courte.h"
#include "engine/base/geometrie.h"
#include "engine/base/nombres.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/objets_par_nom.h"

namespace {

// What may follow the names and numbers of a statement, in any order: a colour, a trait, a
// thickness, a fill, where a point's label stands, or that a point shows no label or nothing.
struct Toptions {
    TColor couleur = 0x000000;
    int trait = 1;
    int epaisseur = 1;
    bool plein = false;
    // The label's place around its point, in character cells; "haut-droite" unless told.
    double dx = 0.4, dy = -1.3;
    bool gaucheDuPoint = false;
    bool sansNom = false;
    bool invisible = false;
    // The first option word, that no object may be named.
    std::string premiere;
};

// An option word where a name or a number stands.
std::string reserve(const std::string& mot)
{
    return "\"" + mot +
           "\" est un mot réservé des options, pas un nom : les options viennent après les noms et les nombres";
}

struct TmotCouleur {
    const char* mot;
    TColor couleur;
};

const TmotCouleur couleurs[] = {
    {"noir", 0x000000},     {"bleu", 0xFF0000},       {"rouge", 0x0000FF},
    {"vert", 0x008000},     {"orange", 0x0080FF},     {"gris", 0x808080},
    {"violet", 0x800080},   {"marine", 0x800000},     {"bleu-clair", 0xFFE0C0},
    {"vert-clair", 0xC0F0C0}, {"jaune-clair", 0xA0FFFF}, {"rose-clair", 0xD0C0FF},
};

struct TmotTrait {
    const char* mot;
    int trait;
};

const TmotTrait traits[] = {{"tirets", 2}, {"pointillé", 3}, {"double-flèche", 4}, {"flèche", 5}};

// Label places; on the left the label's own width is added.
struct TmotPlace {
    const char* mot;
    double dx, dy;
    bool gauche;
};

const TmotPlace places[] = {
    {"haut", -0.4, -1.4, false},        {"bas", -0.4, 0.2, false},
    {"droite", 0.7, -0.6, false},       {"gauche", -0.7, -0.6, true},
    {"haut-droite", 0.4, -1.3, false},  {"haut-gauche", -0.4, -1.3, true},
    {"bas-droite", 0.4, 0.1, false},    {"bas-gauche", -0.4, 0.1, true},
};

// The numbers of the statements: coordinates in units of the figure, a protractor's radius, the
// ratio of a point on a line to its segment, angles in degrees, and counts of marks and strips.
constexpr TnombreLecon coordonnee{"la coordonnée", -1000, 1000};
constexpr TnombreLecon rayonRapporteur{"le rayon du rapporteur", 1, 100};
constexpr TnombreLecon rapportSur{"le rapport", -100, 100};
constexpr TnombreLecon angleRotation{"l'angle", -360, 360};
constexpr TnombreLecon nombreTraits{"le nombre de traits", 1, 10};
constexpr TnombreLecon nombreParts{"le nombre de parts", 1, 100};
// A strip alone draws no line across the quadrilateral.
constexpr TnombreLecon nombreBandes{"le nombre de parts", 2, 100};

// Reads the options that end the words; the words before them are kept, in order, as the
// arguments. An option word followed by an argument stands where a name or a number does.
std::vector<std::string> lireOptions(const TinstructionLecon& instruction, const std::vector<std::string>& mots,
                                     Toptions& options)
{
    std::vector<std::string> arguments;
    for (const std::string& mot : mots) {
        bool option = true;
        if (mot == "épais")
            options.epaisseur = 2;
        else if (mot == "plein")
            options.plein = true;
        else if (mot == "sans-nom")
            options.sansNom = true;
        else if (mot == "invisible")
            options.invisible = true;
        else
            option = false;
        for (const TmotCouleur& c : couleurs)
            if (mot == c.mot) options.couleur = c.couleur, option = true;
        for (const TmotTrait& t : traits)
            if (mot == t.mot) options.trait = t.trait, option = true;
        for (const TmotPlace& p : places)
            if (mot == p.mot) options.dx = p.dx, options.dy = p.dy, options.gaucheDuPoint = p.gauche,
                              option = true;
        if (option && options.premiere.empty()) options.premiere = mot;
        if (option) continue;
        if (!options.premiere.empty()) throw ErreurLecon(instruction.ligne, reserve(options.premiere));
        arguments.push_back(mot);
    }
    return arguments;
}

struct Tstatement {
    const TinstructionLecon& instruction;
    std::vector<std::string> arguments;
    Toptions options;

    double nombre(std::size_t k, const TnombreLecon& genre) const
    {
        return nombreDe(instruction, arguments[k], genre);
    }
    int entier(std::size_t k, const TnombreLecon& genre) const { return entierDe(instruction, arguments[k], genre); }
    // A label's offset: on the left of the point, the label's width in cells is taken off.
    double dx(const std::string& etiquette) const
    {
        return options.gaucheDuPoint ? options.dx - 0.9 * static_cast<double>(etiquette.size())
                                     : options.dx;
    }
};

// "point A x y"
Tobjet* point(Tfigure& f, const Tstatement& s)
{
    const std::string& nom = s.arguments[0];
    return creerPointNomme(f, nom, s.options.couleur, s.nombre(1, coordonnee), s.nombre(2, coordonnee),
                           s.dx(nom), s.options.dy);
}

// The constructed points of the engine, by the shape of their creator: from two objects ("milieu
// I A B", "symétrique M' d M", "intersection I d1 d2", "intersection-cercles I c1 c2"), from two
// and a number ("sur M A B t", "rotation M' O M angle"), from three ("quatrième D A B C") or four
// ("report M A B C D"). Like every statement, they give the last object they made, null when
// the figure had no room left for it.
using TpointDeDeux = Tobjet* (*)(Tfigure&, const std::string&, const std::string&, const std::string&,
                                 double, double, TColor);
using TpointDeDeuxEtNombre = Tobjet* (*)(Tfigure&, const std::string&, const std::string&,
                                         const std::string&, double, double, double, TColor);
using TpointDeTrois = Tobjet* (*)(Tfigure&, const std::string&, const std::string&, const std::string&,
                                  const std::string&, double, double, TColor);
using TpointDeQuatre = Tobjet* (*)(Tfigure&, const std::string&, const std::string&, const std::string&,
                                   const std::string&, const std::string&, double, double, TColor);

template <TpointDeDeux creer>
Tobjet* pointDeDeux(Tfigure& f, const Tstatement& s)
{
    const std::vector<std::string>& a = s.arguments;
    return creer(f, a[0], a[1], a[2], s.dx(a[0]), s.options.dy, s.options.couleur);
}

template <TpointDeDeuxEtNombre creer, const TnombreLecon& genre>
Tobjet* pointDeDeuxEtNombre(Tfigure& f, const Tstatement& s)
{
    const std::vector<std::string>& a = s.arguments;
    return creer(f, a[0], a[1], a[2], s.nombre(3, genre), s.dx(a[0]), s.options.dy, s.options.couleur);
}

template <TpointDeTrois creer>
Tobjet* pointDeTrois(Tfigure& f, const Tstatement& s)
{
    const std::vector<std::string>& a = s.arguments;
    return creer(f, a[0], a[1], a[2], a[3], s.dx(a[0]), s.options.dy, s.options.couleur);
}

template <TpointDeQuatre creer>
Tobjet* pointDeQuatre(Tfigure& f, const Tstatement& s)
{
    const std::vector<std::string>& a = s.arguments;
    return creer(f, a[0], a[1], a[2], a[3], a[4], s.dx(a[0]), s.options.dy, s.options.couleur);
}

// Lines between two points ("segment A B", "droite A B", "demi-droite A B"), named after them; and
// lines and circles named in the statement ("perpendiculaire d P (AB)", "parallèle d P (AB)",
// "médiatrice d A B", "cercle c O M").
using TligneDeDeux = Tobjet* (*)(Tfigure&, const std::string&, const std::string&, TColor, int, int);
using TligneNommee = Tobjet* (*)(Tfigure&, const std::string&, const std::string&, const std::string&,
                                 TColor, int, int);

// The line is named after its points between brackets, "[AB]", "(AB)" or "[AB)".
template <TligneDeDeux creer>
Tobjet* ligneDeDeux(Tfigure& f, const Tstatement& s)
{
    const std::string& a = s.arguments[0];
    const std::string& b = s.arguments[1];
    if (const std::size_t n = a.size() + b.size() + 2; n > longueurNom)
        throw ErreurLecon(s.instruction.ligne, "le nom de la ligne de \"" + a + "\" à \"" + b + "\" aurait " +
                                                   std::to_string(n) + " lettres : une figure en garde " +
                                                   std::to_string(longueurNom) + " au plus");
    return creer(f, a, b, s.options.couleur, s.options.trait, s.options.epaisseur);
}

template <TligneNommee creer>
Tobjet* ligneNommee(Tfigure& f, const Tstatement& s)
{
    const std::vector<std::string>& a = s.arguments;
    return creer(f, a[0], a[1], a[2], s.options.couleur, s.options.trait, s.options.epaisseur);
}

// A figure keeps the first 20 letters of a name: a longer one would be cut, and a later
// statement naming it whole would find nothing.
void exigerNomEntier(const TinstructionLecon& instruction, const std::string& nom)
{
    if (nom.size() > longueurNom)
        throw ErreurLecon(instruction.ligne, "le nom \"" + nom + "\" a " + std::to_string(nom.size()) +
                                                 " lettres : une figure en garde " + std::to_string(longueurNom) +
                                                 " au plus");
}

// Names of the objects a statement adds to what it names, as a helper point of a mark or the
// outline over a fill: no statement may name an object so.
std::string auxiliaire(const Tfigure& f) { return "_" + std::to_string(f.nbObjets + 1); }

// "disque d O M": the disc of centre O through M filled in its colour, its circle drawn over it.
Tobjet* disque(Tfigure& f, const Tstatement& s)
{
    const std::vector<std::string>& a = s.arguments;
    creerCercle(f, a[0], a[1], a[2], s.options.couleur, 1, 1);
    changerRemplissage(f, a[0], 1);
    return creerCercle(f, auxiliaire(f), a[1], a[2], 0x000000, 1, s.options.epaisseur);
}

// "arc a O P Q": centre O, from P towards the ray through Q.
Tobjet* arc(Tfigure& f, const Tstatement& s)
{
    return creerArcCercle(f, s.arguments[0], s.arguments[1], s.arguments[2], s.arguments[3],
                          s.options.couleur, s.options.trait, s.options.epaisseur);
}

std::string sommetsDe(const std::vector<std::string>& arguments)
{
    std::string sommets;
    for (std::size_t k = 1; k < arguments.size(); ++k) sommets += (k > 1 ? " " : "") + arguments[k];
    return sommets;
}

// "polygone p A B C ...": filled ("plein") in its colour with a black outline over it.
Tobjet* polygone(Tfigure& f, const Tstatement& s)
{
    const std::string& nom = s.arguments[0];
    const std::string sommets = sommetsDe(s.arguments);
    Tobjet* p = creerPolygone(f, nom, sommets, s.options.couleur);
    if (!s.options.plein) return p;
    changerRemplissage(f, nom, 1);
    return creerPolygone(f, auxiliaire(f), sommets, 0x000000);
}

// "ligne-brisée p A B C ...": the sides from A to the last point, not back.
Tobjet* ligneBrisee(Tfigure& f, const Tstatement& s)
{
    Tobjet* l = creerPolygoneBorde(f, s.arguments[0], sommetsDe(s.arguments), s.options.couleur);
    changerTrait(f, s.arguments[0], s.options.trait);
    changerEpaisseur(f, s.arguments[0], s.options.epaisseur);
    return l;
}

// A hidden point at the distance d from the vertex towards the point, on the figure as it stands.
std::string pointVers(Tfigure& f, const std::string& sommet, const std::string& vers, double d)
{
    const double longueur = std::hypot(abscisse(f, vers) - abscisse(f, sommet),
                                       ordonnee(f, vers) - ordonnee(f, sommet));
    const std::string nom = auxiliaire(f);
    creerPointSurDroite(f, nom, sommet, vers, longueur > 0 ? d / longueur : 0, 0, 0, 0);
    cacherObjet(f, nom);
    return nom;
}

// World units are pixels over the scale: marks keep the same size in pixels on every figure.
double enMonde(const Tfigure& f, double pixels) { return pixels / f.echelle; }

// "angle-droit A B C": the little square of a right angle at B.
Tobjet* angleDroit(Tfigure& f, const Tstatement& s)
{
    const std::string& b = s.arguments[1];
    const double cote = enMonde(f, 9);
    const std::string p = pointVers(f, b, s.arguments[0], cote);
    const std::string q = pointVers(f, b, s.arguments[2], cote);
    const std::string r = auxiliaire(f);
    creerQuatriemeSommet(f, r, b, p, q, 0, 0, 0);
    cacherObjet(f, r);
    return creerPolygoneBorde(f, auxiliaire(f), p + " " + r + " " + q, s.options.couleur);
}

// A stroke across the line from A to B at the point A + t(B - A), `demi` pixels on each side.
// A and B stand apart, as the statements that draw such strokes require.
Tobjet* traitEnTravers(Tfigure& f, const std::string& a, const std::string& b, double t, double demi,
                       TColor couleur, int epaisseur)
{
    const double longueur = std::hypot(abscisse(f, b) - abscisse(f, a), ordonnee(f, b) - ordonnee(f, a));
    const std::string centre = auxiliaire(f);
    creerPointSurDroite(f, centre, a, b, t, 0, 0, 0);
    cacherObjet(f, centre);
    // A quarter turn of the farther end, brought to the stroke's half-length.
    const bool versB = t <= 0.5;
    const std::string bout = auxiliaire(f);
    creerImageRotationHomothetie(f, bout, centre, versB ? b : a, 90,
                                 enMonde(f, demi) / (longueur * (versB ? 1 - t : t)), 0, 0, 0);
    cacherObjet(f, bout);
    const std::string autre = auxiliaire(f);
    creerSymetriqueCentral(f, autre, centre, bout, 0, 0, 0);
    cacherObjet(f, autre);
    return creerSegment(f, bout, autre, couleur, 1, epaisseur);
}

// "graduation A B n": n + 1 strokes from A to B, n equal steps; thick ones are also longer.
Tobjet* graduation(Tfigure& f, const Tstatement& s)
{
    const int n = s.entier(2, nombreParts);
    const double demi = s.options.epaisseur > 1 ? 6 : 4;
    Tobjet* dernier = nullptr;
    for (int k = 0; k <= n; ++k)
        dernier = traitEnTravers(f, s.arguments[0], s.arguments[1], static_cast<double>(k) / n, demi,
                                 s.options.couleur, s.options.epaisseur);
    return dernier;
}

// "marque-angle A O B": a small arc at O from the side [OA) to the side [OB), anticlockwise.
Tobjet* marqueAngle(Tfigure& f, const Tstatement& s)
{
    const std::string& o = s.arguments[1];
    const double rayon = enMonde(f, s.options.epaisseur > 1 ? 22 : 16);
    const std::string debut = pointVers(f, o, s.arguments[0], rayon);
    const std::string fin = pointVers(f, o, s.arguments[2], rayon);
    return creerArcCercle(f, auxiliaire(f), o, debut, fin, s.options.couleur, 1, 1);
}

// "codage A B n": n small strokes across the middle of [AB], the mark of equal lengths, 4 pixels
// apart and 10 long.
constexpr double ecartCodage = 4;
constexpr double demiTraitCodage = 5;

Tobjet* codage(Tfigure& f, const Tstatement& s)
{
    const std::string& a = s.arguments[0];
    const std::string& b = s.arguments[1];
    const int n = s.entier(2, nombreTraits);
    const double longueur = std::hypot(abscisse(f, b) - abscisse(f, a), ordonnee(f, b) - ordonnee(f, a));
    // The strokes take (n - 1) gaps along the segment and their own length across: more than the
    // segment, and they would stand beyond its ends or cross it as a plus sign.
    const double place = (n - 1) * ecartCodage + 2 * demiTraitCodage;
    if (longueur * f.echelle < place)
        throw ErreurLecon(s.instruction.ligne, "les " + std::to_string(n) + " traits de \"codage\" prennent " +
                                                   reelVersChaine(place) + " pixels, plus que les " +
                                                   reelVersChaine(std::round(longueur * f.echelle)) +
                                                   " pixels de [" + a + b + "]");
    const double ecart = enMonde(f, ecartCodage) / longueur;
    Tobjet* dernier = nullptr;
    for (int k = 0; k < n; ++k)
        dernier = traitEnTravers(f, a, b, 0.5 + (k - (n - 1) / 2.0) * ecart, demiTraitCodage, s.options.couleur, 1);
    return dernier;
}

// The characters a label shows, its markup codes left out.
int caracteresVisibles(const std::string& texte)
{
    int n = 0;
    for (std::size_t k = 0; k < texte.size(); ++k)
        if (texte[k] == '$') ++k;
        else ++n;
    return n;
}

// "partage A B C D n": the quadrilateral ABCD cut into n equal strips by segments from [AB] to
// [DC], as a bar shows a fraction.
Tobjet* partage(Tfigure& f, const Tstatement& s)
{
    const int n = s.entier(4, nombreBandes);
    Tobjet* dernier = nullptr;
    for (int k = 1; k < n; ++k) {
        const double t = static_cast<double>(k) / n;
        const std::string bas = auxiliaire(f);
        creerPointSurDroite(f, bas, s.arguments[0], s.arguments[1], t, 0, 0, 0);
        cacherObjet(f, bas);
        const std::string haut = auxiliaire(f);
        creerPointSurDroite(f, haut, s.arguments[3], s.arguments[2], t, 0, 0, 0);
        cacherObjet(f, haut);
        dernier = creerSegment(f, bas, haut, s.options.couleur, s.options.trait, s.options.epaisseur);
    }
    return dernier;
}

// "étiquette x y texte": a text in $-markup centred on x, its top at y. A label's offset counts
// in 8-pixel cells, and its characters are about 3.4 pixels wide on each side of their middle.
// The figure keeps 120 characters of a label, markup included: a longer one is refused, not cut.
Tobjet* etiquette(Tfigure& f, const Tstatement& s)
{
    std::string texte = s.instruction.reste;
    for (int mot = 0; mot < 2; ++mot) {
        const std::size_t blanc = texte.find_first_of(" \t");
        texte = blanc == std::string::npos ? "" : texte.substr(texte.find_first_not_of(" \t", blanc));
    }
    exigerSansTabulation(s.instruction, texte);
    if (texte.size() > longueurCourte)
        throw ErreurLecon(s.instruction.ligne, "l'étiquette a " + std::to_string(texte.size()) +
                                                   " caractères : une figure en garde " +
                                                   std::to_string(longueurCourte) + " au plus");
    return creerPoint(f, auxiliaire(f), texte, s.nombre(0, coordonnee), s.nombre(1, coordonnee),
                      -0.42 * caracteresVisibles(texte), 0, s.options.couleur, 0);
}

// The protractor's two rows of numbers stand this many units beyond its radius. Measured on the
// painted numbers, those of a row keep 2 pixels of white between them from an inner row 120
// pixels from the centre, and the two rows from 19 pixels apart.
constexpr double ecartRangInterieur = 2.0;
constexpr double ecartRangExterieur = 2.9;
constexpr double rayonNombresMin = 120;
constexpr double ecartRangsMin = 19;

// The smallest value, in tenths, not below x.
std::string dixiemesAuDessus(double x) { return reelVersChaine(std::ceil(x * 10 - 1e-9) / 10); }

// Numbers that touch read as other numbers: a protractor too small for its numbers at the
// figure's scale is refused, with the radius or the scale that holds them.
void exigerNombresLisibles(const Tfigure& f, const Tstatement& s, double rayon)
{
    const std::string echelle = reelVersChaine(f.echelle);
    const double ecartRangs = ecartRangExterieur - ecartRangInterieur;
    if (ecartRangs * f.echelle < ecartRangsMin)
        throw ErreurLecon(s.instruction.ligne, "à l'échelle " + echelle +
                                                   ", les deux rangs de nombres du rapporteur se touchent : il "
                                                   "faut une échelle d'au moins " +
                                                   dixiemesAuDessus(ecartRangsMin / ecartRangs));
    if ((rayon + ecartRangInterieur) * f.echelle < rayonNombresMin - 1e-9)
        throw ErreurLecon(s.instruction.ligne,
                          "à l'échelle " + echelle + ", les nombres du rapporteur de rayon " + reelVersChaine(rayon) +
                              " se touchent : il faut un rayon d'au moins " +
                              dixiemesAuDessus(rayonNombresMin / f.echelle - ecartRangInterieur));
}

// "rapporteur O A r": the program's own protractor, centre O, radius r, its 0 on [OA); beyond its
// graduations, every 10°, the numbers of its two scales: the inner row, black, from 0 on [OA), the
// outer row, in the statement's colour, from 0 on the opposite side.
Tobjet* rapporteur(Tfigure& f, const Tstatement& s)
{
    if (f.nbOutils >= nbOutilsMax) throw ErreurLecon(s.instruction.ligne, "trop d'instruments sur la figure");
    const std::string& o = s.arguments[0];
    bool nul = false;
    const double dx = abscisse(f, s.arguments[1]) - abscisse(f, o);
    const double dy = ordonnee(f, s.arguments[1]) - ordonnee(f, o);
    // O and A stand apart, as the statement requires: the 0 has its direction.
    const double zero = angleOriente(nul, 1, 0, dx, dy);
    const double rayon = s.nombre(2, rayonRapporteur);
    exigerNombresLisibles(f, s, rayon);
    Toutil& outil = f.outils[static_cast<std::size_t>(++f.nbOutils)];
    outil.genre = outilRapporteur;
    outil.x = abscisse(f, o);
    outil.y = ordonnee(f, o);
    outil.angle = zero;
    outil.rayon = rayon;
    // A page shows no arm and no handle to take.
    outil.brasReglable = false;
    outil.rayonPoignee = 0.4;
    // The graduations reach 1.5 beyond the radius; the two rows of numbers stand outside them,
    // centred on their direction.
    struct Tgraduation {
        double ecart;
        bool sensDirect;
        TColor couleur;
    };
    const Tgraduation rangs[] = {{ecartRangInterieur, true, 0x000000}, {ecartRangExterieur, false, s.options.couleur}};
    Tobjet* dernier = nullptr;
    for (const Tgraduation& rang : rangs)
        for (int degres = 0; degres <= 180; degres += 10) {
            const std::string nombre = "$<" + std::to_string(rang.sensDirect ? degres : 180 - degres);
            const double r = outil.rayon + rang.ecart;
            // The numbers of the ends stand above the reference line, the others on their
            // direction.
            const double bas = degres == 0 || degres == 180 ? -1.1 : -0.55;
            dernier = creerPoint(f, auxiliaire(f), nombre, outil.x + r * cosDegres(zero + degres),
                                 outil.y + r * sinDegres(zero + degres), -0.42 * caracteresVisibles(nombre), bas,
                                 rang.couleur, 0);
        }
    return dernier;
}

struct TstatementFigure {
    const char* mot;
    // The arguments it takes; -1 for a list of at least two.
    int nbArguments;
    // The arguments that name objects of the figure: those from `premierNom` (1 when the first
    // names what the statement makes) up to the numbers that end the statement.
    int premierNom;
    int nbNombres;
    // The points that must stand apart for the statement to draw something whole, by the
    // positions of their arguments, in groups separated by blanks: "12 34" keeps 1 from 2 and 3
    // from 4, "012" keeps 0, 1 and 2 apart; "*" keeps every point of the list apart.
    const char* distincts;
    // The vertex, then a point of each side, of the angle it marks or spans: sides that run the
    // same way would give a full circle or a flat mark. A final "|" refuses a flat angle too: a
    // right angle's square on it would be a line through the vertex.
    const char* angle;
    // The kinds of the objects it builds on, by position: "p" a point, "d" a line, "c" a circle,
    // "-" what it names; the points it keeps apart are not listed.
    const char* genres;
    Tobjet* (*creer)(Tfigure& f, const Tstatement& s);
};

const TstatementFigure statements[] = {
    {"point", 3, 1, 2, "", "", "", point},
    {"milieu", 3, 1, 0, "12", "", "", pointDeDeux<creerMilieu>},
    {"sur", 4, 1, 1, "12", "", "", pointDeDeuxEtNombre<creerPointSurDroite, rapportSur>},
    {"symétrique", 3, 1, 0, "", "", "-dp", pointDeDeux<creerSymetriqueDroite>},
    {"rotation", 4, 1, 1, "12", "", "", pointDeDeuxEtNombre<creerImageRotation, angleRotation>},
    {"report", 5, 1, 0, "12 34", "", "", pointDeQuatre<reporterLongueur>},
    {"intersection", 3, 1, 0, "", "", "-dd", pointDeDeux<creerIntersectionDroites>},
    {"intersection-cercles", 3, 1, 0, "", "", "-cc", pointDeDeux<creerIntersectionCercles>},
    {"quatrième", 4, 1, 0, "123", "", "", pointDeTrois<creerQuatriemeSommet>},
    {"segment", 2, 0, 0, "01", "", "", ligneDeDeux<creerSegment>},
    {"droite", 2, 0, 0, "01", "", "", ligneDeDeux<creerDroite>},
    {"demi-droite", 2, 0, 0, "01", "", "", ligneDeDeux<creerDemiDroite>},
    {"perpendiculaire", 3, 1, 0, "", "", "-pd", ligneNommee<creerPerpendiculaire>},
    {"parallèle", 3, 1, 0, "", "", "-pd", ligneNommee<creerParallele>},
    {"médiatrice", 3, 1, 0, "12", "", "", ligneNommee<creerMediatrice>},
    {"cercle", 3, 1, 0, "12", "", "", ligneNommee<creerCercle>},
    {"disque", 3, 1, 0, "12", "", "", disque},
    {"arc", 4, 1, 0, "123", "123", "", arc},
    {"polygone", -1, 1, 0, "*", "", "", polygone},
    {"ligne-brisée", -1, 1, 0, "*", "", "", ligneBrisee},
    {"angle-droit", 3, 0, 0, "012", "102|", "", angleDroit},
    {"marque-angle", 3, 0, 0, "012", "102", "", marqueAngle},
    {"codage", 3, 0, 1, "01", "", "", codage},
    {"graduation", 3, 0, 1, "01", "", "", graduation},
    {"partage", 5, 0, 1, "0123", "", "", partage},
    {"rapporteur", 3, 0, 1, "01", "", "", rapporteur},
};

// No name is one of those the statements give their helper objects, or longer than the figure
// keeps, and every object the statement builds on is already in the figure, of the kind it needs.
void verifierNoms(const Tfigure& f, const TstatementFigure& statement, const Tstatement& s)
{
    // The names a statement gives or uses: its arguments before the numbers that end it.
    const std::size_t fin = s.arguments.size() - static_cast<std::size_t>(statement.nbNombres);
    for (std::size_t k = 0; k < fin; ++k) {
        if (s.arguments[k].starts_with('_'))
            throw ErreurLecon(s.instruction.ligne, "le nom \"" + s.arguments[k] +
                                                       "\" commence par \"_\", réservé aux objets que la "
                                                       "figure ajoute elle-même");
        exigerNomEntier(s.instruction, s.arguments[k]);
    }
    for (std::size_t k = static_cast<std::size_t>(statement.premierNom); k < fin; ++k)
        if (indiceObjet(f, s.arguments[k]) == 0)
            throw ErreurLecon(s.instruction.ligne, "la figure n'a pas d'objet \"" + s.arguments[k] + "\"");
}

// The point of that name, which the statement needs: a line or a circle in its place leaves the
// drawing undefined, or puts a protractor at the origin.
const Tpoint& pointDe(const Tfigure& f, const Tstatement& s, const std::string& nom)
{
    const Tobjet* o = objetNomme(f, nom);
    if (!o || !o->point) throw ErreurLecon(s.instruction.ligne, "\"" + nom + "\" n'est pas un point");
    return *o->point;
}

// The lines the engine constructs on: a segment or a half-line gives no direction to them.
bool estDroite(const Tobjet& o)
{
    return o.genre == genreDroite || o.genre == genrePerpendiculaire || o.genre == genreMediatrice ||
           o.genre == genreParallele;
}

// Each object the statement builds on is of the kind it needs: a circle given for a line leaves
// the drawing undefined, for a reason the author would not find.
void verifierGenres(const Tfigure& f, const TstatementFigure& statement, const Tstatement& s)
{
    const std::string genres = statement.genres;
    for (std::size_t k = 0; k < genres.size(); ++k) {
        if (genres[k] == '-') continue;
        const std::string& nom = s.arguments[k];
        const Tobjet& o = *objetNomme(f, nom);
        const char* attendu = genres[k] == 'p' && !o.point       ? "un point"
                              : genres[k] == 'd' && !estDroite(o) ? "une droite"
                              : genres[k] == 'c' && o.genre != genreCercle ? "un cercle"
                                                                          : nullptr;
        if (attendu) throw ErreurLecon(s.instruction.ligne, "\"" + nom + "\" n'est pas " + attendu);
    }
}

// Two places of the figure as it stands, (dx, dy) apart, are the same: less than half a pixel
// apart.
bool memePlace(const Tfigure& f, double dx, double dy) { return std::hypot(dx, dy) * f.echelle < 0.5; }

// Two points at the same place, whatever their names.
bool confondus(const Tfigure& f, const Tpoint& p, const Tpoint& q) { return memePlace(f, p.x - q.x, p.y - q.y); }

// The sides of the angle at O through P and Q run the same way (sens 1) or opposite ways (sens
// -1): Q brought to the distance OP on the side of `sens` stands where P does.
bool cotesAlignes(const Tfigure& f, const Tpoint& o, const Tpoint& p, const Tpoint& q, double sens)
{
    const double k = sens * std::hypot(p.x - o.x, p.y - o.y) / std::hypot(q.x - o.x, q.y - o.y);
    return memePlace(f, p.x - o.x - k * (q.x - o.x), p.y - o.y - k * (q.y - o.y));
}

// The points the statement's drawing stands on are points, apart from each other, and the sides
// of its angle part.
void verifierPlaces(const Tfigure& f, const TstatementFigure& statement, const Tstatement& s)
{
    std::istringstream groupes(statement.distincts);
    std::string groupe;
    while (groupes >> groupe) {
        std::vector<std::size_t> positions;
        if (groupe == "*")
            for (std::size_t k = 1; k < s.arguments.size(); ++k) positions.push_back(k);
        else
            for (const char c : groupe) positions.push_back(static_cast<std::size_t>(c - '0'));
        for (std::size_t i = 0; i < positions.size(); ++i)
            for (std::size_t j = i + 1; j < positions.size(); ++j) {
                const std::string& a = s.arguments[positions[i]];
                const std::string& b = s.arguments[positions[j]];
                if (confondus(f, pointDe(f, s, a), pointDe(f, s, b)))
                    throw ErreurLecon(s.instruction.ligne, "\"" + s.instruction.mot + "\" ne donne rien : \"" + a +
                                                               "\" et \"" + b + "\" sont confondus");
            }
    }
    const std::string angle = statement.angle;
    if (angle.empty()) return;
    const std::string& o = s.arguments[static_cast<std::size_t>(angle[0] - '0')];
    const std::string& p = s.arguments[static_cast<std::size_t>(angle[1] - '0')];
    const std::string& q = s.arguments[static_cast<std::size_t>(angle[2] - '0')];
    const Tpoint &po = pointDe(f, s, o), &pp = pointDe(f, s, p), &pq = pointDe(f, s, q);
    if (cotesAlignes(f, po, pp, pq, 1))
        throw ErreurLecon(s.instruction.ligne, "\"" + s.instruction.mot + "\" ne donne rien : [" + o + p + ") et [" +
                                                   o + q + ") sont confondues");
    if (angle.ends_with('|') && cotesAlignes(f, po, pp, pq, -1))
        throw ErreurLecon(s.instruction.ligne, "\"" + s.instruction.mot + "\" ne va pas sur un angle plat : [" + o +
                                                   p + ") et [" + o + q + ") sont opposées");
}

// What the statement made is drawn whole: each object under a name of its own, nothing
// undefined, no point shown further out of the box than the painter looks for the ink of labels.
void verifierObjetsFaits(const Tfigure& f, const TinstructionLecon& instruction, int avant)
{
    for (int i = avant + 1; i <= f.nbObjets; ++i) {
        const Tobjet& o = *f.objets[i];
        if (indiceObjet(f, o.nom) != i)
            throw ErreurLecon(instruction.ligne, "la figure a déjà un objet \"" + o.nom + "\"");
        if (o.indefini)
            throw ErreurLecon(instruction.ligne, "\"" + instruction.mot +
                                                     "\" ne donne rien : points confondus, droites parallèles "
                                                     "ou cercles sans point commun");
        if (!o.point || !o.visible) continue;
        const int x = versPixelX(f, o.point->x), y = versPixelY(f, o.point->y);
        const std::string& nom = o.point->etiquette.empty() ? o.nom : o.point->etiquette;
        const int m = margeVerifieeFigure;
        if (x < -m || x > f.largeur + m || y < -m || y > f.hauteur + m)
            throw ErreurLecon(instruction.ligne, "\"" + nom + "\" est hors de sa figure, en (" +
                                                     std::to_string(x) + ", " + std::to_string(y) + ")");
    }
}

// The last object a statement made; none when it found no room, as the figure holds nbObjetsMax
// objects and its creators make nothing beyond: the objects made before it would be a part.
Tobjet* dernierFait(Tobjet* dernier, const TinstructionLecon& instruction)
{
    if (!dernier) throw ErreurLecon(instruction.ligne, "la figure a trop d'objets");
    return dernier;
}

}  // namespace

void creerObjetFigure(Tfigure& figure, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    const int avant = figure.nbObjets;
    if (instruction.mot == "étiquette") {
        if (mots.size() < 3) throw ErreurLecon(instruction.ligne, "étiquette x y texte");
        dernierFait(etiquette(figure, {instruction, {mots[0], mots[1]}, {}}), instruction);
        verifierObjetsFaits(figure, instruction, avant);
        return;
    }
    for (const TstatementFigure& statement : statements) {
        if (instruction.mot != statement.mot) continue;
        Tstatement s{instruction, {}, {}};
        s.arguments = lireOptions(instruction, mots, s.options);
        const int n = static_cast<int>(s.arguments.size());
        const int attendus = statement.nbArguments >= 0 ? statement.nbArguments : 3;
        if (statement.nbArguments >= 0 ? n != attendus : n < attendus)
            throw ErreurLecon(instruction.ligne, "\"" + instruction.mot + "\" n'a pas ses arguments" +
                                                     (n < attendus && !s.options.premiere.empty()
                                                          ? " : " + reserve(s.options.premiere)
                                                          : std::string()));
        if (n - 1 > nbSommetsMax)
            throw ErreurLecon(instruction.ligne, "\"" + instruction.mot + "\" a plus de " +
                                                     std::to_string(nbSommetsMax) + " sommets");
        verifierNoms(figure, statement, s);
        verifierGenres(figure, statement, s);
        verifierPlaces(figure, statement, s);
        Tobjet* dernier = dernierFait(statement.creer(figure, s), instruction);
        // "invisible" hides what the statement made last: a construction line, a circle that
        // only gives an intersection, a point that only places others; "sans-nom" takes a
        // point's label away.
        if (s.options.invisible) dernier->visible = false;
        if (dernier->point && s.options.sansNom) dernier->point->etiquette.clear();
        verifierObjetsFaits(figure, instruction, avant);
        return;
    }
    throw ErreurLecon(instruction.ligne, "\"" + instruction.mot + "\" n'est pas un objet de figure");
}
