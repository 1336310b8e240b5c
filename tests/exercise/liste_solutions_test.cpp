#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exercise/lecture_nombres.h"
#include "exercise/liste_solutions.h"

namespace {

struct CasListe {
    std::string texte;
    bool trier;
    int erreur;
    std::vector<double> valeurs;
    bool doublon = false;
};

TEST(LireListeSolutions, ElementsLus)
{
    const std::string onze = "1;2;3;4;5;6;7;8;9;10;11";
    const std::string quarante = "1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1";  // 39 characters
    for (const CasListe& c : std::vector<CasListe>{
             {"1;2;", false, 0, {1, 2}},
             {"1 ; 2", false, 0, {1, 2}},
             {";1", false, 0, {1}},
             {"1;;2", false, 0, {1, 2}},
             {"1;;;;2;;", false, 0, {1, 2}},
             {"2,5 ; -1/2 ; rac(4)", false, 0, {2.5, -0.5, 2}},
             {"PASDESOLUTION", false, 0, {}},
             {"pasdesolution", false, 0, {}},
             {"Pas de solution", false, 0, {}},
             {"", false, 0, {}},
             {"   ", false, 0, {}},
             {";", false, 0, {}},
             {";;;", false, 0, {}},
             {"1;2;3;4;5;6;7;8;9;10", false, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
             {onze, false, erreurListe, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
             {"1;x;3", false, erreurListe, {1}},
             {"1;2+;3", false, erreurListe, {1}},
             {"1/0", false, erreurListe, {}},
             {"1,2,3", false, erreurListe, {}},
             {"x=2", false, erreurListe, {}},
             {quarante + "0", false, 0, {29}},
             // An item longer than 40 characters is refused rather than cut.
             {quarante + "+1", false, erreurListe, {}},
             {"2;" + quarante + "+1", false, erreurListe, {2}},
             {"2;-1", true, 0, {-1, 2}},
             {"3;1;2", true, 0, {1, 2, 3}},
             {"5;4;3;2;1", true, 0, {1, 2, 3, 4, 5}},
             {"2;-1", false, 0, {2, -1}},
             {"2;2", true, 0, {2, 2}, true},
             {"2;2", false, 0, {2, 2}, false},
             {"1/2;0,5", true, 0, {0.5, 0.5}, true},
             {"1;1,0000000001", true, 0, {1, 1.0000000001}, true},
             {"1;1,000000002", true, 0, {1, 1.000000002}, false},
         }) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        TlisteSolutions liste;
        lireListeSolutions(liste, c.texte, c.trier);
        EXPECT_EQ(liste.erreur, c.erreur);
        EXPECT_EQ(liste.doublon, c.doublon);
        if (c.erreur != 0) continue;
        ASSERT_EQ(liste.nbSolutions, static_cast<int>(c.valeurs.size()));
        for (std::size_t i = 0; i < c.valeurs.size(); ++i)
            EXPECT_DOUBLE_EQ(liste.solutions[i].valeur, c.valeurs[i]) << "element " << i + 1;
    }
}

TEST(LireListeSolutions, TexteNettoye)
{
    TlisteSolutions liste;
    lireListeSolutions(liste, " ;1 ;; 2", false);
    EXPECT_EQ(liste.texte, "1;2;");
    EXPECT_EQ(liste.solutions[0].texte, "1");
    EXPECT_EQ(liste.solutions[1].texte, "2");
    // A second reading starts afresh.
    lireListeSolutions(liste, "PASDESOLUTION", true);
    EXPECT_EQ(liste.nbSolutions, 0);
    EXPECT_EQ(liste.erreur, 0);
}

TEST(LireSolution, FormeEtSimplification)
{
    struct Cas {
        std::string texte;
        int forme;
        bool simplifiable;
        double valeur;
    };
    for (const Cas& c : std::vector<Cas>{
             {"2", lectureEntier, false, 2},
             {"-1", lectureEntier, false, -1},
             {"+3", lectureEntier, false, 3},
             {"0,5", lectureDecimal, false, 0.5},
             {"2,50", lectureDecimal, false, 2.5},
             {"2,0", lectureDecimal, false, 2},
             {"1/2", lectureFraction, false, 0.5},
             {"-3/4", lectureFraction, false, -0.75},
             {"2/4", lectureFraction, true, 0.5},
             {"4/1", lectureFraction, true, 4},
             {"0/5", lectureFraction, true, 0},
             {"2,5/5", lectureFractionDecimaux, true, 0.5},
             {"2*3", formeExpression, false, 6},
             {"rac(2)", formeExpression, false, 1.4142135623730951},
             {"rac(4)", formeExpression, false, 2},
             {"pi", formeExpression, false, 3.141592653589793},
             {"(2)", formeExpression, false, 2},
             {"--2", formeIllisible, false, 0},
             {"x", formeIllisible, false, 0},
             {"1/0", formeIllisible, false, 0},
             {"", formeIllisible, false, 0},
             {"2 %", formeIllisible, false, 0},
         }) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        Tsolution s;
        s.texte = c.texte;
        lireSolution(s);
        EXPECT_EQ(s.forme, c.forme);
        EXPECT_EQ(s.simplifiable, c.simplifiable);
        if (c.forme != formeIllisible) {
            EXPECT_DOUBLE_EQ(s.valeur, c.valeur);
        }
    }
}

}  // namespace
