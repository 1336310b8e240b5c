#include "exercise/dessin_panneau_outils.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/base/systeme.h"
#include "engine/figure/figure.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

TliensInfoPanneau liensInfoPanneau;

namespace {

constexpr TColor bleu = 0xFF0000;
constexpr TColor gris = 0x808080;
constexpr TColor noir = 0x000000;
constexpr TColor blanc = 0xFFFFFF;
constexpr TColor fondBouton = 0xE0F7FF;
// The instruments' own colours in their icons.
constexpr TColor jauneOutil = 0x80FFFF;
constexpr TColor rougeOutil = 0x0000FF;

const char* const nomsEmplacements[] = {"jaune", "vert", "bleu"};

// What the captions say of each kind: its name and its graduation, with where they start.
struct TlegendeGenre {
    const char* nom;
    int xNom;
    const char* graduation;
    int xGraduation;
};

constexpr std::array<TlegendeGenre, 9> legendes = {{
    {"Rangé", 248, "", 0},
    {"Règle", 248, "non graduée", 236},
    {"Equerre", 244, "non graduée", 236},
    {"Compas", 242, "non gradué", 236},
    {"Gabarit", 241, "", 0},
    {"Règle", 248, "graduée (2 mm)", 226},
    {"Equerre", 244, "graduée (2 mm)", 226},
    {"Compas", 242, "gradué (2 mm)", 230},
    {"Rapporteur", 236, "gradué (2°)", 236},
}};

TRect autourDe(int x, int y, int demi) { return {x - demi, y - demi, x + demi, y + demi}; }

void ecrire(Canevas& k, const std::string& texte, double x, double y, int style = styleNormal)
{
    dessinerTexte(k, texte, x, y, noir, style, 11);
}

void trait(Canevas& k, double x1, double y1, double x2, double y2, TColor couleur = noir)
{
    tracerSegment(k, couleur, 1, x1, y1, x2, y2, 1);
}

// Ticks along the segment from (x1, y1) to (x2, y2), every `pas` pixels, `longueur` long, drawn
// on the side of the normal (nx, ny).
void graduer(Canevas& k, double x1, double y1, double x2, double y2, double pas, double nx,
             double ny)
{
    const double l = std::hypot(x2 - x1, y2 - y1);
    for (double s = pas; s < l; s += pas) {
        const double x = x1 + (x2 - x1) * s / l, y = y1 + (y2 - y1) * s / l;
        const double longueur = std::fmod(s, pas * 5) < 0.5 ? 5 : 3;
        trait(k, x, y, x + nx * longueur, y + ny * longueur);
    }
}

void iconeRange(Canevas& k, int x, int y)
{
    // An open tray with an arrow going into it.
    const std::array<TPoint, 4> bac = {{{x - 14, y - 2}, {x - 14, y + 12}, {x + 14, y + 12},
                                        {x + 14, y - 2}}};
    for (std::size_t i = 1; i < bac.size(); ++i)
        tracerSegment(k, noir, 1, bac[i - 1].x, bac[i - 1].y, bac[i].x, bac[i].y, 2);
    tracerSegment(k, noir, 5, x, y - 16, x, y + 6, 2);
}

void iconeRegle(Canevas& k, int x, int y, bool graduee)
{
    const std::array<TPoint, 4> corps = {{{x - 18, y - 12}, {x + 12, y + 18}, {x + 18, y + 12},
                                          {x - 12, y - 18}}};
    remplirPolygone(k, 1, jauneOutil, corps);
    for (std::size_t i = 0; i < corps.size(); ++i) {
        const TPoint& a = corps[i];
        const TPoint& b = corps[(i + 1) % corps.size()];
        trait(k, a.x, a.y, b.x, b.y);
    }
    if (graduee) graduer(k, x - 18, y - 12, x + 12, y + 18, 3, 0.7071, -0.7071);
}

void iconeEquerre(Canevas& k, int x, int y, bool graduee)
{
    const std::array<TPoint, 3> corps = {{{x - 15, y - 17}, {x - 15, y + 15}, {x + 17, y + 15}}};
    remplirPolygone(k, 1, jauneOutil, corps);
    for (std::size_t i = 0; i < corps.size(); ++i) {
        const TPoint& a = corps[i];
        const TPoint& b = corps[(i + 1) % corps.size()];
        trait(k, a.x, a.y, b.x, b.y);
    }
    // The right-angle mark at the corner.
    trait(k, x - 15, y + 9, x - 9, y + 9);
    trait(k, x - 9, y + 9, x - 9, y + 15);
    if (graduee) graduer(k, x - 15, y + 15, x + 17, y + 15, 3, 0, -1);
}

void iconeCompas(Canevas& k, int x, int y, bool gradue)
{
    tracerEllipse(k, noir, 1, x - 17, y - 17, x + 17, y + 17, 1);
    tracerEllipse(k, noir, 1, x - 4, y - 4, x + 4, y + 4, 1);
    tracerSegment(k, rougeOutil, 1, x, y, x + 17, y, 1);
    if (!gradue) return;
    for (int a = 0; a < 360; a += 30) {
        const double r = a * std::numbers::pi / 180;
        trait(k, x + 13 * std::cos(r), y - 13 * std::sin(r), x + 17 * std::cos(r),
              y - 17 * std::sin(r));
    }
}

void iconeGabarit(Canevas& k, int x, int y)
{
    // Two arms from one vertex, and the arc of their angle.
    tracerSegment(k, noir, 1, x - 16, y + 12, x + 18, y + 12, 2);
    tracerSegment(k, noir, 1, x - 16, y + 12, x + 10, y - 16, 2);
    tracerArc(k, rougeOutil, 1, x - 28, y, x - 4, y + 24, x - 4, y + 12, x - 8, y + 3, 1);
}

void iconeRapporteur(Canevas& k, int x, int y)
{
    const int r = 19, cy = y + 9;
    remplirCorde(k, 1, jauneOutil, x - r, cy - r, x + r, cy + r, x + r, cy, x - r, cy);
    tracerArc(k, noir, 1, x - r, cy - r, x + r, cy + r, x + r, cy, x - r, cy, 1);
    trait(k, x - r, cy, x + r, cy);
    for (int a = 10; a < 180; a += 10) {
        const double t = a * std::numbers::pi / 180;
        const double interieur = a % 90 == 0 ? r - 8 : r - 4;
        trait(k, x + interieur * std::cos(t), cy - interieur * std::sin(t), x + r * std::cos(t),
              cy - r * std::sin(t));
    }
}

void dessinerInstrument(Canevas& k, int genre, int x, int y)
{
    switch (genre) {
    case outilRange: iconeRange(k, x, y); break;
    case outilRegle: iconeRegle(k, x, y, false); break;
    case outilEquerre: iconeEquerre(k, x, y, false); break;
    case outilCompas: iconeCompas(k, x, y, false); break;
    case outilGabarit: iconeGabarit(k, x, y); break;
    case outilRegleGraduee: iconeRegle(k, x, y, true); break;
    case outilEquerreGraduee: iconeEquerre(k, x, y, true); break;
    case outilCompasGradue: iconeCompas(k, x, y, true); break;
    case outilRapporteur: iconeRapporteur(k, x, y); break;
    default: break;
    }
}

void hachurer(Canevas& k, int x, int y, int demi)
{
    remplirRectangleArrondiMotif(k, noir, bsBDiagonal, x - demi, y - demi, x + demi, y + demi);
}

void boutonPanneau(Canevas& k, const TRect& r, const std::string& legende, int xLegende,
                   int yLegende, int style = styleNormal)
{
    tracerBoutonArrondi(k, fondBouton, gris, r.left, r.top, r.right, r.bottom);
    ecrire(k, legende, xLegende, yLegende, style);
}

void dessinerRayonsLies(TdonneesCommunes& d, Canevas& k, const Tfigure& f)
{
    tracerRectangle(k, 1, noir, 382, 12, 530, 71);
    ecrire(k, "Rayons des outils liés", 392, 14);
    d.cadreOui = {403, 37, 443, 61};
    d.cadreNon = {465, 37, 505, 61};
    boutonPanneau(k, d.cadreOui, "Oui", 410, 40);
    boutonPanneau(k, d.cadreNon, "Non", 471, 40);
    const TRect& r = f.rayonsLies ? d.cadreOui : d.cadreNon;
    tracerRectangle(k, 3, bleu, r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
}

Toutil& outilCourant(TdonneesCommunes& d)
{
    d.outilCourant = std::clamp(d.outilCourant, 1, nbOutilsMax);
    return d.surfaceFigureEnonce->outils[d.outilCourant];
}

void repeindrePanneau(TdonneesCommunes& d) { d.ZoneOutilsDessin->Repaint(); }

// The first rectangle holding the point among those the predicate lets through; -1 for none.
template <class Cadres, class Actif>
int cadreTouche(const Cadres& cadres, int premier, int dernier, int x, int y, Actif actif)
{
    for (int i = premier; i <= dernier; ++i)
        if (actif(i) && pointDansRectangle(x, y, cadres[i])) return i;
    return -1;
}

}  // namespace

void dessinerIconesOutils(TdonneesCommunes&, Canevas& k, int x, int y, bool choisi, bool permis,
                          int genre, TColor couleur)
{
    if (genre == genreEmplacement) {
        tracerBoutonArrondi(k, couleur, gris, x - 14, y - 14, x + 14, y + 14);
        if (!permis) hachurer(k, x, y, 14);
        if (choisi) tracerRectangle(k, 3, bleu, x - 16, y - 16, x + 16, y + 16);
        return;
    }
    tracerBoutonArrondi(k, blanc, gris, x - 23, y - 23, x + 23, y + 23);
    if (!permis) hachurer(k, x, y, 23);
    dessinerInstrument(k, genre, x, y);
    if (choisi)
        tracerRectangle(k, 3, bleu, x - 25, y - 25, x + 25, y + 25);
    else
        tracerRectangleArrondi(k, 1, gris, x - 23, y - 23, x + 23, y + 23);
}

void dessinerPanneauOutils(TdonneesCommunes& d, Canevas& k)
{
    const Tfigure& f = *d.surfaceFigureEnonce;
    const Toutil& outil = outilCourant(d);
    d.nbOutilsPanneau = f.nbOutils;
    d.genreOutilPanneau = outil.genre;
    d.couleurOutilPanneau = outil.couleur;
    d.genresPermisPanneau = outil.genresPermis;

    remplirRectangleArrondi(k, d.couleurOutilPanneau, 6, 6, 327, 119);
    tracerRectangleArrondi(k, 2, bleu, 6, 6, 327, 119);

    for (int g = outilRegle; g <= outilRapporteur; ++g) {
        const int x = 37 + 52 * ((g - 1) % 4), y = 37 + 52 * ((g - 1) / 4);
        d.cadresGenres[g] = autourDe(x, y, 14);
        dessinerIconesOutils(d, k, x, y, g == d.genreOutilPanneau, d.genresPermisPanneau.test(g),
                             g, 0);
    }
    d.cadresGenres[outilRange] = {245, 66, 291, 112};
    dessinerIconesOutils(d, k, 268, 89, d.genreOutilPanneau == outilRange, true, outilRange, 0);

    ecrire(k, std::string("Outil ") + nomsEmplacements[d.outilCourant - 1], 236, 10);
    const TlegendeGenre& legende = legendes[std::min<int>(d.genreOutilPanneau, 8)];
    ecrire(k, legende.nom, legende.xNom, 26);
    if (*legende.graduation) ecrire(k, legende.graduation, legende.xGraduation, 42);

    for (int i = 1; i <= nbOutilsMax; ++i) {
        d.cadresOutils[i] = {340, 36 * i - 24, 368, 36 * i + 4};
        dessinerIconesOutils(d, k, 354, 36 * i - 10, i == d.outilCourant, i <= d.nbOutilsPanneau,
                             genreEmplacement, f.outils[i].couleur);
    }
    tracerSegment(k, bleu, 1, 327, 36 * d.outilCourant - 10, 338, 36 * d.outilCourant - 10, 3);

    d.cadreInformations = {401, 85, 511, 109};
    boutonPanneau(k, d.cadreInformations, "Informations", 414, 88, styleGras);

    if (d.nbOutilsPanneau > 1) dessinerRayonsLies(d, k, f);
}

void cliquerPanneauOutils(TdonneesCommunes& d, int x, int y, int clic)
{
    if (clic == 1 && liensInfoPanneau.affichee && liensInfoPanneau.affichee()) {
        liensInfoPanneau.fermer();
        return;
    }
    Tfigure& f = *d.surfaceFigureEnonce;
    ZoneDessin& zone = *d.ZoneOutilsDessin;
    const int n = d.nbOutilsPanneau;
    const auto toucher = [&](auto action) {
        zone.setCursor(crHandPoint);
        if (clic == 1) action();
    };

    const int genre = cadreTouche(d.cadresGenres, outilRange, outilRapporteur, x, y, [&](int g) {
        return g == outilRange || d.genresPermisPanneau.test(g);
    });
    if (genre >= 0) {
        toucher([&] {
            outilCourant(d).genre = static_cast<TgenreOutil>(genre);
            repeindrePanneau(d);
            repeindreFigure(f);
        });
        return;
    }
    const int slot = cadreTouche(d.cadresOutils, 1, std::min(n, nbOutilsMax), x, y,
                                 [](int) { return true; });
    if (slot >= 0) {
        toucher([&] {
            d.outilCourant = slot;
            repeindrePanneau(d);
        });
        return;
    }
    if (n > 1 && !f.rayonsLies && pointDansRectangle(x, y, d.cadreOui)) {
        toucher([&] {
            f.rayonsLies = true;
            const double rayon = outilCourant(d).rayon;
            for (int i = 1; i <= std::min(n, nbOutilsMax); ++i) f.outils[i].rayon = rayon;
            repeindrePanneau(d);
            repeindreFigure(f);
        });
        return;
    }
    if (n > 1 && f.rayonsLies && pointDansRectangle(x, y, d.cadreNon)) {
        toucher([&] {
            f.rayonsLies = false;
            repeindrePanneau(d);
        });
        return;
    }
    if (pointDansRectangle(x, y, d.cadreInformations)) {
        toucher([&] {
            if (liensInfoPanneau.afficher) liensInfoPanneau.afficher(d, sujetAideOutils);
        });
        return;
    }
    zone.setCursor(crDefault);
}
