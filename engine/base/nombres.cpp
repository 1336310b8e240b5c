#include "engine/base/nombres.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/base/chaine_courte.h"
#include "engine/base/chaines.h"

namespace {

// NaN and the infinities get a word rather than digits: they only come from a fault upstream,
// and a word shows it without any arithmetic on them.
std::string texteNonFini(double x)
{
    if (std::isnan(x)) return "NaN";
    return x < 0 ? "-Inf" : "Inf";
}

// The shortest digits that read back as x, cut at `decimales` decimals with halves going up. The
// double's exact binary value would show its noise from 65536 up (100000.1 is stored as
// 100000.100000000005820766...). to_chars also ignores the locale, which Qt sets from the
// environment: a French locale would otherwise put its own comma in the middle of our texts.
std::string enDecimales(double x, int decimales)
{
    // The longest fixed form, that of -5e-324, has 327 characters.
    std::array<char, 400> tampon{};
    const auto fin =
        std::to_chars(tampon.data(), tampon.data() + tampon.size(), x, std::chars_format::fixed)
            .ptr;
    std::string s(tampon.data(), fin);
    const auto point = s.find('.');
    const auto coupe = point + 1 + static_cast<std::size_t>(decimales);
    if (point == std::string::npos || s.size() <= coupe) return s;
    const bool versLeHaut = s[coupe] >= '5';
    s.erase(decimales == 0 ? point : coupe);
    if (!versLeHaut) return s;
    for (auto i = s.size(); i-- > 0;) {
        if (s[i] == '.') continue;
        if (s[i] == '-') break;
        if (s[i] != '9') {
            ++s[i];
            return s;
        }
        s[i] = '0';
    }
    s.insert(s.starts_with('-') ? 1 : 0, "1");
    return s;
}

// Zeros after the point say nothing; zeros of an integer do, so a text without a point keeps them.
void supprimerZerosDecimaux(std::string& s)
{
    if (s.find('.') == std::string::npos) return;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
}

std::string versTextePupille(std::string s)
{
    s = courte(s);
    if (const auto point = s.find('.'); point != std::string::npos) s[point] = ',';
    return s;
}

// The shortest digits that give back the same double: eighteen digits would show the binary
// representation (2.5e-12 is stored as 2.49999999999999985e-12).
std::string formeExposant(double a)
{
    std::array<char, 64> tampon{};
    const auto fin =
        std::to_chars(tampon.data(), tampon.data() + tampon.size(), a, std::chars_format::scientific)
            .ptr;
    const std::string_view ecrit(tampon.data(), static_cast<std::size_t>(fin - tampon.data()));
    const auto e = ecrit.find('e');
    std::string mantisse(ecrit.substr(0, e));
    std::string_view exposantEcrit = ecrit.substr(e + 1);
    if (exposantEcrit.front() == '+') exposantEcrit.remove_prefix(1);
    int exposant = 0;
    std::from_chars(exposantEcrit.data(), exposantEcrit.data() + exposantEcrit.size(), exposant);
    supprimerZerosDecimaux(mantisse);
    if (exposant == 0) return mantisse;
    return mantisse + " x 10^(" + (exposant < 0 ? "-" : "") + std::to_string(std::abs(exposant)) +
           ")";
}

// Halves go up: the truncation and the comparison stay in doubles, as a × 10ⁿ may exceed any
// integer type.
std::string formeArrondie(double a, int decimales)
{
    double p = 1;
    for (int i = 0; i < decimales; ++i) p *= 10;
    const double produit = a * p;
    const double t = std::trunc(produit);
    const double valeur = (produit - t < 0.5 ? t : t + 1) / p;
    std::string s = enDecimales(valeur, decimales);
    supprimerZerosDecimaux(s);
    return s;
}

// In 64 bits so that |INT_MIN| and its divisors are plain numbers.
std::int64_t pgcdLong(std::int64_t a, std::int64_t b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const std::int64_t reste = a % b;
        a = b;
        b = reste;
    }
    return a;
}

bool estChiffre(char c) { return c >= '0' && c <= '9'; }

std::size_t passerChiffres(std::string_view s, std::size_t& i)
{
    const std::size_t debut = i;
    while (i < s.size() && estChiffre(s[i])) ++i;
    return i - debut;
}

// The runtime's syntax: a sign, digits with at most one point (at least one digit in all), then
// an optional exponent with its own sign and at least one digit. Nothing else, so "inf", "nan"
// and hexadecimal forms are not numbers.
bool estNombreBienForme(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t chiffres = passerChiffres(s, i);
    if (i < s.size() && s[i] == '.') {
        ++i;
        chiffres += passerChiffres(s, i);
    }
    if (chiffres == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (passerChiffres(s, i) == 0) return false;
    }
    return i == s.size();
}

}  // namespace

