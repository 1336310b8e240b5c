#include "cours/encre_lecon.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "cours/etendue_dessin.h"
#include "cours/figures_lecon.h"
#include "engine/base/geometrie.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/outil.h"
#include "engine/figure/peinture.h"
#include "platform/qt/canevas_qt.h"

namespace {

constexpr int seuilEncre = 235;
// A letter keeps this many white pixels between its ink and any stroke, or a border.
constexpr int blancAutourDesLettres = 2;
// A protractor's graduations reach this far beyond its radius, all around its centre.
constexpr double debordGraduations = 1.5;
// A protractor whose centre stands this near an edge, its reference line along it, shows its half.
constexpr int jeuDemiRapporteur = 4;

// Which pixels of a picture are ink; none out of it.
class Tmasque {
public:
    explicit Tmasque(const QImage& image)
        : largeur_(image.width()), hauteur_(image.height()),
          encre_(static_cast<std::size_t>(largeur_) * static_cast<std::size_t>(hauteur_))
    {
        for (int y = 0; y < hauteur_; ++y) {
            const QRgb* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < largeur_; ++x) encre_[indice(x, y)] = estEncre(ligne[x]);
        }
    }

    int largeur() const { return largeur_; }
    int hauteur() const { return hauteur_; }
    bool encre(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < largeur_ && y < hauteur_ && encre_[indice(x, y)];
    }
    // The first ink within d pixels across or down from (x, y).
    std::optional<TPoint> encreProche(int x, int y, int d) const
    {
        for (int v = y - d; v <= y + d; ++v)
            for (int u = x - d; u <= x + d; ++u)
                if (encre(u, v)) return TPoint{u, v};
        return std::nullopt;
    }

private:
    std::size_t indice(int x, int y) const { return static_cast<std::size_t>(y) * largeur_ + x; }

    int largeur_, hauteur_;
    std::vector<bool> encre_;
};

// What one check paints of a surface: the objects it shows, whether points keep their square
// marker, closed shapes their fill, and whether the instruments are out.
struct TvueObjets {
    bool (*montre)(const Tobjet& o);
    bool marques;
    bool remplissages;
    bool outils;
};

bool estLigne(const Tobjet& o) { return o.classe == affDroite || o.classe == affDemiDroite; }
bool estPoint(const Tobjet& o) { return o.classe == affPoint; }
// Lines in the light colours of fills, such as the squares of a grid, are the paper's: letters
// stand over them.
bool estClair(TColor c) { return (c & 0xFF) >= 0xC0 && (c >> 8 & 0xFF) >= 0xC0 && (c >> 16 & 0xFF) >= 0xC0; }
bool estTrait(const Tobjet& o) { return !estPoint(o) && !estClair(o.couleur); }
bool estTexte(const Tobjet& o) { return o.classe == affTexte; }
bool estCadre(const Tobjet& o) { return o.classe == affCadre; }
bool aUnBout(const Tobjet& o) { return !estLigne(o); }
bool toutObjet(const Tobjet&) { return true; }

constexpr TvueObjets vueEntiere{toutObjet, true, true, true};
// A protractor's body is checked by its circle, for its reference line runs across the box.
constexpr TvueObjets vueBouts{aUnBout, true, true, false};
constexpr TvueObjets vueLettres{estPoint, false, true, false};
constexpr TvueObjets vueTraits{estTrait, true, false, true};
constexpr TvueObjets vueTextes{estTexte, true, true, false};
constexpr TvueObjets vueCadres{estCadre, true, true, false};

