#include "navigation/imagiciels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <tuple>

#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "engine/figure/souris.h"
#include "engine/text/textes_numerotes.h"
#include "navigation/imagiciels_etapes.h"
#include "platform/double/canevas_enregistre.h"
#include "tests/navigation/banc_navigation.h"

namespace {

class Imagiciels : public BancNavigation {
protected:
    void lancer(int code)
    {
        d.imagiciel = code;
        lancerImagiciel(d);
    }
    // The names of the list that are shown (present, defined for figure objects, and visible).
    static std::string montres(const Tfigure& f, const std::string& noms, bool defini)
    {
        std::istringstream lecture(noms);
        std::string nom, r;
        while (lecture >> nom) {
            const Tobjet* o = objetNomme(f, nom);
            if (o && o->visible && (!defini || !o->indefini)) r += (r.empty() ? "" : " ") + nom;
        }
        return r;
    }
};

// What each step shows, from the first to the last and back again, the same both ways: the text
// lines among the first sixteen, and the construction objects.
TEST_F(Imagiciels, ParcoursDesEtapes)
{
    struct Tetape {
        const char* textes;
        const char* objets;
    };
    const struct {
        int code;
        const char* objetsSuivis;
        std::vector<Tetape> etapes;
    } cas[] = {
        {1506, "A B C (BC) a1 a2 a3 losa (AM)",
         {{"texte1 texte10", "A B C (BC)"},
          {"texte1 texte2", "A B C (BC) a1"},
          {"texte1 texte2 texte3", "A B C (BC) a1 a2 a3"},
          {"texte1 texte2 texte3 texte4 texte5 cadreSt6 texte7 texte8 texte9",
           "A B C (BC) a1 a2 a3 losa (AM)"}}},
        {1507, "A B [AB] a1 a2 a3 a4 [AM2] [BN2] med m3 [m2_5m2_6] [m5_4m5_7]",
         {{"texte1 texte8", "A B [AB]"},
          {"texte1 texte2", "A B [AB] a1 [AM2]"},
          {"texte1 texte2 texte3", "A B [AB] a1 a2 [AM2] [BN2] [m2_5m2_6]"},
          {"texte1 texte2 texte3 texte4", "A B [AB] a1 a2 a3 a4"},
          {"texte1 texte2 texte3 texte4 texte5 texte6 texte7",
           "A B [AB] a1 a2 a3 a4 med m3 [m5_4m5_7]"}}},
        {1508, "A B [AB] a1 a2 losa (CD)",
         {{"texte1 texte9", "A B [AB]"},
          {"texte1 texte2", "A B [AB] a1"},
          {"texte1 texte2 texte3", "A B [AB] a1 a2"},
          {"texte1 texte2 texte3 texte4 cadreSt5 texte6 texte7 texte8",
           "A B [AB] a1 a2 losa (CD)"}}},
        {1509, "A B C [AB) [AC) a1 a2 a3 a4 losa [AD)",
         {{"texte1 texte9", "A B C [AB) [AC)"},
          {"texte1 texte2", "A B C [AB) [AC) a1 a2"},
          {"texte1 texte2 texte3", "[AB) [AC) a1 a2 a3 a4"},
          {"texte1 texte2 texte3 texte4 cadreSt5 texte6 texte7 texte8",
           "A B C [AB) [AC) a1 a2 a3 a4 losa [AD)"}}},
        {1510, "A B [AB] K arc1 arc1e [AA3] I arc2 arc2e [BB3] J C [AC] [BC] K2",
         {{"texte1 texte14", ""},
          {"texte1 texte2", "A B [AB] K"},
          {"texte1 texte2 texte3", "A B [AB] arc1 [AA3] I"},
          {"texte1 texte2 texte3 texte4", "A B [AB] arc1 arc2 [BB3] J"},
          {"texte1 texte2 texte3 texte4 texte5", "A B [AB] arc1 arc2 C"},
          {"texte1 texte2 texte3 texte4 texte5 texte6 cadreSt7 texte8 texte9 texte10 texte11 "
           "texte12 texte13",
           "A B [AB] arc1 arc2 C [AC] [BC] K2"}}},
    };
    std::string lignes;
    for (int i = 1; i <= 16; ++i)
        lignes += " texte" + std::to_string(i) + (i == 5 || i == 6 || i == 7 ? " cadreSt" + std::to_string(i) : "");
    for (const auto& c : cas) {
        lancer(c.code);
        const int n = static_cast<int>(c.etapes.size());
        ASSERT_EQ(d.nbEtapesImagiciel, n) << c.code;
        std::vector<int> parcours;
        for (int s = 1; s <= n; ++s) parcours.push_back(s);
        for (int s = n - 1; s >= 1; --s) parcours.push_back(s);
        for (const int s : parcours) {
            while (d.etapeImagiciel < s) etapeSuivanteImagiciel(d);
            while (d.etapeImagiciel > s) etapePrecedenteImagiciel(d);
            const Tetape& e = c.etapes[static_cast<std::size_t>(s - 1)];
            EXPECT_EQ(montres(*texteImagiciel, lignes, false), e.textes) << c.code << " étape " << s;
            EXPECT_EQ(montres(*figureImagiciel, c.objetsSuivis, true), e.objets)
                << c.code << " étape " << s;
            EXPECT_EQ(avancer.Enabled(), s < n);
            EXPECT_EQ(reculer.Enabled(), s >= 2);
        }
    }
}

// Everything a surface holds and shows: each object's kind, name, visibility, mobility, colour,
// style and place (for a defined point), then every call of its painting with the pen, brush and
// font it was made with.
std::string etatDe(Tfigure& f)
{
    std::ostringstream etat;
    for (int i = 1; i <= f.nbObjets; ++i) {
        const Tobjet& o = *f.objets[static_cast<std::size_t>(i)];
        etat << o.nom << ' ' << o.genre << ' ' << o.visible << o.mobile << o.verrouille << o.indefini
             << ' ' << o.couleur << ' ' << o.trait << ' ' << o.epaisseur << ' ' << o.remplissage;
        // An undefined point keeps the place it last had, which nothing shows or uses.
        if (o.point && !o.indefini) etat << ' ' << o.point->x << ' ' << o.point->y;
        if (o.point) etat << " '" << o.point->etiquette << "'";
        etat << '\n';
    }
    CanevasEnregistre k;
    dessinerFigure(f, k);
    for (const Appel& a : k.appels()) {
        etat << static_cast<int>(a.genre) << " '" << a.texte << "' " << a.pen.Color << ' '
             << a.pen.Width << ' ' << a.brush.Color << ' ' << a.font.Color << ' ' << a.font.Size;
        for (const int v : a.arguments) etat << ' ' << v;
        etat << '\n';
    }
    return etat.str();
}

// A step reached going back is the step reached going forward, in everything both surfaces hold
// and the buttons show, even after the pupil dragged the finished figure.
TEST_F(Imagiciels, UneEtapeEstLaMemeDansLesDeuxSens)
{
    for (const int code : {1501, 1502, 1503, 1504, 1506, 1507, 1508, 1509, 1510}) {
        lancer(code);
        const int n = std::max(d.nbEtapesImagiciel, 1);
        std::vector<std::string> enAvancant;
        const auto etat = [&] {
            return etatDe(*texteImagiciel) + etatDe(*figureImagiciel) +
                   std::to_string(avancer.Enabled()) + std::to_string(reculer.Enabled());
        };
        for (int s = 1; s <= n; ++s) {
            if (s > 1) etapeSuivanteImagiciel(d);
            enAvancant.push_back(etat());
        }
        for (const TpointDepart& p : pointsDepart(code))
            placerPoint(*figureImagiciel, p.nom, p.x + 1, p.y - 0.5);
        for (int s = n - 1; s >= 1; --s) {
            etapePrecedenteImagiciel(d);
            EXPECT_EQ(etat(), enAvancant[static_cast<std::size_t>(s - 1)]) << code << " étape " << s;
        }
    }
}

// The last step hands the points over, blue; one step back puts them where they started, fixed
// and black, whatever the pupil did with them.
TEST_F(Imagiciels, GlisserPuisRevenir)
{
    const struct {
        int code;
        std::vector<std::string> points;
    } cas[] = {{1506, {"A"}}, {1508, {"A", "B"}}, {1509, {"A", "B", "C"}}, {1510, {"B"}}};
    for (const auto& c : cas) {
        lancer(c.code);
        while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
        std::vector<std::pair<double, double>> depart;
        for (const std::string& p : c.points) {
            const Tobjet* o = objetNomme(*figureImagiciel, p);
            ASSERT_NE(o, nullptr);
            EXPECT_TRUE(o->mobile) << c.code << " " << p;
            EXPECT_EQ(o->couleur, 0xFF0000) << c.code << " " << p;
            depart.emplace_back(abscisse(*figureImagiciel, p), ordonnee(*figureImagiciel, p));
            placerPoint(*figureImagiciel, p, depart.back().first + 1, depart.back().second - 1);
        }
        etapePrecedenteImagiciel(d);
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            const std::string& p = c.points[i];
            const Tobjet* o = objetNomme(*figureImagiciel, p);
            EXPECT_FALSE(o->mobile) << c.code << " " << p;
            EXPECT_EQ(o->couleur, 0x000000) << c.code << " " << p;
            EXPECT_DOUBLE_EQ(abscisse(*figureImagiciel, p), depart[i].first) << c.code << " " << p;
            EXPECT_DOUBLE_EQ(ordonnee(*figureImagiciel, p), depart[i].second) << c.code << " " << p;
        }
    }
}

