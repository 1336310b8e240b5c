// Mouse journeys on a figure, played on a recording paint box as the main window relays them:
// what is taken, where it goes, which cursor shows, and the edge cases of dragging.

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "engine/figure/creation_diagramme.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/cases_damier.h"
#include "engine/figure/deplacement.h"
#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "engine/figure/souris.h"
#include "surface_de_test.h"

namespace {

class Souris : public SurfaceDeTest {
protected:
    Souris()
    {
        zone.OnMouseDown.lier(gardeOuverte(), [this](BoutonSouris, int x, int y) { gererSouris(f(), x, y, 1); });
        zone.OnMouseUp.lier(gardeOuverte(), [this](BoutonSouris, int x, int y) { gererSouris(f(), x, y, 2); });
        zone.OnMouseMove.lier(gardeOuverte(), [this](int x, int y) { gererSouris(f(), x, y, 3); });
        zone.OnPaint.lier(gardeOuverte(), [this] { dessinerFigure(f()); });
    }

    // Pixels of a world point.
    int px(double x) { return versPixelX(f(), x); }
    int py(double y) { return versPixelY(f(), y); }
    // Press at a world point, move through the others, release at the last.
    void glisser(std::initializer_list<std::pair<double, double>> chemin)
    {
        const auto* p = chemin.begin();
        zone.appuyer(BoutonSouris::gauche, px(p->first), py(p->second));
        for (; p != chemin.end(); ++p) zone.deplacer(px(p->first), py(p->second));
        --p;
        zone.relacher(BoutonSouris::gauche, px(p->first), py(p->second));
    }
    Toutil& sortir(int t, TgenreOutil genre, double x, double y)
    {
        f().nbOutils = std::max(f().nbOutils, t);
        Toutil& o = f().outils[static_cast<std::size_t>(t)];
        o.genre = genre;
        o.x = x;
        o.y = y;
        return o;
    }
};

TEST_F(Souris, lePremierCreeGagneLeCacheJamaisLIndefiniToujours)
{
    creerPointMobile(f(), "A", 0, 0.25, 0);
    creerPointMobile(f(), "B", 0, 0, 0);
    int curseur = 99;
    EXPECT_EQ(saisirSouris(f(), px(0), py(0), curseur), 1);
    EXPECT_EQ(curseur, crCross);
    cacherObjet(f(), "A");
    EXPECT_EQ(saisirSouris(f(), px(0), py(0), curseur), 2);
    objetNommeAModifier(f(), "B")->indefini = true;
    EXPECT_EQ(saisirSouris(f(), px(0), py(0), curseur), 2);
    // Ten pixels away is too far.
    EXPECT_EQ(saisirSouris(f(), px(0) + 10, py(0), curseur), 0);
    EXPECT_EQ(curseur, crDefault);
    creerPointNomme(f(), "F", 0, 2, 2, 0, 0);
    EXPECT_EQ(saisirSouris(f(), px(2), py(2), curseur), 0);
}

TEST_F(Souris, pointsDeChaqueGenre)
{
    creerPointMobile(f(), "L", 0, 0, 0);
    creerPointCurseur(f(), "C", 0, 0, -3, 0, 10, 3, 0, 0);
    creerPointMobileBorne(f(), "M", 0, 1, 3, 0, 4, 0.5, 0, 4, 2, 0, 0);
    creerPointNomme(f(), "O", 0, -3, 3, 0, 0);
    creerPointNomme(f(), "P", 0, -1, 3, 0, 0);
    creerPointSurArc(f(), "R", "O", "P", -90, 90, 15, 0, 0, 0, 0);
    rendreMobile(f(), "R");
    const struct {
        const char* point;
        double depuisX, depuisY, versX, versY;
        double x, y;
    } cas[] = {
        {"L", 0, 0, 9, -9, f().xMax, f().yMin},
        {"C", 0, -3, 3.4, 2, 3, -3},
        {"M", 1, 3, 2.3, 0.9, 2.5, 0},
        {"M", 2.5, 0, 7, 3.1, 4, 4},
        {"R", -1, 3, -3, 5, -3, 5},
        {"R", -3, 5, -3 + 2 * std::cos(-1.0), 3 + 2 * std::sin(-1.0), -2, 3 - std::sqrt(3.0)},
    };
    for (const auto& c : cas) {
        glisser({{c.depuisX, c.depuisY}, {c.versX, c.versY}});
        EXPECT_NEAR(abscisse(f(), c.point), c.x, 1e-12) << c.point << c.versX;
        EXPECT_NEAR(ordonnee(f(), c.point), c.y, 1e-12) << c.point << c.versX;
    }
}

TEST_F(Souris, curseurParPasDeTrois)
{
    creerPointCurseur(f(), "C", 0, 0, 0, 0, 10, 3, 0, 0);
    f().xMax = 20;
    const struct {
        double souris, x;
    } cas[] = {{10.4, 9}, {11, 10}, {-2, 0}, {4.5, 6}, {1.5, 0}, {0, 0}};
    for (const auto& c : cas) {
        f().objetSaisi = 1;
        f().xSouris = c.souris;
        deplacerSaisie(f());
        EXPECT_DOUBLE_EQ(abscisse(f(), "C"), c.x) << c.souris;
    }
}

TEST_F(Souris, unPasNegatifCompteCommeSaGrandeur)
{
    creerPointCurseur(f(), "C", 0, 0, 0, 0, 10, -3, 0, 0);
    creerPointMobileBorne(f(), "M", 0, 0, 0, 0, 4, -0.5, 0, 4, -2, 0, 0);
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "P", 0, 2, 0, 0, 0);
    creerPointSurArc(f(), "R", "O", "P", -90, 90, -15, 0, 0, 0, 0);
    const auto sur = [](double degres) {
        return std::pair{2 * std::cos(degres * M_PI / 180), 2 * std::sin(degres * M_PI / 180)};
    };
    const struct {
        int saisi;
        std::pair<double, double> souris, attendu;
    } cas[] = {
        {1, {10.4, 0}, {9, 0}},       {1, {4.5, 0}, {6, 0}},    {1, {11, 0}, {10, 0}},
        {2, {2.3, 0.9}, {2.5, 0}},    {2, {2.2, 3.1}, {2, 4}},  {5, sur(50), sur(45)},
        {5, sur(-37), sur(-30)},
    };
    for (const auto& c : cas) {
        f().objetSaisi = c.saisi;
        std::tie(f().xSouris, f().ySouris) = c.souris;
        deplacerSaisie(f());
        const Tpoint& p = *f().objets[static_cast<std::size_t>(c.saisi)]->point;
        EXPECT_NEAR(p.x, c.attendu.first, 1e-12) << c.saisi << " " << c.souris.first;
        EXPECT_NEAR(p.y, c.attendu.second, 1e-12) << c.saisi << " " << c.souris.first;
    }
}

