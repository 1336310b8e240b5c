#include "engine/text/systeme_formule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(LireSysteme, Descriptions)
{
    const struct {
        std::string source;
        int n;
        double hauteur;
        std::vector<double> decalages;
        std::vector<std::string> lignes;
    } cas[] = {
        {"2\\1\\-0,5\\0,5\\x+y=3\\x-y=1", 2, 1, {-0.5, 0.5}, {"x+y=3", "x-y=1"}},
        // The markup writes its minus "$-".
        {"1\\0.5\\$-1\\a", 1, 0.5, {-1}, {"a"}},
        // A "\" inside parentheses belongs to its argument.
        {"1\\1\\0\\f(a\\b)\\c", 1, 1, {0}, {"f(a\\b)"}},
        {"2\\1\\0\\1\\(a\\b)\\c", 2, 1, {0, 1}, {"(a\\b)", "c"}},
        // A "\" as the last character is no separator.
        {"1\\1\\0\\a\\", 1, 1, {0}, {"a\\"}},
        // Missing arguments repeat the last one, which the source keeps.
        {"2\\3", 2, 3, {3, 3}, {"3", "3"}},
        {"", 0, 0, {}, {}},
        {"-2\\1\\a", 0, 1, {}, {}},
        {"x\\1", 0, 1, {}, {}},
        // Counts round halves to even.
        {"2,5\\1\\0\\1\\a\\b\\c", 2, 1, {0, 1}, {"a", "b"}},
        // Beyond four lines: the first four, their offsets read past the others'.
        {"5\\2\\1\\2\\3\\4\\5\\a\\b\\c\\d\\e", 4, 2, {1, 2, 3, 4}, {"a", "b", "c", "d"}},
        {"1000000\\1\\a", 4, 1, {0, 0, 0, 0}, {"a", "a", "a", "a"}},
    };
    for (const auto& c : cas) {
        TsystemeAdessiner s;
        s.source = c.source;
        lireSysteme(s);
        ASSERT_EQ(s.n, c.n) << c.source;
        EXPECT_EQ(s.hauteur, c.hauteur) << c.source;
        for (int i = 1; i <= s.n; ++i) {
            const auto k = static_cast<std::size_t>(i);
            EXPECT_EQ(s.decalages[k], c.decalages[k - 1]) << c.source << " " << i;
            EXPECT_EQ(s.lignes[k], c.lignes[k - 1]) << c.source << " " << i;
        }
    }
}

TEST(LireSysteme, LignesEtSourceBornees)
{
    TsystemeAdessiner s;
    s.source = "1\\0\\0\\" + std::string(200, 'a');
    lireSysteme(s);
    EXPECT_EQ(s.lignes[1], std::string(120, 'a'));

    // Only the first 255 characters of a description are read.
    TsystemeAdessiner longue;
    longue.source = "2\\0\\0\\0\\" + std::string(250, 'b') + "\\c";
    lireSysteme(longue);
    EXPECT_EQ(longue.n, 2);
    EXPECT_EQ(longue.lignes[1], std::string(120, 'b'));
    EXPECT_EQ(longue.lignes[2], std::string(120, 'b'));
}

TEST(LireArgumentSysteme, ParenthesesDesequilibrees)
{
    // A closing parenthesis too many: no "\" stands at depth 0 any more.
    TsystemeAdessiner s;
    s.source = "a)\\b";
    EXPECT_EQ(lireArgumentSysteme(s), "a)\\b");
    EXPECT_EQ(s.source, "a)\\b");
    s.source = "\\b";
    EXPECT_EQ(lireArgumentSysteme(s), "");
    EXPECT_EQ(s.source, "b");
    EXPECT_EQ(lireNombreSysteme(s), 0);
}

}  // namespace
