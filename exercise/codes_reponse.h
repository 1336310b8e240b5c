#pragma once
// How a question is answered, the kind of each answer field and the results of a check.

#include <cstdint>

// Answer modes (modeReponse).
constexpr std::uint8_t modeSaisie = 2;
constexpr std::uint8_t modeCalculMental = 3;
constexpr std::uint8_t modeCases = 4;
constexpr std::uint8_t modeEchange = 5;
constexpr std::uint8_t modeSansReponse = 6;

// Answer kinds (typeReponse). The numeric ones are judged by verifierNombre.
constexpr std::uint8_t typeEntier = 1;
constexpr std::uint8_t typeDecimal = 2;
constexpr std::uint8_t typeFractionSimplifiee = 6;
constexpr std::uint8_t typeNombre = 7;
constexpr std::uint8_t typeFraction = 10;
constexpr std::uint8_t typeAngle180 = 12;
constexpr std::uint8_t typeAngle360 = 13;
constexpr std::uint8_t typeFractionDecimale = 20;
constexpr std::uint8_t typeVraiFaux = 30;
constexpr std::uint8_t typeMultiplePi = 31;
constexpr std::uint8_t typeNotationScientifique = 32;
constexpr std::uint8_t typeOuiNon = 35;
constexpr std::uint8_t typeComparaison = 36;
constexpr std::uint8_t typeDuree = 37;
constexpr std::uint8_t typeFormuleTableur = 38;
// Names of points, lines, segments and half-lines.
constexpr std::uint8_t typeNomDroite = 3;
constexpr std::uint8_t typeNomDemiDroite = 4;
constexpr std::uint8_t typeNomDeuxPoints = 5;
constexpr std::uint8_t typeNomSegment = 9;
constexpr std::uint8_t typeNomDeuxPointsListe = 11;
constexpr std::uint8_t typeNomAngle = 21;
constexpr std::uint8_t typeNomPoint = 33;
constexpr std::uint8_t typeNomTroisPoints = 34;
constexpr std::uint8_t typeNomQuatrePoints = 47;
constexpr std::uint8_t typeEnsemblePoints = 48;
// Expressions.
constexpr std::uint8_t typeExpression = 14;
constexpr std::uint8_t typeExpressionFactorisee = 16;
constexpr std::uint8_t typeExpressionDeveloppee = 17;
constexpr std::uint8_t typeExpressionSansParentheses = 18;
constexpr std::uint8_t typeExpressionLibre = 43;
// Lists, solutions, coordinates.
constexpr std::uint8_t typeSolutions = 39;
constexpr std::uint8_t typeListeNonOrdonnee = 44;
constexpr std::uint8_t typeListeOrdonnee = 45;
constexpr std::uint8_t typeCoordonnees = 46;
// Inequalities and bounds.
constexpr std::uint8_t typeInegalite = 40;
constexpr std::uint8_t typeInegaliteStricte = 41;
constexpr std::uint8_t typeEncadrement = 42;

// Result codes (resultat, resultatChamp).
constexpr std::uint8_t resultatJuste = 1;
constexpr std::uint8_t resultatFaux = 3;
// Refusals: no attempt is counted.
constexpr std::uint8_t resultatNonCompris = 6;
constexpr std::uint8_t resultatForme = 9;
