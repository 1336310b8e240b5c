#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "cours/etendue_dessin.h"
#include "cours/figures_lecon.h"
#include "cours/page_lecon.h"
#include "engine/base/chaines.h"
#include "engine/base/nombres.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "engine/text/texte_balise.h"

namespace {

// Where the window puts its back button and its button towards an exercise, in pixels of the
// paint box, with a pixel of margin.
const TRect boutonRetour{679, 19, 771, 46};
const TRect boutonPourSexercer{661, 215, 763, 242};

// A text line is 20 pixels high; a line with a fraction takes 8 more above and below.
constexpr double pasLigne = 20;
constexpr double margeFraction = 8;
// Texts start a little right of the picture's edge; blocks end by default where the buttons of
// the window begin.
constexpr double retraitPage = 14;
constexpr double bordPage = 650;
// Inside a block, texts keep this much room from its sides.
constexpr double retraitBloc = 12;
// Each ">" at the start of a text line moves it right.
constexpr double retraitCitation = 20;
// A link button of the window is 23 pixels high.
constexpr int hauteurBoutonLien = 23;
// A phrase under a link frame may be a little narrower than the frame, never wider; the text
// before it may leave a little more room than a blank, the text after it a pixel or two, which
// is not seen before a comma.
constexpr double jeuPhraseEtroite = 12;
constexpr double jeuPhraseLarge = 2;
constexpr double jeuAvantPhrase = 7;
constexpr double jeuApresPhrase = 2;
// The window's line under a frame, 2 pixels thick, ends a pixel past the frame; the first letter
// after the phrase keeps one more pixel clear of it.
constexpr double jeuApresLigne = 2;

// The page's surface is this high: nothing of a lesson may stand below it.
constexpr int hauteurSurface = 4000;

// The numbers of the page's instructions, in pixels of the paint box but for the lines of a skip,
// a figure's scale (pixels per unit) and a division's decimals.
constexpr TnombreLecon abscisse{"l'abscisse", 0, largeurZoneCours};
constexpr TnombreLecon ordonnee{"l'ordonnée", 0, hauteurSurface};
constexpr TnombreLecon largeurLecon{"la largeur", 1, largeurZoneCours};
constexpr TnombreLecon hauteurFigure{"la hauteur", 1, hauteurSurface};
constexpr TnombreLecon lignesSautees{"le saut", 0, 50};
constexpr TnombreLecon echelleFigure{"l'échelle", 1, 500};
constexpr TnombreLecon decimalesDivision{"le nombre de décimales", 0, 10};

constexpr TColor noir = 0x000000;
constexpr TColor orangeTitre = 0x0579FA;

// A rectangle of the paint box that a text or a closed block takes.
struct Tplace {
    double gauche, haut, droite, bas;
    std::string quoi;
};

struct Tcomposition {
    const std::vector<TinstructionLecon>& instructions;
    const TpageDuCours& pageDuCours;
    Canevas& mesure;
    TpageLecon page;
    std::size_t suivante = 0;
    // Pixels of the paint box: the top of the next line, the left of texts, the right of blocks,
    // and the lowest pixel drawn so far.
    double plume = 0;
    double marge = 0;
    double bord = bordPage;
    double bas = 0;
    int nbAuxiliaires = 0;
    // What is already written, that a new text must not cover.
    std::vector<Tplace> places;
};

Tfigure& surface(Tcomposition& c) { return *c.page.surface; }

// The objects made since the last call come from this line of the source.
void noterLigne(std::vector<int>& lignes, const Tfigure& f, int ligne)
{
    lignes.resize(static_cast<std::size_t>(f.nbObjets), ligne);
}

double colonne(const Tcomposition& c, double x) { return (x - c.page.gauche) / pixelsParColonneCours; }
double ligne(const Tcomposition& c, double y) { return (y - c.page.haut) / pixelsParLigneCours; }

void descendre(Tcomposition& c, double y) { c.bas = std::max(c.bas, y); }

double largeurTexte(Tcomposition& c, const std::string& texte)
{
    double x = 0;
    dessinerTexte(c.mesure, texte, x, 0, noir, styleNormal, tailleTexteLecon);
    return x;
}

bool aUneFraction(const std::string& texte)
{
    return texte.find("$F") != std::string::npos || texte.find("$W") != std::string::npos;
}

// Two places that share more than a pixel or two.
bool chevauchent(const Tplace& a, const Tplace& b)
{
    return a.gauche < b.droite - 2 && b.gauche < a.droite - 2 && a.haut < b.bas - 2 && b.haut < a.bas - 2;
}

// Takes the place, unless something written there already; a block or a table is checked
// against what was written before it was opened, not against its own contents.
void occuper(Tcomposition& c, const TinstructionLecon& instruction, const Tplace& place,
             std::size_t avant = std::numeric_limits<std::size_t>::max())
{
    const std::size_t n = std::min(avant, c.places.size());
    for (std::size_t k = 0; k < n; ++k)
        if (const Tplace& autre = c.places[k]; chevauchent(place, autre))
            throw ErreurLecon(instruction.ligne, "\"" + place.quoi + "\" chevauche \"" + autre.quoi + "\"");
    c.places.push_back(place);
}

// A text must end before the right side of the block it is in, or of the page, and cover
// nothing. Its letters stand from 2 to 16 pixels below its top; a fraction's parts 8 more above
// and below.
void ecrire(Tcomposition& c, const TinstructionLecon& instruction, const std::string& texte,
            double x, double y)
{
    if (texte.empty()) return;
    const double largeur = largeurTexte(c, texte);
    const double depassement = x + largeur - c.bord;
    if (depassement > 0)
        throw ErreurLecon(instruction.ligne, "le texte dépasse à droite de " +
                                                 reelVersChaine(std::ceil(depassement)) + " pixels");
    const double marge = aUneFraction(texte) ? margeFraction : 0;
    occuper(c, instruction, {x, y + 2 - marge, x + largeur, y + 16 + marge, texte});
    creerTexte(surface(c), texte, noir, colonne(c, x), ligne(c, y));
    descendre(c, y + pasLigne);
}

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
void tracerFilet(Tcomposition& c, double x1, double x2, double y, TColor couleur, int epaisseur)
{
    Tfigure& f = surface(c);
    const std::string a = "_" + std::to_string(++c.nbAuxiliaires);
    const std::string b = "_" + std::to_string(++c.nbAuxiliaires);
    creerPointSansNom(f, a, couleur, x1 - c.page.gauche, c.page.haut - y);
    creerPointSansNom(f, b, couleur, x2 - c.page.gauche, c.page.haut - y);
    cacherObjet(f, a);
    cacherObjet(f, b);
    creerSegment(f, a, b, couleur, 1, epaisseur);
}

// "titre": the page's title, as the tree of course pages gives it; its hyphens are hyphens, not
// the markup's minus signs.
void composerTitre(Tcomposition& c, const TinstructionLecon& instruction)
{
    if (!instruction.reste.empty())
        throw ErreurLecon(instruction.ligne, "le titre est celui de l'arbre des pages : \"titre\" seul");
    std::string titre = c.pageDuCours.titre;
    remplacerTout(titre, "-", "$-");
    c.page.titre = c.pageDuCours.titre;
    ecrire(c, instruction, "$g$K$>$>$>$>" + titre, c.marge, c.plume);
    tracerFilet(c, c.marge, c.bord, c.plume + 28, orangeTitre, 2);
    c.plume += 40;
}

void composerSaut(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
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
    c.plume = seulNombre(instruction, ordonnee);
}

// "dessous": the pen goes below everything placed so far, figures included.
void composerDessous(Tcomposition& c, const TinstructionLecon&)
{
    c.plume = c.bas + 6;
}

void composerMarge(Tcomposition& c, const TinstructionLecon& instruction)
{
    c.marge = seulNombre(instruction, abscisse);
}

void composerInstruction(Tcomposition& c, const TinstructionLecon& instruction);

// The instructions up to the "fin" that closes the block opened at `ouverture`.
void composerJusquAFin(Tcomposition& c, const TinstructionLecon& ouverture)
{
    while (c.suivante < c.instructions.size()) {
        const TinstructionLecon& instruction = c.instructions[c.suivante++];
        if (instruction.mot == "fin" && instruction.reste.empty()) return;
        composerInstruction(c, instruction);
    }
    throw ErreurLecon(ouverture.ligne, "\"" + ouverture.mot + "\" sans \"fin\"");
}

// A framed block around the instructions up to its "fin"; an optional width in pixels. The frame
// is created first, so that it is painted under its contents, and takes its height at the end.
void composerBloc(Tcomposition& c, const TinstructionLecon& instruction, int style, bool onglet)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    const double x = c.marge;
    const double y = c.plume + 4;
    const double largeur = mots.empty() ? c.bord - x : nombreDe(instruction, mots[0], largeurLecon);
    // The boxes under a heading tab begin 8 pixels below the block.
    const double hautBoite = onglet ? y + 8 : y;
    Tobjet* cadre = creerCadre(surface(c), style, colonne(c, x), ligne(c, y),
                               largeur / pixelsParColonneCours, 1);
    noterLigne(c.page.lignes, surface(c), instruction.ligne);
    const double marge = c.marge, bord = c.bord;
    const std::size_t avant = c.places.size();
    c.marge = x + retraitBloc;
    c.bord = x + largeur - retraitBloc;
    c.plume = onglet ? y + 28 : y + 8;
    composerJusquAFin(c, instruction);
    const double hauteur = c.plume + 4 - hautBoite;
    if (cadre) cadre->donneesDe<Tcadre>().hauteur = hauteur;
    occuper(c, instruction, {x, y - 1, x + largeur, hautBoite + hauteur, instruction.mot}, avant);
    c.marge = marge;
    c.bord = bord;
    c.plume = hautBoite + hauteur + 10;
    descendre(c, c.plume);
}

