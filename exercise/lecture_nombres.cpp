#include "exercise/lecture_nombres.h"

#include <cmath>
#include <cstdint>
#include <numeric>

#include "engine/base/chaines.h"

namespace {

constexpr std::size_t chiffresMax = 15;

}  // namespace

bool lectureReussie(int code) { return code != lectureIncomprise && code != lectureDenominateurNul; }

void lireNombre(const std::string& texte, double& valeur, int& code)
{
    valeur = 0;
    code = lectureIncomprise;
    if (texte.empty() || texte.size() > chiffresMax) return;
    double v = 0;
    for (const char c : texte) {
        if (!estChiffre(c)) return;
        v = v * 10 + (c - '0');
    }
    valeur = v;
    code = lectureEntier;
}

void lireNombreOuFraction(const std::string& texte, double& valeur, int& code)
{
    std::size_t separateur = texte.find(',');
    if (separateur == std::string::npos) separateur = texte.find('.');
    if (separateur == std::string::npos) {
        lireNombre(texte, valeur, code);
        return;
    }
    valeur = 0;
    double entier = 0;
    double decimales = 0;
    lireNombre(texte.substr(0, separateur), entier, code);
    if (code != lectureEntier) return;
    lireNombre(texte.substr(separateur + 1), decimales, code);
    if (code != lectureEntier) return;
    for (std::size_t i = separateur + 1; i < texte.size(); ++i) decimales /= 10;
    valeur = entier + decimales;
    code = lectureDecimal;
}

void lireFraction(const std::string& texte, double& valeur, int& code, double& numerateur,
                  double& denominateur)
{
    const std::size_t barre = texte.find('/');
    if (barre == std::string::npos) {
        lireNombreOuFraction(texte, valeur, code);
        numerateur = valeur;
        denominateur = 1;
        return;
    }
    int codeNumerateur = lectureIncomprise;
    int codeDenominateur = lectureIncomprise;
    valeur = 0;
    numerateur = 0;
    denominateur = 0;
    lireNombreOuFraction(texte.substr(0, barre), numerateur, codeNumerateur);
    if (!lectureReussie(codeNumerateur)) {
        code = codeNumerateur;
        return;
    }
    lireNombreOuFraction(texte.substr(barre + 1), denominateur, codeDenominateur);
    if (!lectureReussie(codeDenominateur)) {
        code = codeDenominateur;
        return;
    }
    if (denominateur == 0) {
        code = lectureDenominateurNul;
        return;
    }
    valeur = numerateur / denominateur;
    code = codeNumerateur == lectureEntier && codeDenominateur == lectureEntier ? lectureFraction
                                                                              : lectureFractionDecimaux;
}

void lireNombreSigne(const std::string& texte, double& valeur, int& code, double& numerateur,
                     double& denominateur)
{
    // Without any blank, trimming the ends before and after the sign has nothing left to do.
    std::string t = sansEspaces(texte);
    const bool negatif = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) t.erase(0, 1);
    lireFraction(t, valeur, code, numerateur, denominateur);
    if (negatif && lectureReussie(code)) valeur = -valeur;
}

bool termesReductibles(double numerateur, double denominateur)
{
    constexpr double limite = 9.0e18;
    const auto entier = [](double x) { return std::isfinite(x) && std::fabs(x) < limite && x == std::trunc(x); };
    if (!entier(numerateur) || !entier(denominateur)) return false;
    return std::gcd(static_cast<std::int64_t>(numerateur), static_cast<std::int64_t>(denominateur)) >= 2;
}