// At the last step the pupil drags a blue point with the mouse; the construction follows, and one
// step back puts everything where it started.
TEST_F(Imagiciels, GlisserALaSouris)
{
    lancer(1508);
    while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
    Tfigure& f = *figureImagiciel;
    const int x = versPixelX(f, 2), y = versPixelY(f, 2);
    const double xC = abscisse(f, "C");
    gererSouris(f, x, y, 1);
    gererSouris(f, x + 27, y + 27, 3);
    gererSouris(f, x + 27, y + 27, 2);
    EXPECT_NEAR(abscisse(f, "A"), 3, 0.05);
    EXPECT_NEAR(ordonnee(f, "A"), 1, 0.05);
    EXPECT_NE(abscisse(f, "C"), xC);
    etapePrecedenteImagiciel(d);
    EXPECT_DOUBLE_EQ(abscisse(f, "A"), 2);
    EXPECT_DOUBLE_EQ(abscisse(f, "C"), xC);
    // Fixed now: the mouse no longer moves it.
    gererSouris(f, x, y, 1);
    gererSouris(f, x + 27, y + 27, 3);
    gererSouris(f, x + 27, y + 27, 2);
    EXPECT_DOUBLE_EQ(abscisse(f, "A"), 2);
}

// A step changed from the keyboard while a point is held lets go of it: it stays where the step
// puts it, fixed, whatever the mouse does until its release.
TEST_F(Imagiciels, UnChangementDEtapeLacheLePointTenu)
{
    lancer(1508);
    while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
    Tfigure& f = *figureImagiciel;
    const int x = versPixelX(f, 2), y = versPixelY(f, 2);
    gererSouris(f, x, y, 1);
    gererSouris(f, x + 27, y + 27, 3);
    etapePrecedenteImagiciel(d);
    EXPECT_EQ(f.objetSaisi, 0);
    EXPECT_EQ(f.glissement, nullptr);
    gererSouris(f, x + 54, y, 3);
    gererSouris(f, x + 54, y, 2);
    EXPECT_DOUBLE_EQ(abscisse(f, "A"), 2);
    EXPECT_DOUBLE_EQ(ordonnee(f, "A"), 2);
}

