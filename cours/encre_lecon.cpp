#include "cours/encre_lecon.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "cours/etendue_dessin.h"
#include "cours/figures_lecon.h"
#include "cours/regle_encre.h"
#include "engine/base/geometrie.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/outil.h"
#include "engine/figure/peinture.h"
#include "platform/qt/canevas_qt.h"

namespace {

constexpr int seuilEncre = 235;
// A protractor's graduations reach this far beyond its radius, all around its centre.
constexpr double debordGraduations = 1.5;
// A protractor whose centre stands this near an edge, its reference line along it, shows its half.
constexpr int jeuDemiRapporteur = 4;

// Which pixels of a picture are ink; none out of it.
class Tmasque {
public:
    explicit Tmasque(const QImage& image)
        : largeur_(image.width()), hauteur_(image.height()),
          encre_(static_cast<std::size_t>(largeur_) * static_cast<std::size_t>(hauteur_))
    {
        for (int y = 0; y < hauteur_; ++y) {
            const QRgb* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < largeur_; ++x) encre_[indice(x, y)] = estEncre(ligne[x]);
        }
    }

    int largeur() const { return largeur_; }
    int hauteur() const { return hauteur_; }
    bool encre(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < largeur_ && y < hauteur_ && encre_[indice(x, y)];
    }
private:
    std::size_t indice(int x, int y) const { return static_cast<std::size_t>(y) * largeur_ + x; }

    int largeur_, hauteur_;
    std::vector<bool> encre_;
};

bool estPoint(const Tobjet& o) { return o.classe == affPoint; }
bool aUnBout(const Tobjet& o) { return o.classe != affDroite && o.classe != affDemiDroite; }
bool toutObjet(const Tobjet&) { return true; }

constexpr TvueObjets vueEntiere{toutObjet, true};
// A protractor's body is checked by its circle, for its reference line runs across the box.
constexpr TvueObjets vueBouts{aUnBout, false};

// The surface on white, unclipped, with `marge` pixels of room on each side.
Tmasque peindre(Tfigure& f, const TvueObjets& vue, int largeur, int hauteur, int marge)
{
    const TvueSurface vueSurface(f, vue);
    QImage image(largeur + 2 * marge, hauteur + 2 * marge, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        peintre.translate(marge, marge);
        CanevasQt canevas(peintre);
        dessinerFigure(f, canevas);
    }
    return Tmasque(image);
}

// The object of the view that, painted alone at its place, puts ink at the pixel (x, y); 0 for none.
int objetDeLEncre(Tfigure& f, const TvueObjets& vue, int x, int y)
{
    const TvueSurface vueSurface(f, vue);
    for (int i = 1; i <= f.nbObjets; ++i) {
        const Tobjet& o = *f.objets[i];
        if (!estPoint(o) && !o.aPeindre) continue;
        QImage pixel(1, 1, QImage::Format_RGB32);
        pixel.fill(Qt::white);
        {
            QPainter peintre(&pixel);
            peintre.translate(-x, -y);
            CanevasQt canevas(peintre);
            dessinerObjet(f, canevas, i);
        }
        if (estEncre(pixel.pixel(0, 0))) return i;
    }
    return 0;
}

int ligneDe(const std::vector<int>& lignes, int objet)
{
    return objet > 0 ? lignes[static_cast<std::size_t>(objet - 1)] : 0;
}

