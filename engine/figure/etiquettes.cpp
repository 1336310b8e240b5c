#include <array>

#include "engine/base/chaine_courte.h"
#include "engine/base/nombres.h"
#include "engine/figure/peinture.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

namespace {

constexpr int tailleEtiquetteAxe = 11;
constexpr int tailleTextePixel = 11;

using TtexteMode = std::string (*)(const Tfigure& figure, const Tobjet& objet);

std::string etiquetteSeule(const Tfigure&, const Tobjet& objet)
{
    return objet.point->etiquette;
}

std::string etiquetteEtCoordonnees(const Tfigure&, const Tobjet& objet)
{
    const Tpoint& p = *objet.point;
    return p.etiquette + "(" + reelVersChaine(p.x) + "," + reelVersChaine(p.y) + ")";
}

// Where the point of that name was last drawn; (0, 0) for a missing name or an object that is
// not a point.
TPoint pixelsDuPoint(const Tfigure& figure, const std::string& nom)
{
    const Tobjet* o = objetNomme(figure, nom);
    if (!o || !o->point) return {};
    return {o->point->pixelX, o->point->pixelY};
}

// A reading of the pixel positions of three reference points, for checking a drawing.
std::string pixelsDesReperes(const Tfigure& figure, const Tobjet&)
{
    const TPoint l0 = pixelsDuPoint(figure, "L0");
    const TPoint l1 = pixelsDuPoint(figure, "L1");
    const TPoint l2 = pixelsDuPoint(figure, "L2");
    return "(" + reelVersChaine(l1.x) + "," + reelVersChaine(l1.y) + ")" + " ; " +
           reelVersChaine(static_cast<double>(l2.x) - l0.x);
}

// By label mode; any other mode shows the label as it is.
constexpr std::array<TtexteMode, 3> textesModes = {etiquetteSeule, etiquetteEtCoordonnees,
                                                   pixelsDesReperes};

} // namespace

std::string texteEtiquette(const Tfigure& figure, const Tobjet& point)
{
    if (!point.point) return {};
    const int mode = point.point->modeEtiquette;
    const TtexteMode texte = mode >= 0 && mode < static_cast<int>(textesModes.size())
                                 ? textesModes[static_cast<std::size_t>(mode)]
                                 : etiquetteSeule;
    return courte(texte(figure, point));
}

void ecrireTexteMonde(const Tfigure& figure, Canevas& canevas, const std::string& texte,
                      int taille, double x, double y, double decalageColonnes,
                      double decalageLignes, TColor couleur)
{
    if (texte.empty()) return;
    canevas.Font.Color = couleur;
    canevas.Font.Size = taille;
    canevas.FondTransparent = true;
    double px = versPixelX(figure, x) + pasColonne(canevas) * decalageColonnes;
    const double py = versPixelY(figure, y) + interligne(canevas) * decalageLignes;
    dessinerTexte(canevas, texte, px, py, couleur, styleNormal, taille);
}

void ecrireEtiquetteAxe(const Tfigure& figure, Canevas& canevas, const std::string& texte,
                        TColor couleur, double x, double y, double decalageColonnes,
                        double decalageLignes)
{
    ecrireTexteMonde(figure, canevas, texte, tailleEtiquetteAxe, x, y, decalageColonnes,
                     decalageLignes, couleur);
}

void ecrireTextePixel(Canevas& canevas, const std::string& texte, double x, double y)
{
    if (texte.empty()) return;
    canevas.Font.Color = 0x000000;
    canevas.Font.Size = tailleTextePixel;
    canevas.FondTransparent = true;
    dessinerTexte(canevas, texte, x, y, 0x000000, styleNormal, tailleTextePixel);
}
