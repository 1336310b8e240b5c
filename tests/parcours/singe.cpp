// A seeded monkey on the real program, on an X server: a random stream of mouse and key events
// aimed at the tabs, the trees, the buttons, the figures and the texts, with short routes into
// exercise 249, a construction, a course page and a vocabulary entry, which find their rows from
// the trees' contents and the arrows on screen. After every event the window must answer a ping;
// every batch, the program's journal must hold no sanitizer report. A crash, a report, a hang, a
// lost window or a message box that does not close stops the run with the seed and the last
// events, and the events sent with that seed are written beside the journal: --rejouer sends them
// again, with the same waits. A run where one of the routes, taken five times, never arrives where
// it leads fails too.
//   singe PROGRAMME [--graines A-B] [--evenements N] [--duree SECONDES] [--attente SECONDES]
//         [--journal FICHIER]
//   singe PROGRAMME --rejouer FICHIER [--attente SECONDES] [--journal FICHIER]
// Each seed starts the program and sends it N events; its Quit button on the welcome screen
// closes it, and it is started again. Then it is closed as a window manager does, and must stop
// with code 0 and a clean journal. The run ends after the last seed or after SECONDES.

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "clavier.h"
#include "navigation/arbres.h"
#include "seance.h"

namespace {

using Horloge = std::chrono::steady_clock;

struct Zone {
    const char* nom;
    int gauche, haut, droite, bas, poids;
};

// Where a pupil's mouse goes in the window, and how often the monkey aims there.
constexpr Zone zones[] = {
    {"onglets", 0, 0, 750, 38, 10},
    {"barre de boutons", 560, 42, 798, 66, 8},
    {"arbre des cours", 0, 90, 390, 405, 12},
    {"arbre des imagiciels", 0, 430, 390, 598, 6},
    {"arbres de droite", 396, 90, 798, 598, 10},
    {"boutons de page", 560, 240, 790, 310, 6},
    {"boutons d'exercice", 300, 396, 520, 420, 6},
    {"réponses", 100, 215, 410, 350, 8},
    {"figure", 340, 90, 780, 560, 12},
    {"textes", 80, 90, 660, 560, 10},
    {"accueil", 20, 455, 790, 570, 5},
    {"fenêtre", 0, 0, 800, 600, 5},
    {"hors de la fenêtre", 800, 0, 1020, 760, 1},
};

constexpr std::size_t indiceFigure = 8;
static_assert(std::string_view(zones[indiceFigure].nom) == "figure");

// A tree of the window: the tab of its page and that page, the column through its roots' arrows
// and the band of its rows, in the window's coordinates. The arrows of the roots of a tree of the
// same page whose roots stay folded give the height of a row.
struct ArbreVu {
    std::span<const TLigneArbre> (*lignes)();
    Point onglet;
    const char* page;
    int xFleche, haut, bas;
    int xEchelle;
};

// Each level of a tree stands this far right of its parent's, as the view indents it.
constexpr int retrait = 20;
// The leaf's text, right of its arrow.
constexpr int decalageTexte = 100;

// An exercise's number is its node's index in the exercise tree.
constexpr int numeroExercice249 = 249;

constexpr ArbreVu arbreExercices = {lignesArbreChoixExercice, {75, 20}, "sommaire", 405, 90, 598, 405};
constexpr ArbreVu arbreImagiciels = {lignesArbreChoixImagiciel, {75, 20}, "sommaire", 12, 430, 598, 405};
constexpr ArbreVu arbreCours = {lignesArbreChoixCours, {75, 20}, "sommaire", 12, 90, 420, 405};
constexpr ArbreVu arbreAlphabetique = {lignesArbreAlphabetique, {675, 20}, "index", 405, 90, 598, 12};

int clarte(unsigned long p) { return static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)); }

// The dark of a tree's arrows, on white as on the blue of a selected row.
bool fleche(unsigned long p) { return clarte(p) < 370; }

bool estFeuille(std::span<const TLigneArbre> lignes, int noeud)
{
    const auto i = static_cast<std::size_t>(noeud) + 1;
    return i >= lignes.size() || lignes[i].niveau <= lignes[i - 1].niveau;
}

