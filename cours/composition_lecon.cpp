#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "cours/composition.h"
#include "cours/etendue_dessin.h"
#include "cours/figures_lecon.h"
#include "engine/base/nombres.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_quadrillages.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/objets_par_nom.h"
#include "engine/text/texte_balise.h"
#include "navigation/pages_cours.h"

namespace {

// Where the window puts its back button and its button towards an exercise, in pixels of the
// paint box, with a pixel of margin.
const TRect boutonRetour{679, 19, 771, 46};
const TRect boutonPourSexercer{661, 215, 763, 242};

// A line with a fraction takes 8 more pixels above and below.
constexpr double margeFraction = 8;
// Texts start a little right of the picture's edge; blocks end by default where the buttons of
// the window begin; drawings end before the picture's right edge.
constexpr double retraitPage = 14;
constexpr double bordPage = 650;
constexpr double droitePage = largeurZoneCours - 2;
// Inside a block, texts keep this much room from its sides.
constexpr double retraitBloc = 12;
// Each ">" at the start of a text line moves it right.
constexpr double retraitCitation = 20;
// Blocks hold blocks up to this depth.
constexpr int profondeurBlocsMax = 4;

// The numbers of the page's instructions, in pixels of the paint box but for the lines of a skip
// and a figure's scale (pixels per unit).
constexpr TnombreLecon hauteurFigure{"la hauteur", 1, hauteurSurface};
constexpr TnombreLecon lignesSautees{"le saut", 0, 50};
constexpr TnombreLecon echelleFigure{"l'échelle", 1, 500};

constexpr TColor noir = 0x000000;
constexpr TColor blanc = 0xFFFFFF;
constexpr TColor orangeTitre = 0x0579FA;

bool aUneFraction(const std::string& texte)
{
    return texte.find("$F") != std::string::npos || texte.find("$W") != std::string::npos;
}

// Two places that share more than a pixel or two. A figure may write over a posed operation, its
// labels between the digits.
bool chevauchent(const Tplace& a, const Tplace& b)
{
    if ((a.quoi == "figure" && b.quoi == "opération") || (a.quoi == "opération" && b.quoi == "figure")) return false;
    return a.gauche < b.droite - 2 && b.gauche < a.droite - 2 && a.haut < b.bas - 2 && b.haut < a.bas - 2;
}

// The pixels that the larger letters of "$>" take below those of a plain line.
double hauteurEnPlus(Tcomposition& c, const std::string& texte)
{
    if (texte.find("$>") == std::string::npos) return 0;
    const auto bas = [&c](const std::string& t) {
        CanevasEtendue etendue(c.mesure);
        double x = 0;
        dessinerTexte(etendue, t, x, 0, noir, styleNormal, tailleTexteLecon);
        return etendue.etendue() ? etendue.etendue()->bottom : 0;
    };
    return std::max(0, bas(texte) - bas("A"));
}

}  // namespace

void noterLigne(std::vector<int>& lignes, const Tfigure& f, int ligne)
{
    lignes.resize(static_cast<std::size_t>(f.nbObjets), ligne);
}

double colonne(const Tcomposition& c, double x) { return (x - c.page.gauche) / pixelsParColonneCours; }
double ligne(const Tcomposition& c, double y) { return (y - c.page.haut) / pixelsParLigneCours; }

void descendre(Tcomposition& c, double y) { c.bas = std::max(c.bas, y); }

Tobjet* exigerObjet(const TinstructionLecon& instruction, Tobjet* objet)
{
    if (!objet) throw ErreurLecon(instruction.ligne, "la page a trop d'objets");
    return objet;
}

double largeurTexte(Tcomposition& c, const std::string& texte)
{
    double x = 0;
    dessinerTexte(c.mesure, texte, x, 0, noir, styleNormal, tailleTexteLecon);
    return x;
}

void occuper(Tcomposition& c, const Tplace& place, std::size_t avant)
{
    const std::size_t n = std::min(avant, c.places.size());
    for (std::size_t k = 0; k < n; ++k)
        if (const Tplace& autre = c.places[k]; chevauchent(place, autre))
            throw ErreurLecon(place.ligne, "\"" + place.quoi + "\" chevauche \"" + autre.quoi + "\"");
    c.places.push_back(place);
}

