#include <gtest/gtest.h>

#include "platform/double/canevas_enregistre.h"
#include "platform/double/image_enregistree.h"

// Tests of painters read segments as "from the pen position to the LineTo point".
TEST(CanevasEnregistre, lePositionDeLaPlumeSuitMoveToEtLineToSeulement)
{
    CanevasEnregistre k;
    k.MoveTo(3, 4);
    k.LineTo(10, 4);
    k.Polyline(std::vector<TPoint>{{0, 0}, {50, 50}});
    k.TextOut(70, 70, "abc");
    k.LineTo(10, 20);
    EXPECT_EQ(k.PenPos(), (TPoint{10, 20}));

    const std::vector<Appel> traits = k.appels(GenreAppel::LineTo);
    ASSERT_EQ(traits.size(), 2u);
    EXPECT_EQ(traits[0].position, (TPoint{3, 4}));
    EXPECT_EQ(traits[0].arguments, (std::vector<int>{10, 4}));
    EXPECT_EQ(traits[1].position, (TPoint{10, 4}));
    EXPECT_EQ(k.appels(GenreAppel::Polyline)[0].points(), (std::vector<TPoint>{{0, 0}, {50, 50}}));
    EXPECT_EQ(k.nombre(GenreAppel::TextOut), 1u);
    EXPECT_EQ(k.appels().size(), 5u);

    k.effacer();
    EXPECT_TRUE(k.appels().empty());
    EXPECT_EQ(k.PenPos(), (TPoint{10, 20}));
}

// A painter changes the state after drawing; the record keeps the state the call was made in.
TEST(CanevasEnregistre, chaqueAppelGardeLEtatDuMoment)
{
    CanevasEnregistre k;
    const ImageEnregistree image(30, 20);
    k.Pen = {0x0000FF, 3, psDash};
    k.Brush = {0x00FF00, bsBDiagonal};
    k.Font.Name = "Symbol";
    k.Font.Style = fsBold;
    k.FondTransparent = false;
    k.Pie(1, 2, 3, 4, 5, 6, 7, 8);
    k.Draw(9, 10, image);
    k.Pen.Style = psClear;
    k.Brush.Style = bsClear;
    k.Font.Name = "Arial";
    k.FondTransparent = true;

    const Appel& secteur = k.appels()[0];
    EXPECT_EQ(secteur.genre, GenreAppel::Pie);
    EXPECT_EQ(secteur.arguments, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(secteur.pen.Color, 0x0000FF);
    EXPECT_EQ(secteur.pen.Width, 3);
    EXPECT_EQ(secteur.pen.Style, psDash);
    EXPECT_EQ(secteur.brush.Style, bsBDiagonal);
    EXPECT_EQ(secteur.font.Name, "Symbol");
    EXPECT_EQ(secteur.font.Style, fsBold);
    EXPECT_FALSE(secteur.fondTransparent);
    EXPECT_EQ(k.appels()[1].image, &image);
    EXPECT_EQ(k.appels()[1].image->Width(), 30);
}

TEST(CanevasEnregistre, lesMesuresDuTexteSuiventLaRegleAnnoncee)
{
    struct Cas {
        int taille;
        std::string texte;
        int largeur, hauteur;
    };
    const Cas cas[] = {
        {12, "abc", 24, 19}, {8, "abc", 18, 14}, {10, "é", 7, 16}, {12, "", 0, 19}, {0, "ab", 2, 4},
    };
    CanevasEnregistre k;
    for (const Cas& c : cas) {
        k.Font.Size = c.taille;
        EXPECT_EQ(k.TextWidth(c.texte), c.largeur) << c.taille << " " << c.texte;
        EXPECT_EQ(k.TextHeight(c.texte), c.hauteur) << c.taille;
    }
    EXPECT_TRUE(k.appels().empty());
}
