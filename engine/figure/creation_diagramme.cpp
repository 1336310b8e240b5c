#include "engine/figure/creation_diagramme.h"

#include <algorithm>

#include "engine/base/nombres.h"
#include "engine/figure/creation.h"

namespace {

constexpr TColor couleursDefaut[categoriesMax + 1] = {0,        0x80FFFF, 0xE0FFE0, 0xFF00FF,
                                                      0xE0E0E0, 0xFFFF00, 0xFFC0FF};
constexpr double hauteurBoite = 20;
constexpr double pasBoites = 25;
constexpr double hautBoites = 5;
constexpr double margeCercle = 50;

// The item before the next "\", removed with it; the whole rest when there is none.
std::string prendre(std::string& reste)
{
    const std::size_t fin = reste.find('\\');
    std::string item = reste.substr(0, fin);
    reste.erase(0, fin == std::string::npos ? reste.size() : fin + 1);
    return item;
}

// Two columns of boxes from four categories on, one column below that. The second column stands
// halfway between the first and the right edge, so that beside a table the two do not overlap.
void placerBoites(Tdiagramme& d, double gauche, double largeur)
{
    const int n = d.nbCategories;
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const bool deuxColonnes = n >= 4;
        d.xBoites[k] = deuxColonnes && i % 2 == 0 ? (gauche + largeur) / 2 : gauche;
        d.yBoites[k] = hautBoites + pasBoites * (deuxColonnes ? (i - 1) / 2 : i - 1);
    }
}

void lireLibelles(Tdiagramme& d, const std::string& categories)
{
    std::string reste = categories;
    const int n = d.nbCategories;
    for (int i = 1; i < n; ++i) d.libellesCategories[static_cast<std::size_t>(i)] = prendre(reste);
    std::string dernier = reste;
    if (const std::size_t fin = reste.find('\\'); fin != std::string::npos) {
        dernier = reste.substr(0, fin);
        d.titreEffectif = reste.substr(fin + 1, longueurLibelle);
    }
    d.libellesCategories[static_cast<std::size_t>(n)] = dernier;
    for (std::string& l : d.libellesCategories) l = l.substr(0, longueurLibelle);
}

void lireValeurs(Tdiagramme& d, const std::string& valeurs)
{
    std::string reste = valeurs;
    const int n = d.nbCategories;
    int somme = 0;
    for (int i = 1; i < n; ++i) {
        d.effectifs[static_cast<std::size_t>(i)] = arrondi(chaineVersReel(prendre(reste)));
        somme += d.effectifs[static_cast<std::size_t>(i)];
    }
    int& dernier = d.effectifs[static_cast<std::size_t>(n)];
    if (d.typeDiagramme == diagrammeSecteurs) d.total = 360;
    else if (d.typeDiagramme == diagrammeDemiDisque) d.total = 180;
    if (estDiagrammeDAngles(d)) {
        dernier = d.total - somme;
        return;
    }
    dernier = arrondi(chaineVersReel(reste));
    d.total = somme + dernier;
}

void placerBarres(Tdiagramme& d, double largeur, double hauteur, double basBoites)
{
    const bool avecTableau = d.typeDiagramme != diagrammeBarres;
    const int n = d.nbCategories;
    d.baseX = avecTableau ? largeur / 2 : 20;
    d.pasBarres = (largeur - d.baseX) / (n + 1);
    for (int i = 1; i <= n; ++i) d.pointsX[static_cast<std::size_t>(i)] = d.baseX + i * d.pasBarres;
    d.baseY = hauteur - (avecTableau ? 100 : 10);
    d.hauteurUnite = (d.baseY - basBoites - 25) / 20;
    if (!avecTableau) return;
    const bool demiDisque = d.typeDiagramme == diagrammeBarresDemiDisque;
    const double haut = demiDisque ? 127 : 77;
    const int r = arrondi((d.baseX - margeCercle - 50) / 2);
    d.boiteCercle = {margeCercle, haut, margeCercle + 2.0 * r, haut + 2.0 * r};
    d.rayonPie = r;
    d.centrePieX = margeCercle + r - 1;
    d.centrePieY = haut + r;
    d.bordsPieX[0] = d.boiteCercle[2];
    d.bordsPieY[0] = d.centrePieY;
    d.angleTotal = demiDisque ? 180 : 360;
    d.xTableau = d.baseX - 80;
    d.yTableau = d.baseY + 10;
}

void placerSecteurs(Tdiagramme& d, double largeur, double hauteur, double basBoites)
{
    d.baseX = largeur / 2;
    d.baseY = (hauteur + basBoites) / 2;
    if (d.typeDiagramme == diagrammeSecteurs) {
        d.pasBarres = hauteur - d.baseY - 15;
    } else {
        d.baseY += 50;
        d.pasBarres = hauteur - d.baseY - 15 + 80;
    }
    const double r = d.pasBarres;
    d.boiteCercle = {d.baseX - r, d.baseY - r, d.baseX + r, d.baseY + r};
}

} // namespace

Tobjet* creerDiagramme(Tfigure& figure, int n, const std::string& valeurs,
                       const std::string& categories, int type, bool verrouille)
{
    Tobjet* o = ajouterObjet(figure, "Diagramme", genreDiagramme);
    if (!o) return nullptr;
    figure.indiceDiagramme = figure.nbObjets;
    o->verrouille = verrouille;
    Tdiagramme& d = o->donneesDe<Tdiagramme>();
    d.barreSaisie = 0;
    d.nbCategories = std::clamp(n, 1, categoriesMax);
    d.typeDiagramme = type;
    std::copy(std::begin(couleursDefaut), std::end(couleursDefaut), d.couleursCategories.begin());
    const double largeur = figure.largeur, hauteur = figure.hauteur;
    const bool avecTableau =
        type == diagrammeBarresDemiDisque || type == diagrammeBarresSecteurs;
    placerBoites(d, avecTableau ? largeur / 2 : 5, largeur);
    lireLibelles(d, categories);
    lireValeurs(d, valeurs);
    const double basBoites = d.yBoites[static_cast<std::size_t>(d.nbCategories)] + hauteurBoite;
    if (estDiagrammeEnBarres(d)) placerBarres(d, largeur, hauteur, basBoites);
    else if (estDiagrammeDAngles(d)) placerSecteurs(d, largeur, hauteur, basBoites);
    else return o;
    calculerDiagramme(d);
    return o;
}
