#include "engine/base/chaines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(EnMajuscules, SeulementLesLettresSansAccent)
{
    EXPECT_EQ(enMajuscules("élève à l'école"), "éLèVE à L'éCOLE");
    EXPECT_EQ(enMajuscules("\xE9"), "\xE9");
    EXPECT_EQ(enMajuscules("az AZ 09 {}`@"), "AZ AZ 09 {}`@");
    EXPECT_EQ(enMajuscules(""), "");
}

TEST(SansEspaces, OteChaqueBlanc)
{
    EXPECT_EQ(sansEspaces(" 1 000 , 5 "), "1000,5");
    EXPECT_EQ(sansEspaces("a\tb"), "a\tb");
    EXPECT_EQ(sansEspaces("   "), "");
}

TEST(SupprimerBlancsExtremes, AuxDeuxBouts)
{
    const struct {
        const char* avant;
        const char* apres;
    } cas[] = {
        {"  a b  ", "a b"}, {"a", "a"}, {"", ""}, {"    ", ""}, {" x", "x"}, {"x ", "x"},
    };
    for (const auto& c : cas) {
        std::string longue = c.avant;
        supprimerBlancsExtremes(longue);
        EXPECT_EQ(longue, c.apres) << '"' << c.avant << '"';
        std::string courte = c.avant;
        supprimerBlancsExtremesCourte(courte);
        EXPECT_EQ(courte, c.apres) << '"' << c.avant << '"';
    }
}

TEST(SupprimerBlancsExtremes, LaFormeCourteGardeCentVingtCaracteres)
{
    // The blanks at the end fall beyond the capacity: what is kept ends with the "x" at 119.
    std::string s = " " + std::string(118, 'a') + "x" + std::string(5, 'b') + "  ";
    supprimerBlancsExtremesCourte(s);
    EXPECT_EQ(s, std::string(118, 'a') + "x");

    std::string longue = std::string(130, 'a') + " ";
    supprimerBlancsExtremes(longue);
    EXPECT_EQ(longue, std::string(130, 'a'));
}

TEST(RemplacerTout, ChaqueOccurrence)
{
    const struct {
        const char* texte;
        const char* motif;
        const char* remplacement;
        const char* attendu;
    } cas[] = {
        {"a b c", " ", "", "abc"},
        {"2*3*4", "*", "×", "2×3×4"},
        {"    ", "  ", " ", " "},  // the search restarts: every run of blanks shrinks to one
        {"aab", "ab", "b", "b"},
        {"aab", "ab", "ba", "baa"},
        {"0123456789X", "0123456789AB", "#", "#X"},  // the motif keeps its first 10 characters
        {"abc", "", "x", "abc"},                     // an empty motif is nowhere
        {"", "a", "b", ""},
        {"abc", "b", "b", "abc"},        // would never end if searched again from the start
        {"axbx", "x", "[x]", "a[x]b[x]"},
        {"x", "x", "xx", "xx"},
        {"aa", "a", "aa", "aaaa"},
        {"3,5", ",", ".", "3.5"},
    };
    for (const auto& c : cas) {
        std::string s = c.texte;
        remplacerTout(s, c.motif, c.remplacement);
        EXPECT_EQ(s, c.attendu) << '"' << c.texte << "\" / \"" << c.motif << '"';
    }
}

TEST(SupprimerCaracteres, CeuxDeLEnsemble)
{
    const struct {
        const char* texte;
        const char* ensemble;
        const char* attendu;
    } cas[] = {
        {"a-b_c", "-_", "abc"},
        {"abc", "", "abc"},
        {"abc", "cab", ""},
        {"célèbre", "éè", "clbre"},
        {"", "a", ""},
    };
    for (const auto& c : cas) {
        std::string longue = c.texte;
        supprimerCaracteres(longue, ensembleDe(c.ensemble));
        EXPECT_EQ(longue, c.attendu) << c.texte;
        std::string courte = c.texte;
        supprimerCaracteresCourte(courte, ensembleDe(c.ensemble));
        EXPECT_EQ(courte, c.attendu) << c.texte;
    }

    std::string s = std::string(119, 'a') + "-b";
    supprimerCaracteresCourte(s, ensembleDe("a"));
    EXPECT_EQ(s, "-");
}

TEST(EnsembleDe, OctetsDuTexte)
{
    const Ensemble256 e = ensembleDe("aé\xFF");
    EXPECT_EQ(e.count(), 3u);
    EXPECT_TRUE(e.test('a'));
    EXPECT_TRUE(e.test(0xE9));
    EXPECT_TRUE(e.test(0xFF));
    EXPECT_TRUE(ensembleDe("").none());
}

TEST(NomDuMois, DeJanvierADecembre)
{
    const char* const noms[] = {"janvier", "février",  "mars",     "avril",
                                "mai",     "juin",     "juillet",  "août",
                                "septembre", "octobre", "novembre", "décembre"};
    for (int mois = 1; mois <= 12; ++mois) {
        EXPECT_EQ(nomDuMois(mois), noms[mois - 1]);
        EXPECT_LE(nomDuMois(mois).size(), 9u);
    }
    EXPECT_EQ(nomDuMois(2), "f\xE9vrier");
    EXPECT_EQ(nomDuMois(8), "ao\xFBt");
    for (const int mois : {0, 13, -1, 1000}) EXPECT_EQ(nomDuMois(mois), "") << mois;
}

}  // namespace
