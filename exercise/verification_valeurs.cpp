#include "exercise/verification_valeurs.h"

#include <cmath>

#include "exercise/ecriture_solution.h"
#include "exercise/signalement.h"
#include "exercise/verification_type.h"

double toleranceNonNulle(double tolerance)
{
    return tolerance == 0 ? toleranceParDefaut : tolerance;
}

bool ecartTrop(double a, double b, double tolerance)
{
    return !(std::fabs(a - b) <= tolerance);
}

bool valeurSimplifiable(const Tsolution& attendue, const Tsolution& donnee)
{
    return donnee.simplifiable || formeSimplifiable(attendue.forme, donnee.forme);
}

Tsolution lireValeur(const std::string& texte)
{
    Tsolution valeur;
    if (texte.size() > longueurSolutionMax) return valeur;
    valeur.texte = texte;
    lireSolution(valeur);
    return valeur;
}

void refuserExpressionProf(TdonneesCommunes& donnees, std::uint8_t& resultat)
{
    resultat = resultatNonCompris;
    ecrireLigneSolution(donnees, "Expression prof incorrecte !!!");
}

void refuserAvecLigne(TdonneesCommunes& donnees, const std::string& ligne, std::uint8_t& resultat)
{
    resultat = resultatNonCompris;
    signalerIncorrect(donnees);
    ecrireLigneSolution(donnees, ligne);
}

void refuserIncomprise(TdonneesCommunes& donnees, const std::string& tete, std::uint8_t& resultat)
{
    resultat = resultatNonCompris;
    ecrireLigneSolution(donnees, tete + "n'a pas été comprise.");
    signalerIncorrect(donnees);
}

void refuserSimplifiable(TdonneesCommunes& donnees, const std::string& tete, std::uint8_t& resultat)
{
    resultat = resultatForme;
    ecrireLigneSolution(donnees, "Réponse simplifiable");
    signalerIncorrect(donnees);
    ecrireLigneSolution(donnees, tete + "peut être simplifiée.");
}