// The ancestors of a node, from its root down.
std::vector<int> ancetres(std::span<const TLigneArbre> lignes, int noeud)
{
    std::vector<int> chemin;
    for (int n = noeud, niveau = lignes[static_cast<std::size_t>(noeud)].niveau; n >= 0; --n)
        if (lignes[static_cast<std::size_t>(n)].niveau < niveau) {
            chemin.insert(chemin.begin(), n);
            niveau = lignes[static_cast<std::size_t>(n)].niveau;
        }
    return chemin;
}

bool visible(std::span<const TLigneArbre> lignes, const std::vector<bool>& deplies, int noeud)
{
    return std::ranges::all_of(ancetres(lignes, noeud), [&](int n) { return deplies[static_cast<std::size_t>(n)]; });
}

// The row a node takes in the tree not scrolled, where the nodes flagged are unfolded.
int rangee(std::span<const TLigneArbre> lignes, const std::vector<bool>& deplies, int noeud)
{
    int n = 0;
    // The level below which rows are hidden by a folded node; none at first.
    int cache = INT_MAX;
    for (int i = 0; i < noeud; ++i) {
        const int niveau = lignes[static_cast<std::size_t>(i)].niveau;
        if (niveau > cache) continue;
        cache = deplies[static_cast<std::size_t>(i)] ? INT_MAX : niveau;
        ++n;
    }
    return n;
}

// The leaves below the first node of this text.
std::vector<int> feuillesSous(std::span<const TLigneArbre> lignes, std::string_view texte)
{
    const auto noeud = std::ranges::find(lignes, texte, &TLigneArbre::texte);
    std::vector<int> feuilles;
    for (auto l = noeud == lignes.end() ? noeud : noeud + 1; l != lignes.end() && l->niveau > noeud->niveau; ++l)
        if (const int n = static_cast<int>(l - lignes.begin()); estFeuille(lignes, n)) feuilles.push_back(n);
    return feuilles;
}

// What the leaf of a route opens, looked for on screen once it is opened.
enum class Destination { exercice249, construction, pageCours, vocabulaire };

// From any page (the welcome screen's Enter first): the tab, the arrows that open the way down the
// tree to one of the route's leaves, the leaf twice (selected, then opened), then the clicks after.
struct Route {
    const char* nom;
    const ArbreVu* arbre;
    std::vector<int> (*feuilles)(std::span<const TLigneArbre>);
    Destination destination;
    std::vector<Point> ensuite;
};

// The construction's Suite button, which the route then presses.
constexpr Point boutonSuite = {726, 256};

const Route routes[] = {
    {"exercice 249", &arbreExercices, [](std::span<const TLigneArbre>) { return std::vector<int>{numeroExercice249}; },
     Destination::exercice249, {}},
    {"construction", &arbreImagiciels, [](std::span<const TLigneArbre> l) { return feuillesSous(l, "Constructions"); },
     Destination::construction, {boutonSuite, boutonSuite, boutonSuite}},
    {"page de cours", &arbreCours, [](std::span<const TLigneArbre> l) { return feuillesSous(l, l[0].texte); },
     Destination::pageCours, {{389, 216}}},
    {"vocabulaire", &arbreAlphabetique, [](std::span<const TLigneArbre> l) { return feuillesSous(l, l[0].texte); },
     Destination::vocabulaire, {}},
};

struct Page {
    const char* nom;
    int x, y;
    unsigned long couleur;
};

// Each page by the colour of a pixel of its own.
constexpr Page pages[] = {
    {"accueil", 5, 595, 0x008BD0},   {"sommaire", 300, 50, 0xFF0000},  {"cours", 300, 50, 0x2FB98C},
    {"exercice", 300, 50, 0x0066B3}, {"imagiciel", 300, 50, 0x00B2F6}, {"index", 300, 50, 0xF7D323},
};

const char* const touches[] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "a", "b", "x", "n", "o", "comma", "period", "minus",
    "plus", "slash", "asterisk", "parenleft", "parenright", "less", "greater", "equal", "space", "BackSpace",
    "Delete", "Left", "Right", "Up", "Down", "Home", "End", "Prior", "Next", "Tab", "Return", "KP_Enter", "Escape",
    "F1", "F4", "eacute", "egrave", "agrave", "ccedilla", "degree", "twosuperior", "EuroSign", "oe",
    "U4E2D", "U1F600"};
constexpr int nombreTouches = sizeof touches / sizeof *touches;

constexpr int evenementsParLot = 25;
// A route taken this often over the run must arrive at least once.
constexpr int routesAvantVerdict = 5;

