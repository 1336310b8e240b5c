#pragma once
// The rule every drawing keeps, page or animation: the ink of a text (a line, a cell, a posed
// operation, a point's name or label) keeps 2 pixels of white from every ink that is not its own;
// a fill never hides what was drawn before it; and nothing drawn leaves no ink in its box.
// Measured on the painted pixels, one object at a time.

#include <optional>
#include <span>
#include <vector>

#include <QRgb>

#include "engine/figure/figure.h"

// Who put some ink: an object of a layer, from 1; object 0 is what the layer paints besides its
// objects (instruments, axes).
struct TauteurEncre {
    int couche = 0, objet = 0;
    bool operator==(const TauteurEncre&) const = default;
};

// A surface as the drawing shows it: its box's corner in the picture. The box is the surface's
// size, and what it paints is cut there. A layer of the window (the line it draws under a link
// frame) underlines a text of another layer: its ink is that text's own, and its objects are
// strokes, never texts, exempt from the vanishing rule.
// Objects of one number in `unTexte` (by index from 1), in any layers, are the pieces of one
// text, such as the words and phrases of a line, or a posed operation and the commas a figure
// writes on it; 0, or no number, stands alone.
struct TcoucheEncre {
    Tfigure* surface;
    int x = 0, y = 0;
    std::optional<TauteurEncre> souligne;
    std::vector<int> unTexte;
};

enum class TgenreFauteEncre {
    contact,    // the text `fautif` comes within 2 pixels of the ink of `autre`
    cache,      // the fill `autre`, painted after it, hides `fautif`
    invisible,  // `fautif` leaves no ink in its box
};

struct TfauteEncre {
    TgenreFauteEncre genre;
    TauteurEncre fautif, autre;
    // A pixel of the picture where it shows.
    int x = 0, y = 0;
};

inline constexpr int blancAutourDesTextes = 2;

// What a check paints of a surface: the objects it lets through, its instruments or not.
struct TvueObjets {
    bool (*montre)(const Tobjet& o);
    bool outils;
};

// A surface as a check sees it, without its background, put back as it was at the end of the
// scope.
class TvueSurface {
public:
    TvueSurface(Tfigure& f, const TvueObjets& vue);
    ~TvueSurface();
    TvueSurface(const TvueSurface&) = delete;
    TvueSurface& operator=(const TvueSurface&) = delete;

private:
    Tfigure& f_;
    int nbOutils_;
    bool fondPeint_;
    std::vector<bool> visibles_;
};

// The first fault of the drawing made of these layers, painted one over the other in their order
// into a picture of this size; none when it keeps the rule.
std::optional<TfauteEncre> chercherFauteEncre(std::span<const TcoucheEncre> couches, int largeur,
                                              int hauteur);

// Every author whose ink, painted alone, covers the pixel (x, y) of the picture.
std::vector<TauteurEncre> auteursEn(std::span<const TcoucheEncre> couches, int x, int y);
// The colour the author alone paints at the pixel (x, y) of the picture, over white.
QRgb couleurEn(std::span<const TcoucheEncre> couches, TauteurEncre a, int x, int y);
