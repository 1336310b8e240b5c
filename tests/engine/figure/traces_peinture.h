#pragma once
// What a paint on a recording canvas puts on the screen, one line per call, every recorded layer
// it drew replaced by the calls painted into it, each call with the part of the drawing state it
// draws with: a layered paint of a drag and a full paint give the same lines exactly when they
// give the same pixels.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/double/calque_enregistre.h"
#include "platform/double/canevas_enregistre.h"

namespace traces {

// A clear pen or brush draws nothing, whatever its colour; the background shows between hatch
// lines only.
inline std::string plume(const TPen& p)
{
    if (p.Style == psClear) return " sans plume";
    return " plume " + std::to_string(p.Color) + "/" + std::to_string(p.Width) + "/" + std::to_string(p.Style);
}

inline std::string brosse(const TBrush& b, bool fondTransparent)
{
    if (b.Style == bsClear) return " sans brosse";
    const bool hachures = b.Style != bsSolid;
    return " brosse " + std::to_string(b.Color) + "/" + std::to_string(b.Style) +
           (hachures && !fondTransparent ? " opaque" : "");
}

inline std::string trace(const Appel& a)
{
    std::string ligne = std::to_string(static_cast<int>(a.genre));
    for (const int v : a.arguments) ligne += " " + std::to_string(v);
    switch (a.genre) {
    case GenreAppel::MoveTo:
        break;
    case GenreAppel::LineTo:
        ligne += " depuis " + std::to_string(a.position.x) + "," + std::to_string(a.position.y) + plume(a.pen);
        break;
    case GenreAppel::Polyline:
    case GenreAppel::Arc:
        ligne += plume(a.pen);
        break;
    case GenreAppel::FillRect:
        ligne += " " + std::to_string(a.brush.Color);
        break;
    case GenreAppel::TextOut:
        ligne += " \"" + a.texte + "\" " + a.font.Name + "/" + std::to_string(a.font.Size) + "/" +
                 std::to_string(a.font.Style) + "/" + std::to_string(a.font.Color) +
                 (a.fondTransparent ? "" : " sur " + std::to_string(a.brush.Color));
        break;
    case GenreAppel::Draw:
    case GenreAppel::StretchDraw:
        ligne += " image " + std::to_string(reinterpret_cast<std::uintptr_t>(a.image));
        break;
    default:
        ligne += plume(a.pen) + brosse(a.brush, a.fondTransparent);
        break;
    }
    return ligne;
}

inline void aplatir(const std::vector<Appel>& appels, std::vector<std::string>& lignes)
{
    for (const Appel& a : appels) {
        const auto* calque = a.genre == GenreAppel::Draw ? dynamic_cast<const CalqueEnregistre*>(a.image) : nullptr;
        if (calque) aplatir(calque->canevas.appels(), lignes);
        else lignes.push_back(trace(a));
    }
}

} // namespace traces

inline std::vector<std::string> tracesPeinture(const CanevasEnregistre& canevas)
{
    std::vector<std::string> lignes;
    traces::aplatir(canevas.appels(), lignes);
    return lignes;
}
