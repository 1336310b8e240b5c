#include "engine/text/texte_balise.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text/zones_liens.h"
#include "tests/engine/text/dessin_texte.h"

namespace {

TEST(DessinerTexte, PositionDeLaPlumeApresChaqueCode)
{
    const struct {
        const char* texte;
        double fin;
    } cas[] = {
        {"", 0},
        {"abc", 24},
        {"ab$", 16},          // a "$" at the very end is dropped
        {"a$1b", 16},         // a letter that is no code draws nothing
        {"a$$b", 16},
        {"$rab$N", 16},
        {"a-2", 25},          // drawn minus, then a wide follower: 9
        {"a-1", 24},          // narrow followers stand closer: 8
        {"a-8", 24},
        {"a- b", 32},
        {"a-", 17},
        {"a$-2", 24},         // the hyphen character
        {"$e", 8},
        {"$~p", 10},          // the Symbol sign's width plus 2
        {"$:", 10},
        {"a>=b", 8 + 8 + 10 + 8 + 8},
        {"$d", 16},
        {"$f", 10},
        {"$Z", 10},
        {"$z", 6},
        {"$(", 15},           // 22 points: 29 pixels high, 15 wide
        {"$3AB", 16},
        {"$5AB$rC", 24},
        {"$2ab$1c", 7 + 7 + 8},   // 10 points for the subscript
        {"x²", 8 + 2 + 7 - 2},
        {"$0$1", 0},
        {"$>a", 9},           // 13 points: 17 pixels high, 9 wide
        {"$<a", 8},           // 11 points: 15 pixels high, 8 wide
        {"$D5a$M5b", 16},
        {"2*3", 40},          // the cross takes three blanks
        {"$4x$4", 18},
        {"$F1;22;", 16},
        {"$W1\\22\\", 16},
        {"$LC02_C1;cours;", 40},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        EXPECT_EQ(dessiner(k, c.texte), c.fin) << c.texte;
    }
}

TEST(DessinerTexte, DebutArrondiEtPoliceDeDepart)
{
    CanevasEnregistre k;
    k.FondTransparent = false;
    EXPECT_EQ(dessiner(k, "ab", 10.5, 20.5, 0x0000FF, styleGras, 14), 10 + 2 * 10);
    const Appel t = textesDessines(k).at(0);
    EXPECT_EQ(t.arguments, (std::vector<int>{10, 20}));
    EXPECT_EQ(t.font.Name, "Times New Roman");
    EXPECT_EQ(t.font.Size, 14);
    EXPECT_EQ(t.font.Color, 0x0000FF);
    EXPECT_EQ(t.font.Style, fsBold);
    EXPECT_TRUE(t.fondTransparent);
}

TEST(DessinerTexte, CodesDeStyle)
{
    const struct {
        int style;
        TFontStyles police;
    } arguments[] = {{styleNormal, 0}, {styleItalique, fsItalic}, {styleGras, fsBold},
                     {styleGrasItalique, fsBold | fsItalic}, {0, 0}, {15, 0}};
    for (const auto& a : arguments) {
        CanevasEnregistre k;
        dessiner(k, "a", 0, 0, 0, a.style);
        EXPECT_EQ(textesDessines(k).at(0).font.Style, a.police) << a.style;
    }
    const struct {
        const char* code;
        TFontStyles police;
    } codes[] = {{"$g", fsBold},
                 {"$i", fsItalic},
                 {"$J", fsBold | fsItalic},
                 {"$S", fsUnderline},
                 {"$I", fsItalic | fsUnderline},
                 {"$G", fsBold | fsUnderline},
                 {"$g$N", 0}};
    for (const auto& c : codes) {
        CanevasEnregistre k;
        dessiner(k, std::string(c.code) + "a");
        EXPECT_EQ(textesDessines(k).at(0).font.Style, c.police) << c.code;
    }
}

TEST(DessinerTexte, CodesDeCouleur)
{
    const struct {
        char lettre;
        TColor couleur;
    } cas[] = {{'n', 0x000000}, {'b', 0xFFFFFF}, {'k', 0xFF0000}, {'K', 0x800000},
               {'v', 0x00FF00}, {'V', 0x008000}, {'y', 0x80FFFF}, {'Y', 0x008080},
               {'c', 0xFFFF00}, {'C', 0x808000}, {'r', 0x0000FF}, {'R', 0x000080},
               {'p', 0xFF00FF}, {'P', 0x9620F7}, {'q', 0xC0C0C0}, {'Q', 0x808080}};
    for (const auto& c : cas) {
        CanevasEnregistre k;
        dessiner(k, std::string("a$") + c.lettre + "b", 0, 0, 0x123456);
        const std::vector<Appel> t = textesDessines(k);
        ASSERT_EQ(t.size(), 2u);
        EXPECT_EQ(t[0].font.Color, 0x123456);
        EXPECT_EQ(t[1].font.Color, c.couleur) << c.lettre;
    }
}

// The current colour is what nested parts are drawn in.
TEST(DessinerTexte, LaDerniereCouleurPasseAuxPartiesImbriquees)
{
    CanevasEnregistre k;
    dessiner(k, "$ra$Vb x² $4y$4 $F1;2;");
    for (const Appel& t : textesDessines(k)) {
        const TColor attendue = t.texte == "a" ? 0x0000FF : 0x008000;
        EXPECT_EQ(t.font.Color, attendue) << t.texte;
    }
    for (const Appel& a : k.appels(GenreAppel::LineTo)) EXPECT_EQ(a.pen.Color, 0x008000);
}

TEST(DessinerTexte, PolicesEtTailles)
{
    CanevasEnregistre k;
    dessiner(k, "a$Hb$Tc$>d$<$<e");
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[1].font.Name, "Arial");
    EXPECT_EQ(t[2].font.Name, "Times New Roman");
    EXPECT_EQ(t[3].font.Size, 13);
    EXPECT_EQ(t[4].font.Size, 11);
    // A run of "$<" stops at a size the platform can still draw.
    CanevasEnregistre petit;
    std::string moins;
    for (int i = 0; i < 40; ++i) moins += "$<";
    dessiner(petit, moins + "a");
    EXPECT_EQ(textesDessines(petit).at(0).font.Size, 1);
}

