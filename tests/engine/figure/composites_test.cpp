// The composite constructions: tables and their cells, the marks that follow their points, grids
// of cells and of points, the diagram's layout from its texts and the box's cells.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/figure/creation_diagramme.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_marques.h"
#include "engine/figure/creation_pave.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_quadrillages.h"
#include "engine/figure/creation_tableaux.h"
#include "engine/figure/diagramme.h"
#include "engine/base/nombres.h"
#include "engine/figure/objets_par_nom.h"
#include "surface_de_test.h"

namespace {

class Composites : public SurfaceDeTest {
protected:
    int compter(TgenreObjet genre, bool visibles)
    {
        int n = 0;
        for (int i = 1; i <= f().nbObjets; ++i)
            n += f().objets[i]->genre == genre && f().objets[i]->visible == visibles;
        return n;
    }
    const Ttableau& tableau(const char* nom) { return objetNomme(f(), nom)->donneesDe<Ttableau>(); }
    const TcaseTableau& cellule(const char* nom, int i, int j)
    {
        return tableau(nom).cases[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    }
};

TEST_F(Composites, tableauxEtCellules)
{
    f().decalageColonnes = 1;
    creerTableauUniforme(f(), "u", 3, 2, 4, 2, 5, 1.5);
    EXPECT_DOUBLE_EQ(tableau("u").gauche, 3);
    EXPECT_DOUBLE_EQ(tableau("u").droite, 13);
    EXPECT_DOUBLE_EQ(tableau("u").haut, 4);
    EXPECT_DOUBLE_EQ(tableau("u").bas, 8.5);

    creerTableau(f(), "e", 2, 0, 0, 2, "20;6", "4;4", 0, true);
    EXPECT_DOUBLE_EQ(tableau("e").gauche, 4.5);
    EXPECT_DOUBLE_EQ(tableau("e").haut, 1.5);
    EXPECT_DOUBLE_EQ(tableau("e").bas, 4.5);
    EXPECT_DOUBLE_EQ(cellule("e", 1, 2).x, 24.5);

    creerTableau(f(), "t", 2, -1, 0, 3, "6;6;6", "1,5;1.5", 0, false);
    remplirCaseTableau(f(), "t", 1, 1, "abcd", 0xFF);
    EXPECT_NEAR(cellule("t", 1, 1).decalageX, 1.28, 1e-12);
    EXPECT_NEAR(cellule("t", 1, 1).decalageY, 0.25, 1e-12);
    EXPECT_EQ(cellule("t", 1, 1).couleur, 0xFF);
    remplirCaseTableau(f(), "t", 2, 3, "  abcd", 0);
    EXPECT_EQ(cellule("t", 2, 3).texte, "abcd");
    EXPECT_NEAR(cellule("t", 2, 3).decalageX, 1.82, 1e-12);
    remplirCaseTableau(f(), "t", 1, 2, std::string(50, 'x'), 0);
    EXPECT_EQ(cellule("t", 1, 2).texte.size(), 43u);

    completerTableau(f(), "t", "a\\b\\c\\d");
    const char* attendus[2][3] = {{"a", "b", "c"}, {"", "", "d"}};
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 3; ++j) EXPECT_EQ(cellule("t", i, j).texte, attendus[i - 1][j - 1]);
    completerTableau(f(), "absent", "a");
    remplirCaseTableau(f(), "t", 3, 1, "hors", 0);
}

TEST_F(Composites, lesMarquesSuiventLeurPoint)
{
    creerPointMobile(f(), "A", 0, 3, 0);
    creerPointNomme(f(), "B", 0, 0, 0, 0, 0);
    creerPointMobile(f(), "C", 0, 0, 2);
    creerMarqueAngleDroit(f(), "m1", "B", "A", "C", 0.5, 0xFF, 1);
    creerCodageSegment(f(), "c1", "A", "B", 0.2, 0, 2);
    creerCodageAngle(f(), "a1", "B", "A", "C", 1, 0, 2);
    EXPECT_EQ(objetNomme(f(), "m1")->remplissage, 1);
    EXPECT_NEAR(abscisse(f(), "m1_4"), 0.5, 1e-12);
    EXPECT_NEAR(ordonnee(f(), "m1_4"), 0.5, 1e-12);
    EXPECT_TRUE(objetNomme(f(), "a1_42"));
    EXPECT_NEAR(objetNomme(f(), "a1_42")->donneesDe<Tarc>().rayon, 1.3, 1e-12);

    placerPoint(f(), "A", 0, -4);
    EXPECT_NEAR(abscisse(f(), "m1_2"), 0, 1e-12);
    EXPECT_NEAR(ordonnee(f(), "m1_2"), -0.5, 1e-12);
    EXPECT_NEAR(ordonnee(f(), "c1_2"), -2, 1e-12);
    // The two strokes cross [AB] across it, size·cos 80° on either side of the middle.
    const Tsegment& trait = objetNomme(f(), "[c1_4c1_7]")->donneesDe<Tsegment>();
    EXPECT_NEAR(std::abs(trait.yA - trait.yB), 0, 1e-12);
    EXPECT_NEAR(std::abs(trait.yA + 2), 0.2 * std::cos(80 * M_PI / 180), 1e-12);

    placerPoint(f(), "A", 0, 0);
    EXPECT_TRUE(estIndefini(f(), "m1_2"));
    EXPECT_TRUE(objetNomme(f(), "m1")->indefini);
    for (int i = 1; i <= f().nbObjets; ++i) {
        const Tobjet& o = *f().objets[i];
        if (o.nom.rfind("m1_", 0) == 0 || o.nom.rfind("c1_", 0) == 0) {
            EXPECT_FALSE(o.visible);
        }
    }
}

TEST_F(Composites, codagesParStyle)
{
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 4, 0, 0, 0);
    const struct {
        int style;
        int traits;
        int points;
    } cas[] = {{1, 1, 6}, {2, 2, 8}, {3, 0, 4}, {4, 2, 8}};
    for (const auto& c : cas) {
        const int avant = compter(genreSegment, true), pointsAvant = f().nbObjets;
        creerCodageSegment(f(), "s" + std::to_string(c.style), "A", "B", 0.3, 0, c.style);
        EXPECT_EQ(compter(genreSegment, true) - avant, c.traits) << c.style;
        EXPECT_EQ(f().nbObjets - pointsAvant - c.traits, c.points) << c.style;
    }
    // The cross: two strokes of length 2·size through the middle.
    const Tsegment& s = objetNomme(f(), "[s4_4s4_5]")->donneesDe<Tsegment>();
    EXPECT_NEAR(std::hypot(s.xB - s.xA, s.yB - s.yA), 0.6, 1e-12);
    EXPECT_NEAR((s.xA + s.xB) / 2, 2, 1e-12);
    creerCodageAngle(f(), "g0", "A", "B", "B", 1, 0, 0);
    EXPECT_EQ(objetNomme(f(), "g0")->remplissage, 1);
}

