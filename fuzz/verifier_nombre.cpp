// Any text typed in a numeric field, for every numeric kind, in every mode: a result, never a
// crash, a read out of bounds or an endless loop. And the typed-back promise: a value an exercise
// expects, typed as the program writes it (with its decimal comma, a fraction in lowest terms where
// the kind asks for it), is right.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>

#include "engine/base/nombres.h"
#include "exercise/verification_nombre.h"
#include "fuzz/verification_commune.h"

namespace {

constexpr std::size_t nbGenres = nbGenresNumeriques;
constexpr int denominateursImposes[] = {0, 1, 100};
// Answer a's denominator, which answer b of a fraction must share.
constexpr int denominateurA = 4;
// What the scientific notation's power of ten must be.
constexpr int exposant = 3;

// The field as the first byte sets it: the kind, then the mode, the field and the denominator
// rule. Gives the field.
int preparer(TdonneesCommunes& d, unsigned choix)
{
    const std::uint8_t genre = genresNumeriques[choix % nbGenres];
    const int k = static_cast<int>(choix / nbGenres % 3) + 1;
    d.modeReponse = choix & 0x80 ? modeCalculMental : modeSaisie;
    d.nbChamps = static_cast<std::uint8_t>(k == 1 && choix & 0x40 ? 1 : 3);
    d.denominateurImpose = denominateursImposes[choix / 16 % 3];
    d.denominateurReponseA = denominateurA;
    d.typeReponse[k] = genre;
    d.valeurAttendue[k] = genre == typeFormuleTableur ? k + (choix & 3) : 0.25;
    d.texteAttendu[k] = (choix & 1) ? "B2:B6" : "B2*C2 C2*B2";
    d.champsReponse[k].termesAdmis = "xy";
    d.champsReponse[k].exposantAttendu = exposant;
    d.champsReponse[k].tolerance = (choix & 2) ? 0 : 0.01;
    return k;
}

// As many decimals as the program writes.
constexpr std::size_t decimalesEcrites = 11;

// An exercise's value: "-12.5", a decimal of at most 15 digits and 11 decimals, or "3/4", a
// fraction of whole numbers of at most 15 digits.
struct Tattendu {
    double valeur = 0;
    bool negatif = false;
    std::string entier, decimales;
    // The fraction's terms; a decimal has none.
    std::int64_t numerateur = 0, denominateur = 0;
};

std::size_t chiffres(const std::string& t, std::size_t i)
{
    std::size_t fin = i;
    while (fin < t.size() && t[fin] >= '0' && t[fin] <= '9') ++fin;
    return fin - i;
}

std::optional<Tattendu> lireAttendu(const std::string& t)
{
    Tattendu a;
    std::size_t i = 0;
    a.negatif = !t.empty() && t[0] == '-';
    i += a.negatif;
    const std::size_t n = chiffres(t, i);
    if (n == 0 || n > 15) return std::nullopt;
    a.entier = t.substr(i, n);
    i += n;
    if (i == t.size() || t[i] == '.') {
        if (i < t.size()) {
            const std::size_t d = chiffres(t, i + 1);
            if (d == 0 || d > decimalesEcrites || i + 1 + d != t.size()) return std::nullopt;
            a.decimales = t.substr(i + 1);
        }
        // As the exercise's own literal would be.
        std::from_chars(t.data(), t.data() + t.size(), a.valeur);
        return a;
    }
    const std::size_t q = t[i] == '/' ? chiffres(t, i + 1) : 0;
    if (q == 0 || q > 15 || i + 1 + q != t.size()) return std::nullopt;
    a.numerateur = std::stoll(a.entier);
    a.denominateur = std::stoll(t.substr(i + 1));
    if (a.denominateur == 0) return std::nullopt;
    a.valeur = static_cast<double>(a.numerateur) / static_cast<double>(a.denominateur);
    if (a.negatif) a.valeur = -a.valeur;
    return a;
}

bool puissanceDeDix(std::int64_t n)
{
    while (n % 10 == 0) n /= 10;
    return n == 1;
}

// What the pupil types for the kind; nothing when the exercise could not expect that value.
std::optional<std::string> tapeParLePupille(const TdonneesCommunes& d, int k, const Tattendu& a)
{
    const std::uint8_t genre = d.typeReponse[k];
    const std::string signe = a.negatif ? "-" : "";
    if (a.denominateur != 0) {
        std::int64_t p = a.numerateur, q = a.denominateur;
        if (genre == typeFractionSimplifiee || genre == typeNombre) {
            const std::int64_t g = std::gcd(p, q);
            p /= g;
            q /= g;
            return signe + std::to_string(p) + (q == 1 ? "" : "/" + std::to_string(q));
        }
        const bool imposeAutre = d.denominateurImpose > 1 && q != d.denominateurImpose;
        if (genre == typeFraction && !imposeAutre && !(k == 2 && d.denominateurImpose == 1 && q != denominateurA))
            return signe + a.entier + "/" + std::to_string(q);
        if (genre == typeFractionDecimale && !imposeAutre && puissanceDeDix(q))
            return signe + a.entier + "/" + std::to_string(q);
        return std::nullopt;
    }
    const std::string ecrit = reelVersTexte(a.valeur);
    const bool entier = a.decimales.empty();
    switch (genre) {
    case typeEntier:
    case typeFractionSimplifiee:
        if (!entier) return std::nullopt;
        return ecrit;
    case typeDecimal:
    case typeNombre:
        return ecrit;
    case typeAngle180:
    case typeAngle360:
        if (a.valeur < 0 || (genre == typeAngle180 ? a.valeur > 180 : a.valeur >= 360)) return std::nullopt;
        return ecrit;
    case typeMultiplePi:
        return ecrit + " pi";
    case typeNotationScientifique:
        if (!(std::fabs(a.valeur) >= 1 && std::fabs(a.valeur) < 10)) return std::nullopt;
        return ecrit + " * 10p" + std::to_string(exposant);
    default:
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    if (taille == 0) return 0;
    const unsigned choix = octets[0];
    const std::string texte = texteDe(octets + 1, taille - 1);

    TdonneesCommunes& d = donneesFuzz();
    const int k = preparer(d, choix);
    d.reponseTapee[k] = texte;
    std::uint8_t resultat = resultatJuste;
    verifierNombre(d, k, resultat);
    verifierResultatConnu(resultat);

    // The same field again, expecting the input read as an exercise's value.
    const std::optional<Tattendu> attendu = lireAttendu(texte);
    if (!attendu) return 0;
    preparer(donneesFuzz(), choix);
    const std::optional<std::string> tape = tapeParLePupille(d, k, *attendu);
    if (!tape) return 0;
    d.valeurAttendue[k] = attendu->valeur;
    d.reponseTapee[k] = *tape;
    resultat = resultatFaux;
    verifierNombre(d, k, resultat);
    verifier(resultat == resultatJuste);
    return 0;
}