std::string enPixel(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

// What a point shows: its label, or the text of a label statement.
std::string nomAffiche(const Tobjet& o)
{
    return o.point && !o.point->etiquette.empty() ? o.point->etiquette : o.nom;
}

// The protractor's graduations, a full circle, within the box; but a protractor whose reference
// line lies along an edge, a few pixels in, is cut there whole: the page shows a half protractor.
void verifierRapporteurs(const TfigureLecon& figure, int rang)
{
    const Tfigure& f = *figure.surface;
    const int droite = f.largeur, bas = f.hauteur;
    for (int t = 1; t <= std::min(f.nbOutils, nbOutilsMax); ++t) {
        const Toutil& o = f.outils[static_cast<std::size_t>(t)];
        if (!estRapporteur(o) || !outilVisible(o)) continue;
        const double r = o.rayon + debordGraduations;
        const int x = versPixelX(f, o.x), y = versPixelY(f, o.y);
        const int rayon = static_cast<int>(std::ceil(r * f.echelle));
        const bool horizontal = std::abs(sinDegres(o.angle)) < 1e-6;
        const bool vertical = std::abs(cosDegres(o.angle)) < 1e-6;
        // How far the graduations run past each side, and whether the reference line lies along it.
        const struct {
            int depassement;
            bool surLeBord;
        } cotes[] = {
            {rayon - x, vertical && x <= jeuDemiRapporteur},
            {rayon - y, horizontal && y <= jeuDemiRapporteur},
            {x + rayon + 1 - droite, vertical && droite - 1 - x <= jeuDemiRapporteur},
            {y + rayon + 1 - bas, horizontal && bas - 1 - y <= jeuDemiRapporteur},
        };
        for (const auto& cote : cotes)
            if (cote.depassement > 0 && !cote.surLeBord)
                throw ErreurLecon(figure.ligne, "le rapporteur de la figure " + std::to_string(rang) +
                                                    " sort de sa boîte de " + std::to_string(cote.depassement) +
                                                    " pixels : ses graduations font le tour de son centre");
    }
}

// Nothing with an end runs out of the box: the layout keeps the box within the picture.
void verifierBouts(TfigureLecon& figure, int rang)
{
    constexpr int marge = margeVerifieeFigure;
    Tfigure& f = *figure.surface;
    const Tmasque bouts = peindre(f, vueBouts, f.largeur, f.hauteur, marge);
    for (int y = 0; y < bouts.hauteur(); ++y)
        for (int x = 0; x < bouts.largeur(); ++x) {
            const int u = x - marge, v = y - marge;
            const bool dedans = u >= 0 && u < f.largeur && v >= 0 && v < f.hauteur;
            if (dedans || !bouts.encre(x, y)) continue;
            const int ligne = ligneDe(figure.lignes, objetDeLEncre(f, vueBouts, u, v));
            throw ErreurLecon(ligne > 0 ? ligne : figure.ligne,
                              "la figure " + std::to_string(rang) + " déborde de sa boîte en " +
                                  enPixel(figure.x + u, figure.y + v) + " de l'image");
        }
}

// The window's line under a link frame, painted by the engine as the window does, on a strip
// around it whose corner stands at coinDeLigneDeLien in the picture.
std::unique_ptr<Tfigure> surfaceDeLigneDeLien(const TcadreLienLecon& cadre)
{
    std::unique_ptr<Tfigure> surface;
    creerFigure(nullptr, cadre.largeur + 10, 10, surface);
    surface->fondPeint = false;
    creerZoneLien(*surface, 5, 5, cadre.largeur, 1);
    return surface;
}

TPoint coinDeLigneDeLien(const TpageLecon& page, const TcadreLienLecon& cadre)
{
    return {cadre.x - 5 - page.gauche, cadre.y - 5 - page.haut};
}

bool porteDuTexte(const Tobjet& o) { return o.classe == affTexte || o.classe == affOperation; }

// The texts of the page by their source line.
std::vector<int> textesDeLaPage(const TpageLecon& page)
{
    const Tfigure& f = *page.surface;
    std::vector<int> textes(static_cast<std::size_t>(f.nbObjets), 0);
    for (int i = 1; i <= f.nbObjets; ++i)
        if (porteDuTexte(*f.objets[i])) textes[static_cast<std::size_t>(i - 1)] = ligneDe(page.lignes, i);
    return textes;
}

// The source line of the posed operation the figure's box lies on; 0 for none.
int operationEcrite(TpageLecon& page, const TfigureLecon& figure)
{
    Tfigure& f = *page.surface;
    QImage brouillon(1, 1, QImage::Format_RGB32);
    QPainter peintre(&brouillon);
    CanevasQt mesure(peintre);
    const TRect boite{figure.x, figure.y, figure.x + figure.surface->largeur, figure.y + figure.surface->hauteur};
    for (int i = 1; i <= f.nbObjets; ++i) {
        if (f.objets[i]->classe != affOperation) continue;
        CanevasEtendue etendue(mesure);
        dessinerObjet(f, etendue, i);
        const std::optional<TRect>& e = etendue.etendue();
        if (e && e->left < boite.right && boite.left < e->right && e->top < boite.bottom && boite.top < e->bottom)
            return ligneDe(page.lignes, i);
    }
    return 0;
}

// The authors of a page's ink told by their source line and what they show.
class TauteursLecon {
public:
    // The layers are the page, its figures, then the lines of its link frames from `liens` on.
    TauteursLecon(const TpageLecon& page, std::size_t liens) : page_(page), liens_(static_cast<int>(liens)) {}

    int ligne(TauteurEncre a) const
    {
        if (a.couche >= liens_) return page_.cadresLiens[static_cast<std::size_t>(a.couche - liens_)].ligne;
        if (a.couche == 0) return ligneDe(page_.lignes, a.objet);
        const TfigureLecon& figure = page_.figures[static_cast<std::size_t>(a.couche - 1)];
        return a.objet > 0 ? ligneDe(figure.lignes, a.objet) : figure.ligne;
    }

    // A text at fault: a line of the page, a name, a label, a posed operation.
    std::string texte(TauteurEncre a) const
    {
        const Tobjet& o = objet(a);
        if (const Ttexte* t = std::get_if<Ttexte>(&o.donnees)) return "le texte \"" + t->texte + "\"";
        if (o.classe == affOperation) return "l'opération";
        return "\"" + nomAffiche(o) + "\"";
    }

    // The other ink, with its line.
    std::string autre(TauteurEncre a) const
    {
        if (a.couche >= liens_) {
            const TcadreLienLecon& cadre = page_.cadresLiens[static_cast<std::size_t>(a.couche - liens_)];
            return "la ligne du cadre de lien " + enPixel(cadre.x, cadre.y) + " de la fenêtre";
        }
        if (a.objet == 0) return "un instrument";
        const Tobjet& o = objet(a);
        const std::string deLaLigne = " de la ligne " + std::to_string(ligne(a));
        if (o.classe == affCadre) return "un bord de case ou de cadre" + deLaLigne;
        if (o.classe == affPoint) return (o.epaisseur > 0 ? "le point " + nomAffiche(o) : texte(a)) + deLaLigne;
        if (porteDuTexte(o)) return texte(a) + deLaLigne;
        return "le trait" + deLaLigne;
    }

private:
    const Tobjet& objet(TauteurEncre a) const
    {
        const Tfigure& f = a.couche == 0 ? *page_.surface : *page_.figures[static_cast<std::size_t>(a.couche - 1)].surface;
        return *f.objets[a.objet];
    }

    const TpageLecon& page_;
    int liens_;
};

}  // namespace

