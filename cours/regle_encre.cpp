#include "cours/regle_encre.h"

#include <QPainter>
#include <algorithm>
#include <functional>
#include <tuple>

#include "cours/encre_lecon.h"
#include "cours/etendue_dessin.h"
#include "engine/figure/peinture.h"
#include "platform/qt/canevas_qt.h"

namespace {

// Room left around the rectangle a drawing's calls cover, for pens and slanted letters.
constexpr int margeEtendue = 8;

bool estPoint(const Tobjet& o) { return o.classe == affPoint; }
bool estRemplissage(const Tobjet& o)
{
    return o.remplissage != 0 && (o.classe == affPolygone || o.classe == affCercle || o.classe == affArc);
}
// Lines in the light colours of fills, such as the squares of a grid, are the paper's.
bool estClair(TColor c) { return (c & 0xFF) >= 0xC0 && (c >> 8 & 0xFF) >= 0xC0 && (c >> 16 & 0xFF) >= 0xC0; }
bool estClair(QRgb p) { return qRed(p) >= 0xC0 && qGreen(p) >= 0xC0 && qBlue(p) >= 0xC0; }
bool porteDuTexte(const Tobjet& o) { return estPoint(o) || o.classe == affTexte || o.classe == affOperation; }

// What an object shows when all goes well: nothing for a point without marker or label, an
// unshown or blank text, or an object the painter leaves out.
bool montreQuelqueChose(const Tfigure& f, const Tobjet& o)
{
    if (!o.visible || o.indefini || (!estPoint(o) && !o.aPeindre)) return false;
    if (estPoint(o)) return o.epaisseur > 0 || !texteEtiquette(f, o).empty();
    if (const Ttexte* t = std::get_if<Ttexte>(&o.donnees))
        return t->affiche && t->texte.find_first_not_of(' ') != std::string::npos;
    return true;
}

bool aucunObjet(const Tobjet&) { return false; }
bool toutObjet(const Tobjet&) { return true; }

// A point's name alone, its marker taken off for the time of the scope.
class TnomSeul {
public:
    explicit TnomSeul(Tobjet& o) : o_(o), epaisseur_(o.epaisseur) { o.epaisseur = 0; }
    ~TnomSeul() { o_.epaisseur = epaisseur_; }
    TnomSeul(const TnomSeul&) = delete;
    TnomSeul& operator=(const TnomSeul&) = delete;

private:
    Tobjet& o_;
    int epaisseur_;
};

// An author painted alone: all it shows, or only its letters.
void peindreAuteur(Tfigure& f, Canevas& canevas, int objet, bool lettres)
{
    if (objet == 0) {
        // What a layer paints besides its objects: its instruments and axes.
        const TvueSurface reste(f, {aucunObjet, true});
        dessinerFigure(f, canevas);
        return;
    }
    Tobjet& o = *f.objets[objet];
    if (lettres && estPoint(o)) {
        const TnomSeul nom(o);
        dessinerObjet(f, canevas, objet);
        return;
    }
    dessinerObjet(f, canevas, objet);
}

// Who inked each pixel of the picture: 0 no one, -1 several, else an author's number.
class TcarteAuteurs {
public:
    TcarteAuteurs(int largeur, int hauteur)
        : largeur_(largeur), hauteur_(hauteur),
          auteurs_(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur), 0)
    {
    }
    int en(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < largeur_ && y < hauteur_ ? auteurs_[indice(x, y)] : 0;
    }
    void encrer(int x, int y, int auteur)
    {
        int& a = auteurs_[indice(x, y)];
        a = a == 0 || a == auteur ? auteur : -1;
    }
    int largeur() const { return largeur_; }
    int hauteur() const { return hauteur_; }

private:
    std::size_t indice(int x, int y) const { return static_cast<std::size_t>(y) * largeur_ + x; }
    int largeur_, hauteur_;
    std::vector<int> auteurs_;
};

// The pixels a fill covers, in the picture.
struct TremplissageEncre {
    TauteurEncre auteur;
    QRect rectangle;
    std::vector<bool> couverts;
    bool couvre(int x, int y) const
    {
        return rectangle.contains(x, y) &&
               couverts[static_cast<std::size_t>((y - rectangle.top()) * rectangle.width() + x - rectangle.left())];
    }
};