void verifierLargeur(const Tcomposition& c, const TinstructionLecon& instruction, const std::string& quoi,
                     double gauche, double droite, double limite)
{
    const struct {
        double depassement;
        const char* cote;
    } cotes[] = {{c.gauche - gauche, "gauche"}, {droite - limite, "droite"}};
    for (const auto& cote : cotes)
        if (cote.depassement > 0)
            throw ErreurLecon(instruction.ligne, quoi + " dépasse à " + cote.cote + " de " +
                                                     reelVersChaine(std::ceil(cote.depassement)) + " pixels");
}

void verifierHaut(const Tcomposition& c, const TinstructionLecon& instruction, const std::string& quoi, double y,
                  double haut)
{
    if (y < haut)
        throw ErreurLecon(instruction.ligne, quoi + " monte au-dessus de " + (c.profondeur > 0 ? "son bloc" : "la page") +
                                                 ", qui commence en " + reelVersChaine(haut));
}

// A text must stand within the block it is in, or the page, and cover nothing. Its letters
// stand from 2 to 16 pixels below its top, larger letters lower; a fraction's parts 8 more above
// and below.
void ecrire(Tcomposition& c, const TinstructionLecon& instruction, const std::string& texte, double x, double y)
{
    if (texte.empty()) return;
    exigerSansTabulation(instruction, texte);
    const double largeur = largeurTexte(c, texte);
    verifierLargeur(c, instruction, "le texte", x, x + largeur, c.bord);
    const double marge = aUneFraction(texte) ? margeFraction : 0;
    const double plusBas = std::max(marge, hauteurEnPlus(c, texte));
    occuper(c, {x, y + 2 - marge, x + largeur, y + 16 + plusBas, texte, instruction.ligne});
    exigerObjet(instruction, creerTexte(surface(c), texte, noir, colonne(c, x), ligne(c, y)));
    descendre(c, y + pasLigne + plusBas - marge);
}

std::string sansBlancsAutour(const std::string& texte)
{
    const std::size_t premier = texte.find_first_not_of(" \t");
    if (premier == std::string::npos) return {};
    return texte.substr(premier, texte.find_last_not_of(" \t") + 1 - premier);
}

std::vector<std::string> morceauxSepares(const std::string& texte, char separateur)
{
    std::vector<std::string> morceaux;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find(separateur, debut);
        morceaux.push_back(sansBlancsAutour(texte.substr(debut, fin - debut)));
        if (fin == std::string::npos) return morceaux;
        debut = fin + 1;
    }
}

namespace {

// One line at the pen, moved right by its leading ">" marks.
void composerTexte(Tcomposition& c, const TinstructionLecon& instruction)
{
    std::string texte = instruction.texte;
    double x = c.marge;
    while (texte.size() >= 2 && texte[0] == '>' && texte[1] == ' ') {
        x += retraitCitation;
        texte.erase(0, 2);
    }
    const double marge = aUneFraction(texte) ? margeFraction : 0;
    ecrire(c, instruction, texte, x, c.plume + marge);
    c.plume += pasLigne + 2 * marge;
}

// A horizontal line between two hidden points of the page, whose world is its pixels, y upwards.
void tracerFilet(Tcomposition& c, const TinstructionLecon& instruction, double x1, double x2, double y,
                 TColor couleur, int epaisseur)
{
    Tfigure& f = surface(c);
    const std::string a = "_" + std::to_string(++c.nbAuxiliaires);
    const std::string b = "_" + std::to_string(++c.nbAuxiliaires);
    exigerObjet(instruction, creerPointSansNom(f, a, couleur, x1 - c.page.gauche, c.page.haut - y));
    exigerObjet(instruction, creerPointSansNom(f, b, couleur, x2 - c.page.gauche, c.page.haut - y));
    cacherObjet(f, a);
    cacherObjet(f, b);
    exigerObjet(instruction, creerSegment(f, a, b, couleur, 1, epaisseur));
}

// "titre": the page's title, as the tree of course pages gives it, over its rule; nothing is
// written above the rule then.
void composerTitre(Tcomposition& c, const TinstructionLecon& instruction)
{
    if (!instruction.reste.empty())
        throw ErreurLecon(instruction.ligne, "le titre est celui de l'arbre des pages : \"titre\" seul");
    c.page.titre = c.pageDuCours.titre;
    ecrire(c, instruction, "$g$K$>$>$>$>" + titreEnBalise(c.pageDuCours.titre), c.marge, c.plume);
    tracerFilet(c, instruction, c.marge, c.bord, c.plume + 28, orangeTitre, 2);
    occuper(c, {c.marge, c.plume + 28, c.bord, c.plume + 30, "le filet du titre", instruction.ligne});
    c.hautTitre = c.plume;
    c.haut = c.plume + 30;
    c.plume += 40;
}

void composerSaut(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    if (mots.size() > 1) throw ErreurLecon(instruction.ligne, "saut [nombre de lignes]");
    c.plume += pasLigne * (mots.empty() ? 1 : nombreDe(instruction, mots[0], lignesSautees));
}

double seulNombre(const TinstructionLecon& instruction, const TnombreLecon& genre)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    if (mots.size() != 1) throw ErreurLecon(instruction.ligne, instruction.mot + " attend un nombre");
    return nombreDe(instruction, mots[0], genre);
}