TEST_F(Souris, pointSurArcSansAngleNeBougePas)
{
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "P", 0, 2, 0, 0, 0);
    creerPointSurArc(f(), "R", "O", "P", 0, 180, 1, 30, 0, 0, 0);
    f().objetSaisi = 3;
    const int avant = zone.nbRepaint;
    f().xSouris = f().ySouris = 0;
    deplacerSaisie(f());
    EXPECT_EQ(zone.nbRepaint, avant);
    f().xSouris = 0;
    f().ySouris = 1;
    deplacerSaisie(f());
    EXPECT_DOUBLE_EQ(objetNomme(f(), "R")->donneesDe<TpointSurArc>().angle, 90);
    EXPECT_EQ(zone.nbRepaint, avant + 1);
    // The same angle again: no repaint.
    deplacerSaisie(f());
    EXPECT_EQ(zone.nbRepaint, avant + 1);
}

TEST_F(Souris, lesConstructionsSuivent)
{
    creerPointMobile(f(), "A", 0, -2, 0);
    creerPointNomme(f(), "B", 0, 2, 0, 0, 0);
    creerMilieu(f(), "I", "A", "B", 0, 0, 0);
    glisser({{-2, 0}, {-1, 1}, {-2, 2}});
    EXPECT_NEAR(abscisse(f(), "I"), 0, 1e-12);
    EXPECT_NEAR(ordonnee(f(), "I"), 1, 1e-12);
    EXPECT_EQ(f().objetSaisi, 0);
    EXPECT_FALSE(f().glissement);
}

