#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exercise/lecture_duree.h"
#include "exercise/lecture_nombres.h"

namespace {

struct CasLecture {
    std::string texte;
    double valeur;
    int code;
};

using Lecteur = void (*)(const std::string&, double&, int&);

void verifierTable(Lecteur lire, const std::vector<CasLecture>& cas)
{
    for (const CasLecture& c : cas) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        double valeur = -1;
        int code = 0;
        lire(c.texte, valeur, code);
        EXPECT_EQ(code, c.code);
        if (lectureReussie(c.code)) {
            EXPECT_DOUBLE_EQ(valeur, c.valeur);
        }
    }
}

TEST(LireNombre, EntiersDeUnAQuinzeChiffres)
{
    verifierTable(lireNombre, {
                                  {"0", 0, lectureEntier},
                                  {"007", 7, lectureEntier},
                                  {"123", 123, lectureEntier},
                                  {"999999999999999", 999999999999999.0, lectureEntier},
                                  {"1234567890123456", 0, lectureIncomprise},
                                  {"", 0, lectureIncomprise},
                                  {"12a", 0, lectureIncomprise},
                                  {"-1", 0, lectureIncomprise},
                                  {" 1", 0, lectureIncomprise},
                                  {"1,5", 0, lectureIncomprise},
                                  {"²", 0, lectureIncomprise},
                              });
}

TEST(LireNombreOuFraction, DecimauxAvecVirguleOuPoint)
{
    verifierTable(lireNombreOuFraction, {
                                            {"12,50", 12.5, lectureDecimal},
                                            {"12.5", 12.5, lectureDecimal},
                                            {"0,001", 0.001, lectureDecimal},
                                            {"42", 42, lectureEntier},
                                            {"3,0", 3, lectureDecimal},
                                            // Both sides of the separator are required.
                                            {",5", 0, lectureIncomprise},
                                            {"5,", 0, lectureIncomprise},
                                            {",", 0, lectureIncomprise},
                                            {"2,5.3", 0, lectureIncomprise},
                                            {"2.5,3", 0, lectureIncomprise},
                                            {"1/2", 0, lectureIncomprise},
                                            {"1 000", 0, lectureIncomprise},
                                            {"1,1234567890123456", 0, lectureIncomprise},
                                        });
}

struct CasFraction {
    std::string texte;
    double valeur;
    int code;
    double numerateur;
    double denominateur;
};

void verifierFractions(const std::vector<CasFraction>& cas, bool signe)
{
    for (const CasFraction& c : cas) {
        SCOPED_TRACE("texte: \"" + c.texte + "\"");
        double valeur = -1, numerateur = -1, denominateur = -1;
        int code = 0;
        (signe ? lireNombreSigne : lireFraction)(c.texte, valeur, code, numerateur, denominateur);
        EXPECT_EQ(code, c.code);
        if (!lectureReussie(c.code)) continue;
        EXPECT_DOUBLE_EQ(valeur, c.valeur);
        EXPECT_DOUBLE_EQ(numerateur, c.numerateur);
        EXPECT_DOUBLE_EQ(denominateur, c.denominateur);
    }
}

TEST(LireFraction, TermesEntiersOuDecimaux)
{
    verifierFractions({
                          {"3/6", 0.5, lectureFraction, 3, 6},
                          {"4/1", 4, lectureFraction, 4, 1},
                          {"2,5/5", 0.5, lectureFractionDecimaux, 2.5, 5},
                          {"1/0,5", 2, lectureFractionDecimaux, 1, 0.5},
                          {"4", 4, lectureEntier, 4, 1},
                          {"0,25", 0.25, lectureDecimal, 0.25, 1},
                          {"1/0", 0, lectureDenominateurNul, 0, 0},
                          {"1/0,0", 0, lectureDenominateurNul, 0, 0},
                          {"0/5", 0, lectureFraction, 0, 5},
                          {"/3", 0, lectureIncomprise, 0, 0},
                          {"3/", 0, lectureIncomprise, 0, 0},
                          {"1/2/3", 0, lectureIncomprise, 0, 0},
                          // The numerator is read first: its failure is the one reported.
                          {"a/0", 0, lectureIncomprise, 0, 0},
                          {"1/-2", 0, lectureIncomprise, 0, 0},
                      },
                      false);
}

