#include "engine/base/systeme.h"

#include <gtest/gtest.h>

#include "platform/double/plateforme_enregistree.h"

namespace {

TEST(PointDansRectangle, BordsExclus)
{
    const TRect r{10, 20, 30, 40};
    const struct {
        int x;
        int y;
        bool dedans;
    } cas[] = {
        {15, 25, true}, {11, 21, true},  {29, 39, true},  {10, 25, false}, {30, 25, false},
        {15, 20, false}, {15, 40, false}, {10, 20, false}, {30, 40, false}, {5, 25, false},
        {15, 45, false}, {-15, -25, false},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(pointDansRectangle(c.x, c.y, r), c.dedans) << c.x << ", " << c.y;
        EXPECT_EQ(pointDansCadre(c.x, c.y, 10, 30, 20, 40), c.dedans) << c.x << ", " << c.y;
    }
    // A rectangle given upside down holds nothing.
    EXPECT_FALSE(pointDansCadre(20, 30, 30, 10, 40, 20));
}

class ServicesSysteme : public ::testing::Test {
protected:
    void SetUp() override { installerPlateforme(&systeme); }
    void TearDown() override { installerPlateforme(nullptr); }
    PlateformeEnregistree systeme;
};

TEST_F(ServicesSysteme, MessageAvecSonTitre)
{
    afficherMessage("Bravo !", "Résultat");
    afficherMessage("Encore", "");
    const std::vector<TMessageEnregistre> attendus = {{"Bravo !", "Résultat"}, {"Encore", ""}};
    EXPECT_EQ(systeme.messages, attendus);
    EXPECT_TRUE(systeme.questions.empty());
}

TEST_F(ServicesSysteme, BipDAvertissement)
{
    bip();
    bip();
    EXPECT_EQ(systeme.bips, (std::vector<unsigned>{0x10, 0x10}));
}

TEST_F(ServicesSysteme, PositionDuCurseur)
{
    systeme.placerCurseur(312, 45);
    TPoint p;
    EXPECT_TRUE(positionCurseur(p));
    EXPECT_EQ(p, (TPoint{312, 45}));

    systeme.curseurLisible = false;
    TPoint inchange{7, 8};
    EXPECT_FALSE(positionCurseur(inchange));
    EXPECT_EQ(inchange, (TPoint{7, 8}));
}

TEST_F(ServicesSysteme, DocumentsEtRepertoire)
{
    EXPECT_TRUE(ouvrirDocument("aide.html"));
    systeme.ouvertureReussie = false;
    EXPECT_FALSE(ouvrirDocument("absent.pdf"));
    EXPECT_EQ(systeme.documentsOuverts, (std::vector<std::string>{"aide.html", "absent.pdf"}));

    systeme.dossierSysteme = "/opt/outils";
    EXPECT_EQ(repertoireSysteme(), "/opt/outils");
}

TEST_F(ServicesSysteme, ImagesEnregistreesSeulement)
{
    systeme.enregistrerImage("dessins/carre.jpg", 120, 80);
    const auto image = plateforme().chargerJpeg("dessins/carre.jpg");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Width(), 120);
    EXPECT_EQ(image->Height(), 80);
    EXPECT_EQ(plateforme().chargerJpeg("dessins/rond.jpg"), nullptr);
    EXPECT_EQ(systeme.jpegDemandes,
              (std::vector<std::string>{"dessins/carre.jpg", "dessins/rond.jpg"}));
}

TEST(ServicesSansPlateforme, RienNeSePasse)
{
    // With no platform installed the silent one answers: nothing read, nothing opened.
    TPoint p{3, 4};
    EXPECT_FALSE(positionCurseur(p));
    EXPECT_FALSE(ouvrirDocument("aide.html"));
    afficherMessage("texte", "titre");
    bip();
}

}  // namespace
