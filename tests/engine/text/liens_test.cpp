#include "engine/text/liens.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "engine/text/textes_numerotes.h"
#include "engine/text/zones_liens.h"
#include "tests/engine/text/dessin_texte.h"

namespace {

TEST(NumeroLien, NomsDeLiens)
{
    const struct {
        const char* nom;
        int code;
    } cas[] = {
        {"C02_C1", 1013},      {"C02_C4", 1016},      {"C02_SF1", 1018},
        {"C02_SF4", 1021},     {"Ptroncarr", 2744},   {"Pdivid", 2745},
        {"Pnumden", 2746},     {"Pcridivi", 2747},    {"Pprodcroix", 2748},
        {"Pstrilar", 2751},    {"Poutils", 2763},
        // Only the first 10 characters count.
        {"Pprodcroixes", 2748}, {"Poutils   x", 0},
        {"C02_C5", 0},         {"c02_C1", 0},         {"Coutils", 0},
        {"Poutil", 0},         {"X02_C1", 0},         {"E1", 0},
        {"E", 0},              {"C", 0},              {"P", 0},
        {"", 0},               {" C02_C1", 0},
    };
    for (const auto& c : cas) EXPECT_EQ(numeroLien(c.nom), c.code) << c.nom;
}

TEST(NumeroLien, NomsParCode)
{
    EXPECT_EQ(nomPageCours(1013), "02_C1");
    EXPECT_EQ(nomPageCours(1021), "02_SF4");
    EXPECT_EQ(nomPageCours(1017), "");
    EXPECT_EQ(nomPageCours(2763), "");
    EXPECT_EQ(nomOutil(2763), "outils");
    EXPECT_EQ(nomOutil(2764), "");
    EXPECT_EQ(nomPageExercice(0), "");
    EXPECT_EQ(nomPageExercice(999), "");
    EXPECT_EQ(numeroPageCours("C02_C2"), 1014);
    EXPECT_EQ(numeroOutil("Xdivid"), 2745);
    EXPECT_EQ(numeroPageExercice("E02_C1"), 0);
}

TEST(PagesDeCours, ParChapitre)
{
    const struct {
        int index, premiere, derniere;
    } cas[] = {{2, 1002, 1010},  {3, 1013, 1021},  {8, 1068, 1074}, {13, 1119, 1128},
               {14, 1131, 1139}, {1, 0, 0},        {15, 0, 0},      {0, 0, 0},
               {-1, 0, 0},       {INT_MIN, 0, 0},  {INT_MAX, 0, 0}};
    for (const auto& c : cas) {
        EXPECT_EQ(premierePageChapitre(c.index), c.premiere) << c.index;
        EXPECT_EQ(dernierePageChapitre(c.index), c.derniere) << c.index;
    }
    const struct {
        int page, index;
    } pages[] = {{0, 2},     {1002, 2},  {1010, 2},  {1011, 3},  {1012, 3},    {1021, 3},
                 {1022, 4},  {1074, 8},  {1075, 9},  {1128, 13}, {1129, 14},   {1139, 14},
                 {5000, 14}, {INT_MIN, 2}};
    for (const auto& p : pages) EXPECT_EQ(chapitreDePage(p.page), p.index) << p.page;
    // Every chapter's pages come back to it.
    for (int index = 2; index <= 14; ++index)
        for (int page = premierePageChapitre(index); page <= dernierePageChapitre(index); ++page)
            EXPECT_EQ(chapitreDePage(page), index) << page;
}

TEST(TexteNumero, TableEtInconnus)
{
    const struct {
        int numero;
        const char* texte;
    } cas[] = {{499, "Lu"},
               {500, "Valider"},
               {501, "Suivant"},
               {502, "Numérique : Vérifier les acquis"},
               {503, "1. Nombres entiers et décimaux"},
               {510, "8. Règle, équerre, compas"},
               {511, "9. Rapporteur. Mesures d'angles"},
               {515, "13. Parallélépipède rectangle. Mesures de volumes"},
               {516, "Formulaire"},
               {0, "???"},
               {498, "???"},
               {517, "???"},
               {INT_MIN, "???"},
               {INT_MAX, "???"}};
    for (const auto& c : cas) EXPECT_EQ(texteNumero(c.numero), c.texte) << c.numero;
    // One byte per accented letter.
    EXPECT_EQ(texteNumero(508).size(), std::string("6. Proportionnalit").size() + 1);
}

TEST(ZonesLiens, AjoutHorsLimite)
{
    TlisteZonesLiens liste;
    for (int i = 1; i <= nbZonesLiensMax; ++i) EXPECT_EQ(ajouterZoneLien(liste, i, 0, 0, 1, 1), i);
    EXPECT_EQ(ajouterZoneLien(liste, 99, 50, 50, 60, 60), 0);
    EXPECT_EQ(liste.nbZones, nbZonesLiensMax);
    EXPECT_EQ(lienSousPoint(liste, 55, 55), 0);
    EXPECT_EQ(enregistrerLien(liste, "Poutils", 50, 50, 60, 60), 0);
    EXPECT_EQ(liste.nbZones, nbZonesLiensMax);
}

TEST(ZonesLiens, LienSousPoint)
{
    TlisteZonesLiens liste;
    EXPECT_EQ(lienSousPoint(liste, 0, 0), 0);
    ajouterZoneLien(liste, 1013, 10, 20, 50, 40);
    ajouterZoneLien(liste, 2763, 30, 30, 80, 60);
    const struct {
        int x, y, code;
    } cas[] = {
        {10, 20, 1013}, {50, 40, 1013},   // borders included, right and bottom too
        {9, 20, 0},     {51, 25, 0},     {20, 41, 0},  {20, 19, 0},
        {40, 35, 1013},                   // both hold it: the earlier wins
        {80, 60, 2763}, {60, 35, 2763},  {81, 60, 0},
    };
    for (const auto& c : cas) EXPECT_EQ(lienSousPoint(liste, c.x, c.y), c.code) << c.x << "," << c.y;
    // A count left out of range reads only the zones the list can hold.
    liste.nbZones = -3;
    EXPECT_EQ(lienSousPoint(liste, 10, 20), 0);
    liste.nbZones = 1000;
    EXPECT_EQ(lienSousPoint(liste, 10, 20), 1013);
}

TEST(ZonesLiens, EnregistrerEtVider)
{
    TlisteZonesLiens liste;
    EXPECT_EQ(enregistrerLien(liste, "C02_C1", 0, 0, 5, 5), 1);
    EXPECT_EQ(enregistrerLien(liste, "E3", 0, 0, 5, 5), 0);
    EXPECT_EQ(enregistrerLien(liste, "Qx", 0, 0, 5, 5), 0);
    EXPECT_EQ(enregistrerLien(liste, "Poutils", 0, 0, 5, 5), 2);
    EXPECT_EQ(liste.zones[2].numero, 2763);
    liste.couleurLiens = 0x123456;
    viderZonesLiens(liste, 1);
    EXPECT_EQ(liste.nbZones, 0);
    EXPECT_EQ(liste.couleurLiens, 0x123456);
    viderZonesLiens(liste, 0xFFFFFF);
    EXPECT_EQ(liste.couleurLiens, 0x00FF00);
}

// A list published while the text is drawn, as the figure painter does.
class LienPublie : public ::testing::Test {
protected:
    LienPublie()
    {
        viderZonesLiens(liste, 0);
        listeZonesCourante = &liste;
    }
    ~LienPublie() override { listeZonesCourante = nullptr; }
    TlisteZonesLiens liste;
    CanevasEnregistre k;
};

TEST_F(LienPublie, ZoneLaOuEstLeTexte)
{
    EXPECT_EQ(dessiner(k, "Voir $LC02_C1;le cours;.", 10, 20), 10 + 40 + 64 + 8);
    ASSERT_EQ(liste.nbZones, 1);
    const TzoneLien& z = liste.zones[1];
    EXPECT_EQ(z.numero, 1013);
    // From one pixel left of the text to two right of it, down to its cell's bottom plus 2.
    EXPECT_EQ(z.gauche, 49);
    EXPECT_EQ(z.haut, 20);
    EXPECT_EQ(z.droite, 50 + 64 + 2);
    EXPECT_EQ(z.bas, 20 + 19 + 2);
    // The ground is filled in the list's colour, then the text drawn on it.
    const Appel fond = k.appels(GenreAppel::Rectangle).at(0);
    EXPECT_EQ(fond.arguments, (std::vector<int>{49, 20, 116, 41}));
    EXPECT_EQ(fond.brush.Color, 0x00FF00);
    EXPECT_EQ(fond.pen.Style, psClear);
    EXPECT_EQ(k.Brush.Style, bsClear);
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].texte, "le cours");
    EXPECT_EQ(t[1].arguments, (std::vector<int>{50, 20}));
    EXPECT_EQ(lienSousPoint(liste, 116, 41), 1013);
}