void composerPropriete(Tcomposition& c, const TinstructionLecon& i) { composerBloc(c, i, 1, true); }
void composerEncadre(Tcomposition& c, const TinstructionLecon& i) { composerBloc(c, i, 2, false); }
void composerBoite(Tcomposition& c, const TinstructionLecon& i) { composerBloc(c, i, 3, false); }
void composerEnonce(Tcomposition& c, const TinstructionLecon& i) { composerBloc(c, i, 6, true); }
void composerAction(Tcomposition& c, const TinstructionLecon& i) { composerBloc(c, i, 10, true); }

// "figure x largeur hauteur [échelle]": a figure whose box has its top-left corner at x and the
// pen, world origin at the box's bottom-left corner, `échelle` pixels per unit (30 by default).
// The pen stays where it is, so that texts may run beside the figure.
void composerFigureLecon(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    if (mots.size() != 3 && mots.size() != 4)
        throw ErreurLecon(instruction.ligne, "figure x largeur hauteur [échelle]");
    const double x = nombreDe(instruction, mots[0], abscisse);
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
        if (objet.mot == "fin") break;
        creerObjetFigure(f, objet);
        noterLigne(figure.lignes, f, objet.ligne);
    }
    occuper(c, instruction, {x, c.plume, x + largeur, c.plume + hauteur, "figure"});
    descendre(c, c.plume + hauteur);
    c.page.figures.push_back(std::move(figure));
}

