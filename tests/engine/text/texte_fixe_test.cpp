#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text/texte_balise.h"
#include "platform/double/canevas_enregistre.h"
#include "tests/engine/text/dessin_texte.h"

namespace {

struct Caractere {
    std::string texte;
    int x, y;
};

std::vector<Caractere> caracteres(const CanevasEnregistre& k)
{
    std::vector<Caractere> r;
    for (const Appel& a : k.appels(GenreAppel::TextOut))
        r.push_back({a.texte, a.arguments[0], a.arguments[1]});
    return r;
}

// Columns of 8 pixels and lines of 15, from (10, 20).
TEST(DessinerTexteFixe, UnCaractereParColonne)
{
    const struct {
        std::string texte;
        std::vector<Caractere> attendus;
    } cas[] = {
        {"ab", {{"a", 10, 20}, {"b", 18, 20}}},
        {"a$$b", {{"a", 10, 20}, {"b", 10, 35}}},
        {"ab$rc$$$$d", {{"a", 10, 20}, {"b", 18, 20}, {"c", 26, 20}, {"d", 10, 50}}},
        // "~" takes no column: the sign stands where the private byte stood.
        {"x~\xB3y", {{"x", 10, 20}, {"\xB3", 18, 20}, {"y", 26, 20}}},
        // The square sign is nudged right, and what follows it in the run further still.
        {"~\x9B" "ab$Nc", {{"\x9B", 11, 20}, {"a", 20, 20}, {"b", 28, 20}, {"c", 34, 20}}},
        // Bold characters sit one pixel lower.
        {"$ga$Nb", {{"a", 10, 21}, {"b", 18, 20}}},
        // Codes take no column; unknown ones are dropped, a "$" at the end too.
        {"a$Zb$", {{"a", 10, 20}, {"b", 18, 20}}},
        {"a b", {{"a", 10, 20}, {" ", 18, 20}, {"b", 26, 20}}},
        {"", {}},
    };
    for (const auto& c : cas) {
        CanevasEnregistre k;
        dessinerTexteFixe(k, c.texte, 0xFF, 10, 20.4);
        const std::vector<Caractere> r = caracteres(k);
        ASSERT_EQ(r.size(), c.attendus.size()) << c.texte;
        for (std::size_t i = 0; i < r.size(); ++i) {
            EXPECT_EQ(r[i].texte, c.attendus[i].texte) << c.texte << " " << i;
            EXPECT_EQ(r[i].x, c.attendus[i].x) << c.texte << " " << i;
            EXPECT_EQ(r[i].y, c.attendus[i].y) << c.texte << " " << i;
        }
    }
}

TEST(DessinerTexteFixe, PolicesCouleursEtStyles)
{
    CanevasEnregistre k;
    k.FondTransparent = false;
    dessinerTexteFixe(k, "~pa$<b$Pc$rd$ie$Jf$Sg$Ih$Gi$Nj", 0x00FF00, 0, 0);
    const std::vector<Appel> t = k.appels(GenreAppel::TextOut);
    ASSERT_EQ(t.size(), 11u);
    EXPECT_EQ(t[0].font.Name, "Symbol");
    EXPECT_EQ(t[1].font.Name, "Courier New");
    EXPECT_EQ(t[1].font.Size, 11);
    EXPECT_EQ(t[1].font.Color, 0x00FF00);
    EXPECT_EQ(t[1].font.Style, 0);
    EXPECT_TRUE(t[1].fondTransparent);
    EXPECT_EQ(t[2].font.Size, 8);
    EXPECT_EQ(t[2].arguments[0], 16);  // the columns keep the 11-point pitch
    EXPECT_EQ(t[3].font.Color, 0x800080);
    EXPECT_EQ(t[4].font.Color, 0x0000FF);
    const TFontStyles styles[] = {fsItalic, fsBold | fsItalic, fsUnderline, fsItalic | fsUnderline,
                                  fsBold | fsUnderline, 0};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(t[5 + i].font.Style, styles[i]) << i;
    EXPECT_EQ(t[10].font.Size, 11);
}

TEST(DessinerTexteFixe, CroixDessinee)
{
    CanevasEnregistre k;
    k.Font.Color = 0x000000;
    dessinerTexteFixe(k, "2*3", 0xFF, 10, 20);
    // Centre (10 + 8 + 4, 20 + 7.5), half-size 2.4.
    EXPECT_EQ(traitsDessines(k),
              (std::vector<TraitDessine>{{20, 25, 25, 31}, {20, 30, 25, 24}}));
    for (const Appel& a : k.appels(GenreAppel::LineTo)) EXPECT_EQ(a.pen.Color, 0xFF);
    EXPECT_EQ(caracteres(k).at(1).x, 26);
}

}  // namespace