struct Options {
    std::string programme, journal = "singe-programme.log", rejeu;
    unsigned premiere = 1, derniere = 1;
    int evenements = 400, duree = 0, attente = 30;
};

struct Bilan {
    int evenements = 0, demarrages = 0, boites = 0;
    std::map<std::string, int> routes, arrivees, fins, pages;
    void ajouter(const Bilan& b)
    {
        evenements += b.evenements;
        demarrages += b.demarrages;
        boites += b.boites;
        for (const auto& [nom, n] : b.routes) routes[nom] += n;
        for (const auto& [nom, n] : b.arrivees) arrivees[nom] += n;
        for (const auto& [nom, n] : b.fins) fins[nom] += n;
        for (const auto& [nom, n] : b.pages) pages[nom] += n;
    }
};

std::ostream& operator<<(std::ostream& sortie, const Bilan& b)
{
    sortie << b.evenements << " événements, " << b.demarrages << " démarrages, " << b.boites << " boîtes ; routes :";
    for (const auto& [nom, n] : b.routes) sortie << ' ' << nom << " ×" << n;
    sortie << " ; fins de route :";
    for (const auto& [nom, n] : b.fins) sortie << ' ' << nom << " ×" << n << ',';
    sortie << " ; pages vues :";
    for (const auto& [nom, n] : b.pages) sortie << ' ' << nom << " ×" << n;
    return sortie;
}

