#include "exercise/donnees_communes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DonneesCommunes, UneQuestionFraiche)
{
    TdonneesCommunes& d = *donneesCommunes;
    d = TdonneesCommunes{};
    // What an earlier question left behind.
    d.modeReponse = modeCases;
    d.nbChamps = 3;
    d.nbEssais = 4;
    d.pointsQuestion = 5;
    d.validationParBouton = false;
    d.aideDisponible = true;
    d.typeReponse[2] = typeExpression;
    d.champsReponse[3].tolerance = 0.5;
    d.champsReponse[1].peutResterVide = true;
    d.reponseTapee[1] = "12";
    d.casesChoix[30].visible = true;
    d.espacementChoix = 0;
    d.texteAttendu[1] = "x+1";
    d.valeurAttendue[1] = 7;

    reinitialiserQuestion(d);
    EXPECT_EQ(d.pointsQuestion, 1);
    EXPECT_EQ(d.nbEssais, 1);
    EXPECT_EQ(d.modeReponse, modeSaisie);
    EXPECT_EQ(d.nbChamps, 0);
    EXPECT_TRUE(d.validationParBouton);
    EXPECT_FALSE(d.aideDisponible);
    EXPECT_EQ(d.espacementChoix, 5);
    EXPECT_EQ(d.champActif, 1);
    EXPECT_TRUE(d.conseilRefaire);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(d.typeReponse[k], typeNombre) << k;
        EXPECT_EQ(d.champsReponse[k].tolerance, 1e-9) << k;
        EXPECT_FALSE(d.champsReponse[k].peutResterVide) << k;
        EXPECT_TRUE(d.reponseTapee[k].empty()) << k;
    }
    for (int c = 1; c <= 30; ++c) EXPECT_FALSE(d.casesChoix[c].visible) << c;
    // Expected values are the statement's to set: they are not reset.
    EXPECT_EQ(d.texteAttendu[1], "x+1");
    EXPECT_EQ(d.valeurAttendue[1], 7);
}

TEST(DonneesCommunes, UnTexteTropLongGardeSesCentVingtPremiersCaracteres)
{
    TdonneesCommunes& d = *donneesCommunes;
    const std::string longue = std::string(119, 'a') + "bc" + std::string(30, 'd');
    d.reponseTapee[1] = longue;
    d.lettresAdmises = longue;
    d.champsReponse[2].termesAdmis = longue;
    d.textesChoix[4].texte = longue;
    EXPECT_EQ(d.reponseTapee[1].texte(), std::string(119, 'a') + "b");
    EXPECT_EQ(d.lettresAdmises.size(), 120u);
    EXPECT_EQ(d.champsReponse[2].termesAdmis.size(), 120u);
    EXPECT_EQ(d.textesChoix[4].texte.size(), 120u);
    d.cheminProgramme = std::string(300, 'c');
    EXPECT_EQ(d.cheminProgramme.size(), 255u);
    d.reponseTapee[1] = "court";
    EXPECT_EQ(d.reponseTapee[1], "court");
}

TEST(DonneesCommunes, DebutDeSessionEtDExercice)
{
    TdonneesCommunes& d = *donneesCommunes;
    d = TdonneesCommunes{};
    Tfigure figure;
    d.surfaceEnonce = &figure;
    d.surfaceAccueil = &figure;
    d.pointsSession = 12;
    d.nbPagesHistorique = 7;
    d.outilCourant = 3;
    initialiserDonneesCommunes(d);
    EXPECT_EQ(d.surfaceEnonce, nullptr);
    // The welcome screen's surface is made before and lives on.
    EXPECT_EQ(d.surfaceAccueil, &figure);
    EXPECT_EQ(d.pointsSession, 0);
    EXPECT_EQ(d.nbPagesHistorique, 0);
    EXPECT_EQ(d.outilCourant, 1);
    EXPECT_FALSE(d.exerciceEnCours);

    d.numeroExercice = 100;
    d.pointsExercice = 4;
    d.repeterQuestion = true;
    reinitialiserExercice(d);
    EXPECT_EQ(d.codeChapitre, 5);
    EXPECT_EQ(d.numeroQuestion, 1);
    EXPECT_EQ(d.nbQuestions, 1);
    EXPECT_EQ(d.pointsExercice, 0);
    EXPECT_FALSE(d.repeterQuestion);
    EXPECT_TRUE(d.exerciceEnCours);
    EXPECT_EQ(d.nbExercicesAbordes, 1);
    reinitialiserExercice(d);
    EXPECT_EQ(d.nbExercicesAbordes, 2);
}

TEST(DonneesCommunes, CodeDuChapitreDUnExercice)
{
    const struct {
        int numero;
        int code;
    } cas[] = {{-1, 2},   {0, 2},    {34, 2},   {35, 3},   {66, 3},   {67, 4},   {97, 4},  {98, 5},
               {145, 5},  {146, 6},  {181, 6},  {182, 7},  {220, 7},  {221, 8},  {245, 8}, {246, 9},
               {284, 9},  {285, 10}, {313, 10}, {314, 11}, {345, 11}, {346, 12}, {390, 12}, {391, 13},
               {427, 13}, {428, 14}, {463, 14}, {9999, 14}};
    for (const auto& c : cas) EXPECT_EQ(codeChapitreDe(c.numero), c.code) << c.numero;
}

}  // namespace