TEST_F(Souris, relacherTermineToujours)
{
    creerPointMobile(f(), "A", 0, 0, 0);
    zone.appuyer(BoutonSouris::gauche, px(0), py(0));
    EXPECT_EQ(f().objetSaisi, 1);
    zone.relacher(BoutonSouris::gauche, 5000, -300);
    EXPECT_EQ(f().objetSaisi, 0);
    EXPECT_EQ(zone.Cursor(), crDefault);
    zone.deplacer(px(1), py(1));
    EXPECT_DOUBLE_EQ(abscisse(f(), "A"), 0);
    // Even when the mouse went to something else during the drag.
    zone.appuyer(BoutonSouris::gauche, px(0), py(0));
    f().sourisInactive = true;
    zone.relacher(BoutonSouris::gauche, px(0), py(0));
    EXPECT_EQ(f().objetSaisi, 0);
    EXPECT_FALSE(f().glissement);
    zone.appuyer(BoutonSouris::gauche, px(0), py(0));
    EXPECT_EQ(f().objetSaisi, 0);
}

TEST_F(Souris, partiesDesInstrumentsDansLOrdre)
{
    // The compass's radius lies inside its disc: the radius comes first.
    Toutil& compas = sortir(1, outilCompas, 0, 0);
    compas.rayon = 0.5;
    Toutil& equerre = sortir(2, outilEquerre, 3, -3);
    Toutil& rapporteur = sortir(3, outilRapporteur, -3, 2);
    rapporteur.angleBras = 90;
    const struct {
        double x, y;
        int saisi, partie;
    } cas[] = {
        {0.5, 0, -1, 6},    {0, 0.1, -1, 1},    {5, -2, -2, 8},     {4.5, -3, -2, 2},
        {1, -3, -2, 4},     {3, -3.5, -2, 1},   {-3, 3.5, -3, 9},   {0, 2, -3, 6},
        {-3, -0.5, -3, 10}, {-4.5, 2.1, -3, 4}, {2, 1, 0, 0},
    };
    for (const auto& c : cas) {
        int curseur;
        EXPECT_EQ(saisirSouris(f(), px(c.x), py(c.y), curseur), c.saisi) << c.x << " " << c.y;
        if (c.saisi == 0) continue;
        EXPECT_EQ(curseur, crHandPoint);
        EXPECT_EQ(f().outils[static_cast<std::size_t>(-c.saisi)].partieSaisie, c.partie)
            << c.x << " " << c.y;
    }
    // A fixed body is not taken; an instrument put away gives nothing.
    equerre.fixe = true;
    int curseur;
    EXPECT_EQ(saisirSouris(f(), px(3), py(-3.5), curseur), 0);
    equerre.genre = outilRange;
    EXPECT_EQ(saisirSouris(f(), px(4.5), py(-3), curseur), 0);
}

TEST_F(Souris, deplacerLesPartiesDUnInstrument)
{
    Toutil o;
    initialiserOutil(o, 1);
    o.genre = outilRapporteur;
    o.x = o.y = 0;
    const struct {
        int partie;
        double x, y;
        double Toutil::*champ;
        double attendu;
    } cas[] = {
        {8, 0.75, 0.3, &Toutil::longueurA, 0.75}, {8, -0.05, 0.05, &Toutil::longueurA, 0},
        {6, 0.3, 0, &Toutil::rayon, 0.5},      {6, 0, 4, &Toutil::rayon, 4},
        {2, 0, 2, &Toutil::angle, 90},         {4, 0, 2, &Toutil::angle, -90},
        {2, -1, 0, &Toutil::angle, 180},       {4, 1, 0, &Toutil::angle, 180},
        {9, 1, 0, &Toutil::angleBras, 180},    {10, -1, -1, &Toutil::angleBras, -135},
        {2, 1, 1, &Toutil::angle, 45},         {2, 0, 0, &Toutil::angle, 45},
    };
    for (const auto& c : cas) {
        o.partieSaisie = c.partie;
        deplacerOutil(o, c.x, c.y);
        EXPECT_NEAR(o.*c.champ, c.attendu, 1e-9) << c.partie << " " << c.x << " " << c.y;
    }
    o.partieSaisie = 1;
    o.decalageSaisieX = 0.5;
    deplacerOutil(o, 7.5, -2);
    EXPECT_DOUBLE_EQ(o.x, 5);
    EXPECT_DOUBLE_EQ(o.y, -2);
}

