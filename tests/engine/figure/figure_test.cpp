#include "engine/figure/figure.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/figure/creation.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_textes.h"
#include "platform/double/plateforme_enregistree.h"
#include "surface_de_test.h"

namespace {

TEST(Surface, repereEtFenetreSelonLaTailleDuControle)
{
    struct {
        int largeur, hauteur;
        double origineX, origineY, echelle, xMax, yMax;
    } const cas[] = {
        {320, 290, 160, 145, 29, 158.0 / 29, 143.0 / 29},  // ±5.448…, ±4.931…
        {800, 600, 400, 300, 60, 398.0 / 60, 298.0 / 60},
        {101, 51, 50.5, 25.5, 5.1, 48.5 / 5.1, 23.5 / 5.1},
    };
    for (const auto& c : cas) {
        ZoneDessinEnregistree zone;
        zone.setBounds(0, 0, c.largeur, c.hauteur);
        std::unique_ptr<Tfigure> f;
        // The size given is replaced by the control's.
        creerFigure(&zone, 1, 1, f);
        EXPECT_EQ(f->largeur, c.largeur);
        EXPECT_EQ(f->hauteur, c.hauteur);
        EXPECT_DOUBLE_EQ(f->origineX, c.origineX);
        EXPECT_DOUBLE_EQ(f->origineY, c.origineY);
        EXPECT_DOUBLE_EQ(f->echelle, c.echelle);
        EXPECT_NEAR(f->xMin, -c.xMax, 1e-12);
        EXPECT_NEAR(f->xMax, c.xMax, 1e-12);
        EXPECT_NEAR(f->yMin, -c.yMax, 1e-12);
        EXPECT_NEAR(f->yMax, c.yMax, 1e-12);
    }
}

TEST_F(SurfaceDeTest, pixelsArrondisAuPairLePlusProche)
{
    struct {
        double origine, echelle, monde;
        int pixelX, pixelY;
    } const cas[] = {
        {0.5, 1, 0, 0, 0},     // 0.5 and 0.5
        {0.5, 1, 1, 2, 0},     // 1.5 and -0.5
        {0.5, 1, 2, 2, -2},    // 2.5 and -1.5
        {0.5, 1, -1, 0, 2},    // -0.5 and 1.5
        {0.5, 1, -2, -2, 2},   // -1.5 and 2.5
        {0.5, 1, 0.2, 1, 0},   // 0.7 and 0.3
        // Products a hair off a half, which a double would round onto it: 0.5000000000000000278,
        // 134.5000000000000107 and 665.4999999999999893.
        {0, 5, 0.1, 1, -1},
        {400, 60, -4.425, 135, 665},
    };
    for (const auto& c : cas) {
        f().origineX = c.origine;
        f().origineY = c.origine;
        f().echelle = c.echelle;
        EXPECT_EQ(versPixelX(f(), c.monde), c.pixelX) << c.monde;
        EXPECT_EQ(versPixelY(f(), c.monde), c.pixelY) << c.monde;
    }
}

TEST_F(SurfaceDeTest, allerEtRetourEntrePixelsEtMonde)
{
    for (int px : {0, 2, 160, 161, 318, 320}) {
        EXPECT_EQ(versPixelX(f(), versMondeX(f(), px)), px);
        EXPECT_EQ(versPixelY(f(), versMondeY(f(), px)), px);
    }
    // World y grows upwards.
    EXPECT_DOUBLE_EQ(versMondeY(f(), 116), 1.0);
    EXPECT_EQ(versPixelY(f(), -1.0), 174);
    EXPECT_EQ(versPixelX(f(), -1.0), 131);
}

TEST_F(SurfaceDeTest, laRemiseAZeroRendLesValeursInitialesEtGardeLesAutres)
{
    creerPointNomme(f(), "A", 0, 1, 1, 0, 0);
    f().parametres[3] = 7;
    f().xSouris = 2.5;
    f().ySouris = -1;
    f().fondPeint = false;
    f().decalageColonnes = 4;
    f().echelle = 50;
    f().fuiteX = 1;
    f().couleurAxes = 0;
    f().axesVisibles = true;
    f().pasX = 0.5;
    f().grilleCarree = false;
    f().graduationY = 7;
    f().axesCaches = true;
    f().etiquetteAxeX = "t";
    f().etiquetteOrigine = "O";
    f().objetSaisi = 3;
    f().outils[2].genre = outilCompas;
    f().outils[2].rayon = 4;
    f().nbOutils = 2;
    f().rayonsLies = true;
    f().indiceDiagramme = 1;
    f().indiceDamier = 1;
    f().sourisInactive = true;
    f().zonesLiens.nbZones = 2;
    zone.setBounds(0, 0, 400, 200);
    zone.setColor(0x123456);

    reinitialiserFigure(f());

    EXPECT_EQ(f().nbObjets, 0);
    EXPECT_EQ(indiceObjet(f(), "A"), 0);
    EXPECT_EQ(f().largeur, 400);
    EXPECT_EQ(f().hauteur, 200);
    EXPECT_EQ(f().couleurFond, 0x123456);
    EXPECT_DOUBLE_EQ(f().origineX, 200);
    EXPECT_DOUBLE_EQ(f().origineY, 100);
    EXPECT_DOUBLE_EQ(f().echelle, 20);
    EXPECT_DOUBLE_EQ(f().xMax, 9.9);
    EXPECT_TRUE(f().fondPeint);
    EXPECT_EQ(f().decalageColonnes, 0);
    EXPECT_EQ(f().fuiteX, 0.4);
    EXPECT_EQ(f().couleurAxes, 0x0000FF);
    EXPECT_FALSE(f().axesVisibles);
    EXPECT_EQ(f().pasX, 1.0);
    EXPECT_TRUE(f().grilleCarree);
    EXPECT_EQ(f().graduationY, 3.0);
    EXPECT_FALSE(f().axesCaches);
    EXPECT_EQ(f().etiquetteAxeX, "x");
    EXPECT_EQ(f().etiquetteOrigine, "0");
    EXPECT_EQ(f().objetSaisi, 0);
    EXPECT_EQ(f().outils[2].genre, outilRange);
    EXPECT_EQ(f().outils[2].rayon, 3.0);
    EXPECT_EQ(f().nbOutils, 0);
    EXPECT_FALSE(f().rayonsLies);
    EXPECT_EQ(f().indiceDiagramme, 0);
    EXPECT_EQ(f().indiceDamier, 0);
    EXPECT_FALSE(f().sourisInactive);
    // Kept: the parameters, the mouse and the zones of the last paint.
    EXPECT_EQ(f().parametres[3], 7);
    EXPECT_EQ(f().xSouris, 2.5);
    EXPECT_EQ(f().ySouris, -1);
    EXPECT_EQ(f().zonesLiens.nbZones, 2);
}

TEST_F(SurfaceDeTest, chaqueInstrumentRetrouveLesValeursDeSonEmplacement)
{
    struct {
        int emplacement;
        TColor couleur;
        double x, y;
    } const cas[] = {
        {1, 0xE0FFFF, -4.5, -4.5},
        {2, 0xE0FFE0, 4.5, 4.5},
        {3, 0xFFFFC0, -4.5, 4.5},  // red 192, green 255, blue 255
    };
    for (const auto& c : cas) {
        const Toutil& o = f().outils[c.emplacement];
        EXPECT_EQ(o.couleur, c.couleur);
        EXPECT_EQ(o.x, c.x);
        EXPECT_EQ(o.y, c.y);
        EXPECT_EQ(o.genre, outilRange);
        EXPECT_EQ(o.genresPermis.count(), 8u);
        EXPECT_TRUE(o.genresPermis.test(outilRegle) && o.genresPermis.test(outilRapporteur));
        EXPECT_FALSE(o.genresPermis.test(outilRange));
        EXPECT_FALSE(o.fixe || o.orientationFixe);
        EXPECT_EQ(o.longueurA, 2.0);
        EXPECT_EQ(o.longueurB, 2.0);
        EXPECT_EQ(o.rayon, 3.0);
        EXPECT_EQ(o.angle, 0);
        EXPECT_EQ(o.angleBras, 67.4);
        EXPECT_EQ(o.partieSaisie, 0);
        EXPECT_EQ(o.rayonPoignee, 0.8);
        EXPECT_TRUE(o.brasReglable);
        EXPECT_EQ(o.decalageSaisieX, 0);
        EXPECT_EQ(o.decalageSaisieY, 0);
    }
}

TEST_F(SurfaceDeTest, laListeDAimantageNeDesigneJamaisLaFigurePrecedente)
{
    EXPECT_EQ(f().nbPointsAimantes, 0);
    creerPointNomme(f(), "A", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 1, 0, 0, 0);
    fixerPointsAimantes(f(), "A B");
    ASSERT_EQ(f().nbPointsAimantes, 2);
    reinitialiserFigure(f());
    creerTexte(f(), "rien", 0, 0, 0);
    EXPECT_EQ(f().nbPointsAimantes, 0);
}

TEST_F(SurfaceDeTest, rechercheParNom)
{
    creerPointNomme(f(), "A", 0, 1, 0, 0, 0);
    creerPointNomme(f(), "a", 0, 2, 0, 0, 0);
    creerPointNomme(f(), "A", 0, 3, 0, 0, 0);
    creerPointNomme(f(), "B C", 0, 4, 0, 0, 0);
    struct {
        std::string nom;
        int indice;
    } const cas[] = {
        {"A", 1},   // the first of two
        {"a", 2},   // case matters
        {"B C", 4},
        {" A", 0},  // no trimming
        {"A ", 0},
        {"", 0},
        {std::string(121, 'A'), 0},
    };
    for (const auto& c : cas) EXPECT_EQ(indiceObjet(f(), c.nom), c.indice) << c.nom;
    reinitialiserFigure(f());
    EXPECT_EQ(indiceObjet(f(), "A"), 0);
    EXPECT_EQ(objetDIndice(f(), 1), nullptr);
}

TEST_F(SurfaceDeTest, leSixCentCinquanteEtUniemeObjetEstRefuseSansDommage)
{
    for (int i = 1; i <= nbObjetsMax; ++i) ASSERT_NE(ajouterObjet(f(), "P", genrePointLibre), nullptr);
    EXPECT_EQ(ajouterObjet(f(), "P", genrePointLibre), nullptr);
    EXPECT_EQ(creerTexte(f(), "x", 0, 0, 0), nullptr);
    EXPECT_EQ(creerSegmentTrait(f(), "P", "P", 0), nullptr);
    EXPECT_EQ(creerPointNomme(f(), "Z", 0, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(creerPolygone(f(), "Q", "P P P", 0), nullptr);
    EXPECT_EQ(creerImage(f(), "photo.jpg", 0, 0), nullptr);
    EXPECT_EQ(f().nbObjets, nbObjetsMax);
    EXPECT_EQ(indiceObjet(f(), "Z"), 0);
    reinitialiserFigure(f());
    EXPECT_NE(creerPointNomme(f(), "Z", 0, 0, 0, 0, 0), nullptr);
}

TEST_F(SurfaceDeTest, parametresEnTexte)
{
    f().parametres[1] = 12;
    f().parametres[16] = -3;
    struct {
        int i;
        const char* texte;
    } const cas[] = {{1, "12"}, {16, "-3"}, {2, "0"}, {0, "0"}, {17, "0"}, {-5, "0"}};
    for (const auto& c : cas) EXPECT_EQ(parametreEnTexte(f(), c.i), c.texte) << c.i;
}

TEST_F(SurfaceDeTest, repeindreSeulementUnControleVisible)
{
    repeindreFigure(f());
    EXPECT_EQ(zone.nbRepaint, 1);
    zone.setVisible(false);
    repeindreFigure(f());
    EXPECT_EQ(zone.nbRepaint, 1);
}

// Pictures that note when they are freed, so that the tests see what a reset frees and in what
// order.
std::vector<std::string> liberees;

class ImageSuivie final : public Image {
public:
    explicit ImageSuivie(std::string nom) : nom_(std::move(nom)) {}
    ~ImageSuivie() override { liberees.push_back(nom_); }
    int Width() const override { return 1; }
    int Height() const override { return 1; }

private:
    std::string nom_;
};

class PlateformeImagesSuivies final : public PlateformeEnregistree {
public:
    std::unique_ptr<Image> chargerJpeg(const std::string& chemin) override
    {
        return std::make_unique<ImageSuivie>(chemin);
    }
};

class AvecImagesSuivies : public SurfaceDeTest {
protected:
    AvecImagesSuivies()
    {
        liberees.clear();
        installerPlateforme(&plateformeSuivie);
    }
    ~AvecImagesSuivies() override { installerPlateforme(nullptr); }

    PlateformeImagesSuivies plateformeSuivie;
};

TEST_F(AvecImagesSuivies, lesObjetsSontLiberesDuDernierAuPremier)
{
    creerImage(f(), "a.jpg", 0, 0);
    creerImage(f(), "b.jpg", 0, 0);
    creerImage(f(), "c.jpg", 0, 0);
    reinitialiserFigure(f());
    EXPECT_EQ(liberees, (std::vector<std::string>{"c.jpg", "b.jpg", "a.jpg"}));
}

TEST_F(AvecImagesSuivies, creerFigureLibereDAbordLaSurfacePrecedente)
{
    creerImage(f(), "a.jpg", 0, 0);
    creerFigure(&zone, 320, 290, surface);
    EXPECT_EQ(liberees, std::vector<std::string>{"a.jpg"});
    EXPECT_EQ(f().nbObjets, 0);
    libererFigure(surface);
    EXPECT_EQ(surface, nullptr);
    libererFigure(surface);
    EXPECT_EQ(surface, nullptr);
}

} // namespace
