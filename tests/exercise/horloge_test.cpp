#include <gtest/gtest.h>

#include <vector>

#include "exercise/horloge.h"
#include "platform/double/canevas_enregistre.h"

namespace {

class Horloge : public ::testing::Test {
protected:
    void SetUp() override { creerHorloge(); }
    void TearDown() override { creerHorloge(); }
};

// What the clock shows after each tick, and the first tick at which it has finished.
struct CasHorloge {
    int delai;
    int duree;
    std::vector<int> comptes;
    int tickFini;
};

TEST_F(Horloge, CompteAReboursApresSonDelai)
{
    const CasHorloge cas[] = {
        {2, 10, {10, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0}, 12},
        {0, 0, {0, 0}, 0},
        // A count of 0 has finished as soon as the clock runs, delay or not.
        {1, 0, {0, 0}, 0},
        {0, 3, {2, 1, 0, 0}, 3},
    };
    for (const CasHorloge& c : cas) {
        demarrerHorloge(c.delai, c.duree);
        EXPECT_TRUE(horloge().visible);
        EXPECT_EQ(horloge().compteInitial, c.duree);
        // A clock started at 0 has finished before any tick.
        int fini = horlogeTerminee() ? 0 : -1;
        for (std::size_t t = 0; t < c.comptes.size(); ++t) {
            tickHorloge();
            EXPECT_EQ(horloge().compte, c.comptes[t]) << c.delai << "/" << c.duree << " tick " << t + 1;
            if (fini < 0 && horlogeTerminee()) fini = static_cast<int>(t) + 1;
        }
        EXPECT_EQ(fini, c.tickFini) << c.delai << "/" << c.duree;
    }
}

TEST_F(Horloge, EnPauseOuArreteeNeFinitJamais)
{
    EXPECT_TRUE(horloge().arrete && horloge().enPause && !horloge().visible);
    EXPECT_FALSE(horlogeTerminee());

    demarrerHorloge(0, 1);
    suspendreHorloge();
    for (int t = 0; t < 3; ++t) tickHorloge();
    EXPECT_EQ(horloge().compte, 1);
    EXPECT_TRUE(horloge().visible);

    demarrerHorloge(0, 0);
    suspendreHorloge();
    EXPECT_FALSE(horlogeTerminee());
    arreterHorloge();
    EXPECT_FALSE(horlogeTerminee());
    EXPECT_FALSE(horloge().visible);
}

TEST_F(Horloge, BoiteDeCentQuaranteSurCentChiffresCentres)
{
    CanevasEnregistre canevas;
    dessinerHorloge(canevas);
    EXPECT_TRUE(canevas.appels().empty());

    placerHorloge(620, 10);
    demarrerHorloge(0, 10);
    dessinerHorloge(canevas);
    EXPECT_EQ(horloge().droite, 760);
    EXPECT_EQ(horloge().bas, 110);
    const auto boites = canevas.appels(GenreAppel::RoundRect);
    ASSERT_EQ(boites.size(), 2u);
    EXPECT_EQ(boites[0].brush.Color, 0x80FFFF);
    EXPECT_EQ(boites[1].pen.Color, 0x008080);
    EXPECT_EQ(boites[1].pen.Width, 2);
    for (const Appel& b : boites) EXPECT_EQ((std::vector<int>(b.arguments.begin(), b.arguments.begin() + 4)),
                                            (std::vector<int>{620, 10, 760, 110}));
    const auto textes = canevas.appels(GenreAppel::TextOut);
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[1].texte, "10");
    EXPECT_EQ(textes[1].font.Color, 0xFF0000);
    EXPECT_EQ(textes[1].font.Size, 72);
    EXPECT_EQ(textes[1].font.Style, fsBold);
    EXPECT_EQ(textes[1].font.Name, "courrier new");
    // Two digits of the recording canvas at 72 points are 2 × 48 pixels wide.
    EXPECT_EQ(textes[1].arguments, (std::vector<int>{690 - 48, 0}));
}

}  // namespace
