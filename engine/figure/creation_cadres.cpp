#include "engine/base/chaine_courte.h"
#include "engine/figure/creation.h"
#include "engine/figure/creation_commune.h"
#include "engine/figure/creation_textes.h"

namespace {

// Styles of the blocks the creators make themselves.
constexpr int styleZoneLien = 8;
constexpr int styleEnonce = 6;
constexpr int styleAction = 10;
constexpr int styleBoutonLien = 11;

// A framed block in pixels.
Tobjet* cadre(Tfigure& figure, int style, double x, double y, double largeur, double hauteur)
{
    Tobjet* o = ajouterObjet(figure, nomAutomatique(figure, "cadreSt"), genreCadre);
    if (o) o->donneesDe<Tcadre>() = {style, x, y, largeur, hauteur, 0, {}};
    return o;
}

} // namespace

Tobjet* creerCadre(Tfigure& figure, int style, double colonne, double ligne, double largeur,
                   double hauteur)
{
    return cadre(figure, style, colonneEnPixels(figure, colonne), ligneEnPixels(ligne),
                 largeur * pixelsParColonne, hauteur * pixelsParLigne);
}

Tobjet* creerCadreAction(Tfigure& figure, double ligne, double largeur, double hauteur)
{
    return creerCadre(figure, styleAction, 0, ligne, largeur, hauteur);
}

Tobjet* creerCadreEnonce(Tfigure& figure, double largeur, double hauteur)
{
    return creerCadre(figure, styleEnonce, 1, 0.2, largeur, hauteur);
}

// Placed in pixels directly rather than through columns and back, so that no rounding of the
// column offset moves it.
Tobjet* creerBoutonLien(Tfigure& figure, int code, const std::string& titre, double x, double y,
                        double largeur)
{
    Tobjet* o = cadre(figure, styleBoutonLien, x, y, largeur, 23);
    if (!o) return nullptr;
    Tcadre& c = o->donneesDe<Tcadre>();
    c.codeLien = code;
    c.titre = courte(titre);
    return o;
}

Tobjet* creerZoneLien(Tfigure& figure, int x, int y, int largeur, int code)
{
    Tobjet* o = cadre(figure, styleZoneLien, x, y, largeur, pixelsParLigne);
    if (o) o->donneesDe<Tcadre>().codeLien = code;
    return o;
}