TEST(DessinerTexte, LeMoinsDessineEtLeTrait)
{
    // At the top level a plain minus is the drawn minus, "$-" the hyphen character.
    CanevasEnregistre k;
    dessiner(k, "-2", 0, 100);
    EXPECT_EQ(traitsDessines(k), (std::vector<TraitDessine>{{0, 109, 6, 109}}));
    ASSERT_EQ(textesDessines(k).size(), 1u);
    EXPECT_EQ(textesDessines(k)[0].texte, "2");
    EXPECT_EQ(textesDessines(k)[0].arguments, (std::vector<int>{9, 100}));

    CanevasEnregistre trait;
    dessiner(trait, "$-2");
    EXPECT_TRUE(traitsDessines(trait).empty());
    EXPECT_EQ(textesDessines(trait).at(0).texte, "-2");

    // The exchange leaves every other text as written.
    CanevasEnregistre mots;
    dessiner(mots, "moinSous-moinOrdi");
    ASSERT_EQ(textesDessines(mots).size(), 2u);
    EXPECT_EQ(textesDessines(mots)[0].texte, "moinSous");
    EXPECT_EQ(textesDessines(mots)[1].texte, "moinOrdi");
    EXPECT_EQ(traitsDessines(mots).size(), 1u);

    // A nested part is not exchanged again: the superscript's hyphen stays a hyphen...
    CanevasEnregistre exposant;
    dessiner(exposant, "x$0$-1$1");
    EXPECT_TRUE(traitsDessines(exposant).empty());
    EXPECT_EQ(textesDessines(exposant).at(1).texte, "-1");
    // ...and its minus is drawn.
    CanevasEnregistre moins;
    dessiner(moins, "x$0-1$1");
    EXPECT_EQ(traitsDessines(moins).size(), 1u);
}

TEST(DessinerTexte, Substitutions)
{
    const struct {
        const char* texte;
        std::vector<std::string> dessins;  // the TextOut texts in order
        std::vector<std::string> polices;
    } cas[] = {
        {"a$:b", {"a", "\xB8", "b"}, {"Times New Roman", "Symbol", "Times New Roman"}},
        {"a>=b", {"a ", "\xB3", " b"}, {}},
        {"a<=b", {"a ", "\xA3", " b"}, {}},
        {"a<>b", {"a ", "\xB9", " b"}, {}},
        {"a$=b", {"a ", "\xBB", " b"}, {}},
        {"2$*3", {"2", "\xB4", "3"}, {}},
        {"(d)perp()(d')", {"(d)", "^", "(d')"}, {}},
        {"Aapp()(d)", {"A", "\xCE", "(d)"}, {}},
        {"Anapp()(d)", {"A", "\xCF", "(d)"}, {}},
        // The words leave the two characters, not the sign.
        {"aSupégalb", {"a>=b"}, {}},
        {"aInfégalb", {"a<=b"}, {}},
        // A nested call substitutes again.
        {"x$0Supégal$1", {"x", " ", "\xB3", " "}, {}},
        {"sans code", {"sans code"}, {}},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        dessiner(k, c.texte);
        const std::vector<Appel> t = textesDessines(k);
        ASSERT_EQ(t.size(), c.dessins.size()) << c.texte;
        for (std::size_t i = 0; i < t.size(); ++i) {
            EXPECT_EQ(t[i].texte, c.dessins[i]) << c.texte;
            if (!c.polices.empty()) {
                EXPECT_EQ(t[i].font.Name, c.polices[i]) << c.texte;
            }
        }
    }
}