TEST_F(LienPublie, LiensOutilSoulignes)
{
    dessiner(k, "$LPoutils;outils;a$g$LPdivid;b;c$g$LCxx;d;e");
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].font.Style, fsUnderline);
    EXPECT_EQ(t[1].font.Style, 0);
    EXPECT_EQ(t[2].font.Style, fsBold | fsUnderline);
    EXPECT_EQ(t[3].font.Style, fsBold);
    // Refused: no highlight; a bold style not underlined comes back normal.
    EXPECT_EQ(t[4].font.Style, fsBold);
    EXPECT_EQ(t[5].font.Style, 0);
    EXPECT_EQ(k.nombre(GenreAppel::Rectangle), 0u);
    EXPECT_EQ(liste.nbZones, 2);
}

TEST_F(LienPublie, VingtEtUniemeLienRefuse)
{
    std::string texte;
    for (int i = 0; i < 21; ++i) texte += "$LC02_C2;ab;";
    EXPECT_EQ(dessiner(k, texte, 0, 0), 21 * 16);
    EXPECT_EQ(liste.nbZones, nbZonesLiensMax);
    // Twenty highlights, twenty-one texts; the last one cannot be clicked.
    EXPECT_EQ(k.nombre(GenreAppel::Rectangle), 20u);
    EXPECT_EQ(textesDessines(k).size(), 21u);
    EXPECT_EQ(lienSousPoint(liste, 20 * 16 + 4, 5), 0);
    EXPECT_EQ(lienSousPoint(liste, 19 * 16 + 4, 5), 1014);
}