TEST_F(Composites, arcProjeteRectangle)
{
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "M", 0, 2, 0, 0, 0);
    creerPointNomme(f(), "N", 0, 2, 2, 0, 0);
    creerArcAngleDonne(f(), "g", "O", "M", 60);
    const Tobjet& arc = *objetNomme(f(), "g");
    EXPECT_EQ(arc.couleur, 0xC0C0C0);
    EXPECT_NEAR(arc.donneesDe<Tarc>().yP, -1, 1e-12);
    EXPECT_NEAR(arc.donneesDe<Tarc>().yQ, 1, 1e-12);
    creerDroite(f(), "O", "M", 0, 1, 1);
    creerProjete(f(), "H", "(OM)", "N", 0, 0, 0);
    EXPECT_NEAR(abscisse(f(), "H"), 2, 1e-12);
    EXPECT_NEAR(ordonnee(f(), "H"), 0, 1e-12);
    creerRectangle(f(), "r", 0xFF, -1, -2, 3, 4, 2);
    const Tpolygone& p = objetNomme(f(), "r")->donneesDe<Tpolygone>();
    EXPECT_EQ(objetNomme(f(), "r")->remplissage, 2);
    EXPECT_DOUBLE_EQ(p.x[1], -1);
    EXPECT_DOUBLE_EQ(p.y[1], 4);
    EXPECT_DOUBLE_EQ(p.x[3], 3);
    EXPECT_DOUBLE_EQ(p.y[3], -2);
}

TEST_F(Composites, quadrillagesEtGrilleDePoints)
{
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "I", 0, 1, 0, 0, 0);
    creerPointNomme(f(), "J", 0, 0, 1, 0, 0);
    const int avant = f().nbObjets;
    creerQuadrillage(f(), "q", "O", "I", "J", 2, 3, 0);
    EXPECT_EQ(compter(genrePointRepere, false), 10);
    EXPECT_EQ(f().nbObjets - avant, 17);
    EXPECT_DOUBLE_EQ(ordonnee(f(), "q_2_3"), 3);

    creerGrillePoints(f());
    EXPECT_DOUBLE_EQ(abscisse(f(), "M"), 0);
    EXPECT_DOUBLE_EQ(ordonnee(f(), "M"), 0);
    EXPECT_DOUBLE_EQ(abscisse(f(), "Y"), 4);
    EXPECT_DOUBLE_EQ(ordonnee(f(), "Y"), -4);
    EXPECT_DOUBLE_EQ(point("H").decalageEtiquetteX, -1.6);
    EXPECT_DOUBLE_EQ(point("Q").decalageEtiquetteY, 0);
    const Tsegment& bord = objetNomme(f(), "[q1_4_0q1_4_4]")->donneesDe<Tsegment>();
    EXPECT_DOUBLE_EQ(bord.xA, 4);
    EXPECT_DOUBLE_EQ(bord.yA, 4);
    EXPECT_DOUBLE_EQ(bord.yB, -4);
    EXPECT_EQ(objetNomme(f(), "[q1_4_0q1_4_4]")->couleur, 0xC0C0C0);

    creerPointPerspective(f(), "S1", 0, 1, 2, 3, 0, 0);
    EXPECT_NEAR(abscisse(f(), "S1"), 1.6, 1e-12);
    EXPECT_NEAR(ordonnee(f(), "S1"), 2.6, 1e-12);
}