// The pieces of a text between the separators, without their outer blanks.
std::vector<std::string> morceauxSepares(const std::string& texte, char separateur)
{
    std::vector<std::string> morceaux;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find(separateur, debut);
        std::string morceau = texte.substr(debut, fin - debut);
        supprimerBlancsExtremes(morceau);
        morceaux.push_back(morceau);
        if (fin == std::string::npos) return morceaux;
        debut = fin + 1;
    }
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
    const double x = nombreDe(instruction, mots[0], abscisse);
    std::vector<double> largeurs;
    for (std::size_t m = 1; m < mots.size(); ++m) largeurs.push_back(nombreDe(instruction, mots[m], largeurLecon));
    double y = c.plume + 4;
    double droite = x;
    const std::size_t avant = c.places.size();
    while (true) {
        if (c.suivante >= c.instructions.size())
            throw ErreurLecon(instruction.ligne, "\"tableau\" sans \"fin\"");
        const TinstructionLecon& rangee = c.instructions[c.suivante++];
        if (rangee.mot == "fin") break;
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
            creerCadre(surface(c), 3, colonne(c, gauche), ligne(c, y), largeur / pixelsParColonneCours,
                       hauteur / pixelsParLigneCours);
            const double marge = largeur - largeurTexte(c, cases[k]);
            if (marge < 6) throw ErreurLecon(rangee.ligne, "\"" + cases[k] + "\" ne tient pas dans sa case");
            ecrire(c, rangee, cases[k], gauche + std::round(marge / 2), y + (hauteur - 18) / 2 + (exposant ? 2 : 0));
            gauche += largeur;
        }
        noterLigne(c.page.lignes, surface(c), rangee.ligne);
        droite = std::max(droite, gauche);
        y += hauteur;
    }
    if (droite > c.bord)
        throw ErreurLecon(instruction.ligne, "le tableau dépasse à droite de " +
                                                 reelVersChaine(std::ceil(droite - c.bord)) + " pixels");
    occuper(c, instruction, {x, c.plume + 4, droite, y, instruction.mot}, avant);
    c.plume = y + 10;
    descendre(c, c.plume);
}