void composerAller(Tcomposition& c, const TinstructionLecon& instruction)
{
    const double y = seulNombre(instruction, ordonneePage);
    verifierHaut(c, instruction, "aller " + reelVersChaine(y), y, c.haut);
    c.plume = y;
}

// "dessous": the pen goes below everything placed so far, figures included.
void composerDessous(Tcomposition& c, const TinstructionLecon& instruction)
{
    if (!instruction.reste.empty()) throw ErreurLecon(instruction.ligne, "\"dessous\" s'écrit seul");
    c.plume = c.bas + 6;
}

void composerMarge(Tcomposition& c, const TinstructionLecon& instruction)
{
    const double x = seulNombre(instruction, abscissePage);
    verifierLargeur(c, instruction, "la marge", x, x, c.bord);
    c.marge = x;
}

void composerInstruction(Tcomposition& c, const TinstructionLecon& instruction);
bool estMotDePage(const std::string& mot);

// A word that begins as a number does; its reading then says whether it is one.
bool commeUnNombre(const std::string& mot)
{
    const std::size_t chiffre = mot.find_first_of("0123456789");
    return chiffre != std::string::npos && mot.find_first_not_of("-+.,") >= chiffre;
}

// A block opens on a line that holds its word alone, or followed by its width; "fin" stands
// alone. Followed by a word that begins as a number does, the word is the instruction, given
// what it does not take.
bool estInstructionDeBloc(const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    if (mots.empty()) return true;
    if (!commeUnNombre(mots[0])) return false;
    if (instruction.mot == "fin") throw ErreurLecon(instruction.ligne, "\"fin\" s'écrit seul");
    if (mots.size() > 1)
        throw ErreurLecon(instruction.ligne, "\"" + instruction.mot + "\" n'attend que sa largeur : " +
                                                 instruction.mot + " [largeur]");
    return true;
}

// Whether the line closes the figure or table opened before it.
bool ferme(const TinstructionLecon& ligne)
{
    if (ligne.mot != "fin") return false;
    if (!ligne.reste.empty()) throw ErreurLecon(ligne.ligne, "\"fin\" s'écrit seul");
    return true;
}

// A line the figure or table opened at `ouverture` cannot hold tells that its "fin" is missing.
void exigerFin(const TinstructionLecon& ouverture, const TinstructionLecon& ligne, bool contenu)
{
    if (!contenu)
        throw ErreurLecon(ouverture.ligne, "\"" + ouverture.mot + "\" sans \"fin\" avant la ligne " +
                                               std::to_string(ligne.ligne));
}

// The instructions up to the "fin" that closes the block opened at `ouverture`.
void composerJusquAFin(Tcomposition& c, const TinstructionLecon& ouverture)
{
    while (c.suivante < c.instructions.size()) {
        const TinstructionLecon& instruction = c.instructions[c.suivante++];
        if (instruction.mot == "fin" && estInstructionDeBloc(instruction)) return;
        composerInstruction(c, instruction);
    }
    throw ErreurLecon(ouverture.ligne, "\"" + ouverture.mot + "\" sans \"fin\"");
}

// The blocks: the engine's framed style, the width of its heading tab (0 for none), and the text
// the page writes on the tab of a block that the engine's styles lack.
struct TgenreBloc {
    const char* mot;
    int style;
    double onglet;
    const char* ongletPeint;
};

