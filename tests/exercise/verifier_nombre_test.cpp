#include "exercise/verification_nombre.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/exercise/banc_solution.h"

namespace {

using Lignes = std::vector<std::string>;

struct CasNombre {
    std::uint8_t genre = typeNombre;
    double attendu = 0;
    const char* tape = "";
    std::uint8_t resultat = resultatJuste;
    Lignes lignes{};
    std::uint8_t mode = modeSaisie;
    int denominateurImpose = 0;
    const char* termes = "";
    int exposant = 0;
    const char* texteAttendu = "";
    double tolerance = 1e-9;
    int nbChamps = 1;
    int k = 1;
};

class VerifierNombre : public BancSolution {
protected:
    void verifierCas(const CasNombre& c)
    {
        nouvelleValidation();
        d.modeReponse = c.mode;
        d.nbChamps = static_cast<std::uint8_t>(c.nbChamps);
        d.denominateurImpose = c.denominateurImpose;
        d.typeReponse[c.k] = c.genre;
        d.valeurAttendue[c.k] = c.attendu;
        d.reponseTapee[c.k] = c.tape;
        d.texteAttendu[c.k] = c.texteAttendu;
        d.champsReponse[c.k].termesAdmis = c.termes;
        d.champsReponse[c.k].exposantAttendu = c.exposant;
        d.champsReponse[c.k].tolerance = c.tolerance;
        const std::string cas = "genre " + std::to_string(c.genre) + " \"" + c.tape + "\"";
        constater(verifierNombre, c.k, c.resultat, c.lignes, !c.lignes.empty(), cas);
    }
};

const Lignes simplifiable = {"Réponse simplifiable", "La réponse peut être simplifiée."};
const Lignes incomprise = {"La réponse n'a pas été comprise."};

TEST_F(VerifierNombre, NombresFractionsEtAngles)
{
    const CasNombre cas[] = {
        // A decimal comma, trailing zeros, blanks, a sign, a point.
        {.genre = typeDecimal, .attendu = 12.5, .tape = "12,50"},
        {.genre = typeDecimal, .attendu = 12.5, .tape = "12.5"},
        {.genre = typeDecimal, .attendu = 12.5, .tape = "1 2 , 5"},
        {.genre = typeDecimal, .attendu = 12.5, .tape = "12,4", .resultat = resultatFaux},
        {.genre = typeDecimal, .attendu = 12.5, .tape = ",5", .resultat = resultatNonCompris, .lignes = incomprise},
        {.genre = typeDecimal, .attendu = 12.5, .tape = "12,", .resultat = resultatNonCompris, .lignes = incomprise},
        {.genre = typeDecimal, .attendu = 0.5, .tape = "1/2", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit être donnée sous forme décimale."}},
        {.genre = typeNombre, .attendu = -3, .tape = "- 3"},
        {.genre = typeNombre, .attendu = 3, .tape = "+3"},
        {.genre = typeNombre, .attendu = 3, .tape = "--3", .resultat = resultatNonCompris, .lignes = incomprise},
        {.genre = typeNombre, .attendu = 3, .tape = "3-", .resultat = resultatNonCompris, .lignes = incomprise},
        {.genre = typeNombre, .attendu = 1000, .tape = "1 000"},
        {.genre = typeNombre, .attendu = 2.5, .tape = "2,5 cm", .resultat = resultatNonCompris, .lignes = incomprise},
        {.genre = typeNombre, .attendu = 1000, .tape = "1e3", .resultat = resultatNonCompris, .lignes = incomprise},
        {.genre = typeNombre, .attendu = 3, .tape = "", .resultat = resultatNonCompris, .lignes = incomprise},
        {.genre = typeNombre, .attendu = 3, .tape = "3/0", .resultat = resultatNonCompris, .lignes = incomprise},
        {.genre = typeNombre, .attendu = 50, .tape = "50%", .resultat = resultatNonCompris,
         .lignes = {"Ne pas écrire \"%\" dans les réponses numériques."}},
        {.genre = typeNombre, .attendu = 2, .tape = "2,000001", .resultat = resultatJuste, .tolerance = 0.001},
        {.genre = typeNombre, .attendu = 2, .tape = "2,01", .resultat = resultatFaux, .tolerance = 0.001},
        // A tolerance of 0 stands for 1e-9.
        {.genre = typeNombre, .attendu = 0.1, .tape = "0,1", .tolerance = 0},
        {.genre = typeEntier, .attendu = 4, .tape = "8/2", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit être un nombre entier."}},
        {.genre = typeEntier, .attendu = 4, .tape = "4,0"},
        // Fractions: simplifiable, a required form, a required denominator.
        {.genre = typeNombre, .attendu = 0.5, .tape = "3/6", .resultat = resultatForme, .lignes = simplifiable},
        {.genre = typeNombre, .attendu = 0.5, .tape = "1/2"},
        {.genre = typeNombre, .attendu = 0.5, .tape = "1,5/3", .resultat = resultatForme, .lignes = simplifiable},
        {.genre = typeNombre, .attendu = 4, .tape = "4/1", .resultat = resultatForme, .lignes = simplifiable},
        {.genre = typeNombre, .attendu = 0.5, .tape = "0,5"},
        {.genre = typeFraction, .attendu = 0.5, .tape = "3/6"},
        {.genre = typeFraction, .attendu = 0.5, .tape = "0,5", .resultat = resultatForme,
         .lignes = {"La réponse doit être donnée sous forme de fraction."}},
        {.genre = typeFraction, .attendu = 0.5, .tape = "2/5", .resultat = resultatFaux},
        {.genre = typeFraction, .attendu = 0.6, .tape = "3/5", .denominateurImpose = 5},
        {.genre = typeFraction, .attendu = 0.6, .tape = "6/10", .resultat = resultatForme,
         .lignes = {"Réponse incorrecte", "La réponse doit avoir pour dénominateur 5."}, .denominateurImpose = 5},
        {.genre = typeFractionSimplifiee, .attendu = 0.5, .tape = "0,5", .resultat = resultatForme,
         .lignes = {"La réponse doit être donnée sous forme de fraction."}},
        {.genre = typeFractionSimplifiee, .attendu = 0.5, .tape = "1,5/3", .resultat = resultatForme,
         .lignes = {"La réponse doit utiliser seulement des nombres entiers."}},
        {.genre = typeFractionSimplifiee, .attendu = 0.5, .tape = "2/4", .resultat = resultatForme, .lignes = simplifiable},
        {.genre = typeFractionSimplifiee, .attendu = -0.5, .tape = "-1/2"},
        {.genre = typeFractionSimplifiee, .attendu = 3, .tape = "3"},
        {.genre = typeFractionDecimale, .attendu = 0.25, .tape = "25/100"},
        {.genre = typeFractionDecimale, .attendu = 0.25, .tape = "1/4", .resultat = resultatForme,
         .lignes = {"La réponse doit être donnée sous forme de fraction décimale."}},
        {.genre = typeFractionDecimale, .attendu = 0.25, .tape = "0,25", .resultat = resultatForme,
         .lignes = {"La réponse doit être donnée sous forme de fraction décimale."}},
        {.genre = typeFractionDecimale, .attendu = 0.25, .tape = "250/1000", .resultat = resultatForme,
         .lignes = {"La réponse doit avoir pour dénominateur 100."}, .denominateurImpose = 100},
        {.genre = typeFractionDecimale, .attendu = 0.25, .tape = "25/100", .denominateurImpose = 100},
        // Angles.
        {.genre = typeAngle180, .attendu = 150, .tape = "150°"},
        {.genre = typeAngle180, .attendu = 150, .tape = "150 °"},
        {.genre = typeAngle180, .attendu = 10, .tape = "-10", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit être un nombre positif."}},
        {.genre = typeAngle180, .attendu = 180, .tape = "180"},
        {.genre = typeAngle180, .attendu = 180, .tape = "181", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit être un nombre inférieur ou égal à 180."}},
        {.genre = typeAngle360, .attendu = 359.5, .tape = "359,5°"},
        {.genre = typeAngle360, .attendu = 0, .tape = "360", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit être un nombre inférieur à 360."}},
        {.genre = typeAngle360, .attendu = 90, .tape = "90°°", .resultat = resultatNonCompris, .lignes = incomprise},
        // Scientific notation where it is not asked for.
        {.genre = typeNombre, .attendu = 2000, .tape = "2*10p3", .resultat = resultatNonCompris,
         .lignes = {"La notation scientifique n'est pas autorisée ici."}},
        {.genre = typeNombre, .attendu = 2000, .tape = "2 * 10 P 3", .resultat = resultatNonCompris,
         .lignes = {"La notation scientifique n'est pas autorisée pour la réponse 2."}, .nbChamps = 2, .k = 2},
    };
    for (const CasNombre& c : cas) verifierCas(c);
}

TEST_F(VerifierNombre, MultiplesDePi)
{
    const CasNombre cas[] = {
        {.genre = typeMultiplePi, .attendu = 3.5, .tape = "3,5pi"},
        {.genre = typeMultiplePi, .attendu = 3.5, .tape = "3,5 Pi"},
        {.genre = typeMultiplePi, .attendu = 3.5, .tape = "3,6 pi", .resultat = resultatFaux},
        {.genre = typeMultiplePi, .attendu = 3.5, .tape = "3,5", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit utiliser $~p pour être exacte."}},
        {.genre = typeMultiplePi, .attendu = 3.5, .tape = "pi 3,5", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit être un décimal suivi par pi.", "Exemple : 3,5 pi pour signifier 3,5 $~p."}},
        {.genre = typeMultiplePi, .attendu = 3.5, .tape = "7/2 pi", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit être donnée sous forme décimale."}},
        {.genre = typeMultiplePi, .attendu = 1, .tape = "pi", .resultat = resultatNonCompris, .lignes = incomprise},
    };
    for (const CasNombre& c : cas) verifierCas(c);
}

TEST_F(VerifierNombre, MotsEtComparaisons)
{
    const Lignes tapezVF = {"La réponse n'a pas été comprise (taper V ou F)."};
    const Lignes tapezON = {"La réponse n'a pas été comprise (taper O ou N)."};
    const Lignes comparaisonIncomprise = {
        "La réponse n'a pas été comprise (taper x < y  ou  x = y  ou  x > y)."};
    const CasNombre cas[] = {
        {.genre = typeVraiFaux, .attendu = 0, .tape = "V"},
        {.genre = typeVraiFaux, .attendu = 0, .tape = "vrai"},
        {.genre = typeVraiFaux, .attendu = 1, .tape = " Faux "},
        {.genre = typeVraiFaux, .attendu = 1, .tape = "v", .resultat = resultatFaux},
        {.genre = typeVraiFaux, .attendu = 1, .tape = "oui", .resultat = resultatNonCompris, .lignes = tapezVF},
        {.genre = typeVraiFaux, .attendu = 1, .tape = "", .resultat = resultatNonCompris, .lignes = tapezVF},
        {.genre = typeOuiNon, .attendu = 0, .tape = "o"},
        {.genre = typeOuiNon, .attendu = 1, .tape = "Non"},
        {.genre = typeOuiNon, .attendu = 1, .tape = "OUI", .resultat = resultatFaux},
        {.genre = typeOuiNon, .attendu = 1, .tape = "peut-être", .resultat = resultatNonCompris, .lignes = tapezON},
        // The refusals of words are never silent, even in mental calculation.
        {.genre = typeOuiNon, .attendu = 1, .tape = "?", .resultat = resultatNonCompris, .lignes = tapezON,
         .mode = modeCalculMental},
        {.genre = typeComparaison, .attendu = 0, .tape = "x<y", .termes = "xy"},
        {.genre = typeComparaison, .attendu = 0, .tape = "y > x", .termes = "xy"},
        {.genre = typeComparaison, .attendu = 2, .tape = "y<x", .termes = "xy"},
        {.genre = typeComparaison, .attendu = 1, .tape = "y=x", .termes = "xy"},
        {.genre = typeComparaison, .attendu = 0, .tape = "x>y", .resultat = resultatFaux, .termes = "xy"},
        {.genre = typeComparaison, .attendu = 0, .tape = "x<x", .resultat = resultatNonCompris,
         .lignes = comparaisonIncomprise, .termes = "xy"},
        {.genre = typeComparaison, .attendu = 0, .tape = "x<>y", .resultat = resultatNonCompris,
         .lignes = comparaisonIncomprise, .termes = "xy"},
        {.genre = typeComparaison, .attendu = 0, .tape = "X<Y", .resultat = resultatNonCompris,
         .lignes = comparaisonIncomprise, .termes = "xy"},
        {.genre = typeComparaison, .attendu = 0, .tape = "x<z", .resultat = resultatNonCompris,
         .lignes = comparaisonIncomprise, .termes = "xy"},
        // An exercise that gave no terms: nothing is understood, and nothing is read outside them.
        {.genre = typeComparaison, .attendu = 0, .tape = "x<y", .resultat = resultatNonCompris,
         .lignes = {"La réponse n'a pas été comprise (taper  <   ou   =   ou   > )."}},
    };
    for (const CasNombre& c : cas) verifierCas(c);
}

TEST_F(VerifierNombre, Durees)
{
    const Lignes dureeIncomprise = {
        "La réponse n'a pas été comprise.",
        "Exemple de réponse comprise : 1 h 2 min 3 s   ou   2 min   ou    3 h 55 min",
        "Le nombre de minutes ou de secondes doit être inférieur à 60.",
        "Le nombre d'heures ou de minutes doit être entier."};
    const CasNombre cas[] = {
        {.genre = typeDuree, .attendu = 9000, .tape = "2 h 30"},
        {.genre = typeDuree, .attendu = 150, .tape = "2 min 30"},
        {.genre = typeDuree, .attendu = 3723, .tape = "1h2min3s"},
        {.genre = typeDuree, .attendu = 150, .tape = "2 MIN 30 S"},
        {.genre = typeDuree, .attendu = 150, .tape = "2 min 31", .resultat = resultatFaux},
        {.genre = typeDuree, .attendu = 45, .tape = "45", .resultat = resultatNonCompris, .lignes = dureeIncomprise},
        {.genre = typeDuree, .attendu = 8100, .tape = "1 h 75 min", .resultat = resultatNonCompris,
         .lignes = dureeIncomprise},
        {.genre = typeDuree, .attendu = 8100, .tape = "", .resultat = resultatNonCompris, .lignes = dureeIncomprise},
    };
    for (const CasNombre& c : cas) verifierCas(c);
}

TEST_F(VerifierNombre, NotationScientifique)
{
    const std::string pasScientifique = "La réponse n'est pas comprise comme notation scientifique.";
    const CasNombre cas[] = {
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "2,5*10p3", .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "2,5 * 10 P 3", .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "2.5*10P+3", .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = -2.5, .tape = "-2,5*10p-3", .exposant = -3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "2,5*10p4", .resultat = resultatFaux, .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "2,6*10p3", .resultat = resultatFaux, .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "25*10p2", .resultat = resultatNonCompris,
         .lignes = {pasScientifique, "En effet, 25 n'est pas inférieur à 10."}, .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "0,25*10p4", .resultat = resultatNonCompris,
         .lignes = {pasScientifique, "En effet, 0,25 est inférieur à 1."}, .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "2,5", .resultat = resultatNonCompris,
         .lignes = {pasScientifique}, .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "*10p3", .resultat = resultatNonCompris,
         .lignes = {pasScientifique}, .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "2,5*10p", .resultat = resultatNonCompris,
         .lignes = {pasScientifique}, .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "2,5*10p3,5", .resultat = resultatNonCompris,
         .lignes = {pasScientifique}, .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "5/2*10p3", .resultat = resultatNonCompris,
         .lignes = {pasScientifique}, .exposant = 3},
        {.genre = typeNotationScientifique, .attendu = 1, .tape = "1*10p40000", .resultat = resultatNonCompris,
         .lignes = {pasScientifique, "La puissance de 10 est beaucoup trop grande."}},
        {.genre = typeNotationScientifique, .attendu = 1, .tape = "1*10p-40000", .resultat = resultatNonCompris,
         .lignes = {pasScientifique, "La puissance de 10 est beaucoup trop petite."}},
        {.genre = typeNotationScientifique, .attendu = 1, .tape = "1*10p32000", .resultat = resultatFaux},
        // Never silent in mental calculation.
        {.genre = typeNotationScientifique, .attendu = 2.5, .tape = "2,5", .resultat = resultatNonCompris,
         .lignes = {pasScientifique}, .mode = modeCalculMental, .exposant = 3},
    };
    for (const CasNombre& c : cas) verifierCas(c);
}

TEST_F(VerifierNombre, FormulesTableur)
{
    const Lignes aide = {"Le nom d'une cellule est formé de la lettre indiquant la colonne",
                         "suivie du chiffre indiquant la ligne. Exemple : A1"};
    const auto avecAide = [&](Lignes l) {
        l.insert(l.end(), aide.begin(), aide.end());
        return l;
    };
    const CasNombre cas[] = {
        {.genre = typeFormuleTableur, .attendu = 1, .tape = "=SOMME(B2:B6)", .texteAttendu = "B2:B6"},
        {.genre = typeFormuleTableur, .attendu = 1, .tape = "= somme ( b2 : b6 )", .texteAttendu = "B2:B6"},
        {.genre = typeFormuleTableur, .attendu = 1, .tape = "=SOMME(B2:B5)", .resultat = resultatFaux,
         .texteAttendu = "B2:B6"},
        {.genre = typeFormuleTableur, .attendu = 1, .tape = "SOMME(B2:B6)", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit commencer par le signe \"$g=$N\""}, .texteAttendu = "B2:B6"},
        {.genre = typeFormuleTableur, .attendu = 1, .tape = "", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit commencer par le signe \"$g=$N\""}, .texteAttendu = "B2:B6"},
        {.genre = typeFormuleTableur, .attendu = 1, .tape = "=SUM(B2:B6)", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit commencer par : \"$g= SOMME ($N\""}, .texteAttendu = "B2:B6"},
        {.genre = typeFormuleTableur, .attendu = 1, .tape = "=SOMME(B2:B6", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit se terminer par  \"$g)$N\""}, .texteAttendu = "B2:B6"},
        {.genre = typeFormuleTableur, .attendu = 1, .tape = "=SOMME(B2;B6)", .resultat = resultatNonCompris,
         .lignes = avecAide({"Indiquer pour la fonction SOMME le nom de la première cellule",
                             "puis le caractère \"$g:$N\" puis le nom de la dernière cellule."}),
         .texteAttendu = "B2:B6"},
        {.genre = typeFormuleTableur, .attendu = 1, .tape = "=SOMME(B0:B6)", .resultat = resultatNonCompris,
         .lignes = aide, .texteAttendu = "B2:B6"},
        {.genre = typeFormuleTableur, .attendu = 3, .tape = "=max(a1:a9)", .texteAttendu = "A1:A9"},
        {.genre = typeFormuleTableur, .attendu = 4, .tape = "=MAX(A1:A9)", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit commencer par : \"$g= MIN ($N\""}, .texteAttendu = "A1:A9"},
        {.genre = typeFormuleTableur, .attendu = 5, .tape = "=MEDIANE(A1:A9)", .texteAttendu = "A1:A9"},
        {.genre = typeFormuleTableur, .attendu = 5, .tape = "=MEDIANE(A1A9)", .resultat = resultatNonCompris,
         .lignes = avecAide({"Indiquer pour la fonction MEDIANE le nom de la première cellule",
                             "puis le caractère \"$g:$N\" puis le nom de la dernière cellule."}),
         .texteAttendu = "A1:A9"},
        {.genre = typeFormuleTableur, .attendu = 2, .tape = "=b2*c2", .texteAttendu = "B2*C2 C2*B2"},
        {.genre = typeFormuleTableur, .attendu = 2, .tape = "=C2*B2", .texteAttendu = "B2*C2 C2*B2"},
        {.genre = typeFormuleTableur, .attendu = 2, .tape = "=B2+C2", .resultat = resultatFaux,
         .texteAttendu = "B2*C2 C2*B2"},
        {.genre = typeFormuleTableur, .attendu = 2, .tape = "=B2xC2", .resultat = resultatNonCompris,
         .lignes = avecAide({"Indiquer le nom d'une cellule, puis un opérateur parmi  $g+  -  $e  /$N  ",
                             "puis le nom de la deuxième cellule."}),
         .texteAttendu = "B2*C2"},
        {.genre = typeFormuleTableur, .attendu = 2, .tape = "=22*C2", .resultat = resultatNonCompris, .lignes = aide,
         .texteAttendu = "B2*C2"},
    };
    for (const CasNombre& c : cas) verifierCas(c);
}

TEST_F(VerifierNombre, FormuleDUnGenreInconnuLaisseLeResultat)
{
    d.nbChamps = 1;
    d.typeReponse[1] = typeFormuleTableur;
    d.valeurAttendue[1] = 9;
    d.reponseTapee[1] = "=A1";
    std::uint8_t resultat = resultatFaux;
    verifierNombre(d, 1, resultat);
    EXPECT_EQ(resultat, resultatFaux);
    EXPECT_TRUE(lignes().empty());
}

TEST_F(VerifierNombre, CalculMentalSansMessagePourLesHabitudesDEcriture)
{
    // What the pupil may type in haste costs the answer without interrupting the series; the
    // refusals that tell about the exercise's own rules are still shown.
    const CasNombre cas[] = {
        {.genre = typeEntier, .attendu = 4, .tape = "8/2", .resultat = resultatNonCompris, .mode = modeCalculMental},
        {.genre = typeNombre, .attendu = 4, .tape = "quatre", .resultat = resultatNonCompris, .mode = modeCalculMental},
        {.genre = typeNombre, .attendu = 4, .tape = "4%", .resultat = resultatNonCompris, .mode = modeCalculMental},
        {.genre = typeDecimal, .attendu = 0.5, .tape = "1/2", .resultat = resultatNonCompris, .mode = modeCalculMental},
        {.genre = typeNombre, .attendu = 0.5, .tape = "2/4", .resultat = resultatForme, .mode = modeCalculMental},
        {.genre = typeFraction, .attendu = 0.5, .tape = "0,5", .resultat = resultatForme, .mode = modeCalculMental},
        {.genre = typeFractionDecimale, .attendu = 0.25, .tape = "1/4", .resultat = resultatForme,
         .mode = modeCalculMental},
        {.genre = typeFraction, .attendu = 0.6, .tape = "6/10", .resultat = resultatForme,
         .lignes = {"Réponse incorrecte", "La réponse doit avoir pour dénominateur 5."}, .mode = modeCalculMental,
         .denominateurImpose = 5},
        {.genre = typeAngle180, .attendu = 10, .tape = "-10", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit être un nombre positif."}, .mode = modeCalculMental},
        {.genre = typeNombre, .attendu = 4, .tape = "5", .resultat = resultatFaux, .mode = modeCalculMental},
    };
    for (const CasNombre& c : cas) verifierCas(c);
}

TEST_F(VerifierNombre, PrefixeDUnChampParmiPlusieurs)
{
    const CasNombre cas[] = {
        {.genre = typeEntier, .attendu = 2, .tape = "4/2", .resultat = resultatNonCompris,
         .lignes = {"La réponse  $gb$N  doit être un nombre entier."}, .nbChamps = 2, .k = 2},
        {.genre = typeNombre, .attendu = 2, .tape = "deux", .resultat = resultatNonCompris,
         .lignes = {"La réponse  $gc$N  n'a pas été comprise."}, .nbChamps = 3, .k = 3},
        {.genre = typeNombre, .attendu = 0.5, .tape = "2/4", .resultat = resultatForme,
         .lignes = {"Réponse simplifiable", "La réponse  $ga$N  peut être simplifiée."}, .nbChamps = 2, .k = 1},
    };
    for (const CasNombre& c : cas) verifierCas(c);
}

TEST_F(VerifierNombre, ValeurLue)
{
    d.nbChamps = 2;
    d.typeReponse[2] = typeNombre;
    d.reponseTapee[2] = "-3/4";
    std::uint8_t resultat = 0;
    verifierNombre(d, 2, resultat);
    EXPECT_EQ(d.valeurTapee[2], -0.75);
    EXPECT_EQ(resultat, resultatFaux);

    d.typeReponse[2] = typeNotationScientifique;
    d.reponseTapee[2] = "-1,5*10p2";
    verifierNombre(d, 2, resultat);
    EXPECT_EQ(d.valeurTapee[2], -1.5);
}

TEST_F(VerifierNombre, ReponsesAEtBAuMemeDenominateur)
{
    d.nbChamps = 2;
    d.denominateurImpose = 1;
    d.typeReponse[1] = d.typeReponse[2] = typeFraction;
    const auto verifier = [&](const char* a, double valeurA, const char* b, double valeurB, std::uint8_t attenduA,
                              std::uint8_t attenduB, const Lignes& attendues) {
        nouvelleValidation();
        d.reponseTapee[1] = a;
        d.valeurAttendue[1] = valeurA;
        d.reponseTapee[2] = b;
        d.valeurAttendue[2] = valeurB;
        std::uint8_t resultatA = 0, resultatB = 0;
        verifierNombre(d, 1, resultatA);
        verifierNombre(d, 2, resultatB);
        EXPECT_EQ(resultatA, attenduA) << a << " " << b;
        EXPECT_EQ(resultatB, attenduB) << a << " " << b;
        EXPECT_EQ(lignes(), attendues) << a << " " << b;
    };
    verifier("3/4", 0.75, "2/4", 0.5, resultatJuste, resultatJuste, {});
    verifier("3/4", 0.75, "1/2", 0.5, resultatJuste, resultatForme,
             {"Réponse incorrecte", "Les réponses a et b doivent avoir le même dénominateur."});
    // A wrong answer a leaves nothing for b to match, not even a's denominator of the validation
    // before.
    verifier("1/3", 0.75, "1/2", 0.5, resultatFaux, resultatJuste, {});
}

}  // namespace
