#include "cours/rendu_lecon.h"

#include <QPainter>
#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "cours/figures_lecon.h"
#include "engine/base/nombres.h"
#include "engine/figure/peinture.h"
#include "platform/qt/canevas_qt.h"

namespace {

// Anything darker than this in one channel is ink; lighter is the white page and its JPEG noise.
constexpr int seuilEncre = 235;

bool estEncre(QRgb p)
{
    return qRed(p) < seuilEncre || qGreen(p) < seuilEncre || qBlue(p) < seuilEncre;
}

constexpr int hauteurPeinte = 3000;
constexpr int margeBas = 10;

// The row below the lowest ink; 0 on a blank picture.
int basDeLEncre(const QImage& image)
{
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (estEncre(image.pixel(x, y))) return y + 1;
    return 0;
}

// The line of the statement whose object of the surface, painted alone at its place, puts ink at
// the pixel (x, y); points alone when asked. 0 when none does.
int ligneDeLEncre(Tfigure& f, const std::vector<int>& lignes, int x, int y, bool pointsSeuls = false)
{
    for (int i = 1; i <= f.nbObjets; ++i) {
        const Tobjet& o = *f.objets[i];
        const bool peint = o.classe == affPoint || (!pointsSeuls && o.aPeindre);
        if (!peint) continue;
        QImage pixel(1, 1, QImage::Format_RGB32);
        pixel.fill(Qt::white);
        {
            QPainter peintre(&pixel);
            peintre.translate(-x, -y);
            CanevasQt canevas(peintre);
            dessinerObjet(f, canevas, i);
        }
        if (estEncre(pixel.pixel(0, 0))) return lignes[static_cast<std::size_t>(i - 1)];
    }
    return 0;
}

// The line at fault for ink at the pixel (x, y) of the picture: an object of a figure there, else
// an object of the page, else the figure there, for its instruments.
int ligneDeLEncre(TpageLecon& page, int x, int y)
{
    int ligneFigure = 0;
    for (TfigureLecon& figure : page.figures) {
        const Tfigure& f = *figure.surface;
        if (x < figure.x || x >= figure.x + f.largeur || y < figure.y || y >= figure.y + f.hauteur) continue;
        if (const int ligne = ligneDeLEncre(*figure.surface, figure.lignes, x - figure.x, y - figure.y)) return ligne;
        ligneFigure = figure.ligne;
    }
    const int ligne = ligneDeLEncre(*page.surface, page.lignes, x, y);
    return ligne > 0 ? ligne : ligneFigure;
}

std::string rectangleEnTexte(const TRect& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// A button's rectangle of the paint box, read on the picture that stands at the page's corner.
void verifierEspaceLibre(TpageLecon& page, const QImage& image, const TRect& espace)
{
    for (int y = std::max(0, espace.top - page.haut); y < std::min(image.height(), espace.bottom - page.haut); ++y)
        for (int x = std::max(0, espace.left - page.gauche);
             x < std::min(image.width(), espace.right - page.gauche); ++x)
            if (estEncre(image.pixel(x, y)))
                throw ErreurLecon(ligneDeLEncre(page, x, y),
                                  "un bouton de la fenêtre cacherait le dessin en " + rectangleEnTexte(espace));
}

// The points of a figure and their labels painted alone, with room around the box: a label too
// near the edge, or a point out of the box, would be cut on the page. Lines, and the reference
// lines of instruments, run to the edges of the window and are cut there on purpose.
void verifierFigure(const TfigureLecon& figure, int rang)
{
    constexpr int marge = margeVerifieeFigure;
    Tfigure& f = *figure.surface;
    const int nbOutils = f.nbOutils;
    f.nbOutils = 0;
    std::vector<bool> visibles;
    for (int i = 1; i <= f.nbObjets; ++i) {
        Tobjet& o = *f.objets[i];
        visibles.push_back(o.visible);
        if (o.classe != affPoint) o.visible = false;
    }
    QImage image(f.largeur + 2 * marge, f.hauteur + 2 * marge, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        peintre.translate(marge, marge);
        CanevasQt canevas(peintre);
        dessinerFigure(f, canevas);
    }
    for (int i = 1; i <= f.nbObjets; ++i) f.objets[i]->visible = visibles[static_cast<std::size_t>(i - 1)];
    f.nbOutils = nbOutils;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool dedans = x >= marge && x < marge + f.largeur && y >= marge && y < marge + f.hauteur;
            if (dedans || !estEncre(image.pixel(x, y))) continue;
            const int ligne = ligneDeLEncre(f, figure.lignes, x - marge, y - marge, true);
            throw ErreurLecon(ligne > 0 ? ligne : figure.ligne,
                              "la figure " + std::to_string(rang) + " déborde de sa boîte en (" +
                                  std::to_string(figure.x + x - marge) + ", " +
                                  std::to_string(figure.y + y - marge) + ") de l'image");
        }
}

void verifierTextes(const TpageLecon& page)
{
    const Tfigure& f = *page.surface;
    for (int i = 1; i <= f.nbObjets; ++i) {
        const Ttexte* t = std::get_if<Ttexte>(&f.objets[i]->donnees);
        if (t && t->xFin > page.largeur - 2)
            throw ErreurLecon(page.lignes[static_cast<std::size_t>(i - 1)],
                              "le texte \"" + t->texte + "\" sort de l'image de " +
                                  reelVersChaine(t->xFin - page.largeur + 2) + " pixels");
    }
}

}  // namespace

QImage peindreLecon(TpageLecon& page)
{
    // Posed operations and labels may run below the last line laid out: the picture is painted
    // tall, then cut a little below its lowest ink.
    QImage image(page.largeur, std::max(page.hauteur, hauteurPeinte), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        CanevasQt canevas(peintre);
        dessinerFigure(*page.surface, canevas);
        for (TfigureLecon& figure : page.figures) {
            peintre.save();
            // Lines run to the edges of their figure's window, and no further.
            peintre.translate(figure.x, figure.y);
            peintre.setClipRect(0, 0, figure.surface->largeur, figure.surface->hauteur);
            CanevasQt canevasFigure(peintre);
            dessinerFigure(*figure.surface, canevasFigure);
            peintre.restore();
        }
    }
    page.hauteur = std::max(page.hauteur, basDeLEncre(image) + margeBas);
    image = image.copy(0, 0, page.largeur, page.hauteur);
    verifierTextes(page);
    for (std::size_t k = 0; k < page.figures.size(); ++k) verifierFigure(page.figures[k], static_cast<int>(k + 1));
    for (const TRect& espace : page.espacesLibres) verifierEspaceLibre(page, image, espace);
    return image;
}

TimageRvb versImageRvb(const QImage& image)
{
    TimageRvb rvb;
    rvb.largeur = image.width();
    rvb.hauteur = image.height();
    rvb.pixels.reserve(static_cast<std::size_t>(rvb.largeur) * rvb.hauteur * 3);
    for (int y = 0; y < rvb.hauteur; ++y)
        for (int x = 0; x < rvb.largeur; ++x) {
            const QRgb p = image.pixel(x, y);
            rvb.pixels.push_back(static_cast<std::uint8_t>(qRed(p)));
            rvb.pixels.push_back(static_cast<std::uint8_t>(qGreen(p)));
            rvb.pixels.push_back(static_cast<std::uint8_t>(qBlue(p)));
        }
    return rvb;
}