bool estEncre(QRgb p)
{
    return qRed(p) < seuilEncre || qGreen(p) < seuilEncre || qBlue(p) < seuilEncre;
}

int ligneDeLEncre(TpageLecon& page, int x, int y)
{
    int ligneFigure = 0;
    for (TfigureLecon& figure : page.figures) {
        Tfigure& f = *figure.surface;
        if (x < figure.x || x >= figure.x + f.largeur || y < figure.y || y >= figure.y + f.hauteur) continue;
        if (const int ligne = ligneDe(figure.lignes, objetDeLEncre(f, vueEntiere, x - figure.x, y - figure.y)))
            return ligne;
        ligneFigure = figure.ligne;
    }
    const int ligne = ligneDe(page.lignes, objetDeLEncre(*page.surface, vueEntiere, x, y));
    return ligne > 0 ? ligne : ligneFigure;
}

void verifierFigure(TfigureLecon& figure, int rang)
{
    verifierRapporteurs(figure, rang);
    verifierBouts(figure, rang);
}

void verifierLignesDesLiens(TpageLecon& page, const QImage& image)
{
    const Tmasque dessin(image);
    for (const TcadreLienLecon& cadre : page.cadresLiens) {
        const std::unique_ptr<Tfigure> surface = surfaceDeLigneDeLien(cadre);
        QImage bande(surface->largeur, surface->hauteur, QImage::Format_RGB32);
        bande.fill(Qt::white);
        {
            QPainter peintre(&bande);
            CanevasQt canevas(peintre);
            dessinerFigure(*surface, canevas);
        }
        const Tmasque ligneDuCadre(bande);
        const TPoint coin = coinDeLigneDeLien(page, cadre);
        for (int v = 0; v < ligneDuCadre.hauteur(); ++v)
            for (int u = 0; u < ligneDuCadre.largeur(); ++u) {
                const int x = coin.x + u, y = coin.y + v;
                if (!ligneDuCadre.encre(u, v) || !dessin.encre(x, y)) continue;
                const int ligne = ligneDeLEncre(page, x, y);
                throw ErreurLecon(ligne > 0 ? ligne : cadre.ligne,
                                  "la ligne du cadre de lien " + enPixel(cadre.x, cadre.y) +
                                      " de la fenêtre passerait sur le dessin en " + enPixel(x, y) +
                                      " de l'image");
            }
    }
}

