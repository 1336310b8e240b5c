#include <string>
#include <string_view>

#include "engine/base/chaine_courte.h"
#include "engine/base/chaines.h"
#include "exercise/tete_reponse.h"
#include "exercise/verification_type.h"
#include "exercise/verification_valeurs.h"

namespace {

// Where the first of the signs, taken in the order given, first occurs; npos when none does.
std::string::size_type chercherSigne(const std::string& texte, std::string_view signes)
{
    for (const char signe : signes)
        if (const std::string::size_type position = texte.find(signe); position != std::string::npos)
            return position;
    return std::string::npos;
}

// The same name of what is bounded, whichever decimal separator each writes: the pupil types
// "2,5x" where the exercise may have written "2.5x".
bool memeNom(std::string a, std::string b)
{
    remplacerTout(a, ",", ".");
    remplacerTout(b, ",", ".");
    return a == b;
}

// "x<3": where the name ends and the sign starts; npos when the text does not start with the name.
std::string::size_type debutSigne(const std::string& a, const std::string& nom)
{
    const std::string::size_type position = chercherSigne(a, "><=");
    if (position != std::string::npos && !memeNom(a.substr(0, position), nom)) return std::string::npos;
    return position;
}

// "1<x<=2": two bounds around a name, each sign "<" or "<=". Texts without blanks.
struct Tencadrement {
    std::string bas;
    int signeBas = signeAucun;
    std::string nom;
    int signeHaut = signeAucun;
    std::string haut;
};

// False when a bound, a sign or the name is missing.
bool decouperEncadrement(const std::string& texte, Tencadrement& e)
{
    const std::string::size_type premier = texte.find('<');
    if (premier == std::string::npos || premier == 0) return false;
    e.bas = texte.substr(0, premier);
    std::string reste = texte.substr(premier);
    e.signeBas = lireSigneInegalite(reste);
    const std::string::size_type second = reste.find('<');
    if (second == std::string::npos || second == 0) return false;
    e.nom = reste.substr(0, second);
    reste.erase(0, second);
    e.signeHaut = lireSigneInegalite(reste);
    e.haut = reste;
    return true;
}

}  // namespace

void verifierInegalite(TdonneesCommunes& donnees, int k, std::uint8_t& resultat)
{
    const std::string tete = teteReponse(donnees, k);
    const std::string& e = donnees.texteAttendu[k];
    const std::string::size_type separation = chercherSigne(e, "><");
    if (separation == std::string::npos) {
        refuserExpressionProf(donnees, resultat);
        return;
    }
    const std::string nom = sansEspaces(e.substr(0, separation));
    std::string attendu = sansEspaces(e.substr(separation));

    std::string a = sansEspaces(donnees.reponseTapee[k]);
    const std::string::size_type position = debutSigne(a, nom);
    if (donnees.typeReponse[k] == typeInegaliteStricte && a.find('=') != std::string::npos) {
        refuserAvecLigne(donnees, tete + "doit contenir une inégalité $LPstrilar;stricte;.", resultat);
        return;
    }
    const std::string debutsAdmis =
        courte(nom + ">  ou  " + nom + "<  ou  " + nom + "Supégal  ou  " + nom + "Infégal");
    const std::string ligneDebut = tete + "doit commencer par :  " + debutsAdmis;
    if (position == std::string::npos) {
        refuserAvecLigne(donnees, ligneDebut, resultat);
        return;
    }
    a.erase(0, position);

    const int signeAttendu = lireSigneInegalite(attendu);
    const Tsolution borneAttendue = lireValeur(attendu);
    if (signeAttendu == signeAucun || borneAttendue.forme == formeIllisible) {
        refuserExpressionProf(donnees, resultat);
        return;
    }
    const int signe = lireSigneInegalite(a);
    if (signe == signeAucun) {
        refuserAvecLigne(donnees, ligneDebut, resultat);
        return;
    }
    const Tsolution borne = lireValeur(a);
    if (borne.forme == formeIllisible) {
        refuserIncomprise(donnees, tete, resultat);
        return;
    }
    const double tolerance = toleranceNonNulle(donnees.champsReponse[k].tolerance);
    if (signe != signeAttendu || ecartTrop(borne.valeur, borneAttendue.valeur, tolerance)) {
        resultat = resultatFaux;
        return;
    }
    if (valeurSimplifiable(borneAttendue, borne)) {
        refuserSimplifiable(donnees, tete, resultat);
        return;
    }
    resultat = resultatJuste;
}

void verifierEncadrement(TdonneesCommunes& donnees, int k, std::uint8_t& resultat)
{
    const std::string tete = teteReponse(donnees, k);
    Tencadrement attendu;
    if (!decouperEncadrement(sansEspaces(donnees.texteAttendu[k]), attendu)) {
        refuserExpressionProf(donnees, resultat);
        return;
    }
    const Tsolution basAttendu = lireValeur(attendu.bas);
    const Tsolution hautAttendu = lireValeur(attendu.haut);
    if (basAttendu.forme == formeIllisible || hautAttendu.forme == formeIllisible) {
        refuserExpressionProf(donnees, resultat);
        return;
    }

    const std::string a = sansEspaces(donnees.reponseTapee[k]);
    // Reported, and the reading goes on so that what else is wrong is said below it.
    const bool avecSuperieur = a.find('>') != std::string::npos;
    if (avecSuperieur)
        refuserAvecLigne(donnees, tete + "ne doit utiliser que les signes  <  ou  infEgal  (pour <=)", resultat);
    Tencadrement donne;
    if (!decouperEncadrement(a, donne) || !memeNom(donne.nom, attendu.nom)) {
        refuserAvecLigne(donnees, tete + "n'est pas un encadrement de l'expression demandée.", resultat);
        return;
    }
    const Tsolution bas = lireValeur(donne.bas);
    const Tsolution haut = lireValeur(donne.haut);
    if (bas.forme == formeIllisible || haut.forme == formeIllisible) {
        refuserIncomprise(donnees, tete, resultat);
        return;
    }
    // A ">" was refused above: the answer stays refused whatever its values.
    if (avecSuperieur) return;
    const double tolerance = toleranceNonNulle(donnees.champsReponse[k].tolerance);
    if (donne.signeBas != attendu.signeBas || donne.signeHaut != attendu.signeHaut ||
        ecartTrop(bas.valeur, basAttendu.valeur, tolerance) || ecartTrop(haut.valeur, hautAttendu.valeur, tolerance)) {
        resultat = resultatFaux;
        return;
    }
    if (valeurSimplifiable(basAttendu, bas) || valeurSimplifiable(hautAttendu, haut)) {
        refuserSimplifiable(donnees, tete, resultat);
        return;
    }
    resultat = resultatJuste;
}
