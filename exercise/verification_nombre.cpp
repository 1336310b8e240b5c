#include "exercise/verification_nombre.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "engine/base/chaines.h"
#include "engine/base/nombres.h"
#include "exercise/ecriture_solution.h"
#include "exercise/lecture_duree.h"
#include "exercise/lecture_nombres.h"
#include "exercise/signalement.h"
#include "exercise/tete_reponse.h"
#include "exercise/verification_nombre_interne.h"
#include "exercise/verification_valeurs.h"

namespace {

// In mental calculation a slip of writing costs the answer but shows nothing: the series goes on.
enum class Silence { jamais, enCalculMental };

void refuser(TverificationNombre& v, std::uint8_t code, std::initializer_list<std::string> lignes,
             Silence silence)
{
    v.resultat = code;
    if (silence == Silence::enCalculMental && v.donnees.modeReponse == modeCalculMental) return;
    for (const std::string& ligne : lignes) ecrireLigneSolution(v.donnees, ligne);
    signalerIncorrect(v.donnees);
}

void juger(TverificationNombre& v, bool juste)
{
    v.resultat = juste ? resultatJuste : resultatFaux;
}

// Answers given as words: true/false, yes/no. The first two words read 0, the last two 1.
struct TmotsReponse {
    std::uint8_t genre;
    const char* mots[4];
    const char* aide;
};
constexpr TmotsReponse motsReponses[] = {
    {typeVraiFaux, {"V", "VRAI", "F", "FAUX"}, "n'a pas été comprise (taper V ou F)."},
    {typeOuiNon, {"O", "OUI", "N", "NON"}, "n'a pas été comprise (taper O ou N)."},
};

void verifierMots(TverificationNombre& v, const TmotsReponse& mots, std::string texte)
{
    supprimerBlancsExtremes(texte);
    texte = enMajuscules(texte);
    for (int i = 0; i < 4; ++i) {
        if (texte != mots.mots[i]) continue;
        const double lu = i < 2 ? 0 : 1;
        v.donnees.valeurTapee[v.k] = lu;
        juger(v, lu == v.donnees.valeurAttendue[v.k]);
        return;
    }
    refuser(v, resultatNonCompris, {v.tete + mots.aide}, Silence::jamais);
}

// "x<y": the two terms of termesAdmis around "<", "=" or ">", in either order.
void verifierComparaison(TverificationNombre& v, const std::string& texte)
{
    const std::string t = sansEspaces(texte);
    const std::string& termes = v.donnees.champsReponse[v.k].termesAdmis;
    const auto estTerme = [&](char c) { return termes.size() >= 2 && (c == termes[0] || c == termes[1]); };
    // "<" reads 0, "=" 1, ">" 2.
    const std::size_t signe = t.size() == 3 ? std::string_view("<=>").find(t[1]) : std::string_view::npos;
    if (signe == std::string_view::npos || !estTerme(t[0]) || !estTerme(t[2]) || t[0] == t[2]) {
        const std::string t1 = termes.substr(0, 1);
        const std::string t2 = termes.size() >= 2 ? termes.substr(1, 1) : std::string();
        refuser(v, resultatNonCompris,
                {v.tete + "n'a pas été comprise (taper " + t1 + " < " + t2 + "  ou  " + t1 + " = " + t2 +
                 "  ou  " + t1 + " > " + t2 + ")."},
                Silence::jamais);
        return;
    }
    // Written the other way round, y>x says x<y.
    const double lu = t[0] == termes[1] ? 2.0 - static_cast<double>(signe) : static_cast<double>(signe);
    v.donnees.valeurTapee[v.k] = lu;
    juger(v, lu == v.donnees.valeurAttendue[v.k]);
}

void verifierDuree(TverificationNombre& v, const std::string& texte)
{
    double secondes = 0;
    int code = lectureIncomprise;
    lireDuree(texte, secondes, code);
    if (!lectureReussie(code)) {
        refuser(v, resultatNonCompris,
                {v.tete + "n'a pas été comprise.",
                 "Exemple de réponse comprise : 1 h 2 min 3 s   ou   2 min   ou    3 h 55 min",
                 "Le nombre de minutes ou de secondes doit être inférieur à 60.",
                 "Le nombre d'heures ou de minutes doit être entier."},
                Silence::jamais);
        return;
    }
    v.donnees.valeurTapee[v.k] = secondes;
    juger(v, secondes == v.donnees.valeurAttendue[v.k]);
}

// A decimal followed by "pi": the decimal is what is judged. False when the answer was refused.
bool retirerPi(TverificationNombre& v, std::string& texte)
{
    supprimerBlancsExtremes(texte);
    const std::string majuscules = enMajuscules(texte);
    if (majuscules.find("PI") == std::string::npos) {
        refuser(v, resultatNonCompris, {v.tete + "doit utiliser $~p pour être exacte."}, Silence::jamais);
        return false;
    }
    if (majuscules.size() < 2 || majuscules.compare(majuscules.size() - 2, 2, "PI") != 0) {
        refuser(v, resultatNonCompris,
                {v.tete + "doit être un décimal suivi par pi.", "Exemple : 3,5 pi pour signifier 3,5 $~p."},
                Silence::jamais);
        return false;
    }
    texte.resize(texte.size() - 2);
    supprimerBlancsExtremes(texte);
    return true;
}

// Rounds a value read from at most 15 digits, or given by an exercise; never overflows.
std::int64_t arrondiEntier(double x)
{
    constexpr double limite = 9.0e18;
    if (!(std::fabs(x) < limite)) return 0;
    return static_cast<std::int64_t>(std::nearbyint(x));
}

bool estFractionDecimale(std::int64_t denominateur)
{
    while (denominateur != 0 && denominateur % 10 == 0) denominateur /= 10;
    return denominateur == 1;
}

// The form a right value must have for its kind (step by step, the first failure refuses).
void verifierForme(TverificationNombre& v, std::uint8_t genre, int code, double numerateur, double denominateur)
{
    TdonneesCommunes& d = v.donnees;
    const std::int64_t den = arrondiEntier(denominateur);
    const std::string& tete = v.tete;
    // Messages are composed only for an answer that gets one.
    const auto pourDenominateur = [&] {
        return tete + "doit avoir pour dénominateur " + reelVersChaine(d.denominateurImpose) + ".";
    };
    const auto refuserSimplifiable = [&] {
        refuser(v, resultatForme, {"Réponse simplifiable", tete + "peut être simplifiée."}, Silence::enCalculMental);
    };
    const bool nombreOuSimplifiee = genre == typeNombre || genre == typeFractionSimplifiee;

    if (genre == typeFractionDecimale) {
        if (code != lectureFraction) {
            refuser(v, resultatForme, {tete + "doit être donnée sous forme de fraction décimale."}, Silence::enCalculMental);
            return;
        }
        if (d.denominateurImpose > 1 && den != d.denominateurImpose) {
            refuser(v, resultatForme, {pourDenominateur()}, Silence::enCalculMental);
            return;
        }
        if (!estFractionDecimale(den)) {
            refuser(v, resultatForme, {tete + "doit être donnée sous forme de fraction décimale."}, Silence::enCalculMental);
            return;
        }
    }
    if ((genre == typeFraction && code != lectureFraction) || (genre == typeFractionSimplifiee && code == lectureDecimal)) {
        refuser(v, resultatForme, {tete + "doit être donnée sous forme de fraction."}, Silence::enCalculMental);
        return;
    }
    if (genre == typeFractionSimplifiee && code == lectureFractionDecimaux) {
        refuser(v, resultatForme, {tete + "doit utiliser seulement des nombres entiers."}, Silence::enCalculMental);
        return;
    }
    if (nombreOuSimplifiee && (code == lectureFractionDecimaux || (code == lectureFraction && den == 1))) {
        refuserSimplifiable();
        return;
    }
    if (genre == typeFraction && d.denominateurImpose > 1 && code == lectureFraction && den != d.denominateurImpose) {
        refuser(v, resultatForme, {"Réponse incorrecte", pourDenominateur()}, Silence::jamais);
        return;
    }
    // Answers a and b must share their denominator: a's is kept for b.
    const bool memeDenominateur = genre == typeFraction && d.denominateurImpose == 1 && code == lectureFraction;
    // Kept as the record holds it, and compared the same way.
    const auto denominateurGarde = static_cast<std::int32_t>(den);
    if (v.k == 1 && memeDenominateur) d.denominateurReponseA = denominateurGarde;
    if (v.k == 2 && memeDenominateur && d.denominateurReponseA != 0 && denominateurGarde != d.denominateurReponseA) {
        refuser(v, resultatForme, {"Réponse incorrecte", "Les réponses a et b doivent avoir le même dénominateur."},
                Silence::jamais);
        return;
    }
    if (nombreOuSimplifiee && code == lectureFraction && termesReductibles(numerateur, denominateur)) {
        refuserSimplifiable();
        return;
    }
    v.resultat = resultatJuste;
}

bool estAngle(std::uint8_t genre) { return genre == typeAngle180 || genre == typeAngle360; }

void verifierValeur(TverificationNombre& v, std::uint8_t genre, const std::string& texte)
{
    TdonneesCommunes& d = v.donnees;
    const std::string& tete = v.tete;
    if (texte.find('%') != std::string::npos) {
        refuser(v, resultatNonCompris, {"Ne pas écrire \"%\" dans les réponses numériques."}, Silence::enCalculMental);
        return;
    }
    double valeur = 0, numerateur = 0, denominateur = 0;
    int code = lectureIncomprise;
    lireNombreSigne(texte, valeur, code, numerateur, denominateur);
    if (!lectureReussie(code)) {
        refuser(v, resultatNonCompris, {tete + "n'a pas été comprise."}, Silence::enCalculMental);
        return;
    }
    d.valeurTapee[v.k] = valeur;
    const bool fraction = code == lectureFraction || code == lectureFractionDecimaux;
    if (genre == typeEntier && fraction) {
        refuser(v, resultatNonCompris, {tete + "doit être un nombre entier."}, Silence::enCalculMental);
        return;
    }
    if (estAngle(genre) && valeur < 0) {
        refuser(v, resultatNonCompris, {tete + "doit être un nombre positif."}, Silence::jamais);
        return;
    }
    if (genre == typeAngle180 && valeur > 180) {
        refuser(v, resultatNonCompris, {tete + "doit être un nombre inférieur ou égal à 180."}, Silence::jamais);
        return;
    }
    if (genre == typeAngle360 && valeur >= 360) {
        refuser(v, resultatNonCompris, {tete + "doit être un nombre inférieur à 360."}, Silence::jamais);
        return;
    }
    if ((genre == typeDecimal || genre == typeMultiplePi) && fraction) {
        refuser(v, resultatNonCompris, {tete + "doit être donnée sous forme décimale."}, Silence::enCalculMental);
        return;
    }
    if (!valeurAdmise(v, valeur)) {
        v.resultat = resultatFaux;
        return;
    }
    verifierForme(v, genre, code, numerateur, denominateur);
}

}  // namespace

