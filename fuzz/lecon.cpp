// Any bytes as a lesson source: the reader and the layout either give a page, which paints on a
// recording canvas, or stop with a line of the source and a reason; never a crash, an overflow,
// a page whose sizes came from a number out of its bounds, or an object whose line is unknown.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "cours/page_lecon.h"
#include "engine/figure/peinture.h"
#include "fuzz/cible.h"
#include "platform/double/canevas_enregistre.h"

namespace {

// Measures a text at 6 pixels a byte, about as wide as the program's own font, so that the real
// lessons of the corpus are laid out whole rather than stopped at their first long line; it draws
// nothing.
class MesureEtroite final : public Canevas {
public:
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    TPoint PenPos() const override { return {}; }
    void Polyline(std::span<const TPoint>) override {}
    void Polygon(std::span<const TPoint>) override {}
    void Rectangle(int, int, int, int) override {}
    void FillRect(const TRect&) override {}
    void Ellipse(int, int, int, int) override {}
    void RoundRect(int, int, int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void Pie(int, int, int, int, int, int, int, int) override {}
    void Chord(int, int, int, int, int, int, int, int) override {}
    void TextOut(int, int, const std::string&) override {}
    int TextWidth(const std::string& texte) override { return 6 * static_cast<int>(texte.size()); }
    int TextHeight(const std::string&) override { return 19; }
    void Draw(int, int, const Image&) override {}
    void StretchDraw(const TRect&, const Image&) override {}
};

// As the build tool paints it: the surface, then each figure at its place.
void peindre(const TpageLecon& page)
{
    CanevasEnregistre canevas;
    dessinerFigure(*page.surface, canevas);
    for (const TfigureLecon& figure : page.figures) dessinerFigure(*figure.surface, canevas);
}

void verifierPage(const TpageLecon& page)
{
    verifier(page.largeur > 0 && page.largeur <= largeurZoneCours);
    verifier(page.hauteur > 0 && page.hauteur <= page.surface->hauteur);
    // Every object knows its source line, for the checks made while painting.
    verifier(page.lignes.size() == static_cast<std::size_t>(page.surface->nbObjets));
    for (const TfigureLecon& figure : page.figures) {
        const Tfigure& f = *figure.surface;
        verifier(figure.lignes.size() == static_cast<std::size_t>(f.nbObjets) && figure.ligne >= 1);
        verifier(f.largeur >= 1 && f.largeur <= largeurZoneCours && f.hauteur >= 1 && f.hauteur <= page.surface->hauteur);
        verifier(std::isfinite(f.echelle) && f.echelle > 0);
        verifier(figure.x >= -page.gauche && figure.x <= largeurZoneCours);
        verifier(figure.y >= -page.haut && figure.y <= page.surface->hauteur);
    }
    const Tfigure& f = *page.surface;
    for (int i = 1; i <= f.nbObjets; ++i)
        if (const Ttexte* t = std::get_if<Ttexte>(&f.objets[i]->donnees))
            verifier(std::isfinite(t->x) && std::isfinite(t->y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    // A real page, with a hyphen in its title.
    static const std::optional<TpageDuCours> pageCours = pageDuCours("01S1");
    verifier(pageCours.has_value());
    const std::string source = texteDe(octets, taille);
    const int nbLignes = static_cast<int>(std::count(source.begin(), source.end(), '\n')) + 1;
    MesureEtroite mesure;
    try {
        const TpageLecon page = composerLecon(lireSourceLecon(source), *pageCours, mesure);
        verifierPage(page);
        peindre(page);
    } catch (const ErreurLecon& erreur) {
        verifier(erreur.ligne() >= 1 && erreur.ligne() <= nbLignes && *erreur.what() != '\0');
    }
    return 0;
}