// The triangle has no third vertex when one side is longer than the two others together; the
// length AB shows as it is, half units included.
TEST_F(Imagiciels, TriangleImpossible)
{
    lancer(1510);
    while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
    const struct {
        double xB;
        bool existe;
        const char* longueur;
    } cas[] = {{2, true, "6"},     {-2.5, false, "1,5"}, {-1.5, true, "2,5"},
               {4.5, false, "8,5"}, {3.5, true, "7,5"},   {-3, false, "1"},
               {-2, true, "2"},     {4, true, "8"},       {6, false, "10"}};
    for (const auto& c : cas) {
        placerPoint(*figureImagiciel, "B", c.xB, -2);
        EXPECT_EQ(!estIndefini(*figureImagiciel, "C"), c.existe) << c.xB;
        EXPECT_EQ(!estIndefini(*figureImagiciel, "[AC]"), c.existe) << c.xB;
        // The arcs that show the gap stand only where C has no place.
        EXPECT_EQ(estIndefini(*figureImagiciel, "arc2e"), c.existe) << c.xB;
        EXPECT_EQ(objetNomme(*figureImagiciel, "K2")->point->etiquette, c.longueur) << c.xB;
    }
}

// Wherever B is dragged, as long as C exists, each arc of the triangle passes through C: on its
// circle, between its ends going anticlockwise.
TEST_F(Imagiciels, LesArcsDuTrianglePassentParC)
{
    lancer(1510);
    while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
    Tfigure& f = *figureImagiciel;
    const auto depuisDebut = [](const Tarc& a, double x, double y) {
        const double tour = 2 * std::numbers::pi;
        const double angle = std::atan2(y - a.y, x - a.x) - std::atan2(a.yP - a.y, a.xP - a.x);
        return std::fmod(angle + 2 * tour, tour);
    };
    for (const double xB : {3.5, 4.0, -2.0}) {  // AB = 7,5, 8 and 2
        placerPoint(f, "B", xB, -2);
        const double xC = abscisse(f, "C"), yC = ordonnee(f, "C");
        for (const char* nom : {"arc1", "arc2"}) {
            const Tobjet& o = *objetNomme(f, nom);
            const Tarc& a = o.donneesDe<Tarc>();
            EXPECT_FALSE(o.indefini) << nom << " " << xB;
            EXPECT_NEAR(std::hypot(xC - a.x, yC - a.y), a.rayon, 1e-9) << nom << " " << xB;
            EXPECT_LT(depuisDebut(a, xC, yC), depuisDebut(a, a.xQ, a.yQ)) << nom << " " << xB;
        }
    }
}