// A definition is framed as a property, under a tab of its own: the box without tab of the same
// orange, and the tab of the property's frame, 88 pixels wide and 21 high, painted by the page.
constexpr double largeurOnglet = 88;
constexpr double hauteurOnglet = 21;
const TgenreBloc genresBloc[] = {
    {"propriété", 1, largeurOnglet, nullptr}, {"définition", 2, largeurOnglet, "$g$HDéfinition"},
    {"encadré", 2, 0, nullptr},               {"boîte", 3, 0, nullptr},
    {"énoncé", 6, 71, nullptr},               {"action", 10, 68, nullptr},
};

const TgenreBloc* genreBloc(const std::string& mot)
{
    for (const TgenreBloc& genre : genresBloc)
        if (mot == genre.mot) return &genre;
    return nullptr;
}

void peindreOnglet(Tcomposition& c, const TinstructionLecon& instruction, const char* texte, double x, double y)
{
    const std::string nom = "_" + std::to_string(++c.nbAuxiliaires);
    exigerObjet(instruction, creerRectangle(surface(c), nom, orangeTitre, x - c.page.gauche, c.page.haut - y,
                                            x + largeurOnglet - c.page.gauche, c.page.haut - y - hauteurOnglet + 1, 1));
    exigerObjet(instruction, creerTexte(surface(c), texte, blanc, colonne(c, x + 8), ligne(c, y)));
}

// A framed block around the instructions up to its "fin"; an optional width in pixels. The frame
// is created first, so that it is painted under its contents, and takes its height at the end;
// all its contents stand in it.
void composerBloc(Tcomposition& c, const TinstructionLecon& instruction)
{
    const TgenreBloc& genre = *genreBloc(instruction.mot);
    if (c.profondeur == profondeurBlocsMax)
        throw ErreurLecon(instruction.ligne, "trop de blocs les uns dans les autres : " +
                                                 std::to_string(profondeurBlocsMax) + " au plus");
    const std::vector<std::string> mots = motsDe(instruction.reste);
    const double x = c.marge;
    const double y = c.plume + 4;
    const double largeur = mots.empty() ? c.bord - x : nombreDe(instruction, mots[0], largeurLecon);
    verifierLargeur(c, instruction, "\"" + instruction.mot + "\"", x, x + largeur, c.droite);
    if (largeur < genre.onglet)
        throw ErreurLecon(instruction.ligne, "l'onglet de \"" + instruction.mot + "\" a " +
                                                 reelVersChaine(genre.onglet) +
                                                 " pixels de large, plus que son bloc de " + reelVersChaine(largeur));
    // The boxes under a heading tab begin 8 pixels below the block.
    const bool onglet = genre.onglet > 0;
    const double hautBoite = onglet ? y + 8 : y;
    // The engine's frames with a tab draw their box 8 pixels below their corner.
    const double hautCadre = genre.ongletPeint ? hautBoite : y;
    Tobjet* cadre = exigerObjet(instruction, creerCadre(surface(c), genre.style, colonne(c, x), ligne(c, hautCadre),
                                                         largeur / pixelsParColonneCours, 1));
    if (genre.ongletPeint) peindreOnglet(c, instruction, genre.ongletPeint, x, y - 1);
    noterLigne(c.page.lignes, surface(c), instruction.ligne);
    const auto dehors = std::tuple{c.marge, c.bord, c.gauche, c.droite, c.haut};
    const std::size_t avant = c.places.size();
    c.marge = x + retraitBloc;
    c.bord = x + largeur - retraitBloc;
    c.gauche = x + 1;
    c.droite = x + largeur - 1;
    c.plume = onglet ? y + 28 : y + 8;
    // Nothing goes up onto the block's top line, nor onto its tab.
    c.haut = onglet ? y + hauteurOnglet : y + 2;
    ++c.profondeur;
    composerJusquAFin(c, instruction);
    --c.profondeur;
    const double hauteur = c.plume + 4 - hautBoite;
    cadre->donneesDe<Tcadre>().hauteur = hauteur;
    const double basBloc = hautBoite + hauteur;
    for (std::size_t k = avant; k < c.places.size(); ++k)
        if (const Tplace& p = c.places[k]; p.bas > basBloc + 2)
            throw ErreurLecon(p.ligne, "\"" + p.quoi + "\" sort de \"" + instruction.mot + "\" de " +
                                           reelVersChaine(std::ceil(p.bas - basBloc)) + " pixels en bas");
    occuper(c, {x, y - 1, x + largeur, basBloc, instruction.mot, instruction.ligne}, avant);
    std::tie(c.marge, c.bord, c.gauche, c.droite, c.haut) = dehors;
    c.plume = basBloc + 10;
    descendre(c, c.plume);
}