TEST_F(Composites, diagrammeLuDeSesTextes)
{
    creerDiagramme(f(), 3, "40\\50\\7", "a\\b\\c", 3, false);
    const Tdiagramme& d = objetDIndice(f(), f().indiceDiagramme)->donneesDe<Tdiagramme>();
    EXPECT_EQ(d.effectifs[3], 90);
    EXPECT_EQ(d.titreEffectif, "Effectif");

    creerDiagramme(f(), 4, "120\\60\\135\\0", "Savat\\Godas\\Crocno\\Pienu", 2, true);
    const Tobjet& o = *objetDIndice(f(), f().indiceDiagramme);
    const Tdiagramme& s = o.donneesDe<Tdiagramme>();
    EXPECT_TRUE(o.verrouille);
    EXPECT_EQ(s.effectifs[4], 45);
    EXPECT_EQ(s.libellesCategories[3], "Crocno");
    EXPECT_DOUBLE_EQ(s.xBoites[4], 162.5);
    EXPECT_DOUBLE_EQ(s.yBoites[4], 30);

    creerDiagramme(f(), 2, "3.6\\12", std::string(45, 'x') + "\\b\\Nombre d'élèves", 1, false);
    const Tdiagramme& b = objetDIndice(f(), f().indiceDiagramme)->donneesDe<Tdiagramme>();
    EXPECT_EQ(b.effectifs[1], 4);
    EXPECT_EQ(b.total, 16);
    EXPECT_EQ(b.libellesCategories[1].size(), 40u);
    EXPECT_EQ(b.titreEffectif, "Nombre d'élèves");
    EXPECT_DOUBLE_EQ(b.baseY, 280);
    EXPECT_DOUBLE_EQ(b.hauteurUnite, (280 - 50 - 25) / 20.0);
    EXPECT_DOUBLE_EQ(b.pointsY[2], 280 - 12 * b.hauteurUnite);
}

// The table's "Angle à 1° près": a half goes up, as the rounding lesson teaches.
TEST(DiagrammeAvecTableau, anglesArrondisAuDegre)
{
    const struct {
        int type;
        double angleTotal;
        std::vector<int> effectifs;
        std::vector<double> angles;
    } cas[] = {
        {diagrammeBarresSecteurs, 360, {1, 15}, {23, 338}},
        {diagrammeBarresDemiDisque, 180, {1, 7}, {23, 158}},
        {diagrammeBarresSecteurs, 360, {1, 6}, {51, 309}},
        // 22,4999999999...: a half all the same.
        {diagrammeBarresSecteurs, 360 - 1e-10, {1, 15}, {23, 338}},
    };
    for (const auto& c : cas) {
        Tdiagramme d;
        d.typeDiagramme = c.type;
        d.angleTotal = c.angleTotal;
        d.nbCategories = static_cast<int>(c.effectifs.size());
        for (std::size_t k = 1; k <= c.effectifs.size(); ++k) d.effectifs[k] = c.effectifs[k - 1];
        calculerDiagramme(d);
        const std::vector<double> angles(d.anglesArrondis.begin() + 1,
                                         d.anglesArrondis.begin() + 1 + static_cast<long>(c.effectifs.size()));
        EXPECT_EQ(angles, c.angles) << c.angleTotal << " " << c.effectifs[0] << "/" << d.total;
    }
}

TEST_F(Composites, paveEtSesModeles)
{
    const struct {
        int modele, faces, aretes;
    } cas[] = {{1, 3, 9}, {2, 3, 9}, {3, 2, 6}, {4, 3, 8}, {5, 2, 6}, {6, 3, 9}, {7, 3, 8}, {9, 0, 0}};
    for (const auto& c : cas) {
        const Tpave& p = creerPave(f(), "p", 0, 1, 0, 2, 0, 0, c.modele)->donneesDe<Tpave>();
        EXPECT_EQ(p.nbFaces, c.faces) << c.modele;
        EXPECT_EQ(p.nbAretes, c.aretes) << c.modele;
    }
    const Tpave& cube = objetNomme(f(), "p")->donneesDe<Tpave>();
    EXPECT_EQ(cube.faces[1].couleur1, rvb(96, 96, 255));
    EXPECT_DOUBLE_EQ(cube.sommetsX[1], -0.4);
    EXPECT_DOUBLE_EQ(cube.sommetsY[1], 0.6);
    for (int k = 17; k <= 20; ++k) EXPECT_DOUBLE_EQ(cube.sommetsX[static_cast<std::size_t>(k)], 0);
    EXPECT_EQ(indiceLettre('T'), 20);
}

} // namespace