// Where C has no place, two arcs stay on C's side of [AB], from where the circles come closest, and
// miss each other by what AB lacks or has too much; where C has one, the arcs about it meet there.
TEST_F(Imagiciels, LesArcsDuTriangleSeCoupentOuMontrentLEcart)
{
    lancer(1510);
    while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
    Tfigure& f = *figureImagiciel;
    // Every quarter degree of an arc, from its start anticlockwise to its end.
    const auto points = [&](const std::string& nom) {
        const Tarc& a = objetNomme(f, nom)->donneesDe<Tarc>();
        const double debut = std::atan2(a.yP - a.y, a.xP - a.x), tour = 2 * std::numbers::pi;
        const double ouverture = std::fmod(std::atan2(a.yQ - a.y, a.xQ - a.x) - debut + 2 * tour, tour);
        std::vector<std::pair<double, double>> r;
        for (double t = 0; t <= ouverture; t += tour / 1440)
            r.emplace_back(a.x + a.rayon * std::cos(debut + t), a.y + a.rayon * std::sin(debut + t));
        return r;
    };
    const struct {
        double xB;  // AB = 1,5, 6 and 8,5
        const char* arcs;
        double ecart;
    } cas[] = {{-2.5, "arc1e arc2e", 0.5}, {2, "arc1 arc2", 0}, {4.5, "arc1e arc2e", 0.5}};
    for (const auto& c : cas) {
        placerPoint(f, "B", c.xB, -2);
        ASSERT_EQ(montres(f, "arc1 arc2 arc1e arc2e", true), c.arcs) << c.xB;
        std::istringstream noms(c.arcs);
        std::string arcA, arcB;
        noms >> arcA >> arcB;
        double ecart = 1e9;
        for (const auto& [xA, yA] : points(arcA))
            for (const auto& [xB, yB] : points(arcB)) {
                ecart = std::min(ecart, std::hypot(xA - xB, yA - yB));
                EXPECT_GE(std::min(yA, yB), -2 - 1e-9) << c.xB;
            }
        EXPECT_NEAR(ecart, c.ecart, 0.03) << c.xB;
    }
}

// A fill never hides a stroke shown with it: each animation with fills makes them, and so paints
// them, before every segment, line, half-line and arc it shows.
TEST_F(Imagiciels, LesRemplissagesSontSousLesTraits)
{
    for (const int code : {1504, 1506, 1508, 1509}) {
        lancer(code);
        while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
        int remplissage = 0, trait = 0;
        for (int i = figureImagiciel->nbObjets; i >= 1; --i) {
            const Tobjet& o = *figureImagiciel->objets[static_cast<std::size_t>(i)];
            if (!o.visible || o.indefini) continue;
            if (o.classe == affPolygone && o.remplissage != 0 && !remplissage) remplissage = i;
            if (o.classe == affSegment || o.classe == affDroite || o.classe == affDemiDroite ||
                o.classe == affArc)
                trait = i;
        }
        EXPECT_TRUE(remplissage > 0 && remplissage < trait) << code;
    }
}