// A surface shown as a check sees it, put back as it was at the end of the scope.
class TvueSurface {
public:
    TvueSurface(Tfigure& f, const TvueObjets& vue) : f_(f), nbOutils_(f.nbOutils)
    {
        for (int i = 1; i <= f.nbObjets; ++i) {
            Tobjet& o = *f.objets[i];
            etats_.push_back({o.visible, o.epaisseur, o.remplissage});
            o.visible = o.visible && vue.montre(o);
            if (!vue.marques && estPoint(o)) o.epaisseur = 0;
            if (!vue.remplissages) o.remplissage = 0;
        }
        if (!vue.outils) f.nbOutils = 0;
    }
    ~TvueSurface()
    {
        for (int i = 1; i <= f_.nbObjets; ++i) {
            Tobjet& o = *f_.objets[i];
            const Tetat& e = etats_[static_cast<std::size_t>(i - 1)];
            o.visible = e.visible;
            o.epaisseur = e.epaisseur;
            o.remplissage = e.remplissage;
        }
        f_.nbOutils = nbOutils_;
    }
    TvueSurface(const TvueSurface&) = delete;
    TvueSurface& operator=(const TvueSurface&) = delete;

private:
    struct Tetat {
        bool visible;
        int epaisseur, remplissage;
    };
    Tfigure& f_;
    int nbOutils_;
    std::vector<Tetat> etats_;
};

// The surface on white, unclipped, with `marge` pixels of room on each side.
Tmasque peindre(Tfigure& f, const TvueObjets& vue, int largeur, int hauteur, int marge)
{
    const TvueSurface vueSurface(f, vue);
    QImage image(largeur + 2 * marge, hauteur + 2 * marge, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        peintre.translate(marge, marge);
        CanevasQt canevas(peintre);
        dessinerFigure(f, canevas);
    }
    return Tmasque(image);
}

// The object of the view that, painted alone at its place, puts ink at the pixel (x, y); 0 for none.
int objetDeLEncre(Tfigure& f, const TvueObjets& vue, int x, int y)
{
    const TvueSurface vueSurface(f, vue);
    for (int i = 1; i <= f.nbObjets; ++i) {
        const Tobjet& o = *f.objets[i];
        if (!estPoint(o) && !o.aPeindre) continue;
        QImage pixel(1, 1, QImage::Format_RGB32);
        pixel.fill(Qt::white);
        {
            QPainter peintre(&pixel);
            peintre.translate(-x, -y);
            CanevasQt canevas(peintre);
            dessinerObjet(f, canevas, i);
        }
        if (estEncre(pixel.pixel(0, 0))) return i;
    }
    return 0;
}

int ligneDe(const std::vector<int>& lignes, int objet)
{
    return objet > 0 ? lignes[static_cast<std::size_t>(objet - 1)] : 0;
}