// The posers of the four operations, from the words after x.
Tobjet* poserAddition(Tfigure& f, const TinstructionLecon&, const std::vector<std::string>& termes, double col,
                      double lig)
{
    return creerAdditionPosee(f, termes[0], col, lig);
}

Tobjet* poserSoustraction(Tfigure& f, const TinstructionLecon&, const std::vector<std::string>& termes,
                          double col, double lig)
{
    return creerSoustractionPosee(f, termes[0], col, lig);
}

Tobjet* poserMultiplication(Tfigure& f, const TinstructionLecon&, const std::vector<std::string>& termes,
                            double col, double lig)
{
    return creerMultiplicationPosee(f, termes[0], termes[1], col, lig);
}

Tobjet* poserDivision(Tfigure& f, const TinstructionLecon& instruction, const std::vector<std::string>& termes,
                      double col, double lig)
{
    const int decimales = termes.size() == 3 ? entierDe(instruction, termes[2], decimalesDivision) : 0;
    return creerDivisionPoseeDetaillee(f, termes[0], termes[1], decimales, col, lig);
}

struct TgenreOperation {
    const char* mot;
    std::size_t nbTermesMin, nbTermesMax;
    Tobjet* (*poser)(Tfigure& f, const TinstructionLecon& instruction, const std::vector<std::string>& termes,
                     double col, double lig);
    // What the engine poses, for the author of a lesson it refuses.
    const char* posable;
};

const TgenreOperation genresOperation[] = {
    {"addition", 1, 1, poserAddition, "au plus 10 nombres positifs, dont la somme a au plus 9 chiffres"},
    {"soustraction", 1, 1, poserSoustraction, "deux nombres positifs d'au plus 9 chiffres, le premier le plus grand"},
    {"multiplication", 2, 2, poserMultiplication,
     "deux nombres positifs, l'un d'au moins deux chiffres, l'autre ni 0 ni 1, dont le produit a au plus "
     "9 chiffres"},
    {"division", 2, 3, poserDivision,
     "un nombre positif d'au plus 12 chiffres divisé par un nombre entier qui n'est pas 0"},
};

// "opération genre x termes": a posed operation with its top-left corner at x and the pen; the pen
// stays, the lines it takes are the author's to skip, and "dessous" goes below them. The engine
// draws nothing of what it cannot pose: the operation is drawn once, unseen, for the room it takes.
void composerOperation(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    const TgenreOperation* genre = nullptr;
    for (const TgenreOperation& g : genresOperation)
        if (!mots.empty() && mots[0] == g.mot && mots.size() >= 2 + g.nbTermesMin &&
            mots.size() <= 2 + g.nbTermesMax)
            genre = &g;
    if (!genre)
        throw ErreurLecon(instruction.ligne,
                          "opération addition|soustraction x termes, multiplication x a b, "
                          "division x dividende diviseur [décimales]");
    const double x = nombreDe(instruction, mots[1], abscisse);
    Tfigure& f = surface(c);
    const std::vector<std::string> termes(mots.begin() + 2, mots.end());
    if (!genre->poser(f, instruction, termes, colonne(c, x), ligne(c, c.plume)))
        throw ErreurLecon(instruction.ligne, "la page a trop d'objets");
    CanevasEtendue etendue(c.mesure);
    dessinerObjet(f, etendue, f.nbObjets);
    const std::optional<TRect>& place = etendue.etendue();
    if (!place)
        throw ErreurLecon(instruction.ligne,
                          std::string("cette ") + genre->mot + " ne se pose pas : " + genre->posable);
    const double depassement = c.page.gauche + place->right - c.bord;
    if (depassement > 0)
        throw ErreurLecon(instruction.ligne, "l'opération dépasse à droite de " +
                                                 reelVersChaine(std::ceil(depassement)) + " pixels");
    descendre(c, c.page.haut + place->bottom);
}

struct TcadreLien {
    double x, y, largeur;
};