class TverificationEncre {
public:
    TverificationEncre(std::span<const TcoucheEncre> couches, int largeur, int hauteur)
        : couches_(couches), tout_(largeur, hauteur), lettres_(largeur, hauteur)
    {
    }

    std::optional<TfauteEncre> verifier()
    {
        for (int c = 0; c < static_cast<int>(couches_.size()); ++c)
            if (std::optional<TfauteEncre> faute = releverCouche(c)) return faute;
        if (std::optional<TfauteEncre> faute = chercherCache()) return faute;
        return chercherContact();
    }

private:
    static int numero(TauteurEncre a) { return a.couche * 1024 + a.objet + 1; }
    static TauteurEncre auteurDe(int n) { return {(n - 1) / 1024, (n - 1) % 1024}; }

    const TcoucheEncre& couche(TauteurEncre a) const { return couches_[static_cast<std::size_t>(a.couche)]; }
    Tobjet* objet(TauteurEncre a) const { return a.objet > 0 ? couche(a).surface->objets[a.objet].get() : nullptr; }

    // The order in which the painter lays them down: a layer after another, in it the
    // instruments, the objects but the points by their rank, then the points.
    std::tuple<int, int, int> ordre(TauteurEncre a) const
    {
        const Tobjet* o = objet(a);
        return {a.couche, o ? (estPoint(*o) ? 2 : 1) : 0, a.objet};
    }

    int texteDe(TauteurEncre a) const
    {
        const std::vector<int>& textes = couche(a).unTexte;
        return a.objet > 0 && a.objet <= static_cast<int>(textes.size()) ? textes[static_cast<std::size_t>(a.objet - 1)] : 0;
    }
    bool memeTexte(TauteurEncre a, TauteurEncre b) const
    {
        return a == b || (texteDe(a) != 0 && texteDe(a) == texteDe(b));
    }
    // A text's own ink: its pieces', and their underlines.
    bool aPourEncre(TauteurEncre texte, TauteurEncre a) const
    {
        const std::optional<TauteurEncre>& souligne = couche(a).souligne;
        return memeTexte(texte, a) || (souligne && memeTexte(texte, *souligne));
    }

    // Whether the ink counts among the strokes that texts keep clear of.
    bool compte(TauteurEncre a) const
    {
        const Tobjet* o = objet(a);
        return !o || couche(a).souligne || porteDuTexte(*o) || (!estRemplissage(*o) && !estClair(o->couleur));
    }
    bool estTexte(TauteurEncre a) const
    {
        const Tobjet* o = objet(a);
        return o && !couche(a).souligne && porteDuTexte(*o);
    }

    // The author painted alone on white within its box; each ink pixel given, in the picture's
    // coordinates. Nothing when it draws nothing.
    void parcourirEncre(TauteurEncre a, bool lettres, const std::function<void(int, int)>& pixel)
    {
        parcourirPeinture(a, lettres, Qt::white, [&](int x, int y, QRgb p) {
            if (estEncre(p)) pixel(x, y);
        });
    }

    // What counts among the strokes of an author's ink: the grid's light lines among the
    // instruments and axes are the paper's.
    void parcourirTraits(TauteurEncre a, const std::function<void(int, int)>& pixel)
    {
        parcourirPeinture(a, false, Qt::white, [&](int x, int y, QRgb p) {
            if (estEncre(p) && (a.objet > 0 || !estClair(p))) pixel(x, y);
        });
    }

    // Light letters on a ground of their own, such as a block's tab, leave no ink on white.
    bool peintSurNoir(TauteurEncre a)
    {
        bool peint = false;
        parcourirPeinture(a, false, Qt::black, [&](int, int, QRgb p) { peint = peint || qGray(p) > 0; });
        return peint;
    }