std::string enPixel(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

// What a point shows: its label, or the text of a label statement.
std::string nomAffiche(const Tobjet& o)
{
    return o.point && !o.point->etiquette.empty() ? o.point->etiquette : o.nom;
}

// The protractor's graduations, a full circle, within the box; but a protractor whose reference
// line lies along an edge, a few pixels in, is cut there whole: the page shows a half protractor.
void verifierRapporteurs(const TfigureLecon& figure, int rang)
{
    const Tfigure& f = *figure.surface;
    const int droite = f.largeur, bas = f.hauteur;
    for (int t = 1; t <= std::min(f.nbOutils, nbOutilsMax); ++t) {
        const Toutil& o = f.outils[static_cast<std::size_t>(t)];
        if (!estRapporteur(o) || !outilVisible(o)) continue;
        const double r = o.rayon + debordGraduations;
        const int x = versPixelX(f, o.x), y = versPixelY(f, o.y);
        const int rayon = static_cast<int>(std::ceil(r * f.echelle));
        const bool horizontal = std::abs(sinDegres(o.angle)) < 1e-6;
        const bool vertical = std::abs(cosDegres(o.angle)) < 1e-6;
        // How far the graduations run past each side, and whether the reference line lies along it.
        const struct {
            int depassement;
            bool surLeBord;
        } cotes[] = {
            {rayon - x, vertical && x <= jeuDemiRapporteur},
            {rayon - y, horizontal && y <= jeuDemiRapporteur},
            {x + rayon + 1 - droite, vertical && droite - 1 - x <= jeuDemiRapporteur},
            {y + rayon + 1 - bas, horizontal && bas - 1 - y <= jeuDemiRapporteur},
        };
        for (const auto& cote : cotes)
            if (cote.depassement > 0 && !cote.surLeBord)
                throw ErreurLecon(figure.ligne, "le rapporteur de la figure " + std::to_string(rang) +
                                                    " sort de sa boîte de " + std::to_string(cote.depassement) +
                                                    " pixels : ses graduations font le tour de son centre");
    }
}

// Nothing with an end runs out of the box: the layout keeps the box within the picture.
void verifierBouts(TfigureLecon& figure, int rang)
{
    constexpr int marge = margeVerifieeFigure;
    Tfigure& f = *figure.surface;
    const Tmasque bouts = peindre(f, vueBouts, f.largeur, f.hauteur, marge);
    for (int y = 0; y < bouts.hauteur(); ++y)
        for (int x = 0; x < bouts.largeur(); ++x) {
            const int u = x - marge, v = y - marge;
            const bool dedans = u >= 0 && u < f.largeur && v >= 0 && v < f.hauteur;
            if (dedans || !bouts.encre(x, y)) continue;
            const int ligne = ligneDe(figure.lignes, objetDeLEncre(f, vueBouts, u, v));
            throw ErreurLecon(ligne > 0 ? ligne : figure.ligne,
                              "la figure " + std::to_string(rang) + " déborde de sa boîte en " +
                                  enPixel(figure.x + u, figure.y + v) + " de l'image");
        }
}

// A point's square marker and the box its label covers, in pixels of the figure.
struct Tmarque {
    int objet;
    TRect carre, etiquette;
};

bool contient(const TRect& r, int x, int y) { return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom; }

std::vector<Tmarque> marquesDesPoints(Tfigure& f)
{
    std::vector<Tmarque> marques;
    for (int i = 1; i <= f.nbObjets; ++i) {
        const Tobjet& o = *f.objets[i];
        if (!estPoint(o) || !o.visible || o.indefini || o.epaisseur <= 0) continue;
        const int x = versPixelX(f, o.point->x), y = versPixelY(f, o.point->y), h = o.epaisseur / 2;
        marques.push_back({i, {x + 1 - h, y + 1 - h, x + 1 + h, y + 1 + h}, {1, 1, 0, 0}});
    }
    QImage brouillon(1, 1, QImage::Format_RGB32);
    QPainter peintre(&brouillon);
    CanevasQt mesure(peintre);
    const TvueSurface vue(f, vueLettres);
    for (Tmarque& marque : marques) {
        CanevasEtendue etendue(mesure);
        dessinerObjet(f, etendue, marque.objet);
        if (etendue.etendue()) marque.etiquette = *etendue.etendue();
    }
    return marques;
}

// Names and labels clear of the strokes, and of the markers of other points.
void verifierLettres(TfigureLecon& figure)
{
    Tfigure& f = *figure.surface;
    const std::vector<Tmarque> marques = marquesDesPoints(f);
    const Tmasque lettres = peindre(f, vueLettres, f.largeur, f.hauteur, 0);
    const Tmasque traits = peindre(f, vueTraits, f.largeur, f.hauteur, 0);
    constexpr int d = blancAutourDesLettres;
    for (int y = 0; y < lettres.hauteur(); ++y)
        for (int x = 0; x < lettres.largeur(); ++x) {
            if (!lettres.encre(x, y)) continue;
            std::string quoi;
            if (const std::optional<TPoint> q = traits.encreProche(x, y, d)) {
                const int ligne = ligneDe(figure.lignes, objetDeLEncre(f, vueTraits, q->x, q->y));
                quoi = ligne > 0 ? "le trait de la ligne " + std::to_string(ligne) : "un instrument";
            }
            for (const Tmarque& m : marques)
                if (quoi.empty() && !contient(m.etiquette, x, y) &&
                    contient({m.carre.left - d, m.carre.top - d, m.carre.right + d, m.carre.bottom + d}, x, y))
                    quoi = "le point " + nomAffiche(*f.objets[m.objet]) + " de la ligne " +
                           std::to_string(ligneDe(figure.lignes, m.objet));
            if (quoi.empty()) continue;
            const int lettre = objetDeLEncre(f, vueLettres, x, y);
            const int ligne = ligneDe(figure.lignes, lettre);
            throw ErreurLecon(ligne > 0 ? ligne : figure.ligne,
                              "\"" + (lettre > 0 ? nomAffiche(*f.objets[lettre]) : std::string("?")) +
                                  "\" touche " + quoi + " en " + enPixel(figure.x + x, figure.y + y) +
                                  " de l'image : il faut " + std::to_string(d) + " pixels de blanc entre eux");
        }
}

}  // namespace