// "lien x y largeur [; x y largeur ...] : texte {phrase} texte ...": each phrase in braces is
// written in blue on the link frame of the same rank, a frame of the window's table whose blue
// line runs at y under a zone 18 pixels high. The line starts at the margin and flows as any text;
// each phrase lands in its frame, pushed right when the text before it is short, by a few pixels at
// most, so that the words are where the window's frames are without a visible hole. The text after
// a phrase follows it, its first letter clear of the frame's line, which runs the frame's whole
// width: the phrase moves right in its frame for it, as far as the text before allows.
void composerLien(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::size_t deuxPoints = instruction.reste.find(':');
    if (deuxPoints == std::string::npos)
        throw ErreurLecon(instruction.ligne, "lien x y largeur [; x y largeur] : texte {phrase}");
    std::vector<TcadreLien> cadres;
    for (const std::string& cadre : morceauxSepares(instruction.reste.substr(0, deuxPoints), ';')) {
        const std::vector<std::string> mots = motsDe(cadre);
        if (mots.size() != 3) throw ErreurLecon(instruction.ligne, "un cadre de lien est x y largeur");
        cadres.push_back({nombreDe(instruction, mots[0], abscisse), nombreDe(instruction, mots[1], ordonnee),
                          nombreDe(instruction, mots[2], largeurLecon)});
        const TcadreLien& lu = cadres.back();
        c.page.cadresLiens.push_back({arrondi(lu.x), arrondi(lu.y), arrondi(lu.largeur), instruction.ligne});
    }
    // Pieces: text, phrase, text, phrase, ..., text.
    std::vector<std::string> morceaux;
    std::string reste = instruction.reste.substr(deuxPoints + 1);
    supprimerBlancsExtremes(reste);
    while (true) {
        const std::size_t ouvre = reste.find('{');
        const std::size_t ferme = reste.find('}', ouvre);
        if (ouvre == std::string::npos || ferme == std::string::npos) break;
        morceaux.push_back(reste.substr(0, ouvre));
        morceaux.push_back("$k" + reste.substr(ouvre + 1, ferme - ouvre - 1));
        reste.erase(0, ferme + 1);
    }
    morceaux.push_back(reste);
    if (morceaux.size() != 2 * cadres.size() + 1)
        throw ErreurLecon(instruction.ligne, "autant de {phrases} que de cadres");
    double x = c.marge;
    double haut = 0;
    for (std::size_t k = 0; k < cadres.size(); ++k) {
        const TcadreLien& cadre = cadres[k];
        const std::string& avant = morceaux[2 * k];
        const std::string& phrase = morceaux[2 * k + 1];
        const std::string& apres = morceaux[2 * k + 2];
        const double largeur = largeurTexte(c, phrase);
        if (largeur > cadre.largeur + jeuPhraseLarge || largeur < cadre.largeur - jeuPhraseEtroite)
            throw ErreurLecon(instruction.ligne,
                              "la phrase \"" + phrase.substr(2) + "\" mesure " + reelVersChaine(largeur) +
                                  " pixels pour un cadre de " + reelVersChaine(cadre.largeur));
        haut = cadre.y - pixelsParLigneCours;
        const double finAvant = x + largeurTexte(c, avant);
        const double debutMax = cadre.x + std::max(0.0, cadre.largeur - largeur);
        if (finAvant > debutMax)
            throw ErreurLecon(instruction.ligne, "le texte avant \"" + phrase.substr(2) + "\" est trop long de " +
                                                     reelVersChaine(std::ceil(finAvant - debutMax)) + " pixels");
        double debut = std::max(cadre.x, finAvant);
        // A phrase that begins the line stands on its frame wherever the margin is.
        const double debutPermis = avant.empty() ? debutMax : std::min(debutMax, finAvant + jeuAvantPhrase);
        if (debut > debutPermis)
            throw ErreurLecon(instruction.ligne, "le texte avant \"" + phrase.substr(2) + "\" est trop court de " +
                                                     reelVersChaine(std::floor(debut - debutPermis)) + " pixels");
        double manque = 0;
        if (const std::size_t lettre = apres.find_first_not_of(' '); lettre != std::string::npos) {
            const double lettreApres = debut + largeur + largeurTexte(c, apres.substr(0, lettre));
            manque = std::max(0.0, cadre.x + cadre.largeur + jeuApresLigne - lettreApres);
            const double glisse = std::min(manque, debutPermis - debut);
            debut += glisse;
            manque -= glisse;
        }
        if (manque > jeuApresPhrase)
            throw ErreurLecon(instruction.ligne, "le texte après \"" + phrase.substr(2) +
                                                     "\" passerait sous la ligne de son cadre : il manque " +
                                                     reelVersChaine(std::ceil(manque - jeuApresPhrase)) + " pixels");
        ecrire(c, instruction, avant, x, haut);
        ecrire(c, instruction, phrase, debut, haut);
        x = debut + largeur + manque;
    }
    ecrire(c, instruction, morceaux.back(), x, haut);
    c.plume = std::max(c.plume, haut + pasLigne + 2);
}

