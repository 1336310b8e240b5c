#include "cours/rendu_lecon.h"

#include <QPainter>
#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "cours/encre_lecon.h"
#include "engine/base/nombres.h"
#include "engine/figure/peinture.h"
#include "platform/qt/canevas_qt.h"

namespace {

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
    for (std::size_t k = 0; k < page.figures.size(); ++k)
        verifierFigure(page.figures[k], static_cast<int>(k + 1));
    for (const TRect& espace : page.espacesLibres) verifierEspaceLibre(page, image, espace);
    verifierLignesDesLiens(page, image);
    verifierEncre(page);
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
