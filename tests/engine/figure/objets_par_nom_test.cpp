#include "engine/figure/objets_par_nom.h"

#include <functional>

#include <gtest/gtest.h>

#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "surface_de_test.h"

namespace {

// Each setter, as a user would call it on the name.
const struct {
    const char* nom;
    std::function<void(Tfigure&, const std::string&)> appliquer;
    std::function<bool(const Tobjet&)> applique;
} setters[] = {
    {"cacherObjet", [](Tfigure& f, const std::string& n) { cacherObjet(f, n); },
     [](const Tobjet& o) { return !o.visible; }},
    {"rendreFixe", [](Tfigure& f, const std::string& n) { rendreFixe(f, n); },
     [](const Tobjet& o) { return !o.mobile; }},
    {"changerEtiquette", [](Tfigure& f, const std::string& n) { changerEtiquette(f, n, "x'"); },
     [](const Tobjet& o) { return o.point->etiquette == "x'"; }},
    {"changerRemplissage", [](Tfigure& f, const std::string& n) { changerRemplissage(f, n, 4); },
     [](const Tobjet& o) { return o.remplissage == 4; }},
    {"changerTrait", [](Tfigure& f, const std::string& n) { changerTrait(f, n, 3); },
     [](const Tobjet& o) { return o.trait == 3; }},
    {"changerCouleur", [](Tfigure& f, const std::string& n) { changerCouleur(f, n, 0xFF0000); },
     [](const Tobjet& o) { return o.couleur == 0xFF0000; }},
    {"changerEpaisseur", [](Tfigure& f, const std::string& n) { changerEpaisseur(f, n, 2); },
     [](const Tobjet& o) { return o.epaisseur == 2; }},
    {"placerEtiquette", [](Tfigure& f, const std::string& n) { placerEtiquette(f, n, -1, 0.5); },
     [](const Tobjet& o) {
         return o.point->decalageEtiquetteX == -1 && o.point->decalageEtiquetteY == 0.5;
     }},
    {"changerModeEtiquette", [](Tfigure& f, const std::string& n) { changerModeEtiquette(f, n, 1); },
     [](const Tobjet& o) { return o.point->modeEtiquette == 1; }},
    {"placerPoint", [](Tfigure& f, const std::string& n) { placerPoint(f, n, 3, 4); },
     [](const Tobjet& o) { return o.point->x == 3 && o.point->y == 4; }},
};

TEST_F(SurfaceDeTest, chaqueSetterAgitSurLePremierPorteurDuNomEtSeulementLui)
{
    for (const auto& s : setters) {
        reinitialiserFigure(f());
        creerPointMobile(f(), "A", 0, 1, 1);
        creerPointMobile(f(), "A", 0, 2, 2);
        s.appliquer(f(), "A");
        EXPECT_TRUE(s.applique(*f().objets[1])) << s.nom;
        EXPECT_FALSE(s.applique(*f().objets[2])) << s.nom;
    }
}

TEST_F(SurfaceDeTest, unNomAbsentNeChangeRien)
{
    creerPointMobile(f(), "A", 0, 1, 1);
    for (const auto& s : setters) {
        s.appliquer(f(), "B");
        EXPECT_FALSE(s.applique(*f().objets[1])) << s.nom;
    }
    EXPECT_EQ(cacherObjet(f(), "B"), nullptr);
    EXPECT_EQ(montrerObjet(f(), "B"), nullptr);
    EXPECT_TRUE(estIndefini(f(), "B"));
    EXPECT_EQ(abscisse(f(), "B"), 0);
    EXPECT_EQ(ordonnee(f(), "B"), 0);
    EXPECT_EQ(rayonCercle(f(), "B"), 0);
    EXPECT_EQ(f().nbObjets, 1);
}

TEST_F(SurfaceDeTest, lesOperationsDePointIgnorentLesAutresGenres)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 2, 0, 0, 0);
    creerCercle(f(), "c", "A", "B", 0, 1, 1);
    changerEtiquette(f(), "c", "x");
    placerPoint(f(), "c", 5, 5);
    placerEtiquette(f(), "c", 1, 1);
    changerModeEtiquette(f(), "c", 1);
    const Tobjet& c = *objetNomme(f(), "c");
    EXPECT_FALSE(c.point.has_value());
    EXPECT_EQ(c.donneesDe<Tcercle>().x, 0);
    EXPECT_EQ(abscisse(f(), "c"), 0);
    EXPECT_EQ(rayonCercle(f(), "c"), 2);
    EXPECT_EQ(rayonCercle(f(), "A"), 0);
}