// "bouton x y largeur": a link button of the window stands there, over free space.
void composerBouton(Tcomposition& c, const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    if (mots.size() != 3) throw ErreurLecon(instruction.ligne, "bouton x y largeur");
    const int x = entierDe(instruction, mots[0], abscisse);
    const int y = entierDe(instruction, mots[1], ordonnee);
    const int largeur = entierDe(instruction, mots[2], largeurLecon);
    c.page.espacesLibres.push_back({x, y, x + largeur, y + hauteurBoutonLien});
}

using Tcomposer = void (*)(Tcomposition& c, const TinstructionLecon& instruction);

struct TinstructionPage {
    const char* mot;
    Tcomposer composer;
};

const TinstructionPage instructionsPage[] = {
    {"titre", composerTitre},       {"saut", composerSaut},
    {"aller", composerAller},         {"dessous", composerDessous},       {"marge", composerMarge},       {"propriété", composerPropriete},
    {"encadré", composerEncadre},   {"boîte", composerBoite},       {"énoncé", composerEnonce},
    {"action", composerAction},     {"figure", composerFigureLecon}, {"tableau", composerTableau},
    {"opération", composerOperation}, {"lien", composerLien},       {"bouton", composerBouton},
};

// A block opens on a line that holds its word alone, or followed by its width: one word that
// begins as a number does, its reading then says whether it is one.
bool ouvreUnBloc(const TinstructionLecon& instruction)
{
    const std::vector<std::string> mots = motsDe(instruction.reste);
    if (mots.empty()) return true;
    if (mots.size() != 1) return false;
    const std::string& mot = mots[0];
    const std::size_t chiffre = mot.find_first_of("0123456789");
    return chiffre != std::string::npos && mot.find_first_not_of("-+.,") >= chiffre;
}

const char* const motsDeBloc[] = {"propriété", "encadré", "boîte", "énoncé", "action"};

// Any line that begins with no instruction's word is a line of text; so is a line that begins
// with the word of a block, or with "fin", followed by words.
Tcomposer composerDe(const TinstructionLecon& instruction)
{
    const bool bloc = std::find(std::begin(motsDeBloc), std::end(motsDeBloc), instruction.mot) !=
                      std::end(motsDeBloc);
    if (!bloc || ouvreUnBloc(instruction))
        for (const TinstructionPage& i : instructionsPage)
            if (instruction.mot == i.mot) return i.composer;
    if (instruction.mot == "fin" && instruction.reste.empty())
        throw ErreurLecon(instruction.ligne, "\"fin\" de trop");
    return composerTexte;
}

// The page's height, in pixels of its picture, as it stands.
double hauteurPage(const Tcomposition& c) { return std::max(c.bas, c.plume) - c.page.haut + 10; }

// Nothing goes below the surface, nothing is left out of a full one.
void composerInstruction(Tcomposition& c, const TinstructionLecon& instruction)
{
    composerDe(instruction)(c, instruction);
    noterLigne(c.page.lignes, surface(c), instruction.ligne);
    if (surface(c).nbObjets >= nbObjetsMax) throw ErreurLecon(instruction.ligne, "la page a trop d'objets");
    if (hauteurPage(c) > hauteurSurface)
        throw ErreurLecon(instruction.ligne, "la page dépasse " + std::to_string(hauteurSurface) + " pixels de haut");
}

}  // namespace

TpageLecon composerLecon(const std::vector<TinstructionLecon>& instructions,
                         const TpageDuCours& pageDuCours, Canevas& mesure)
{
    Tcomposition c{instructions, pageDuCours, mesure, {}, 0, 0, 0, bordPage, 0, 0, {}};
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
    c.plume = page.haut + 8;
    while (c.suivante < instructions.size()) composerInstruction(c, instructions[c.suivante++]);
    if (page.titre.empty()) throw ErreurLecon(1, "la leçon n'a pas de titre");
    page.hauteur = static_cast<int>(std::ceil(hauteurPage(c)));
    page.surface->hauteur = page.hauteur;
    return std::move(page);
}