// "figure x largeur hauteur [échelle]": a figure whose box has its top-left corner at x and the
// pen, world origin at the box's bottom-left corner, `échelle` pixels per unit (30 by default).
// The pen stays where it is, so that texts may run beside the figure.
void composerFigureLecon(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    if (mots.size() != 3 && mots.size() != 4)
        throw ErreurLecon(instruction.ligne, "figure x largeur hauteur [échelle]");
    const double x = nombreDe(instruction, mots[0], abscissePage);
    const int largeur = entierDe(instruction, mots[1], largeurLecon);
    const int hauteur = entierDe(instruction, mots[2], hauteurFigure);
    TfigureLecon figure;
    creerFigure(nullptr, largeur, hauteur, figure.surface);
    Tfigure& f = *figure.surface;
    f.fondPeint = false;
    f.origineX = 0;
    f.origineY = hauteur;
    f.echelle = mots.size() == 4 ? nombreDe(instruction, mots[3], echelleFigure) : 30;
    calculerFenetre(f);
    figure.x = arrondi(x - c.page.gauche);
    figure.y = arrondi(c.plume - c.page.haut);
    figure.ligne = instruction.ligne;
    while (true) {
        if (c.suivante >= c.instructions.size())
            throw ErreurLecon(instruction.ligne, "\"figure\" sans \"fin\"");
        const TinstructionLecon& objet = c.instructions[c.suivante++];
        if (ferme(objet)) break;
        exigerFin(instruction, objet, !estMotDePage(objet.mot));
        creerObjetFigure(f, objet);
        noterLigne(figure.lignes, f, objet.ligne);
    }
    verifierLargeur(c, instruction, "la figure", x, x + largeur, c.droite);
    occuper(c, {x, c.plume, x + largeur, c.plume + hauteur, "figure", instruction.ligne});
    descendre(c, c.plume + hauteur);
    c.page.figures.push_back(std::move(figure));
}

std::vector<std::string> casesDe(std::string rangee)
{
    if (!rangee.empty() && rangee.front() == '|') rangee.erase(0, 1);
    if (!rangee.empty() && rangee.back() == '|') rangee.pop_back();
    return morceauxSepares(rangee, '|');
}

// "tableau x largeur1 largeur2 ...": rows of cells separated by "|" up to "fin", each text
// centred in its cell; the last width serves the columns that have none. It ends before the right
// side of its block or of the page, as a text does.
void composerTableau(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    if (mots.size() < 2) throw ErreurLecon(instruction.ligne, "tableau x largeur...");
    const double x = nombreDe(instruction, mots[0], abscissePage);
    std::vector<double> largeurs;
    for (std::size_t m = 1; m < mots.size(); ++m) largeurs.push_back(nombreDe(instruction, mots[m], largeurLecon));
    verifierLargeur(c, instruction, "le tableau", x, x, c.bord);
    double y = c.plume + 4;
    double droite = x;
    const std::size_t avant = c.places.size();
    while (true) {
        if (c.suivante >= c.instructions.size())
            throw ErreurLecon(instruction.ligne, "\"tableau\" sans \"fin\"");
        const TinstructionLecon& rangee = c.instructions[c.suivante++];
        if (ferme(rangee)) break;
        exigerFin(instruction, rangee, rangee.texte.find('|') != std::string::npos);
        const std::vector<std::string> cases = casesDe(rangee.texte);
        const bool fraction = std::any_of(cases.begin(), cases.end(), aUneFraction);
        // A square or a cube rises above the letters: its row is 4 pixels higher, its texts 2 lower than
        // the middle.
        const bool exposant = std::any_of(cases.begin(), cases.end(), [](const std::string& texte) {
            return texte.find_first_of("\xB2\xB3") != std::string::npos;
        });
        const double hauteur = (fraction ? 42 : 24) + (exposant ? 4 : 0);
        double gauche = x;
        for (std::size_t k = 0; k < cases.size(); ++k) {
            const double largeur = largeurs[std::min(k, largeurs.size() - 1)];
            exigerObjet(instruction, creerCadre(surface(c), 3, colonne(c, gauche), ligne(c, y),
                                                largeur / pixelsParColonneCours, hauteur / pixelsParLigneCours));
            const double marge = largeur - largeurTexte(c, cases[k]);
            if (marge < 6) throw ErreurLecon(rangee.ligne, "\"" + cases[k] + "\" ne tient pas dans sa case");
            ecrire(c, rangee, cases[k], gauche + std::round(marge / 2), y + (hauteur - 18) / 2 + (exposant ? 2 : 0));
            gauche += largeur;
        }
        noterLigne(c.page.lignes, surface(c), rangee.ligne);
        droite = std::max(droite, gauche);
        y += hauteur;
    }
    verifierLargeur(c, instruction, "le tableau", x, droite, c.bord);
    occuper(c, {x, c.plume + 4, droite, y, instruction.mot, instruction.ligne}, avant);
    c.plume = y + 10;
    descendre(c, c.plume);
}