TEST_F(SurfaceDeTest, montrerEtRendreMobileRendentLObjet)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    Tobjet* a = cacherObjet(f(), "A");
    ASSERT_EQ(a, f().objets[1].get());
    EXPECT_EQ(montrerObjet(f(), "A"), a);
    EXPECT_TRUE(a->visible);
    rendreMobile(f(), "A");
    EXPECT_TRUE(a->mobile);
    EXPECT_FALSE(estIndefini(f(), "A"));
}

TEST_F(SurfaceDeTest, uneEtiquetteGardeCentVingtCaracteres)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    changerEtiquette(f(), "A", std::string(130, 'e'));
    EXPECT_EQ(point("A").etiquette.size(), 120u);
}

TEST_F(SurfaceDeTest, leRayonDUnCercleIndefiniEstNul)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 1, 0, 0, 0);
    creerDroite(f(), "A", "B", 0, 1, 1);
    creerPointNomme(f(), "C", 0, 1, 1, 0, 0);
    creerIntersectionDroites(f(), "I", "(AB)", "(AB)", 0, 0, 0);
    creerCercle(f(), "c", "I", "C", 0, 1, 1);
    EXPECT_TRUE(estIndefini(f(), "c"));
    EXPECT_EQ(rayonCercle(f(), "c"), 0);
}

TEST_F(SurfaceDeTest, placerPointSurUnPointGradueArrondiAuPair)
{
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "E", 0, 10, 0, 0, 0);
    creerPointNomme(f(), "U", 0, 1, 0, 0, 0);
    creerPointGradue(f(), "G", "O", "E", "U", 0, 0, 0, 0);
    struct {
        double x;
        int k;
    } const cas[] = {{2.5, 2}, {3.5, 4}, {2.4, 2}, {-0.5, 0}, {12, 10}};
    for (const auto& c : cas) {
        placerPoint(f(), "G", c.x, 7);
        EXPECT_EQ(objetNomme(f(), "G")->donneesDe<TpointGradue>().k, c.k) << c.x;
        EXPECT_DOUBLE_EQ(point("G").x, c.k);
        EXPECT_DOUBLE_EQ(point("G").y, 0);
    }
}

TEST_F(SurfaceDeTest, placerPointSurUnArcPrendXCommeAngle)
{
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "M", 0, 2, 0, 0, 0);
    creerPointSurArc(f(), "P", "O", "M", 0, 180, 10, 0, 0, 0, 0);
    placerPoint(f(), "P", 90, 5);
    EXPECT_EQ(objetNomme(f(), "P")->donneesDe<TpointSurArc>().angle, 90);
    EXPECT_NEAR(point("P").x, 0, 1e-12);
    EXPECT_NEAR(point("P").y, 2, 1e-12);
}

TEST_F(SurfaceDeTest, placerPointRecalculeLesObjetsSuivants)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 2, 0, 0, 0);
    creerMilieu(f(), "I", "A", "B", 0, 0, 0);
    creerSegmentTrait(f(), "A", "I", 0);
    placerPoint(f(), "B", 4, 2);
    EXPECT_EQ(point("I").x, 2);
    EXPECT_EQ(point("I").y, 1);
    EXPECT_EQ(objetNomme(f(), "[AI]")->donneesDe<Tsegment>().yB, 1);
}

TEST_F(SurfaceDeTest, placerPointSurUnAutre)
{
    creerPointNomme(f(), "A", 0, 1, 1, 0, 0);
    creerPointNomme(f(), "B", 0, 3, -2, 0, 0);
    placerPointSur(f(), "A", "B");
    EXPECT_EQ(point("A").x, 3);
    EXPECT_EQ(point("A").y, -2);
    placerPointSur(f(), "X", "A");
    EXPECT_EQ(f().nbObjets, 2);
    placerPointSur(f(), "A", "X");
    EXPECT_EQ(point("A").x, 0);
    EXPECT_EQ(point("A").y, 0);
}

} // namespace