void verifierNombre(TdonneesCommunes& donnees, int k, std::uint8_t& resultat)
{
    TverificationNombre v{donnees, k, teteReponse(donnees, k), resultat,
                          toleranceNonNulle(donnees.champsReponse[k].tolerance)};
    const std::uint8_t genre = donnees.typeReponse[k];
    // Answer a's denominator is kept only when a is a right fraction, never from an earlier
    // question.
    if (k == 1) donnees.denominateurReponseA = 0;
    std::string texte = donnees.reponseTapee[k];
    if (estAngle(genre) && !texte.empty() && texte.back() == '°') texte.pop_back();

    const std::string compact = enMajuscules(sansEspaces(texte));
    if (genre == typeNotationScientifique) {
        verifierNotationScientifique(v, compact);
        return;
    }
    if (compact.find(marqueNotationScientifique) != std::string::npos) {
        const std::string ligne = donnees.nbChamps == 1
                                      ? "La notation scientifique n'est pas autorisée ici."
                                      : "La notation scientifique n'est pas autorisée pour la réponse " +
                                            std::to_string(k) + ".";
        refuser(v, resultatNonCompris, {ligne}, Silence::jamais);
        return;
    }
    for (const TmotsReponse& mots : motsReponses) {
        if (genre != mots.genre) continue;
        verifierMots(v, mots, texte);
        return;
    }
    switch (genre) {
    case typeMultiplePi:
        if (!retirerPi(v, texte)) return;
        break;
    case typeFormuleTableur:
        verifierFormuleTableur(donnees, static_cast<int>(arrondiEntier(donnees.valeurAttendue[k])), v.tete,
                               donnees.texteAttendu[k], resultat, texte);
        if (resultat == resultatNonCompris) signalerIncorrect(donnees);
        return;
    case typeComparaison:
        verifierComparaison(v, texte);
        return;
    case typeDuree:
        verifierDuree(v, texte);
        return;
    default:
        break;
    }
    verifierValeur(v, genre, texte);
}

// Shared with the scientific-notation branch.
void refuserNombre(TverificationNombre& v, std::initializer_list<std::string> lignes)
{
    refuser(v, resultatNonCompris, lignes, Silence::jamais);
}

bool valeurAdmise(const TverificationNombre& v, double valeur)
{
    const double attendu = v.donnees.valeurAttendue[v.k];
    return valeur >= attendu - v.tolerance && valeur <= attendu + v.tolerance;
}
