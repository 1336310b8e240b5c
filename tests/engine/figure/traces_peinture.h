#pragma once
// What a paint on a recording canvas puts on the screen: its calls, every recorded layer it drew
// replaced by the calls painted into it. Two calls are compared on their arguments and on the part
// of the drawing state they draw with, so that a layered paint of a drag and a full paint compare
// equal exactly when they give the same pixels.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/double/calque_enregistre.h"
#include "platform/double/canevas_enregistre.h"

namespace traces {

inline void aplatir(const std::vector<Appel>& appels, std::vector<Appel>& plats)
{
    for (const Appel& a : appels) {
        const auto* calque = a.genre == GenreAppel::Draw ? dynamic_cast<const CalqueEnregistre*>(a.image) : nullptr;
        if (calque) aplatir(calque->canevas.appels(), plats);
        else plats.push_back(a);
    }
}

// A clear pen or brush draws nothing, whatever its colour; the background shows between hatch
// lines only.
inline bool memePlume(const TPen& a, const TPen& b)
{
    if (a.Style == psClear || b.Style == psClear) return a.Style == b.Style;
    return a.Color == b.Color && a.Width == b.Width && a.Style == b.Style;
}

inline bool memeBrosse(const Appel& a, const Appel& b)
{
    const TBrush &u = a.brush, &v = b.brush;
    if (u.Style == bsClear || v.Style == bsClear) return u.Style == v.Style;
    const bool hachures = u.Style != bsSolid;
    return u.Color == v.Color && u.Style == v.Style && (!hachures || a.fondTransparent == b.fondTransparent);
}

inline bool memeTexte(const Appel& a, const Appel& b)
{
    const TFont &u = a.font, &v = b.font;
    return a.texte == b.texte && u.Name == v.Name && u.Size == v.Size && u.Style == v.Style &&
           u.Color == v.Color && a.fondTransparent == b.fondTransparent &&
           (a.fondTransparent || a.brush.Color == b.brush.Color);
}

inline bool memeTrace(const Appel& a, const Appel& b)
{
    if (a.genre != b.genre || a.arguments != b.arguments) return false;
    switch (a.genre) {
    case GenreAppel::MoveTo: return true;
    case GenreAppel::LineTo:
        return a.position.x == b.position.x && a.position.y == b.position.y && memePlume(a.pen, b.pen);
    case GenreAppel::Polyline:
    case GenreAppel::Arc: return memePlume(a.pen, b.pen);
    case GenreAppel::FillRect: return a.brush.Color == b.brush.Color;
    case GenreAppel::TextOut: return memeTexte(a, b);
    case GenreAppel::Draw:
    case GenreAppel::StretchDraw: return a.image == b.image;
    default: return memePlume(a.pen, b.pen) && memeBrosse(a, b);
    }
}

} // namespace traces

inline std::vector<Appel> tracesPeinture(const CanevasEnregistre& canevas)
{
    std::vector<Appel> plats;
    traces::aplatir(canevas.appels(), plats);
    return plats;
}

// Where two paints first differ, with the kinds of call there; empty when they do not.
inline std::string premiereDifference(const std::vector<Appel>& a, const std::vector<Appel>& b)
{
    const auto genre = [](const std::vector<Appel>& v, std::size_t i) {
        return i < v.size() ? std::to_string(static_cast<int>(v[i].genre)) : std::string("fin");
    };
    for (std::size_t i = 0; i < a.size() || i < b.size(); ++i)
        if (i >= a.size() || i >= b.size() || !traces::memeTrace(a[i], b[i]))
            return "appel " + std::to_string(i) + " : " + genre(a, i) + " / " + genre(b, i);
    return {};
}
