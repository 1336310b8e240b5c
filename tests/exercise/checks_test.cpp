#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "exercise/signalement.h"
#include "exercise/verification_type.h"
#include "tests/exercise/banc_solution.h"

namespace {

using Lignes = std::vector<std::string>;

struct CasType {
    std::uint8_t genre = typeNombre;
    const char* attendu = "";
    const char* tape = "";
    std::uint8_t resultat = resultatJuste;
    Lignes lignes{};
    // The question beep and picture: every refusal of the pupil's answer, never a fault of the
    // exercise's own expected text.
    bool signal = false;
    const char* lettres = "";
    const char* termes = "";
    double tolerance = 1e-9;
    bool peutResterVide = false;
    int nbChamps = 1;
    int k = 1;
    double valeurAttendue = 0;
};

class VerifierSelonType : public BancSolution {
protected:
    void verifierCas(const CasType& c)
    {
        nouvelleValidation();
        d.nbChamps = static_cast<std::uint8_t>(c.nbChamps);
        d.typeReponse[c.k] = c.genre;
        d.texteAttendu[c.k] = c.attendu;
        d.reponseTapee[c.k] = c.tape;
        d.valeurAttendue[c.k] = c.valeurAttendue;
        d.lettresAdmises = c.lettres;
        d.champsReponse[c.k].termesAdmis = c.termes;
        d.champsReponse[c.k].tolerance = c.tolerance;
        d.champsReponse[c.k].peutResterVide = c.peutResterVide;
        const std::string cas = "genre " + std::to_string(c.genre) + " \"" + c.attendu + "\" \"" + c.tape + "\"";
        constater(verifierSelonType, c.k, c.resultat, c.lignes, c.signal, cas);
    }
};

const Lignes prof = {"Expression prof incorrecte !!!"};
const Lignes simplifiable = {"Réponse simplifiable", "La réponse peut être simplifiée."};
const Lignes incomprise = {"La réponse n'a pas été comprise."};

Lignes nomIncorrect(const char* message)
{
    return {"La réponse est incorrecte.", message};
}

TEST_F(VerifierSelonType, ChampQuiPeutResterVide)
{
    const CasType cas[] = {
        {.genre = typeExpression, .attendu = "", .tape = "", .peutResterVide = true},
        {.genre = typeExpression, .attendu = "", .tape = "x", .resultat = resultatFaux, .peutResterVide = true},
        {.genre = typeExpression, .attendu = "x+1", .tape = "", .resultat = resultatFaux, .peutResterVide = true},
        {.genre = typeExpression, .attendu = "x+1", .tape = "1+x", .termes = "x", .peutResterVide = true},
        {.genre = typeNomPoint, .attendu = "A", .tape = "", .resultat = resultatFaux, .lettres = "A",
         .peutResterVide = true},
        // Without the flag an empty answer goes to its checker.
        {.genre = typeNomPoint, .attendu = "A", .tape = "", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Proposer le nom d'un point unique."), .signal = true, .lettres = "A"},
    };
    for (const CasType& c : cas) verifierCas(c);
}

TEST_F(VerifierSelonType, LesGenresNumeriquesVontAuControleDesNombres)
{
    const CasType cas[] = {
        {.genre = typeNombre, .tape = "2,5", .valeurAttendue = 2.5},
        {.genre = typeVraiFaux, .tape = "F", .valeurAttendue = 1},
        {.genre = 250, .tape = "7", .valeurAttendue = 7},
        {.genre = typeEntier, .tape = "7/1", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit être un nombre entier."}, .signal = true, .valeurAttendue = 7},
    };
    for (const CasType& c : cas) verifierCas(c);
}

TEST_F(VerifierSelonType, NomsGeometriques)
{
    const CasType cas[] = {
        {.genre = typeNomDroite, .attendu = "ABC", .tape = "(AB)", .lettres = "ABCD"},
        {.genre = typeNomDroite, .attendu = "ABC", .tape = "( C A )", .lettres = "ABCD"},
        {.genre = typeNomDroite, .attendu = "ABC", .tape = "(AD)", .resultat = resultatFaux, .lettres = "ABCD"},
        {.genre = typeNomDroite, .attendu = "ABC", .tape = "AB", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Ecrire le nom de la droite entre parenthèses."), .signal = true, .lettres = "ABCD"},
        {.genre = typeNomDroite, .attendu = "ABC", .tape = "(AB]", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Ecrire le nom de la droite entre parenthèses."), .signal = true, .lettres = "ABCD"},
        {.genre = typeNomDroite, .attendu = "ABC", .tape = "(AA)", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Proposer deux points distincts."), .signal = true, .lettres = "ABCD"},
        {.genre = typeNomDroite, .attendu = "ABC", .tape = "(ab)", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Vous devez utiliser les noms de points connus."), .signal = true, .lettres = "ABCD"},
        // The letters are checked before the count.
        {.genre = typeNomDroite, .attendu = "ABC", .tape = "(AZZ)", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Vous devez utiliser les noms de points connus."), .signal = true, .lettres = "ABCD"},
        {.genre = typeNomPoint, .attendu = "A", .tape = "A", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Vous devez utiliser les noms de points connus."), .signal = true, .lettres = ""},
        {.genre = typeNomSegment, .attendu = "AB", .tape = "[BA]", .lettres = "AB"},
        {.genre = typeNomSegment, .attendu = "AB", .tape = "(AB)", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Ecrire le nom du segment entre crochets."), .signal = true, .lettres = "AB"},
        {.genre = typeNomDemiDroite, .attendu = "AB", .tape = "[AB)", .lettres = "AB"},
        {.genre = typeNomDemiDroite, .attendu = "AB", .tape = "[BA)", .resultat = resultatFaux, .lettres = "AB"},
        {.genre = typeNomDemiDroite, .attendu = "AB", .tape = "(AB)", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Commencer le nom de la demi$-droite par \"[\"."), .signal = true, .lettres = "AB"},
        {.genre = typeNomDemiDroite, .attendu = "AB", .tape = "[AB]", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Finir le nom de la demi$-droite par \")\"."), .signal = true, .lettres = "AB"},
        {.genre = typeNomPoint, .attendu = "BC", .tape = "C", .lettres = "ABC"},
        {.genre = typeNomPoint, .attendu = "BC", .tape = "BC", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Proposer le nom d'un point unique."), .signal = true, .lettres = "ABC"},
        {.genre = typeNomDeuxPoints, .attendu = "ABC", .tape = "CA", .lettres = "ABC"},
        // Angles: the vertex in the middle, the other two on different sides.
        {.genre = typeNomAngle, .attendu = "BAD;CE", .tape = "ABC", .lettres = "ABCDE"},
        {.genre = typeNomAngle, .attendu = "BAD;CE", .tape = "DBE", .lettres = "ABCDE"},
        {.genre = typeNomAngle, .attendu = "BAD;CE", .tape = "EBA", .lettres = "ABCDE"},
        {.genre = typeNomAngle, .attendu = "BAD;CE", .tape = "ABD", .resultat = resultatFaux, .lettres = "ABCDE"},
        {.genre = typeNomAngle, .attendu = "BAD;CE", .tape = "BAC", .resultat = resultatFaux, .lettres = "ABCDE"},
        {.genre = typeNomAngle, .attendu = "BADCE", .tape = "ABC", .resultat = resultatFaux, .lettres = "ABCDE"},
        {.genre = typeNomAngle, .attendu = "BAD;CE", .tape = "ABA", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Proposer trois points distincts."), .signal = true, .lettres = "ABCDE"},
        {.genre = typeNomTroisPoints, .attendu = "ABC", .tape = "CBA", .lettres = "ABC"},
        // Names listed one after the other.
        {.genre = typeNomDeuxPointsListe, .attendu = "ABBA", .tape = "BA", .lettres = "ABC"},
        {.genre = typeNomDeuxPointsListe, .attendu = "ABBA", .tape = "AC", .resultat = resultatFaux, .lettres = "ABC"},
        {.genre = typeNomDeuxPointsListe, .attendu = "ABCD", .tape = "BC", .resultat = resultatFaux, .lettres = "ABCD"},
        {.genre = typeNomDeuxPointsListe, .attendu = "ABBA", .tape = "AA", .resultat = resultatFaux, .lettres = "AB"},
        {.genre = typeNomDeuxPointsListe, .attendu = "ABBA", .tape = "ABA", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Proposer deux points."), .signal = true, .lettres = "AB"},
        {.genre = typeNomQuatrePoints, .attendu = "ABCDBCDA", .tape = "BCDA", .lettres = "ABCD"},
        {.genre = typeNomQuatrePoints, .attendu = "ABCDBCDA", .tape = "CDBC", .resultat = resultatFaux,
         .lettres = "ABCD"},
        {.genre = typeNomQuatrePoints, .attendu = "ABCD", .tape = "ABC", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Elle devrait se composer de quatre noms de points."), .signal = true,
         .lettres = "ABCD"},
        // Sets of points: any order, blanks, commas and semicolons between them.
        {.genre = typeEnsemblePoints, .attendu = "ABC", .tape = "C, A ; B", .lettres = "ABCD"},
        {.genre = typeEnsemblePoints, .attendu = "ABC", .tape = "B A C", .lettres = "ABCD"},
        {.genre = typeEnsemblePoints, .attendu = "ABC", .tape = "AB", .resultat = resultatFaux, .lettres = "ABCD"},
        {.genre = typeEnsemblePoints, .attendu = "ABC", .tape = "ABCD", .resultat = resultatFaux, .lettres = "ABCD"},
        {.genre = typeEnsemblePoints, .attendu = "ABC", .tape = "A,B,A,C", .resultat = resultatNonCompris,
         .lignes = nomIncorrect("Elle devrait se composer de points distincts."), .signal = true, .lettres = "ABCD"},
    };
    for (const CasType& c : cas) verifierCas(c);
}

TEST_F(VerifierSelonType, TeteDUnChampParmiPlusieurs)
{
    verifierCas({.genre = typeNomDroite, .attendu = "AB", .tape = "AB", .resultat = resultatNonCompris,
                 .lignes = {"La réponse  $gb$N  est incorrecte.", "Ecrire le nom de la droite entre parenthèses."},
                 .signal = true, .lettres = "AB", .nbChamps = 2, .k = 2});
    verifierCas({.genre = typeSolutions, .attendu = "1;2", .tape = "2;2", .resultat = resultatNonCompris,
                 .lignes = {"La réponse  $gc$N  contient une solution en double."}, .signal = true, .nbChamps = 3,
                 .k = 3});
    verifierCas({.genre = typeListeOrdonnee, .attendu = "1;2;3", .tape = "1;3;2", .resultat = resultatFaux,
                 .lignes = {"La valeur numéro 2 de la réponse  $gb$N  est fausse."}, .nbChamps = 2, .k = 2});
}

TEST_F(VerifierSelonType, Expressions)
{
    const CasType cas[] = {
        {.genre = typeExpression, .attendu = "2x+3", .tape = "3+2x", .termes = "x"},
        {.genre = typeExpression, .attendu = "2x+3", .tape = "2*x+3", .termes = "x"},
        {.genre = typeExpression, .attendu = "2x+3", .tape = "2x+4", .resultat = resultatFaux, .termes = "x"},
        {.genre = typeExpression, .attendu = "2x+3", .tape = "2x+", .resultat = resultatNonCompris,
         .lignes = {"La réponse est incorrecte."}, .signal = true, .termes = "x"},
        {.genre = typeExpression, .attendu = "2x+3", .tape = "2y+3", .resultat = resultatNonCompris,
         .lignes = {"La réponse est incorrecte (variable non reconnue)"}, .signal = true, .termes = "x"},
        {.genre = typeExpression, .attendu = "2x+3", .tape = "(2x+3", .resultat = resultatNonCompris,
         .lignes = {"La réponse est incorrecte (erreur de parenthésage)"}, .signal = true, .termes = "x"},
        {.genre = typeExpression, .attendu = "x", .tape = "1/x", .resultat = resultatNonCompris,
         .lignes = {"La réponse est incorrecte:", "Une division par une expression variable n'est pas autorisée ici."},
         .signal = true, .termes = "x"},
        {.genre = typeExpression, .attendu = "x^2", .tape = "x^10", .resultat = resultatNonCompris,
         .lignes = {"La réponse est incorrecte :", "Les puissances doivent être ici des entiers de 2 à 9."},
         .signal = true, .termes = "x"},
        {.genre = typeExpression, .attendu = "x/2", .tape = "1/2*x", .resultat = resultatNonCompris,
         .lignes = {"La réponse  contient un quotient suivi d'un produit.",
                    "Veuillez ajouter des parenthèses pour confirmer la priorité du quotient."},
         .signal = true, .termes = "x"},
        {.genre = typeExpression, .attendu = "x", .tape = "rac(x)", .resultat = resultatNonCompris,
         .lignes = {"La réponse est incorrecte:", "Les racines carrées non constantes ne sont pas autorisées ici.",
                    "positifs non carrés parfaits et les racines carrées de fractions irréductibles",
                    "positives dont ni le numérateur, ni le dénominateur ne sont des carrés parfaits"},
         .signal = true, .termes = "x"},
        {.genre = typeExpression, .attendu = "2x+", .tape = "2x", .resultat = resultatNonCompris, .lignes = prof,
         .signal = true, .termes = "x"},
        {.genre = typeExpressionDeveloppee, .attendu = "2x+2", .tape = "2(x+1)", .resultat = resultatForme,
         .lignes = {"La réponse n'est pas développée."}, .signal = true, .termes = "x"},
        {.genre = typeExpressionDeveloppee, .attendu = "2x+2", .tape = "2x+1+1", .resultat = resultatForme,
         .lignes = {"La réponse peut être réduite."}, .signal = true, .termes = "x"},
        {.genre = typeExpressionFactorisee, .attendu = "x(x+1)", .tape = "x²+x", .resultat = resultatForme,
         .lignes = {"La réponse n'est pas ou pas assez factorisée."}, .signal = true, .termes = "x"},
        {.genre = typeExpressionFactorisee, .attendu = "x(x+1)", .tape = "x(x+1)", .termes = "x"},
        {.genre = typeExpression, .attendu = "2x", .tape = "2,0x", .resultat = resultatForme,
         .lignes = {"La réponse peut être simplifiée."}, .signal = true, .termes = "x"},
        {.genre = typeExpressionSansParentheses, .attendu = "2x+2", .tape = "(2x+2)", .resultat = resultatForme,
         .lignes = {"La réponse est à donner sans utiliser de parenthèses."}, .signal = true, .termes = "x"},
    };
    for (const CasType& c : cas) verifierCas(c);
}

TEST_F(VerifierSelonType, ListesDeValeurs)
{
    const CasType cas[] = {
        {.genre = typeSolutions, .attendu = "2;-1", .tape = "-1 ; 2"},
        {.genre = typeSolutions, .attendu = "2;-1", .tape = "2;-1;"},
        {.genre = typeSolutions, .attendu = "2;-1", .tape = "2;2", .resultat = resultatNonCompris,
         .lignes = {"La réponse contient une solution en double."}, .signal = true},
        {.genre = typeSolutions, .attendu = "PASDESOLUTION", .tape = "PASDESOLUTION"},
        {.genre = typeSolutions, .attendu = "PASDESOLUTION", .tape = "pas de solution"},
        {.genre = typeSolutions, .attendu = "2;-1", .tape = "2", .resultat = resultatFaux},
        {.genre = typeSolutions, .attendu = "2;-1", .tape = "2;1", .resultat = resultatFaux},
        {.genre = typeSolutions, .attendu = "2;-1", .tape = "2;deux", .resultat = resultatNonCompris,
         .lignes = incomprise, .signal = true},
        {.genre = typeSolutions, .attendu = "1;1", .tape = "1", .resultat = resultatNonCompris, .lignes = prof},
        {.genre = typeSolutions, .attendu = "1;a", .tape = "1", .resultat = resultatNonCompris, .lignes = prof},
        {.genre = typeListeNonOrdonnee, .attendu = "1/2;3", .tape = "3;0,5"},
        {.genre = typeListeNonOrdonnee, .attendu = "1/2;3", .tape = "3;2/4", .resultat = resultatForme,
         .lignes = simplifiable, .signal = true},
        {.genre = typeListeNonOrdonnee, .attendu = "1/2;3", .tape = "3", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit contenir 2 valeurs."}, .signal = true},
        {.genre = typeListeNonOrdonnee, .attendu = "4;3", .tape = "3;2*2", .resultat = resultatForme,
         .lignes = simplifiable, .signal = true},
        {.genre = typeListeNonOrdonnee, .attendu = "1;2;3;4;5;6;7;8;9;10", .tape = "1;2;3;4;5;6;7;8;9;10;11",
         .resultat = resultatNonCompris, .lignes = incomprise, .signal = true},
        {.genre = typeListeOrdonnee, .attendu = "1;2;3", .tape = "1;2;3"},
        {.genre = typeListeOrdonnee, .attendu = "1;2;3", .tape = "1;3;2", .resultat = resultatFaux,
         .lignes = {"La valeur numéro 2 de la réponse est fausse."}},
        {.genre = typeListeOrdonnee, .attendu = "1,5;2;3", .tape = "1,6;2;3", .resultat = resultatJuste,
         .tolerance = 0.2},
        {.genre = typeCoordonnees, .attendu = "2;3", .tape = "2;3", .termes = "M"},
        {.genre = typeCoordonnees, .attendu = "2;3", .tape = "5;3", .resultat = resultatFaux,
         .lignes = {"L'abscisse de M est fausse."}, .termes = "M"},
        {.genre = typeCoordonnees, .attendu = "2;3", .tape = "2;5", .resultat = resultatFaux,
         .lignes = {"L'ordonnée de M est fausse."}, .termes = "M"},
        {.genre = typeCoordonnees, .attendu = "2;3", .tape = "5;5", .resultat = resultatFaux,
         .lignes = {"Les coordonnées de M sont fausses."}, .termes = "M"},
        {.genre = typeCoordonnees, .attendu = "2;3", .tape = "(2;3)", .resultat = resultatNonCompris,
         .lignes = incomprise, .signal = true, .termes = "M"},
    };
    for (const CasType& c : cas) verifierCas(c);
}

TEST_F(VerifierSelonType, Inegalites)
{
    const Lignes debut = {"La réponse doit commencer par :  x>  ou  x<  ou  xSupégal  ou  xInfégal"};
    const Lignes debutDecimal = {
        "La réponse doit commencer par :  2.5x+1>  ou  2.5x+1<  ou  2.5x+1Supégal  ou  2.5x+1Infégal"};
    const CasType cas[] = {
        {.genre = typeInegalite, .attendu = "x>2", .tape = "x>2"},
        {.genre = typeInegalite, .attendu = "x > 2", .tape = " x >  2 "},
        {.genre = typeInegalite, .attendu = "x>2", .tape = "x>=2", .resultat = resultatFaux},
        {.genre = typeInegalite, .attendu = "x>2", .tape = "x>3", .resultat = resultatFaux},
        {.genre = typeInegalite, .attendu = "x>2", .tape = "x>2,0", .resultat = resultatForme,
         .lignes = simplifiable, .signal = true},
        {.genre = typeInegalite, .attendu = "x>2", .tape = "x>4/2", .resultat = resultatForme,
         .lignes = simplifiable, .signal = true},
        {.genre = typeInegalite, .attendu = "x>2", .tape = "y>2", .resultat = resultatNonCompris, .lignes = debut,
         .signal = true},
        {.genre = typeInegalite, .attendu = "x>2", .tape = "2<x", .resultat = resultatNonCompris, .lignes = debut,
         .signal = true},
        {.genre = typeInegalite, .attendu = "x>2", .tape = "x=2", .resultat = resultatNonCompris, .lignes = debut,
         .signal = true},
        {.genre = typeInegalite, .attendu = "x>2", .tape = "", .resultat = resultatNonCompris, .lignes = debut,
         .signal = true},
        {.genre = typeInegalite, .attendu = "x>2", .tape = "x>deux", .resultat = resultatNonCompris,
         .lignes = incomprise, .signal = true},
        {.genre = typeInegalite, .attendu = "x>=2/3", .tape = "x>=4/6", .resultat = resultatForme,
         .lignes = simplifiable, .signal = true},
        {.genre = typeInegalite, .attendu = "x<=-1", .tape = "x<=-1"},
        // The pupil writes the decimal comma where the exercise wrote a point; the separator
        // still counts in the name.
        {.genre = typeInegalite, .attendu = "2.5x+1>3.5", .tape = "2,5x+1>3,5"},
        {.genre = typeInegalite, .attendu = "2.5x+1>3.5", .tape = "25x+1>3,5", .resultat = resultatNonCompris,
         .lignes = debutDecimal, .signal = true},
        {.genre = typeInegalite, .attendu = "2.5x+1>3.5", .tape = "2x+1>3,5", .resultat = resultatNonCompris,
         .lignes = debutDecimal, .signal = true},
        {.genre = typeInegalite, .attendu = "2.5x+1>3.5", .tape = "2,5x+1>35", .resultat = resultatFaux},
        {.genre = typeInegaliteStricte, .attendu = "x<3", .tape = "x<=3", .resultat = resultatNonCompris,
         .lignes = {"La réponse doit contenir une inégalité $LPstrilar;stricte;."}, .signal = true},
        {.genre = typeInegaliteStricte, .attendu = "x<3", .tape = "x<3"},
        {.genre = typeInegalite, .attendu = "x=2", .tape = "x>2", .resultat = resultatNonCompris, .lignes = prof},
        {.genre = typeInegalite, .attendu = "x>", .tape = "x>2", .resultat = resultatNonCompris, .lignes = prof},
    };
    for (const CasType& c : cas) verifierCas(c);
}

TEST_F(VerifierSelonType, Encadrements)
{
    const CasType cas[] = {
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "1<x<=2"},
        {.genre = typeEncadrement, .attendu = "1 < x <= 2", .tape = "1< x <=2"},
        {.genre = typeEncadrement, .attendu = "1.5<0.5x<=2", .tape = "1,5<0,5x<=2"},
        {.genre = typeEncadrement, .attendu = "1.5<0.5x<=2", .tape = "1,5<05x<=2", .resultat = resultatNonCompris,
         .lignes = {"La réponse n'est pas un encadrement de l'expression demandée."}, .signal = true},
        {.genre = typeEncadrement, .attendu = "1.5<0.5x<=2", .tape = "1,5<5x<=2", .resultat = resultatNonCompris,
         .lignes = {"La réponse n'est pas un encadrement de l'expression demandée."}, .signal = true},
        {.genre = typeEncadrement, .attendu = "1.5<0.5x<=2", .tape = "15<0,5x<=2", .resultat = resultatFaux},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "1<=x<=2", .resultat = resultatFaux},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "1<x<2", .resultat = resultatFaux},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "0<x<=2", .resultat = resultatFaux},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "2>=x>1", .resultat = resultatNonCompris,
         .lignes = {"La réponse ne doit utiliser que les signes  <  ou  infEgal  (pour <=)",
                    "La réponse n'est pas un encadrement de l'expression demandée."},
         .signal = true},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "1<y<=2", .resultat = resultatNonCompris,
         .lignes = {"La réponse n'est pas un encadrement de l'expression demandée."}, .signal = true},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "<x<=2", .resultat = resultatNonCompris,
         .lignes = {"La réponse n'est pas un encadrement de l'expression demandée."}, .signal = true},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "1<x", .resultat = resultatNonCompris,
         .lignes = {"La réponse n'est pas un encadrement de l'expression demandée."}, .signal = true},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "1<x<=", .resultat = resultatNonCompris,
         .lignes = incomprise, .signal = true},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "2/2<x<=2", .resultat = resultatForme,
         .lignes = simplifiable, .signal = true},
        {.genre = typeEncadrement, .attendu = "1<x<=2", .tape = "1<x<=4/2", .resultat = resultatForme,
         .lignes = simplifiable, .signal = true},
        {.genre = typeEncadrement, .attendu = "x<=2", .tape = "1<x<=2", .resultat = resultatNonCompris, .lignes = prof},
        {.genre = typeEncadrement, .attendu = "1<x", .tape = "1<x<=2", .resultat = resultatNonCompris, .lignes = prof},
    };
    for (const CasType& c : cas) verifierCas(c);
}

TEST(LireSigneInegalite, SigneEnTete)
{
    const struct {
        const char* texte;
        int signe;
        const char* reste;
    } cas[] = {
        {"<3", signeInferieur, "3"},       {"<=3", signeInferieurEgal, "3"}, {">x", signeSuperieur, "x"},
        {">=", signeSuperieurEgal, ""},    {"<", signeInferieur, ""},        {"=3", signeAucun, "=3"},
        {"", signeAucun, ""},              {"3<", signeAucun, "3<"},         {"=<3", signeAucun, "=<3"},
        {"<<3", signeInferieur, "<3"},
    };
    for (const auto& c : cas) {
        std::string texte = c.texte;
        EXPECT_EQ(lireSigneInegalite(texte), c.signe) << c.texte;
        EXPECT_EQ(texte, c.reste) << c.texte;
    }
}

TEST(FormeSimplifiable, SelonLesDeuxFormes)
{
    const struct {
        int attendue;
        int donnee;
        bool simplifiable;
    } cas[] = {
        {2, 2, false}, {2, 3, true},  {2, 4, true},  {2, 10, true}, {3, 4, false}, {3, 10, true},
        {4, 3, false}, {4, 10, true}, {5, 10, false}, {10, 2, false}, {3, 3, false}, {4, 4, false},
    };
    for (const auto& c : cas)
        EXPECT_EQ(formeSimplifiable(c.attendue, c.donnee), c.simplifiable) << c.attendue << " " << c.donnee;
}

class SignalerIncorrect : public BancSolution {};

TEST_F(SignalerIncorrect, BipInterrogatifEtImage)
{
    signalerIncorrect(d);
    EXPECT_EQ(systeme.bips, std::vector<unsigned>{MB_ICONQUESTION});
    ASSERT_EQ(surface->nbObjets, 1);
    const Tobjet& image = *surface->objets[1];
    EXPECT_EQ(image.genre, genreImageInterne);
    EXPECT_EQ(image.donneesDe<TimageInterne>().image, &imageIncorrecte);
    EXPECT_EQ(image.donneesDe<TimageInterne>().x, 2 * 8);
    EXPECT_EQ(image.donneesDe<TimageInterne>().y, 1.5 * 18);
}

TEST_F(VerifierSelonType, ToutTexteDonneUnResultat)
{
    // What a pupil or an exercise may leave in a field, up to the 120 characters a field keeps.
    const std::string textes[] = {
        "",
        std::string(120, ' '),
        std::string(120, '9'),
        std::string(60, '(') + std::string(60, ')'),
        std::string(120, '<'),
        std::string(119, '-') + "1",
        "1<" + std::string(117, 'x') + "<2",
        "=SOMME(" + std::string(112, 'A') + ")",
        std::string(40, ';') + std::string(40, '1') + std::string(40, '/'),
        "*10P*10P*10P-",
        "\xB0\xB0\xFF\x01\x80",
        "1/0;0/0;rac(-1)",
        "9999999999999999999*10p99999",
    };
    int n = 0;
    for (int genre = 0; genre < 256; ++genre) {
        for (const std::string& tape : textes) {
            const std::string& attendu = textes[static_cast<std::size_t>(n++) % std::size(textes)];
            nouvelleValidation();
            d.nbChamps = 2;
            d.typeReponse[2] = static_cast<std::uint8_t>(genre);
            d.reponseTapee[2] = tape;
            d.texteAttendu[2] = attendu;
            d.lettresAdmises = attendu;
            d.champsReponse[2].termesAdmis = attendu;
            d.valeurAttendue[2] = genre % 6;
            std::uint8_t resultat = 0;
            verifierSelonType(d, 2, resultat);
            EXPECT_TRUE(resultat == resultatJuste || resultat == resultatFaux || resultat == resultatNonCompris ||
                        resultat == resultatForme)
                << genre << " \"" << tape << "\" \"" << attendu << "\"";
        }
    }
}

}  // namespace