    // The author painted alone on a ground within its box; each pixel of the picture it may have
    // painted given with its colour.
    void parcourirPeinture(TauteurEncre a, bool lettres, Qt::GlobalColor fond,
                           const std::function<void(int, int, QRgb)>& pixel)
    {
        const TcoucheEncre& k = couche(a);
        Tfigure& f = *k.surface;
        QRect zone(0, 0, f.largeur, f.hauteur);
        if (a.objet > 0) {
            QImage brouillon(1, 1, QImage::Format_RGB32);
            QPainter mesureur(&brouillon);
            CanevasQt mesure(mesureur);
            CanevasEtendue etendue(mesure);
            peindreAuteur(f, etendue, a.objet, lettres);
            if (!etendue.etendue()) return;
            const TRect& e = *etendue.etendue();
            zone &= QRect(QPoint(e.left, e.top), QPoint(e.right, e.bottom))
                        .adjusted(-margeEtendue, -margeEtendue, margeEtendue, margeEtendue);
        }
        if (zone.isEmpty()) return;
        QImage image(zone.size(), QImage::Format_RGB32);
        image.fill(fond);
        {
            QPainter peintre(&image);
            peintre.translate(-zone.left(), -zone.top());
            CanevasQt canevas(peintre);
            peindreAuteur(f, canevas, a.objet, lettres);
        }
        for (int v = 0; v < image.height(); ++v) {
            const QRgb* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(v));
            for (int u = 0; u < image.width(); ++u) {
                const int x = k.x + zone.left() + u, y = k.y + zone.top() + v;
                if (x >= 0 && y >= 0 && x < tout_.largeur() && y < tout_.hauteur()) pixel(x, y, ligne[u]);
            }
        }
    }

    std::optional<TfauteEncre> releverCouche(int c)
    {
        Tfigure& f = *couches_[static_cast<std::size_t>(c)].surface;
        for (int i = 0; i <= f.nbObjets; ++i) {
            const TauteurEncre a{c, i};
            const Tobjet* o = objet(a);
            if (o && !estPoint(*o) && !o->aPeindre) continue;
            const bool encre = o && estRemplissage(*o) ? releverRemplissage(a) : releverEncre(a);
            if (!encre && o && !couche(a).souligne && montreQuelqueChose(f, *o) && !peintSurNoir(a))
                return TfauteEncre{TgenreFauteEncre::invisible, a, {}, couche(a).x, couche(a).y};
        }
        return std::nullopt;
    }

    // Strokes and letters on their maps; false when the author leaves no ink.
    bool releverEncre(TauteurEncre a)
    {
        const int n = numero(a);
        bool encre = false;
        const bool trait = compte(a);
        parcourirTraits(a, [&](int x, int y) {
            encre = true;
            if (trait) tout_.encrer(x, y, n);
        });
        if (estTexte(a)) parcourirEncre(a, true, [&](int x, int y) { lettres_.encrer(x, y, n); });
        return encre;
    }

    bool releverRemplissage(TauteurEncre a)
    {
        std::vector<QPoint> points;
        parcourirEncre(a, false, [&](int x, int y) { points.emplace_back(x, y); });
        if (points.empty()) return false;
        QRect r(points.front(), points.front());
        for (const QPoint& p : points) r |= QRect(p, p);
        TremplissageEncre rempli{a, r, std::vector<bool>(static_cast<std::size_t>(r.width()) * r.height())};
        for (const QPoint& p : points)
            rempli.couverts[static_cast<std::size_t>((p.y() - r.top()) * r.width() + p.x() - r.left())] = true;
        remplissages_.push_back(std::move(rempli));
        return true;
    }

    // The drawing as the pupil sees it: each layer painted whole over the ones before.
    QImage peindreTout() const
    {
        QImage image(tout_.largeur(), tout_.hauteur(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter peintre(&image);
        for (const TcoucheEncre& k : couches_) {
            Tfigure& f = *k.surface;
            const TvueSurface vue(f, {toutObjet, true});
            peintre.save();
            peintre.translate(k.x, k.y);
            peintre.setClipRect(0, 0, f.largeur, f.hauteur);
            CanevasQt canevas(peintre);
            dessinerFigure(f, canevas);
            peintre.restore();
        }
        return image;
    }

    // Ink of another colour that a fill painted later shows in its place.
    std::optional<TfauteEncre> chercherCache()
    {
        if (remplissages_.empty()) return std::nullopt;
        const QImage vu = peindreTout();
        for (const TremplissageEncre& r : remplissages_)
            for (int y = r.rectangle.top(); y <= r.rectangle.bottom(); ++y)
                for (int x = r.rectangle.left(); x <= r.rectangle.right(); ++x) {
                    if (tout_.en(x, y) == 0 || !r.couvre(x, y)) continue;
                    const QRgb remplissage = couleurEn(couches_, r.auteur, x, y);
                    if (vu.pixel(x, y) != remplissage) continue;
                    for (const TauteurEncre a : auteursEn(x, y, tout_))
                        if (ordre(a) < ordre(r.auteur) && couleurEn(couches_, a, x, y) != remplissage)
                            return TfauteEncre{TgenreFauteEncre::cache, a, r.auteur, x, y};
                }
        return std::nullopt;
    }

    std::optional<TfauteEncre> chercherContact()
    {
        constexpr int d = blancAutourDesTextes;
        for (int y = 0; y < lettres_.hauteur(); ++y)
            for (int x = 0; x < lettres_.largeur(); ++x) {
                const int n = lettres_.en(x, y);
                if (n == 0) continue;
                if (n < 0) {
                    // Letters of several texts on one pixel.
                    const std::vector<TauteurEncre> a = auteursEn(x, y, lettres_);
                    for (const TauteurEncre b : a)
                        if (!memeTexte(a.front(), b)) return TfauteEncre{TgenreFauteEncre::contact, a.front(), b, x, y};
                    continue;
                }
                for (int v = y - d; v <= y + d; ++v)
                    for (int u = x - d; u <= x + d; ++u) {
                        // Every letter is among all the ink.
                        const int m = tout_.en(u, v);
                        if (m == 0 || m == n) continue;
                        for (const TauteurEncre a : auteursEn(u, v, tout_))
                            if (!aPourEncre(auteurDe(n), a))
                                return TfauteEncre{TgenreFauteEncre::contact, auteurDe(n), a, x, y};
                    }
            }
        return std::nullopt;
    }

    // The authors of the map at a pixel, found again one by one where several share it.
    std::vector<TauteurEncre> auteursEn(int x, int y, const TcarteAuteurs& carte) const
    {
        const int n = carte.en(x, y);
        if (n == 0) return {};
        if (n > 0) return {auteurDe(n)};
        std::vector<TauteurEncre> auteurs;
        for (const TauteurEncre a : ::auteursEn(couches_, x, y))
            if (&carte == &lettres_ ? estTexte(a) : compte(a)) auteurs.push_back(a);
        return auteurs;
    }

    std::span<const TcoucheEncre> couches_;
    TcarteAuteurs tout_, lettres_;
    std::vector<TremplissageEncre> remplissages_;
};

}  // namespace