std::string reelVersChaine(double x)
{
    if (!std::isfinite(x)) return texteNonFini(x);
    // Zero itself, negative zero included, is "0"; a tiny negative value keeps its sign ("-0").
    if (x == 0) return "0";
    // An integer has no point in its shortest form: it keeps its zeros.
    std::string s = enDecimales(x, 11);
    supprimerZerosDecimaux(s);
    return s;
}

std::string reelVersTexte(double x) { return versTextePupille(reelVersChaine(x)); }

std::string notationScientifique(int decimales, double x)
{
    if (!std::isfinite(x)) return texteNonFini(x);
    const int n = std::clamp(decimales, 0, 11);
    const double a = std::fabs(x);
    std::string s = a >= 1e11 || (a <= 1e-11 && n == 11) ? formeExposant(a) : formeArrondie(a, n);
    if (x < 0 && s != "0") s.insert(0, "-");
    return s;
}

std::string notationScientifiqueTexte(int decimales, double x)
{
    return versTextePupille(notationScientifique(decimales, x));
}

std::string fractionVersTexte(int numerateur, int denominateur, bool simplifier)
{
    if (numerateur == 0) return "0";
    std::int64_t p = numerateur;
    std::int64_t q = denominateur;
    if (q < 0) {
        p = -p;
        q = -q;
    }
    const bool negative = p < 0;
    if (negative) p = -p;
    // A zero denominator is written as given: every p/0 would otherwise become 1/0.
    if (simplifier && q != 0) {
        const std::int64_t d = pgcdLong(p, q);
        p /= d;
        q /= d;
    }
    std::string a = std::to_string(p);
    std::string b = std::to_string(q);
    std::string texte = a;
    if (q != 1) {
        const std::size_t largeur = std::max(a.size(), b.size());
        a.insert(0, largeur - a.size(), ' ');
        b.insert(0, largeur - b.size(), ' ');
        texte = "$F" + a + ";" + b + ";";
    }
    return negative ? "-" + texte : texte;
}

void texteDecimalVirgule(std::string& s)
{
    std::erase(s, ' ');
    std::replace(s.begin(), s.end(), '.', ',');
    if (s.starts_with(',')) s.insert(0, "0");
    if (s.find(',') != std::string::npos) {
        while (s.ends_with('0')) s.pop_back();
        if (s.ends_with(',')) s.pop_back();
    }
    std::size_t zeros = 0;
    while (s.size() - zeros >= 2 && s[zeros] == '0' && s[zeros + 1] != ',') ++zeros;
    s.erase(0, zeros);
}

double chaineVersReel(const std::string& s)
{
    std::string texte = s;
    if (const auto virgule = texte.find(','); virgule != std::string::npos) texte[virgule] = '.';
    // Blanks around the number are what a pupil leaves by accident; anything else spoils it.
    supprimerBlancsExtremes(texte);
    std::string_view nombre = texte;
    if (!estNombreBienForme(nombre)) return 0;
    if (nombre.front() == '+') nombre.remove_prefix(1);
    double valeur = 0;
    const auto [lu, erreur] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    // Out of the range of a double ("1e99999"): no number a pupil means.
    if (erreur != std::errc() || lu != nombre.data() + nombre.size()) return 0;
    return valeur;
}

int pgcd(int a, int b)
{
    // Only pgcd(INT_MIN, 0) and pgcd(INT_MIN, INT_MIN) are 2³¹, which int cannot hold: they wrap
    // to INT_MIN, by which the arguments still divide to the right quotients.
    return static_cast<int>(static_cast<std::uint32_t>(pgcdLong(a, b)));
}

bool ontDiviseurCommun(int a, int b) { return pgcdLong(a, b) >= 2; }

int sommeChiffres(int n)
{
    // C++ division truncates toward zero like the runtime's, so INT_MIN needs no special case.
    int somme = 0;
    while (n != 0) {
        somme += n % 10;
        n /= 10;
    }
    return somme;
}

double maxReel(double a, double b) { return a > b ? a : b; }

int maxEntier(int a, int b) { return a > b ? a : b; }

TColor rvb(int r, int g, int b)
{
    // Unsigned arithmetic: components out of 0..255 wrap instead of overflowing.
    const auto valeur = static_cast<std::uint32_t>(r) + static_cast<std::uint32_t>(g) * 256u +
                        static_cast<std::uint32_t>(b) * 65536u;
    return static_cast<TColor>(valeur);
}

bool presqueEgal(double a, double b)
{
    // The bound is an extended real, as the comparison of the program always was.
    return std::fabs(static_cast<long double>(b) - static_cast<long double>(a)) <
           static_cast<long double>(toleranceParDefaut);
}
