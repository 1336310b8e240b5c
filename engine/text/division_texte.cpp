#include <algorithm>

#include "engine/base/nombres.h"
#include "engine/text/division_posee.h"

bool estChiffres(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool comparerNombresTexte(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return a.size() < b.size();
    return a <= b;
}

void completerZerosGauche(std::size_t n, std::string& s)
{
    if (s.size() < n) s.insert(0, n - s.size(), '0');
}

void soustraireTexte(const std::string& a, const std::string& b, std::string& resultat)
{
    std::string x = a, y = b;
    const std::size_t n = std::max(x.size(), y.size());
    completerZerosGauche(n, x);
    completerZerosGauche(n, y);
    std::string difference(n, '0');
    int emprunt = 0;
    for (std::size_t i = n; i-- > 0;) {
        int chiffre = (x[i] - '0') - (y[i] - '0' + emprunt);
        emprunt = chiffre < 0 ? 1 : 0;
        difference[i] = static_cast<char>('0' + chiffre + 10 * emprunt);
    }
    const std::size_t premier = difference.find_first_not_of('0');
    resultat = premier == std::string::npos ? "0" : difference.substr(premier);
}

void multiplierTexteChiffre(int chiffre, const std::string& s, std::string& resultat)
{
    std::string produit(s.size(), '0');
    int retenue = 0;
    for (std::size_t i = s.size(); i-- > 0;) {
        const int p = (s[i] - '0') * chiffre + retenue;
        produit[i] = static_cast<char>('0' + p % 10);
        retenue = p / 10;
    }
    if (retenue > 0) produit.insert(produit.begin(), static_cast<char>('0' + retenue));
    resultat = produit;
}

void lireDividende(std::string& texte, int& positionVirgule, int& valide)
{
    texteDecimalVirgule(texte);
    const std::size_t virgule = texte.find(',');
    positionVirgule = virgule == std::string::npos ? 0 : static_cast<int>(virgule) + 1;
    if (virgule != std::string::npos) texte.erase(virgule, 1);
    valide = estChiffres(texte) ? 2 : 1;
}