TvueSurface::TvueSurface(Tfigure& f, const TvueObjets& vue) : f_(f), nbOutils_(f.nbOutils), fondPeint_(f.fondPeint)
{
    for (int i = 1; i <= f.nbObjets; ++i) {
        Tobjet& o = *f.objets[i];
        visibles_.push_back(o.visible);
        o.visible = o.visible && vue.montre(o);
    }
    if (!vue.outils) f.nbOutils = 0;
    f.fondPeint = false;
}

TvueSurface::~TvueSurface()
{
    for (int i = 1; i <= f_.nbObjets; ++i) f_.objets[i]->visible = visibles_[static_cast<std::size_t>(i - 1)];
    f_.nbOutils = nbOutils_;
    f_.fondPeint = fondPeint_;
}

std::optional<TfauteEncre> chercherFauteEncre(std::span<const TcoucheEncre> couches, int largeur, int hauteur)
{
    return TverificationEncre(couches, largeur, hauteur).verifier();
}

QRgb couleurEn(std::span<const TcoucheEncre> couches, TauteurEncre a, int x, int y)
{
    const TcoucheEncre& k = couches[static_cast<std::size_t>(a.couche)];
    Tfigure& f = *k.surface;
    const int u = x - k.x, v = y - k.y;
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    if (u < 0 || v < 0 || u >= f.largeur || v >= f.hauteur) return pixel.pixel(0, 0);
    if (a.objet > 0 && !estPoint(*f.objets[a.objet]) && !f.objets[a.objet]->aPeindre) return pixel.pixel(0, 0);
    {
        QPainter peintre(&pixel);
        peintre.translate(-u, -v);
        CanevasQt canevas(peintre);
        peindreAuteur(f, canevas, a.objet, false);
    }
    return pixel.pixel(0, 0);
}

std::vector<TauteurEncre> auteursEn(std::span<const TcoucheEncre> couches, int x, int y)
{
    std::vector<TauteurEncre> auteurs;
    for (int c = 0; c < static_cast<int>(couches.size()); ++c)
        for (int i = 0; i <= couches[static_cast<std::size_t>(c)].surface->nbObjets; ++i)
            if (estEncre(couleurEn(couches, {c, i}, x, y))) auteurs.push_back({c, i});
    return auteurs;
}