using Tcomposer = void (*)(Tcomposition& c, const TinstructionLecon& instruction);

struct TinstructionPage {
    const char* mot;
    Tcomposer composer;
};

const TinstructionPage instructionsPage[] = {
    {"titre", composerTitre},         {"saut", composerSaut},           {"aller", composerAller},
    {"dessous", composerDessous},     {"marge", composerMarge},         {"figure", composerFigureLecon},
    {"tableau", composerTableau},     {"opération", composerOperation}, {"lien", composerLien},
    {"bouton", composerBouton},
};

bool estMotDePage(const std::string& mot)
{
    return genreBloc(mot) || std::any_of(std::begin(instructionsPage), std::end(instructionsPage),
                                         [&mot](const TinstructionPage& i) { return mot == i.mot; });
}

// Any line that begins with no instruction's word is a line of text; so is a line that begins
// with the word of a block, or with "fin", followed by words.
Tcomposer composerDe(const TinstructionLecon& instruction)
{
    const bool fin = instruction.mot == "fin";
    if (genreBloc(instruction.mot) || fin) {
        if (!estInstructionDeBloc(instruction)) return composerTexte;
        if (fin) throw ErreurLecon(instruction.ligne, "\"fin\" de trop");
        return composerBloc;
    }
    for (const TinstructionPage& i : instructionsPage)
        if (instruction.mot == i.mot) return i.composer;
    return composerTexte;
}

// The page's height, in pixels of its picture, as it stands.
double hauteurPage(const Tcomposition& c) { return std::max(c.bas, c.plume) - c.page.haut + 10; }

// Nothing goes below the surface, nothing is left out of a full one.
void composerInstruction(Tcomposition& c, const TinstructionLecon& instruction)
{
    composerDe(instruction)(c, instruction);
    noterLigne(c.page.lignes, surface(c), instruction.ligne);
    if (hauteurPage(c) > hauteurSurface)
        throw ErreurLecon(instruction.ligne, "la page dépasse " + std::to_string(hauteurSurface) + " pixels de haut");
}

}  // namespace

TpageLecon composerLecon(const std::vector<TinstructionLecon>& instructions,
                         const TpageDuCours& pageDuCours, Canevas& mesure)
{
    Tcomposition c{instructions, pageDuCours, mesure, {}, 0, 0, 0, bordPage, 0, 0, droitePage, 0, 0, 0, 0, {}};
    TpageLecon& page = c.page;
    page.gauche = arrondi(gaucheImageCours + pixelsParColonneCours * pageDuCours.colonne);
    page.haut = arrondi(hautImageCours + pixelsParLigneCours * pageDuCours.ligne);
    page.largeur = largeurZoneCours - page.gauche;
    page.espacesLibres = {boutonRetour, boutonPourSexercer};
    // The page is as high as its contents; its surface is made high enough for any.
    creerFigure(nullptr, page.largeur, hauteurSurface, page.surface);
    page.surface->couleurFond = 0xFFFFFF;
    // The page's world is its pixels, y upwards, for the lines drawn between points.
    page.surface->origineX = 0;
    page.surface->origineY = 0;
    page.surface->echelle = 1;
    calculerFenetre(*page.surface);
    c.marge = page.gauche + retraitPage;
    c.gauche = page.gauche;
    c.haut = page.haut;
    c.hautTitre = page.haut;
    c.plume = page.haut + 8;
    while (c.suivante < instructions.size()) composerInstruction(c, instructions[c.suivante++]);
    if (page.titre.empty()) throw ErreurLecon(1, "la leçon n'a pas de titre");
    page.hauteur = static_cast<int>(std::ceil(hauteurPage(c)));
    page.surface->hauteur = page.hauteur;
    return std::move(page);
}
