#pragma once
// Compares the pupil's expression with the expected one: same values at a set of points, then
// the form that the answer kind asks for.

#include <string>

// Results of comparerExpressions.
constexpr int comparaisonJuste = 0;
constexpr int comparaisonReponseIllisible = 2;
constexpr int comparaisonValeursDifferentes = 3;
constexpr int comparaisonNonPolynomiale = 4;      // a variable in a denominator or under a root
constexpr int comparaisonNonDeveloppee = 5;
constexpr int comparaisonTropDeTermes = 6;
constexpr int comparaisonNonFactorisee = 7;
constexpr int comparaisonPasAssezFactorisee = 8;
constexpr int comparaisonVariableInconnue = 9;
constexpr int comparaisonParenthesage = 10;
constexpr int comparaisonSimplifiable = 11;
constexpr int comparaisonParenthesesInterdites = 12;
constexpr int comparaisonPuissance = 13;
constexpr int comparaisonQuotientProduit = 14;
constexpr int comparaisonAttenduIllisible = 16;
constexpr int comparaisonRacineVariable = 17;
constexpr int comparaisonNonReduite = 18;

// reponse is the pupil's text, attendu the expected one, variables the variable letters; values
// are equal when they differ by less than the tolerance (a tolerance that is not positive stands
// for 1e-9). Answer kinds below 19 refuse a variable in a denominator or under a root.
int comparerExpressions(const std::string& reponse, const std::string& attendu, const std::string& variables,
                        double tolerance, int genre);