TEST_F(Souris, aimantsEtRayonsLies)
{
    creerPointNomme(f(), "A", 0, 1.1, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 0.95, 0, 0, 0);
    fixerPointsAimantes(f(), "A B");
    sortir(1, outilCompas, -2, 0);
    sortir(2, outilRegle, 3, 3);
    f().rayonsLies = true;
    // Taken 0.3 right of the centre, dropped with the centre at 1.0: both snap points are within
    // 0.2, the first listed wins.
    glisser({{-1.7, 0}, {1.3, 0}});
    EXPECT_DOUBLE_EQ(f().outils[1].x, 1.1);
    EXPECT_DOUBLE_EQ(f().outils[1].y, 0);
    glisser({{1.1, 3}, {1.1, 4.5}});
    // Within the pixel the mouse stands on.
    EXPECT_NEAR(f().outils[1].rayon, 4.5, 0.05);
    EXPECT_EQ(f().outils[2].rayon, f().outils[1].rayon);
    EXPECT_EQ(f().outils[3].rayon, f().outils[1].rayon);
}

TEST_F(Souris, placerUnInstrument)
{
    creerPointNomme(f(), "A", 0, 1, 1, 0, 0);
    creerPointNomme(f(), "B", 0, 1, -1, 0, 0);
    creerPointNomme(f(), "C", 0, 1, 1, 0, 0);
    placerOutil(f(), 2, "A", "B");
    EXPECT_DOUBLE_EQ(f().outils[2].x, 1);
    EXPECT_DOUBLE_EQ(f().outils[2].angle, -90);
    placerOutil(f(), 1, "A", "C");
    EXPECT_DOUBLE_EQ(f().outils[1].x, -4.5);
}

TEST_F(Souris, genresDesInstruments)
{
    // Visible, set square, protractor, radius, graduated, straight edge, arm.
    const char* attendus[9] = {"0000000", "1000010", "1100010", "1001000", "1000011",
                               "1000110", "1100110", "1001110", "1011011"};
    for (int g = 0; g <= 8; ++g) {
        Toutil o;
        o.genre = static_cast<TgenreOutil>(g);
        const std::string lu = {"01"[outilVisible(o)], "01"[estEquerre(o)], "01"[estRapporteur(o)],
                                "01"[aUnRayon(o)],     "01"[estGradue(o)],  "01"[aUnBordDroit(o)],
                                "01"[aUnBras(o)]};
        EXPECT_EQ(lu, attendus[g]) << g;
    }
}

TEST_F(Souris, curseursAuSurvol)
{
    creerPointMobile(f(), "A", 0, 0, 0);
    sortir(1, outilRegle, 3, 3);
    const struct {
        double x, y;
        int curseur;
    } cas[] = {{0, 0, crCross}, {3, 3, crHandPoint}, {-3, -3, crDefault}};
    for (const auto& c : cas) {
        zone.deplacer(px(c.x), py(c.y));
        EXPECT_EQ(zone.Cursor(), c.curseur);
    }
}