// The text of a link shows its hyphens as written, at the top level and in a nested part alike.
TEST_F(LienPublie, TraitDUnionCommeEcrit)
{
    const struct {
        std::string texte;
        std::string montre;
    } cas[] = {
        {"$LC02_C1;a-b;", "a-b"},
        {"Une $LC02_C1;demi-droite; ici", "demi-droite"},
        {"$LC02_C1;-2;", "-2"},
        {"$0$LC02_C1;x-y;$1", "x-y"},
    };
    for (const auto& c : cas) {
        CanevasEnregistre canevas;
        dessiner(canevas, c.texte);
        std::vector<std::string> textes;
        for (const Appel& a : textesDessines(canevas)) textes.push_back(a.texte);
        EXPECT_NE(std::find(textes.begin(), textes.end(), c.montre), textes.end()) << c.texte;
    }
}

TEST_F(LienPublie, LienDansUneFractionComposee)
{
    dessiner(k, "$W$LPnumden;n;\\d\\", 0, 100);
    ASSERT_EQ(liste.nbZones, 1);
    EXPECT_EQ(liste.zones[1].haut, 91);
    EXPECT_EQ(liste.zones[1].numero, 2746);
}

TEST(LienNonPublie, BlancDeLaLargeurDuTexte)
{
    ASSERT_EQ(listeZonesCourante, nullptr);
    CanevasEnregistre k;
    EXPECT_EQ(dessiner(k, "a$LC02_C1;cours;b"), 8 + 40 + 8);
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].arguments[0], 48);
    EXPECT_EQ(k.nombre(GenreAppel::Rectangle), 0u);
}

}  // namespace
