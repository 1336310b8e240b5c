#include "exercise/dessin_panneau_outils.h"

#include <gtest/gtest.h>

#include "navigation/info.h"
#include "tests/navigation/banc_navigation.h"

namespace {

// The panel on the statement figure's instruments, clicked as the pupil does.
class PanneauOutils : public BancNavigation {
protected:
    void SetUp() override
    {
        BancNavigation::SetUp();
        Tfigure& f = *figureEnonce;
        f.nbOutils = 2;
        for (int i = 1; i <= 3; ++i) initialiserOutil(f.outils[i], i);
        f.outils[1].genre = outilRegle;
        f.outils[1].genresPermis.reset();
        for (const int g : {outilRegle, outilCompas, outilRapporteur}) f.outils[1].genresPermis.set(g);
        f.outils[1].rayon = 4.5;
        f.outils[2].genre = outilCompas;
        f.outils[2].rayon = 2;
        peindre();
    }
    void peindre() { dessinerPanneauOutils(d, zoneOutils.canevas()); }
    void cliquer(int x, int y) { cliquerPanneauOutils(d, x, y, 1); }
    // The centre of kind icon k.
    static TPoint icone(int k) { return {37 + 52 * ((k - 1) % 4), 37 + 52 * ((k - 1) / 4)}; }
};

// Kinds outside the slot's permitted ones are hatched and do nothing; the put-away icon always
// works; each slot swatch chooses its slot.
TEST_F(PanneauOutils, GenresPermisEtEmplacements)
{
    Tfigure& f = *figureEnonce;
    EXPECT_EQ(d.nbOutilsPanneau, 2);
    EXPECT_EQ(d.cadresGenres[outilCompas], (TRect{127, 23, 155, 51}));
    EXPECT_EQ(d.cadresOutils[2], (TRect{340, 48, 368, 76}));

    // Hatched boxes: one for each of the five kinds not permitted, and the third, empty slot.
    int hachures = 0;
    for (const Appel& a : zoneOutils.canevas().appels(GenreAppel::RoundRect))
        hachures += a.brush.Style == bsBDiagonal;
    EXPECT_EQ(hachures, 5 + 1);

    const struct {
        TPoint clic;
        int genre;
        bool main;
    } cas[] = {
        {icone(outilEquerre), outilRegle, false},
        {icone(outilCompas), outilCompas, true},
        {icone(outilRapporteur), outilRapporteur, true},
        {{268, 89}, outilRange, true},
        {{5, 5}, outilRange, false},
    };
    for (const auto& c : cas) {
        cliquerPanneauOutils(d, c.clic.x, c.clic.y, 0);
        EXPECT_EQ(zoneOutils.Cursor(), c.main ? crHandPoint : crDefault) << c.clic.x;
        cliquer(c.clic.x, c.clic.y);
        EXPECT_EQ(f.outils[1].genre, c.genre) << c.clic.x << "," << c.clic.y;
    }
    cliquer(354, 62);
    EXPECT_EQ(d.outilCourant, 2);
    peindre();
    EXPECT_EQ(d.genreOutilPanneau, outilCompas);
    // The third slot is not in use.
    cliquer(354, 98);
    EXPECT_EQ(d.outilCourant, 2);
}

// Linking the radii copies the current slot's radius at once; with one instrument the choice is
// neither drawn nor active.
TEST_F(PanneauOutils, RayonsLies)
{
    Tfigure& f = *figureEnonce;
    cliquer(410, 45);
    EXPECT_TRUE(f.rayonsLies);
    EXPECT_EQ(f.outils[2].rayon, 4.5);
    peindre();
    cliquer(480, 45);
    EXPECT_FALSE(f.rayonsLies);

    f.nbOutils = 1;
    zoneOutils.canevas().effacer();
    peindre();
    std::string textes;
    for (const Appel& a : zoneOutils.canevas().appels(GenreAppel::TextOut)) textes += a.texte;
    EXPECT_EQ(textes.find("Oui"), std::string::npos);
    EXPECT_NE(textes.find("Outil jaune"), std::string::npos);
    EXPECT_NE(textes.find("graduée"), std::string::npos);
    cliquer(410, 45);
    EXPECT_FALSE(f.rayonsLies);
}

// The help button opens the instruments' topic; the next click on the panel only closes it.
TEST_F(PanneauOutils, AideOutils)
{
    cliquer(450, 95);
    ASSERT_TRUE(infoAffichee);
    EXPECT_EQ(InfoObj->sujet, 2763);
    cliquer(icone(outilCompas).x, icone(outilCompas).y);
    EXPECT_FALSE(infoAffichee);
    EXPECT_EQ(figureEnonce->outils[1].genre, outilRegle);
}

}  // namespace
