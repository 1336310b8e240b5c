#include "navigation/info.h"

#include <gtest/gtest.h>

#include <numeric>

#include "navigation/sujets_info.h"
#include "tests/navigation/banc_navigation.h"

namespace {

class Info : public BancNavigation {
protected:
    std::string toutLeTexte()
    {
        const std::vector<std::string> t = textesInfo();
        return std::accumulate(t.begin(), t.end(), std::string());
    }
};

// Entries that a course page or an animation explains open it, and show no window.
TEST_F(Info, CodesVersPagesEtImagiciels)
{
    const struct {
        int code;
        int page;
        int imagiciel;
    } cas[] = {{2023, 1009, 0},    {2664, 1003, 0}, {2665, 1003, 0}, {2151, 1139, 0},
               {2002, 1057, 0},    {2127, 1109, 0}, {2122, 0, 1503}, {2133, 0, 1510},
               {2563, 0, 1508}};
    for (const auto& c : cas) {
        d.pageCours = 0;
        d.imagiciel = 0;
        afficherInfo(d, c.code);
        EXPECT_EQ(d.pageCours, c.page) << c.code;
        EXPECT_EQ(d.imagiciel, c.imagiciel) << c.code;
        EXPECT_FALSE(infoAffichee) << c.code;
    }
    EXPECT_EQ(systeme.nbFenetresInfoCreees, 0);

    // Again while page 1009 is shown: only the course tab comes to the front.
    afficherInfo(d, 2023);
    classeur.setActivePage(&pageMenu);
    const int nbRepaint = zoneCours.nbRepaint;
    afficherInfo(d, 2023);
    EXPECT_EQ(classeur.ActivePage(), &pageCours);
    EXPECT_EQ(zoneCours.nbRepaint, nbRepaint);
}

// Topics, the codes that share one, and the window's size for each.
TEST_F(Info, SujetsEtTailles)
{
    const struct {
        int code;
        int sujet;
        int largeur, hauteur;
    } cas[] = {
        {1997, 1997, 408, 268}, {1998, 1998, 488, 360}, {1999, 1999, 304, 198},
        {2744, 2744, 368, 153}, {2029, 2744, 368, 153}, {2522, 2744, 368, 153},
        {2736, 2744, 368, 153}, {2745, 2745, 320, 144}, {2746, 2746, 312, 189},
        {2575, 2746, 312, 189}, {2646, 2746, 312, 189}, {2747, 2747, 372, 225},
        {2748, 2748, 308, 297}, {2749, 2749, 640, 324}, {2750, 2750, 352, 225},
        {2751, 2751, 320, 99},  {2763, 2763, 336, 243}, {2000, 2000, 240, 90},
        {1990, 1990, 240, 90},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(sujetInfo(c.code), c.sujet) << c.code;
        afficherInfo(d, c.code);
        ASSERT_TRUE(infoAffichee) << c.code;
        EXPECT_EQ(fenetreInfo()->ClientWidth(), c.largeur) << c.code;
        EXPECT_EQ(fenetreInfo()->ClientHeight(), c.hauteur) << c.code;
        EXPECT_EQ(fenetreInfo()->Color(), 0xE0FFE0);
        EXPECT_TRUE(fenetreInfo()->Visible());
    }
    // One window, reused from topic to topic.
    EXPECT_EQ(systeme.nbFenetresInfoCreees, 1);
}

// What the topics paint: the "Info" frame from code 2000 on, then the topic's lines.
TEST_F(Info, ContenusDesSujets)
{
    const struct {
        int code;
        bool cadreInfo;
        const char* extrait;
    } cas[] = {
        {2000, true, "Définition à faire"},
        {2575, true, "vient du mot"},
        {2744, true, "La troncature au centième de 0,725 est : 0,72."},
        {2745, true, "Le diviseur est le nombre par lequel on divise."},
        {2747, true, "Exemple : 38291 est un multiple de 11"},
        {2748, true, "produits en croix :"},
        {2749, true, "Parallélogramme"},
        {2750, true, "L'indice du prix de ce produit en Juin 2002 est 125."},
        {2751, true, "sont des inégalités larges."},
        {2763, true, "d'assurer l'égalité des rayons des compas."},
        {1997, false, "Aide pour l'écriture des expressions"},
        {1998, false, "propos"},
        {1999, false, "Bilan"},
    };
    for (const auto& c : cas) {
        afficherInfo(d, c.code);
        const std::string texte = toutLeTexte();
        EXPECT_NE(texte.find(c.extrait), std::string::npos) << c.code << ": " << texte;
        EXPECT_EQ(texte.find("Info") != std::string::npos, c.cadreInfo) << c.code;
    }
}

TEST_F(Info, Bilan)
{
    const struct {
        int points, possibles;
        const char* pourcentage;
    } cas[] = {{7, 12, "58 %"}, {0, 0, nullptr}, {12, 12, "100 %"}, {1, 8, "12 %"}, {3, 8, "38 %"}};
    d.nbExercicesAbordes = 4;
    d.nbExercicesTraites = 3;
    d.nbSolutionsDemandees = 1;
    for (const auto& c : cas) {
        d.pointsSession = c.points;
        d.pointsPossiblesSession = c.possibles;
        afficherInfo(d, 1999);
        const std::string texte = toutLeTexte();
        EXPECT_NE(texte.find("abordés : 4"), std::string::npos);
        EXPECT_NE(texte.find("demandées : 1"), std::string::npos);
        EXPECT_NE(texte.find("obtenus : " + std::to_string(c.points) + " / " +
                             std::to_string(c.possibles)),
                  std::string::npos);
        if (c.pourcentage)
            EXPECT_NE(texte.find(std::string("réussite : ") + c.pourcentage), std::string::npos)
                << texte;
        else
            EXPECT_EQ(texte.find("Pourcentage"), std::string::npos);
    }
    // Beside the pages, whatever the mouse.
    EXPECT_EQ(fenetreInfo()->Left(), 0 + 800 - 304 - 2);
    EXPECT_EQ(fenetreInfo()->Top(), 30 + 127);
}

// The window beside the mouse, on the sides where it fits on the desktop.
TEST_F(Info, PlacementSelonLaSouris)
{
    const struct {
        int x, y;
        int gauche, haut;
    } cas[] = {
        {100, 100, 108, 116},               // right and below
        {1000, 700, 1000 - 4 - 240, 700 - 4 - 90},  // bottom-right corner: left and above
        {1000, 100, 756, 116},              // right edge: left, below
        {100, 700, 108, 606},               // bottom edge: right, above
    };
    systeme.bureau = {0, 0, 1024, 768};
    for (const auto& c : cas) {
        systeme.curseur = {c.x, c.y};
        afficherInfo(d, 2000);
        EXPECT_EQ(fenetreInfo()->Left(), c.gauche) << c.x << "," << c.y;
        EXPECT_EQ(fenetreInfo()->Top(), c.haut) << c.x << "," << c.y;
        EXPECT_EQ(InfoObj->xSouris, c.x);
    }
    // A desktop too narrow for either side: centred across, below.
    systeme.bureau = {0, 0, 300, 768};
    systeme.curseur = {150, 100};
    afficherInfo(d, 2000);
    EXPECT_EQ(fenetreInfo()->Left(), 30);
    EXPECT_EQ(fenetreInfo()->Top(), 116);
    EXPECT_FALSE(InfoObj->placeDroite || InfoObj->placeGauche);
    // No side at all: the top-left corner of the screen.
    systeme.bureau = {0, 0, 250, 100};
    systeme.curseur = {125, 50};
    afficherInfo(d, 2000);
    EXPECT_EQ(fenetreInfo()->Left(), 20);
    EXPECT_EQ(fenetreInfo()->Top(), 20);
}

// A click in the window, or its losing the focus, asks for it to be closed; the request is run
// after the handler, and a request from a window already freed changes nothing.
TEST_F(Info, FermetureDemandee)
{
    afficherInfo(d, 2000);
    fenetreInfo()->cliquer();
    EXPECT_TRUE(infoAffichee);
    EXPECT_EQ(traiterFermeturesEnAttente(), 1);
    EXPECT_FALSE(infoAffichee);
    EXPECT_EQ(InfoObj, nullptr);

    // The pupil clicks another entry while the window is open: the main window closes it first,
    // and the request its losing the focus left behind must not close the new one.
    afficherInfo(d, 2000);
    fenetreInfo()->perdreFocus();
    fermerInfo();
    afficherInfo(d, 2746);
    traiterFermeturesEnAttente();
    EXPECT_TRUE(infoAffichee);
    ASSERT_NE(InfoObj, nullptr);
    EXPECT_EQ(InfoObj->sujet, 2746);
}

TEST_F(Info, CadreInfoDessine)
{
    afficherInfo(d, 2000);
    FenetreInfoEnregistree& f = *fenetreInfo();
    f.peindre();
    const std::vector<Appel> rectangles = f.canevas().appels(GenreAppel::Rectangle);
    ASSERT_GE(rectangles.size(), 3u);
    EXPECT_EQ(rectangles[0].arguments, (std::vector<int>{15, 21, 225, 75}));
    EXPECT_EQ(rectangles[0].brush.Color, 0xFFFFFF);
    EXPECT_EQ(rectangles[1].pen.Color, 0x0000FE);
    EXPECT_EQ(rectangles[2].arguments, (std::vector<int>{80, 15, 160, 27}));
    EXPECT_EQ(rectangles[2].brush.Color, 0x41EBFD);
    // The window's edge after the topic: dark below and right, light above and left.
    const std::vector<Appel> traits = f.canevas().appels(GenreAppel::LineTo);
    ASSERT_GE(traits.size(), 4u);
    const std::vector<Appel> bord(traits.end() - 4, traits.end());
    EXPECT_EQ(bord[0].position, (TPoint{0, 89}));
    EXPECT_EQ(bord[0].arguments, (std::vector<int>{240, 89}));
    EXPECT_EQ(bord[1].pen.Color, 0x000000);
    EXPECT_EQ(bord[1].arguments, (std::vector<int>{239, 90}));
    EXPECT_EQ(bord[2].pen.Color, 0xC0C0C0);
    EXPECT_EQ(bord[3].arguments, (std::vector<int>{0, 90}));
    EXPECT_EQ(bord[3].pen.Width, 2);
}

}  // namespace