std::string texte(Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

// The command that plays these events again, with this program and this monkey.
std::string ligneRejeu(const Options& o, const std::string& envois)
{
    return "tests/parcours/singe.sh --programme " + std::filesystem::absolute(o.programme).string() + " --singe " +
           std::filesystem::read_symlink("/proc/self/exe").string() + " --attente " + std::to_string(o.attente) +
           " --rejouer " + envois;
}

class Singe {
public:
    Singe(Display* ecran, const Clavier& clavier, const Options& options, unsigned graine,
          Horloge::time_point fin)
        : seance_(ecran, clavier, options.programme, options.journal, options.attente),
          options_(options),
          graine_(graine),
          fin_(fin)
    {
    }

    // False on a fault, once it is reported.
    bool jouer()
    {
        try {
            demarrer();
            while (bilan_.evenements < options_.evenements && Horloge::now() < fin_) {
                // Each event draws from the seed and its own number: where the program's timing
                // changes what one event does, the events after it stay the same.
                std::seed_seq germe{graine_, static_cast<unsigned>(bilan_.evenements)};
                hasard_.seed(germe);
                try {
                    agir();
                } catch (const Fermeture&) {
                    demarrer();
                }
                seance_.evenementSuivant();
                if (++bilan_.evenements % evenementsParLot == 0) verifierLot();
            }
            seance_.fermer();
        } catch (const Panne& panne) {
            const std::string envois = std::filesystem::absolute(options_.journal)
                                           .replace_filename("singe-graine-" + std::to_string(graine_) + ".evenements")
                                           .string();
            seance_.signaler("avec la graine " + std::to_string(graine_) + " à l'événement " +
                                 std::to_string(bilan_.evenements),
                             panne.raison);
            seance_.ecrireEnvois(envois);
            std::cerr << "pour rejouer ces événements : " << ligneRejeu(options_, envois) << std::endl;
            return false;
        }
        bilan_.demarrages = seance_.demarrages();
        std::cout << "graine " << graine_ << " : " << bilan_ << std::endl;
        return true;
    }

    const Bilan& bilan() const { return bilan_; }

private:
    int tirer(int n) { return std::uniform_int_distribution<int>(0, n - 1)(hasard_); }
    bool pile(int pourcent) { return tirer(100) < pourcent; }

    void noter(const std::string& evenement) { seance_.noter(evenement); }

    void demarrer()
    {
        pas_ = 0;
        seance_.demarrer();
    }

    void verifierLot()
    {
        seance_.verifierJournal();
        ++bilan_.pages[pageAffichee()];
    }

    std::string pageAffichee()
    {
        const auto proche = [](unsigned long a, unsigned long b) {
            for (int decalage : {0, 8, 16}) {
                const int d = static_cast<int>((a >> decalage) & 0xFF) - static_cast<int>((b >> decalage) & 0xFF);
                if (d > 40 || d < -40) return false;
            }
            return true;
        };
        for (const Page& p : pages)
            if (proche(seance_.pixel({p.x, p.y}), p.couleur)) return p.nom;
        return "autre";
    }

    void cliquer(Point p, unsigned numero = 1)
    {
        noter("clic " + std::to_string(numero) + " " + texte(p));
        seance_.bouger(p);
        seance_.bouton(numero, true);
        seance_.apres();
        seance_.bouton(numero, false);
        seance_.apres();
    }

    void frapper(const std::string& nom, bool controle = false, bool alt = false)
    {
        noter(std::string("touche ") + (controle ? "Ctrl+" : "") + (alt ? "Alt+" : "") + nom);
        seance_.frapper(nom, controle, alt);
        seance_.apres();
    }

    const Zone& zone()
    {
        int total = 0;
        for (const Zone& z : zones) total += z.poids;
        int t = tirer(total);
        for (const Zone& z : zones)
            if ((t -= z.poids) < 0) return z;
        return zones[0];
    }

    Point pointDans(const Zone& z) { return {z.gauche + tirer(z.droite - z.gauche + 1), z.haut + tirer(z.bas - z.haut + 1)}; }

    Point pointDans(const Cadre& b) { return {b.x + tirer(b.largeur), b.y + tirer(b.hauteur)}; }

    void agir()
    {
        if (auto boite = seance_.boite()) return repondreBoite(*boite);
        boitesDeSuite_ = 0;
        const Zone& z = zone();
        const Point p = pointDans(z);
        const int choix = tirer(100);
        if (choix < 30) {
            cliquer(p);
        } else if (choix < 36) {
            noter("double clic " + texte(p) + " " + z.nom);
            seance_.bouger(p);
            for (bool appuye : {true, false, true, false}) seance_.bouton(1, appuye);
            seance_.apres();
        } else if (choix < 38) {
            cliquer(p, pile(50) ? 3 : 2);
        } else if (choix < 50) {
            glisser(pile(70) ? zones[indiceFigure] : z);
        } else if (choix < 60) {
            noter("survol " + texte(p) + " " + z.nom);
            seance_.bouger(p);
            seance_.apres();
        } else if (choix < 65) {
            const unsigned sens = pile(50) ? 4 : 5;
            noter(std::string("molette ") + (sens == 4 ? "haut " : "bas ") + texte(p));
            seance_.bouger(p);
            for (int n = 1 + tirer(5); n > 0; --n) seance_.bouton(sens, true), seance_.bouton(sens, false);
            seance_.apres();
        } else if (choix < 83) {
            frapper(touches[tirer(nombreTouches)], pile(8), pile(4));
        } else if (choix < 91) {
            cliquer(p);
            for (int n = 1 + tirer(6); n > 0; --n) frapper(touches[tirer(nombreTouches)]);
        } else if (choix < 95) {
            suivre(routes[tirer(sizeof routes / sizeof *routes)]);
        } else {
            const int ms = 50 + tirer(450);
            noter("pause " + std::to_string(ms) + " ms");
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            seance_.apres();
        }
    }

    // Press, a few moves nearby, release: points, instruments and sliders of the figures.
    void glisser(const Zone& z)
    {
        Point p = pointDans(z);
        noter("glisser depuis " + texte(p) + " " + z.nom);
        seance_.bouger(p);
        seance_.bouton(1, true);
        seance_.apres();
        for (int n = 2 + tirer(7); n > 0; --n) {
            p = {std::clamp(p.x + tirer(121) - 60, -20, 1020), std::clamp(p.y + tirer(121) - 60, -20, 760)};
            noter("  vers " + texte(p));
            seance_.bouger(p);
            seance_.apres();
        }
        noter("  lâché");
        seance_.bouton(1, false);
        seance_.apres();
    }

    // The centres of the dark marks of a column of the window between two heights: the arrows of a
    // tree's rows.
    std::vector<int> marques(int x, int haut, int bas)
    {
        std::vector<int> centres;
        const std::vector<unsigned long> colonne = seance_.pixels({x, haut}, 1, bas - haut);
        int debut = -1;
        for (int y = 0; y <= bas - haut; ++y) {
            const bool sombre = y < bas - haut && fleche(colonne[static_cast<std::size_t>(y)]);
            if (sombre && debut < 0) debut = y;
            if (!sombre && debut >= 0) {
                centres.push_back(haut + (debut + y - 1) / 2);
                debut = -1;
            }
        }
        return centres;
    }

    // Where the tree's first row stands and how tall a row is, read from the arrows on screen. The
    // height is kept: the tree of the scale may have no two folded roots in view the next time. The
    // tree paints its scroll back to the top after it answers the ping: its first root shows in its
    // first row then.
    std::optional<std::pair<int, int>> rangees(const ArbreVu& a)
    {
        for (int essai = 0; essai < 20; ++essai) {
            const std::vector<int> premieres = marques(a.xFleche, a.haut, a.bas);
            const std::vector<int> echelle = marques(a.xEchelle, 90, 598);
            for (std::size_t i = 1; i < echelle.size(); ++i)
                if (const int d = echelle[i] - echelle[i - 1]; pas_ == 0 || d < pas_) pas_ = d;
            if (!premieres.empty() && pas_ >= 8 && premieres.front() < a.haut + pas_)
                return std::pair{premieres.front(), pas_};
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return std::nullopt;
    }

    // The arrow of the row centred at this height points down: just above its middle it is twice
    // as wide as the arrow of a folded node, pointing right. Its dark stands out from the row's
    // background, white or the blue of a selected row, read right of it.
    bool flecheDepliee(int x, int y)
    {
        const std::vector<unsigned long> ligne = seance_.pixels({x - 4, y - 1}, 15, 1);
        const int fond = clarte(ligne[14]);
        int largeur = 0;
        for (int i = 0; i < 11; ++i) largeur += clarte(ligne[static_cast<std::size_t>(i)]) < fond - 150;
        return largeur >= 5;
    }

    // Which nodes in view are unfolded, read from their arrows from the top down.
    std::vector<bool> lireDeplies(const ArbreVu& a, std::span<const TLigneArbre> lignes, int premiere, int pas)
    {
        std::vector<bool> deplies(lignes.size());
        for (int i = 0, rang = 0, cache = INT_MAX; i < static_cast<int>(lignes.size()); ++i) {
            const int niveau = lignes[static_cast<std::size_t>(i)].niveau;
            if (niveau > cache) continue;
            const int y = premiere + pas * rang++;
            if (y > a.bas) break;
            deplies[static_cast<std::size_t>(i)] =
                !estFeuille(lignes, i) && flecheDepliee(a.xFleche + retrait * niveau, y);
            cache = deplies[static_cast<std::size_t>(i)] ? INT_MAX : niveau;
        }
        return deplies;
    }

    // The tree's page shows, from the welcome screen by its Enter, even when a page's Quit is still
    // taking the program back there.
    bool ouvrirOnglet(const ArbreVu& a)
    {
        for (int fois = 0; fois < 2; ++fois) {
            if (pageAffichee() == "accueil") cliquer({360, 480});
            cliquer(a.onglet);
            for (int essai = 0; essai < 20; ++essai) {
                if (pageAffichee() == a.page) return true;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }
        return false;
    }

    void suivre(const Route& r)
    {
        noter(std::string("route vers ") + r.nom);
        ++bilan_.routes[r.nom];
        if (!ouvrirOnglet(*r.arbre)) return noterFin(r, "onglet sans effet");
        // The tree back to its top, as the wheel may have left it anywhere.
        const Point milieu = {r.arbre->xFleche + decalageTexte, (r.arbre->haut + r.arbre->bas) / 2};
        noter("molette haut " + texte(milieu) + " jusqu'en haut de l'arbre");
        seance_.bouger(milieu);
        for (int n = 0; n < 100; ++n) seance_.bouton(4, true), seance_.bouton(4, false);
        seance_.apres();
        const auto mesure = rangees(*r.arbre);
        if (!mesure) return noterFin(r, "arbre illisible");
        const auto [premiere, pas] = *mesure;
        const std::span<const TLigneArbre> lignes = r.arbre->lignes();
        std::vector<bool> deplies = lireDeplies(*r.arbre, lignes, premiere, pas);
        const auto x = [&](int noeud) {
            return r.arbre->xFleche + retrait * lignes[static_cast<std::size_t>(noeud)].niveau;
        };
        const auto y = [&](int noeud) { return premiere + pas * rangee(lignes, deplies, noeud); };
        const auto enVue = [&](int noeud) { return y(noeud) + pas / 2 <= r.arbre->bas; };
        // As far as the tree shows: the nodes a leaf's way brings into view are taken as folded.
        const auto enVueOuverte = [&](int f) {
            std::vector<bool> ouverts = deplies;
            for (int n : ancetres(lignes, f)) ouverts[static_cast<std::size_t>(n)] = true;
            return premiere + pas * rangee(lignes, ouverts, f) + pas / 2 <= r.arbre->bas;
        };
        // The tree answers the ping before it lays its rows out again: the arrow turns first. Then
        // the nodes that come into view show the state they were left in, unfolded or not.
        const auto cliquerFleche = [&](int noeud) {
            const Point fleche = {x(noeud), y(noeud)};
            cliquer(fleche);
            const bool deplie = !deplies[static_cast<std::size_t>(noeud)];
            for (int essai = 0; essai < 20 && flecheDepliee(fleche.x, fleche.y) != deplie; ++essai)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            deplies = lireDeplies(*r.arbre, lignes, premiere, pas);
        };

        // A leaf in view once its way is open, when the route has one.
        std::vector<int> feuilles = r.feuilles(lignes), visibles;
        std::ranges::copy_if(feuilles, std::back_inserter(visibles), enVueOuverte);
        if (!visibles.empty()) feuilles = visibles;
        const int feuille = feuilles[static_cast<std::size_t>(tirer(static_cast<int>(feuilles.size())))];
        const std::vector<int> chemin = ancetres(lignes, feuille);
        // Out of view once its way is open: the nodes unfolded above it are folded first, from the
        // lowest in view up.
        for (int n = feuille - 1; n >= 0 && !enVueOuverte(feuille); --n)
            if (deplies[static_cast<std::size_t>(n)] && visible(lignes, deplies, n) && enVue(n) &&
                std::ranges::find(chemin, n) == chemin.end())
                cliquerFleche(n);
        for (int n : chemin) {
            if (deplies[static_cast<std::size_t>(n)]) continue;
            if (!enVue(n)) return noterFin(r, "feuille hors de vue");
            cliquerFleche(n);
        }
        if (!enVue(feuille)) return noterFin(r, "feuille hors de vue");
        for (int fois = 0; fois < 2; ++fois) cliquer({x(feuille) + decalageTexte, y(feuille)});
        const std::optional<std::string> arrive = arrivee(r.destination);
        if (arrive) ++bilan_.arrivees[r.nom];
        noterFin(r, arrive.value_or("ailleurs"));
        for (const Point& p : r.ensuite) cliquer(p);
    }

    // Where the leaf opened, when it is where the route leads: exercise 249's first question with
    // its three white choice cells, unless a message box asks first whether to leave the exercise
    // under way; a construction with its Suite button; a course page; for a vocabulary entry, its
    // course page, its animation or the information window.
    std::optional<std::string> lieu(Destination d)
    {
        const std::string page = pageAffichee();
        switch (d) {
        case Destination::exercice249:
            if (seance_.boite()) return "boîte d'abandon";
            if (page == "exercice" && seance_.pixel({256, 238}) == 0xFFFFFF && seance_.pixel({256, 283}) == 0xFFFFFF &&
                seance_.pixel({256, 328}) == 0xFFFFFF)
                return "première question";
            break;
        case Destination::construction:
            // The button's edge, on the cream of the page.
            if (page == "imagiciel" && clarte(seance_.pixel({boutonSuite.x, boutonSuite.y - 12})) < 600)
                return "ouverte";
            break;
        case Destination::pageCours:
            if (page == "cours") return "ouverte";
            break;
        case Destination::vocabulaire:
            if (page == "cours") return "page de cours";
            if (page == "imagiciel") return "animation";
            if (seance_.fenetreInfo()) return "fenêtre d'information";
            break;
        }
        return std::nullopt;
    }

    // Where the route arrived, when its destination shows within a second.
    std::optional<std::string> arrivee(Destination d)
    {
        for (int essai = 0; essai < 20; ++essai) {
            if (auto l = lieu(d)) return l;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return std::nullopt;
    }

    void noterFin(const Route& r, const std::string& fin)
    {
        noter(std::string("route vers ") + r.nom + " : " + fin);
        ++bilan_.fins[std::string(r.nom) + " : " + fin];
    }

    // A message box (the abandon confirmation): Enter, Escape, a key or a click in it.
    void repondreBoite(const Cadre& b)
    {
        if (boitesDeSuite_++ == 0) ++bilan_.boites;
        if (boitesDeSuite_ > 30) throw Panne{"une boîte de message reste ouverte après 30 réponses"};
        const Point p = pointDans(b);
        const int choix = tirer(100);
        if (choix < 25) return cliquer(p);
        seance_.bouger(p);
        frapper(choix < 55 ? "Return" : choix < 85 ? "Escape" : choix < 93 ? "Tab" : "space");
    }

    Seance seance_;
    const Options& options_;
    unsigned graine_;
    Horloge::time_point fin_;
    std::mt19937 hasard_;
    Bilan bilan_;
    int boitesDeSuite_ = 0;
    // The height of a tree's row, once read.
    int pas_ = 0;
};

bool lireOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool valeur = i + 1 < argc;
        if (a == "--graines" && valeur) {
            if (std::sscanf(argv[++i], "%u-%u", &o.premiere, &o.derniere) != 2) return false;
        } else if (a == "--evenements" && valeur) {
            o.evenements = std::atoi(argv[++i]);
        } else if (a == "--duree" && valeur) {
            o.duree = std::atoi(argv[++i]);
        } else if (a == "--attente" && valeur) {
            o.attente = std::atoi(argv[++i]);
        } else if (a == "--journal" && valeur) {
            o.journal = argv[++i];
        } else if (a == "--rejouer" && valeur) {
            o.rejeu = argv[++i];
        } else if (o.programme.empty() && a[0] != '-') {
            o.programme = a;
        } else {
            return false;
        }
    }
    return !o.programme.empty() && o.premiere <= o.derniere && o.evenements > 0 && o.attente > 0;
}

int ignorerErreur(Display*, XErrorEvent*) { return 0; }

// The events of a failing run played again, then the program closed as after a run.
int rejouer(Display* ecran, const Clavier& clavier, const Options& o)
{
    Seance seance(ecran, clavier, o.programme, o.journal, o.attente);
    try {
        seance.rejouer(o.rejeu);
        seance.fermer();
    } catch (const Panne& panne) {
        const int ligne = seance.ligneRejouee();
        seance.signaler("en rejouant " + o.rejeu + (ligne > 0 ? ", à sa ligne " + std::to_string(ligne) : ""),
                        panne.raison);
        std::cerr << "pour rejouer ces événements : " << ligneRejeu(o, o.rejeu) << std::endl;
        return 1;
    } catch (const std::runtime_error& e) {
        std::cerr << "singe : " << e.what() << '\n';
        return 2;
    }
    std::cout << "singe : " << o.rejeu << " rejoué, rien trouvé" << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!lireOptions(argc, argv, options)) {
        std::cerr << "usage: singe PROGRAMME [--graines A-B] [--evenements N] [--duree SECONDES] "
                     "[--attente SECONDES] [--journal FICHIER]\n"
                     "       singe PROGRAMME --rejouer FICHIER [--attente SECONDES] [--journal FICHIER]\n";
        return 2;
    }
    Display* ecran = XOpenDisplay(nullptr);
    int evenement, erreur, majeure, mineure;
    if (!ecran || !XTestQueryExtension(ecran, &evenement, &erreur, &majeure, &mineure)) {
        std::cerr << "singe : pas d'écran X avec l'extension XTEST\n";
        return 2;
    }
    // The windows of a program that stops or is stopped go away under the monkey's requests.
    XSetErrorHandler(ignorerErreur);
    fcntl(ConnectionNumber(ecran), F_SETFD, FD_CLOEXEC);
    const Clavier clavier(ecran, touches, nombreTouches);
    if (!options.rejeu.empty()) return rejouer(ecran, clavier, options);
    const auto fin = options.duree > 0 ? Horloge::now() + std::chrono::seconds(options.duree) : Horloge::time_point::max();
    Bilan total;
    unsigned graine = options.premiere;
    for (; graine <= options.derniere && Horloge::now() < fin; ++graine) {
        Singe singe(ecran, clavier, options, graine, fin);
        if (!singe.jouer()) return 1;
        total.ajouter(singe.bilan());
    }
    std::cout << "singe : graines " << options.premiere << " à " << graine - 1 << ", " << total << std::endl;
    // A route that never arrives no longer sends the monkey where it means to go.
    bool arrivent = true;
    for (const Route& r : routes)
        if (const int prises = total.routes[r.nom]; prises >= routesAvantVerdict && total.arrivees[r.nom] == 0) {
            std::cerr << "singe : ÉCHEC, la route vers " << r.nom << ", prise " << prises
                      << " fois, n'arrive jamais\n";
            arrivent = false;
        }
    if (!arrivent) return 1;
    std::cout << "singe : rien trouvé" << std::endl;
    XCloseDisplay(ecran);
    return 0;
}