TEST_F(Souris, barresDuDiagramme)
{
    creerDiagramme(f(), 2, "5\\10", "a\\b", 1, false);
    const Tdiagramme& d = objetNomme(f(), "Diagramme")->donneesDe<Tdiagramme>();
    const int x = static_cast<int>(d.pointsX[1]);
    const auto hauteur = [&](double unites) { return static_cast<int>(std::lround(d.baseY - unites * d.hauteurUnite)); };
    zone.deplacer(x, static_cast<int>(d.pointsY[1]));
    EXPECT_EQ(zone.Cursor(), crSizeNS);
    const struct {
        double unites;
        int valeur;
    } cas[] = {{3.6, 4}, {-2, 0}, {25, 20}, {12.2, 12}};
    for (const auto& c : cas) {
        zone.appuyer(BoutonSouris::gauche, x, static_cast<int>(std::lround(d.pointsY[1])));
        zone.deplacer(x + 30, hauteur(c.unites));
        zone.relacher(BoutonSouris::gauche, x + 30, hauteur(c.unites));
        EXPECT_EQ(d.effectifs[1], c.valeur) << c.unites;
        EXPECT_EQ(d.barreSaisie, 0);
    }
    EXPECT_EQ(zone.Cursor(), crDefault);
    // Locked while a bar is held: the release lets it go, and the bar no longer follows.
    zone.appuyer(BoutonSouris::gauche, x, static_cast<int>(std::lround(d.pointsY[1])));
    objetNommeAModifier(f(), "Diagramme")->verrouille = true;
    zone.relacher(BoutonSouris::gauche, x, hauteur(1));
    EXPECT_EQ(d.barreSaisie, 0);
    objetNommeAModifier(f(), "Diagramme")->verrouille = false;
    zone.deplacer(x, hauteur(5));
    EXPECT_EQ(d.effectifs[1], 12);
    objetNommeAModifier(f(), "Diagramme")->verrouille = true;
    zone.appuyer(BoutonSouris::gauche, x, static_cast<int>(std::lround(d.pointsY[1])));
    zone.deplacer(x, hauteur(1));
    EXPECT_EQ(d.effectifs[1], 12);
}

TEST_F(Souris, bordsDuDiagrammeDAngles)
{
    creerDiagramme(f(), 3, "90\\90", "a\\b\\c", 2, false);
    Tdiagramme& d = objetNommeAModifier(f(), "Diagramme")->donneesDe<Tdiagramme>();
    const auto vers = [&](double angle) {
        return std::pair{static_cast<int>(std::lround(d.baseX + 40 * std::cos(angle * M_PI / 180))),
                         static_cast<int>(std::lround(d.baseY - 40 * std::sin(angle * M_PI / 180)))};
    };
    // The closing boundary has no handle.
    EXPECT_EQ(barreSousPoint(d, d.pointsX[3], d.pointsY[3]), 0);
    ASSERT_EQ(barreSousPoint(d, d.pointsX[1], d.pointsY[1]), 1);
    d.barreSaisie = 1;
    auto [x, y] = vers(200);
    EXPECT_FALSE(reglerBarre(d, x, y));
    std::tie(x, y) = vers(177);
    EXPECT_TRUE(reglerBarre(d, x, y));
    EXPECT_EQ(d.effectifs[1], 175);
    EXPECT_EQ(d.effectifs[2], 5);
    EXPECT_EQ(d.effectifs[3], 180);
    EXPECT_FALSE(reglerBarre(d, d.baseX, d.baseY));
}

TEST_F(Souris, casesDuDamier)
{
    creerDamier(f());
    Tdamier& d = f().objets[1]->donneesDe<Tdamier>();
    zone.deplacer(px(-4.5), py(4.5));
    EXPECT_EQ(zone.Cursor(), crHandPoint);
    zone.appuyer(BoutonSouris::gauche, px(-4.5), py(4.5));
    zone.appuyer(BoutonSouris::gauche, px(0.5), py(0.5));
    zone.appuyer(BoutonSouris::gauche, px(0.5), py(0.5));
    EXPECT_EQ(d.casesColoriees.count(), 1u);
    EXPECT_TRUE(d.casesColoriees.test(1));
    zone.deplacer(px(5.3), py(0));
    EXPECT_EQ(zone.Cursor(), crDefault);
    d.cliquable = false;
    zone.appuyer(BoutonSouris::gauche, px(-4.5), py(4.5));
    EXPECT_TRUE(d.casesColoriees.test(1));
}

} // namespace