TEST(DessinerTexte, SignesSymbolePlacesEtCroixSurelevee)
{
    CanevasEnregistre k;
    // "$x" is a cross raised by 2 pixels; the text after it is back on the line.
    dessiner(k, "2$x3", 0, 50);
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].texte, "\xB4");
    EXPECT_EQ(t[1].arguments, (std::vector<int>{9, 48}));
    EXPECT_EQ(t[2].arguments, (std::vector<int>{18, 50}));
    EXPECT_EQ(t[2].font.Name, "Times New Roman");
}

TEST(DessinerTexte, ExposantEtIndice)
{
    // "²" after a letter: a superscript 2, two points smaller, 2 pixels to its right.
    CanevasEnregistre k;
    dessiner(k, "x²y", 0, 100);
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].texte, "2");
    EXPECT_EQ(t[1].arguments, (std::vector<int>{10, 94}));
    EXPECT_EQ(t[1].font.Size, 10);
    EXPECT_EQ(t[2].arguments, (std::vector<int>{15, 100}));
    EXPECT_EQ(t[2].font.Size, 12);

    // The subscript is drawn as it is written, lower, in the smaller font.
    CanevasEnregistre indice;
    dessiner(indice, "u$2n$r$1+1", 0, 100);
    const std::vector<Appel> i = textesDessines(indice);
    ASSERT_EQ(i.size(), 3u);
    EXPECT_EQ(i[1].texte, "n$r");
    EXPECT_EQ(i[1].arguments, (std::vector<int>{8, 106}));
    EXPECT_EQ(i[1].font.Size, 10);
    EXPECT_EQ(i[2].font.Size, 12);
    EXPECT_EQ(i[2].arguments, (std::vector<int>{8 + 21, 100}));

    // A minus in the subscript shows as a minus, not as the code the exchange made of it.
    CanevasEnregistre moins;
    dessiner(moins, "u$2n-1$1", 0, 100);
    const std::vector<Appel> m = textesDessines(moins);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[1].texte, "n-1");
}

// After a nested part the text goes on in the call's own font: an earlier "$g" is forgotten.
TEST(DessinerTexte, UnePartieImbriqueeRemetLaPoliceDeLAppel)
{
    CanevasEnregistre k;
    dessiner(k, "$H$gA²B");
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].font.Style, fsBold);
    EXPECT_EQ(t[0].font.Name, "Arial");
    EXPECT_EQ(t[2].font.Style, 0);
    EXPECT_EQ(t[2].font.Name, "Times New Roman");
}

TEST(DessinerTexte, ChapeauVecteurEtMarques)
{
    const struct {
        const char* texte;
        std::vector<TraitDessine> traits;
    } cas[] = {
        {"$3ABC$N", {{0, 102, 12, 97}, {24, 102, 12, 97}}},
        {"$5AB", {{0, 99, 16, 99}, {16, 99, 11, 97}, {16, 99, 11, 101}}},
        {"$d", {{0, 111, 13, 111}, {13, 111, 8, 110}, {13, 111, 8, 112}}},
        {"$f",
         {{0, 100, 4, 106}, {4, 114, 4, 105}, {0, 119, 4, 114}, {0, 119, 2, 114},
          {0, 119, 4, 118}}},
        // The cross of a "*": after one blank, three blanks wide.
        {"2*3", {{15, 107, 21, 113}, {15, 112, 21, 106}}},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        k.Font.Color = 0x00FF00;
        dessiner(k, c.texte, 0, 100, 0xFF);
        EXPECT_EQ(traitsDessines(k), c.traits) << c.texte;
        for (const Appel& a : k.appels(GenreAppel::LineTo)) {
            EXPECT_EQ(a.pen.Color, 0xFF);
            EXPECT_EQ(a.pen.Width, 1);
        }
    }
    CanevasEnregistre croix;
    dessiner(croix, "2*3");
    EXPECT_EQ(textesDessines(croix).at(1).arguments, (std::vector<int>{32, 0}));
}