void verifierEncre(TpageLecon& page)
{
    // The page, its figures over it, then the lines the window draws under its link frames, each
    // the underline of its phrase. The pieces of a line of the source are one text; so are a posed
    // operation and the figure that writes on it.
    std::vector<TcoucheEncre> couches{{page.surface.get(), 0, 0, std::nullopt, textesDeLaPage(page)}};
    for (TfigureLecon& figure : page.figures) {
        const int operation = operationEcrite(page, figure);
        couches.push_back({figure.surface.get(), figure.x, figure.y, std::nullopt,
                           std::vector<int>(static_cast<std::size_t>(figure.surface->nbObjets), operation)});
    }
    std::vector<std::unique_ptr<Tfigure>> lignesDesLiens;
    for (const TcadreLienLecon& cadre : page.cadresLiens) {
        lignesDesLiens.push_back(surfaceDeLigneDeLien(cadre));
        const TPoint coin = coinDeLigneDeLien(page, cadre);
        couches.push_back({lignesDesLiens.back().get(), coin.x, coin.y, TauteurEncre{0, cadre.phrase}, {}});
    }
    const std::optional<TfauteEncre> faute = chercherFauteEncre(couches, page.largeur, page.hauteur);
    if (!faute) return;
    const TauteursLecon auteurs{page, couches.size() - page.cadresLiens.size()};
    const std::string ou = " en " + enPixel(faute->x, faute->y) + " de l'image";
    switch (faute->genre) {
    case TgenreFauteEncre::contact:
        throw ErreurLecon(auteurs.ligne(faute->fautif),
                          auteurs.texte(faute->fautif) + " touche " + auteurs.autre(faute->autre) + ou +
                              " : il faut " + std::to_string(blancAutourDesTextes) +
                              " pixels de blanc entre eux");
    case TgenreFauteEncre::cache:
        throw ErreurLecon(auteurs.ligne(faute->autre),
                          "le remplissage cache " + auteurs.autre(faute->fautif) + ou +
                              " : il se dessine avant ce qu'il contient");
    case TgenreFauteEncre::invisible:
        throw ErreurLecon(auteurs.ligne(faute->fautif), "ce qui est dessiné ne laisse aucune encre dans sa boîte");
    }
}