bool estEncre(QRgb p)
{
    return qRed(p) < seuilEncre || qGreen(p) < seuilEncre || qBlue(p) < seuilEncre;
}

int ligneDeLEncre(TpageLecon& page, int x, int y)
{
    int ligneFigure = 0;
    for (TfigureLecon& figure : page.figures) {
        Tfigure& f = *figure.surface;
        if (x < figure.x || x >= figure.x + f.largeur || y < figure.y || y >= figure.y + f.hauteur) continue;
        if (const int ligne = ligneDe(figure.lignes, objetDeLEncre(f, vueEntiere, x - figure.x, y - figure.y)))
            return ligne;
        ligneFigure = figure.ligne;
    }
    const int ligne = ligneDe(page.lignes, objetDeLEncre(*page.surface, vueEntiere, x, y));
    return ligne > 0 ? ligne : ligneFigure;
}

void verifierFigure(TfigureLecon& figure, int rang)
{
    verifierRapporteurs(figure, rang);
    verifierBouts(figure, rang);
    verifierLettres(figure);
}

void verifierBordsDesCases(TpageLecon& page)
{
    Tfigure& f = *page.surface;
    const Tmasque textes = peindre(f, vueTextes, page.largeur, page.hauteur, 0);
    const Tmasque bords = peindre(f, vueCadres, page.largeur, page.hauteur, 0);
    for (int y = 0; y < textes.hauteur(); ++y)
        for (int x = 0; x < textes.largeur(); ++x) {
            if (!textes.encre(x, y) || !bords.encreProche(x, y, blancAutourDesLettres)) continue;
            const int objet = objetDeLEncre(f, vueTextes, x, y);
            const Ttexte* texte = objet > 0 ? std::get_if<Ttexte>(&f.objets[objet]->donnees) : nullptr;
            throw ErreurLecon(ligneDe(page.lignes, objet),
                              "le texte \"" + (texte ? texte->texte : std::string("?")) +
                                  "\" touche un bord de case ou de cadre en " + enPixel(x, y) + " de l'image");
        }
}

void verifierLignesDesLiens(TpageLecon& page, const QImage& image)
{
    const Tmasque dessin(image);
    for (const TcadreLienLecon& cadre : page.cadresLiens) {
        // The window's line, painted by the engine as the window does, on a strip around it.
        std::unique_ptr<Tfigure> surface;
        creerFigure(nullptr, cadre.largeur + 10, 10, surface);
        surface->fondPeint = false;
        creerZoneLien(*surface, 5, 5, cadre.largeur, 1);
        QImage bande(cadre.largeur + 10, 10, QImage::Format_RGB32);
        bande.fill(Qt::white);
        {
            QPainter peintre(&bande);
            CanevasQt canevas(peintre);
            dessinerFigure(*surface, canevas);
        }
        const Tmasque ligneDuCadre(bande);
        const int gauche = cadre.x - 5 - page.gauche, haut = cadre.y - 5 - page.haut;
        for (int v = 0; v < ligneDuCadre.hauteur(); ++v)
            for (int u = 0; u < ligneDuCadre.largeur(); ++u) {
                const int x = gauche + u, y = haut + v;
                if (!ligneDuCadre.encre(u, v) || !dessin.encre(x, y)) continue;
                const int ligne = ligneDeLEncre(page, x, y);
                throw ErreurLecon(ligne > 0 ? ligne : cadre.ligne,
                                  "la ligne du cadre de lien " + enPixel(cadre.x, cadre.y) +
                                      " de la fenêtre passerait sur le dessin en " + enPixel(x, y) +
                                      " de l'image");
            }
    }
}
