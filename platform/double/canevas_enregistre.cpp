#include "platform/double/canevas_enregistre.h"

#include "platform/double/calque_enregistre.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <utility>

namespace {

std::vector<int> enCoordonnees(std::span<const TPoint> points)
{
    std::vector<int> coordonnees;
    coordonnees.reserve(points.size() * 2);
    for (const TPoint& p : points) {
        coordonnees.push_back(p.x);
        coordonnees.push_back(p.y);
    }
    return coordonnees;
}

int hauteurPixels(const TFont& police)
{
    return std::max(1, -police.Height());
}

}  // namespace

std::vector<TPoint> Appel::points() const
{
    std::vector<TPoint> resultat;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2)
        resultat.push_back({arguments[i], arguments[i + 1]});
    return resultat;
}

void CanevasEnregistre::enregistrer(GenreAppel genre, std::vector<int> arguments,
                                    std::string texte, const Image* image)
{
    appels_.push_back({genre, std::move(arguments), std::move(texte), image, position_, Pen, Brush,
                       Font, FondTransparent});
}

void CanevasEnregistre::MoveTo(int x, int y)
{
    enregistrer(GenreAppel::MoveTo, {x, y});
    position_ = {x, y};
}

void CanevasEnregistre::LineTo(int x, int y)
{
    enregistrer(GenreAppel::LineTo, {x, y});
    position_ = {x, y};
}

TPoint CanevasEnregistre::PenPos() const
{
    return position_;
}

void CanevasEnregistre::Polyline(std::span<const TPoint> points)
{
    enregistrer(GenreAppel::Polyline, enCoordonnees(points));
}

void CanevasEnregistre::Polygon(std::span<const TPoint> points)
{
    enregistrer(GenreAppel::Polygon, enCoordonnees(points));
}

void CanevasEnregistre::Rectangle(int x1, int y1, int x2, int y2)
{
    enregistrer(GenreAppel::Rectangle, {x1, y1, x2, y2});
}

void CanevasEnregistre::FillRect(const TRect& r)
{
    enregistrer(GenreAppel::FillRect, {r.left, r.top, r.right, r.bottom});
}

void CanevasEnregistre::Ellipse(int x1, int y1, int x2, int y2)
{
    enregistrer(GenreAppel::Ellipse, {x1, y1, x2, y2});
}

void CanevasEnregistre::RoundRect(int x1, int y1, int x2, int y2, int largeurCoin, int hauteurCoin)
{
    enregistrer(GenreAppel::RoundRect, {x1, y1, x2, y2, largeurCoin, hauteurCoin});
}

void CanevasEnregistre::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    enregistrer(GenreAppel::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void CanevasEnregistre::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    enregistrer(GenreAppel::Pie, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void CanevasEnregistre::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    enregistrer(GenreAppel::Chord, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void CanevasEnregistre::TextOut(int x, int y, const std::string& texte)
{
    enregistrer(GenreAppel::TextOut, {x, y}, texte);
}

int CanevasEnregistre::TextWidth(const std::string& texte)
{
    const long long largeur =
        static_cast<long long>(texte.size()) * ((hauteurPixels(Font) + 1) / 2);
    return static_cast<int>(std::min<long long>(largeur, INT_MAX));
}

int CanevasEnregistre::TextHeight(const std::string&)
{
    return hauteurPixels(Font) + 3;
}

void CanevasEnregistre::Draw(int x, int y, const Image& image)
{
    enregistrer(GenreAppel::Draw, {x, y}, {}, &image);
}

void CanevasEnregistre::StretchDraw(const TRect& r, const Image& image)
{
    enregistrer(GenreAppel::StretchDraw, {r.left, r.top, r.right, r.bottom}, {}, &image);
}

std::vector<Appel> CanevasEnregistre::appels(GenreAppel genre) const
{
    std::vector<Appel> resultat;
    std::copy_if(appels_.begin(), appels_.end(), std::back_inserter(resultat),
                 [genre](const Appel& a) { return a.genre == genre; });
    return resultat;
}

std::size_t CanevasEnregistre::nombre(GenreAppel genre) const
{
    return static_cast<std::size_t>(std::count_if(
        appels_.begin(), appels_.end(), [genre](const Appel& a) { return a.genre == genre; }));
}

std::unique_ptr<Calque> CanevasEnregistre::creerCalque(int largeur, int hauteur)
{
    if (!calquesPermis) return nullptr;
    ++nbCalquesCrees;
    return std::make_unique<CalqueEnregistre>(largeur, hauteur);
}