TEST(DessinerTexte, CarreRondEtParentheses)
{
    CanevasEnregistre k;
    dessiner(k, "$Z$z$(a$)", 0, 100, 0xFF);
    const Appel carre = k.appels(GenreAppel::Rectangle).at(0);
    EXPECT_EQ(carre.arguments, (std::vector<int>{1, 109, 7, 115}));
    EXPECT_EQ(carre.brush.Color, 0xFF);
    EXPECT_EQ(carre.brush.Style, bsSolid);
    const Appel rond = k.appels(GenreAppel::Ellipse).at(0);
    EXPECT_EQ(rond.arguments, (std::vector<int>{11, 110, 14, 115}));
    EXPECT_EQ(rond.brush.Style, bsSolid);
    EXPECT_EQ(k.Brush.Style, bsClear);
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].texte, "(");
    EXPECT_EQ(t[0].arguments, (std::vector<int>{16, 92}));
    EXPECT_EQ(t[0].font.Size, 22);
    EXPECT_EQ(t[1].font.Size, 12);
    EXPECT_EQ(t[1].arguments, (std::vector<int>{31, 100}));
    EXPECT_EQ(t[2].texte, ")");
}

TEST(DessinerTexte, DecalagesVerticaux)
{
    CanevasEnregistre k;
    dessiner(k, "a$D5b$M9c$Dxd$D", 0, 100);
    const std::vector<Appel> t = textesDessines(k);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1].arguments[1], 105);
    EXPECT_EQ(t[2].arguments[1], 96);
    // A letter after "$D" is no digit: it moves nothing, and is used up.
    EXPECT_EQ(t[3].texte, "d");
    EXPECT_EQ(t[3].arguments[1], 96);
}

TEST(DessinerTexte, LesDrapeauxSontBaissesApresChaqueAppel)
{
    for (const char* texte : {"$F1;2;", "$Fa;$F", "x²", "$4$F1;2;$4", "$W$F1;2;\\3\\",
                              "$s2\\1\\0\\1\\a\\b$s", "$0$F$0$4"}) {
        CanevasEnregistre k;
        dessiner(k, texte);
        EXPECT_FALSE(texteImbrique) << texte;
        EXPECT_FALSE(partieDeFraction) << texte;
    }
}

// Broken markup draws something and ends: unclosed codes run to the end of the text.
TEST(DessinerTexte, BalisesMalFormees)
{
    const struct {
        std::string texte;
        double fin;
        std::size_t nbTextes;
    } cas[] = {
        {"$4abc", 10 + 24, 1},
        {"$Fab", 16, 1},
        {"$Fab;cde", 24, 2},
        {"$Wab", 16, 1},
        {"$Wab\\c", 16, 2},
        {"$LPoutils", 0, 0},
        {"$Lname;", 0, 0},
        {"$0abc", 2 + 7 * 3 - 2, 1},
        {"$2abc", 21, 1},
        {"$3abc", 24, 1},
        {"$", 0, 0},
        {"$$$$", 0, 0},
        {"$~", 0, 0},
        {"$D", 0, 0},
        {"$s", 8, 0},
        // The last argument stays in the source and is read again for what is missing.
        {"$s2\\1", 16, 2},
        {std::string("\xFF\x00\x01$\xFF", 5), 24, 1},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        EXPECT_EQ(dessiner(k, c.texte), c.fin) << c.texte;
        EXPECT_EQ(textesDessines(k).size(), c.nbTextes) << c.texte;
    }
}

// Nesting beyond what any text needs is cut off, not recursed into until the stack runs out.
TEST(DessinerTexte, ImbricationBornee)
{
    std::string fractions;
    for (int i = 0; i < 5000; ++i) fractions += "$F";
    fractions += "x";
    std::string exposants;
    for (int i = 0; i < 5000; ++i) exposants += "$0$W$s1\\0\\0\\";
    for (const std::string& texte : {fractions, exposants}) {
        CanevasEnregistre k;
        const double fin = dessiner(k, texte);
        EXPECT_GE(fin, 0);
        EXPECT_LT(k.appels().size(), 1000u);
        EXPECT_FALSE(texteImbrique);
        EXPECT_FALSE(partieDeFraction);
    }
}

}  // namespace