// At the extreme sizes its blue points allow, the box keeps every corner within its frame.
TEST_F(Imagiciels, LePaveResteDansSonCadre)
{
    lancer(1504);
    Tfigure& f = *figureImagiciel;
    for (const auto& [longueur, hauteur, profondeur] : {std::tuple{8, 5, 6}, {1, 5, 6}, {8, 1, 0}}) {
        placerPoint(f, "L", longueur, 0);
        placerPoint(f, "H", 0, hauteur);
        placerPoint(f, "P", profondeur, 0);
        for (const char* sommet : {"O", "L", "HP", "LHP"}) {
            const int x = versPixelX(f, abscisse(f, sommet)), y = versPixelY(f, ordonnee(f, sommet));
            EXPECT_TRUE(x > 2 && x < f.controle->Width() - 2 && y > 2 && y < f.controle->Height() - 2)
                << sommet << " " << longueur << " " << hauteur << " " << profondeur;
        }
    }
}

// The midpoint of the perpendicular bisector is shown unnamed, as the text speaks of it.
TEST_F(Imagiciels, MilieuSansNom)
{
    lancer(1507);
    while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
    EXPECT_EQ(objetNomme(*figureImagiciel, "m3")->point->etiquette, "");
}

// Titles, chapter labels and the buttons of one-page and stepped animations.
TEST_F(Imagiciels, TitresEtBoutons)
{
    avancer.setBounds(500, 100, 90, 25);
    const struct {
        int code;
        const char* titre;
        std::string chapitre;
        bool boutons;
    } cas[] = {
        {1501, "Illustration du diagramme demi-circulaire", texteNumero(509), false},
        {1502, "Illustration du diagramme circulaire", texteNumero(509), false},
        {1503, "Illustration de la symétrie axiale", "Imagiciel", false},
        {1504, "Illustration du volume du pavé", texteNumero(514), false},
        {1508, "Construction de la médiatrice avec un losange", "Imagiciel", true},
        {1510, "Construction d'un triangle connaissant les trois côtés", texteNumero(513), true},
        {1505, "Page à faire", "Imagiciel", false},
    };
    for (const auto& c : cas) {
        lancer(c.code);
        EXPECT_EQ(titreImagiciel.Caption(), c.titre);
        // Each start rebuilds both surfaces from nothing.
        EXPECT_EQ(objetNomme(*figureImagiciel, "Diagramme") != nullptr, c.code <= 1502) << c.code;
        EXPECT_EQ(chapitreImagiciel.Caption(), c.chapitre);
        EXPECT_EQ(avancer.Visible(), c.boutons) << c.code;
        EXPECT_EQ(reculer.Visible(), c.boutons) << c.code;
        EXPECT_EQ(classeur.ActivePage(), &pageImagiciel);
        EXPECT_EQ(arbreImagiciels.Selected(), c.code - 1500);
        EXPECT_EQ(texteImagiciel->decalageColonnes, 10.0);
        EXPECT_EQ(zoneTexteImagiciel.Color(), 0xE0F7FF);
    }
    // The stepped ones put the forward button at (680, 150) and the back button beside it.
    lancer(1508);
    EXPECT_EQ(avancer.Left(), 680);
    EXPECT_EQ(reculer.Left(), 680 - 90 - 10);
    EXPECT_EQ(reculer.Top(), 150);
    EXPECT_EQ(zoneFigureImagiciel.Left(), 340);
    EXPECT_EQ(zoneFigureImagiciel.Width(), 420);
    EXPECT_TRUE(zoneFigureImagiciel.Visible());
    // Beyond the ends the buttons change nothing.
    etapePrecedenteImagiciel(d);
    EXPECT_EQ(d.etapeImagiciel, 1);
    for (int i = 0; i < 6; ++i) etapeSuivanteImagiciel(d);
    EXPECT_EQ(d.etapeImagiciel, 4);
    // The animation shown is only brought to the front again.
    classeur.setActivePage(&pageMenu);
    allerImagiciel(d, 1508);
    EXPECT_EQ(d.etapeImagiciel, 4);
    EXPECT_EQ(classeur.ActivePage(), &pageImagiciel);
}

}  // namespace