TEST(LireNombreSigne, BlancsEtSigne)
{
    verifierFractions({
                          {" - 3 / 4 ", -0.75, lectureFraction, 3, 4},
                          {"+2,5", 2.5, lectureDecimal, 2.5, 1},
                          {"2 500", 2500, lectureEntier, 2500, 1},
                          {"  12 , 50  ", 12.5, lectureDecimal, 12.5, 1},
                          {"-7", -7, lectureEntier, 7, 1},
                          {"--2", 0, lectureIncomprise, 0, 0},
                          {"+-2", 0, lectureIncomprise, 0, 0},
                          {"2-", 0, lectureIncomprise, 0, 0},
                          {"-", 0, lectureIncomprise, 0, 0},
                          {"", 0, lectureIncomprise, 0, 0},
                          {"- 1/0", 0, lectureDenominateurNul, 0, 0},
                          {"3%", 0, lectureIncomprise, 0, 0},
                          {"1e3", 0, lectureIncomprise, 0, 0},
                          {"2\t", 0, lectureIncomprise, 0, 0},
                      },
                      true);
}

TEST(TermesReductibles, DiviseurCommunDeDeuxEntiers)
{
    struct Cas {
        double n, d;
        bool reductible;
    };
    for (const Cas& c : std::vector<Cas>{
             {3, 6, true},
             {1, 2, false},
             {0, 5, true},
             {0, 1, false},
             {999999999999998.0, 4, true},
             {2.5, 5, false},
             {1e300, 2, false},
             {std::numeric_limits<double>::quiet_NaN(), 2, false},
         }) {
        SCOPED_TRACE(testing::Message() << c.n << "/" << c.d);
        EXPECT_EQ(termesReductibles(c.n, c.d), c.reductible);
    }
}

TEST(LireDuree, HeuresMinutesSecondes)
{
    verifierTable(lireDuree, {
                                 {"2 h 30", 9000, lectureEntier},
                                 {"2 min 30", 150, lectureEntier},
                                 {"1 h 2 min 3 s", 3723, lectureEntier},
                                 {"3 h 55 min", 14100, lectureEntier},
                                 {"2 min", 120, lectureEntier},
                                 {"2h", 7200, lectureEntier},
                                 {"2 H 30 MIN", 9000, lectureEntier},
                                 {"1h02min03s", 3723, lectureEntier},
                                 {"1,5 s", 1.5, lectureDecimal},
                                 {"1 min 1,5", 61.5, lectureDecimal},
                                 {"59 min 59,5 s", 3599.5, lectureDecimal},
                                 {"24 h 0 min", 86400, lectureEntier},
                                 {"45", 0, lectureIncomprise},
                                 {"1 h 75 min", 0, lectureIncomprise},
                                 {"60 s", 0, lectureIncomprise},
                                 {"1,5 h", 0, lectureIncomprise},
                                 {"1,5 min", 0, lectureIncomprise},
                                 {"30 s 2", 0, lectureIncomprise},
                                 {"1 min 2 s 3", 0, lectureIncomprise},
                                 {"30 min 2 h", 0, lectureIncomprise},
                                 {"h", 0, lectureIncomprise},
                                 {"min", 0, lectureIncomprise},
                                 {"", 0, lectureIncomprise},
                                 {"   ", 0, lectureIncomprise},
                                 {"2 heures", 0, lectureIncomprise},
                                 {"-2 min", 0, lectureIncomprise},
                                 // A number without its unit obeys the rules of the unit it
                                 // stands for: whole minutes and seconds, both below 60.
                                 {"1 h 75", 0, lectureIncomprise},
                                 {"1 h 1,5", 0, lectureIncomprise},
                                 {"2 min 60", 0, lectureIncomprise},
                                 {"2 min 59,5", 179.5, lectureDecimal},
                             });
}

TEST(LireDuree, SecondesANullesQuandIncomprise)
{
    double secondes = -1;
    int code = 0;
    lireDuree("1 min 75", secondes, code);
    EXPECT_EQ(code, lectureIncomprise);
    EXPECT_EQ(secondes, 0);
}

}  // namespace
