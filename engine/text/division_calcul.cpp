#include <algorithm>

#include "engine/base/nombres.h"
#include "engine/text/division_posee.h"

namespace {

void sansZerosGauche(std::string& s)
{
    const std::size_t premier = s.find_first_not_of('0');
    s.erase(0, premier == std::string::npos ? s.size() - 1 : premier);
}

// Records the quotient's length at the current stage; false beyond the record's stages.
bool noterQuotient(TblocDiv& bloc)
{
    if (bloc.etape > stadesDivisionMax) return false;
    bloc.longueurQuotientEtape[static_cast<std::size_t>(bloc.etape)] =
        static_cast<int>(bloc.quotient.size());
    return true;
}

bool avancerStade(TblocDiv& bloc)
{
    ++bloc.etape;
    return noterQuotient(bloc);
}

// A text under the dividend ending on the current position; false when the record is full or
// the text too long for it.
bool ajouterEtape(TblocDiv& bloc, int rangee, const std::string& texte, bool abaisse)
{
    if (bloc.nbEtapes >= etapesDivisionMax || texte.size() > longueurTexteEtapeMax) return false;
    bloc.etapes[static_cast<std::size_t>(bloc.nbEtapes++)] = {bloc.position, rangee, texte,
                                                              bloc.etape, abaisse};
    return true;
}

// The largest digit whose product by the divisor does not exceed the partial dividend, for a
// partial dividend not smaller than the divisor; `produit` receives that product.
int chiffreQuotient(const TblocDiv& bloc, std::string& produit)
{
    std::string suivant;
    for (int q = 1; q <= 9; ++q) {
        multiplierTexteChiffre(q, bloc.diviseur, suivant);
        if (!comparerNombresTexte(suivant, bloc.reste)) return q - 1;
        produit = suivant;
    }
    return 9;
}

// True when every digit after the current position is a zero, and there is at least one.
bool resteDesZeros(const TblocDiv& bloc)
{
    const auto suite = static_cast<std::size_t>(bloc.position);
    return suite < bloc.dividende.size() &&
           bloc.dividende.find_first_not_of('0', suite) == std::string::npos;
}

}  // namespace

bool calculerDivision(TblocDiv& bloc)
{
    bloc.reste = bloc.dividende.substr(0, static_cast<std::size_t>(bloc.longueurPremier));
    bloc.position = bloc.longueurPremier;
    bloc.quotient.clear();
    bloc.etape = 1;
    bloc.nbLignes = 0;
    bloc.nbEtapes = 0;
    do {
        ++bloc.etape;
        if (comparerNombresTexte(bloc.diviseur, bloc.reste)) {
            std::string produit;
            const int chiffre = chiffreQuotient(bloc, produit);
            bloc.quotient += static_cast<char>('0' + chiffre);
            if (!noterQuotient(bloc) || !avancerStade(bloc)) return false;
            if (bloc.detaillee && !ajouterEtape(bloc, ++bloc.nbLignes, "-" + produit, false))
                return false;
            soustraireTexte(bloc.reste, produit, bloc.reste);
            if (!ajouterEtape(bloc, ++bloc.nbLignes, bloc.reste, false)) return false;
        } else {
            bloc.quotient += '0';
        }
        // Once the remainder is 0 in the decimals, the zeros left in the dividend are not
        // brought down.
        if (bloc.reste == "0" && bloc.position >= bloc.positionVirgule - 1 && resteDesZeros(bloc)) {
            bloc.zerosFinaux = bloc.longueurDividende - bloc.position;
            if (!avancerStade(bloc)) return false;
        }
        if (!avancerStade(bloc)) return false;
        if (bloc.position == bloc.longueurDividende - bloc.zerosFinaux) break;

        ++bloc.position;
        const char abaisse = bloc.dividende[static_cast<std::size_t>(bloc.position - 1)];
        if (!ajouterEtape(bloc, bloc.nbLignes, std::string(1, abaisse), true)) return false;
        bloc.reste += abaisse;
        sansZerosGauche(bloc.reste);
        if (bloc.position == bloc.positionVirgule) {
            bloc.etapeVirgule = bloc.etape;
            bloc.virguleQuotient = static_cast<int>(bloc.quotient.size());
        }
    } while (bloc.position <= bloc.longueurDividende);
    bloc.etapeLimite = bloc.etape;
    return true;
}

bool preparerDivision(TblocDiv& bloc, const std::string& dividende, const std::string& diviseur,
                      bool detaillee, std::uint8_t decimales)
{
    bloc.detaillee = detaillee;
    bloc.decimales = decimales;
    bloc.dividende = dividende;
    int valide = 1;
    lireDividende(bloc.dividende, bloc.positionVirgule, valide);
    // The divisor is a whole number; "4,0" is 4, "05" is 5.
    bloc.diviseur = diviseur;
    texteDecimalVirgule(bloc.diviseur);
    if (valide != 2 || !estChiffres(bloc.diviseur) || bloc.diviseur == "0") return false;

    if (bloc.positionVirgule == 0) bloc.positionVirgule = static_cast<int>(bloc.dividende.size()) + 1;
    const std::size_t longueurVoulue = static_cast<std::size_t>(bloc.positionVirgule - 1) + decimales;
    if (bloc.dividende.size() < longueurVoulue)
        bloc.dividende.append(longueurVoulue - bloc.dividende.size(), '0');
    bloc.longueurDividende = static_cast<int>(bloc.dividende.size());

    // The first partial dividend has as many digits as the divisor, one more when that is not
    // enough, but stops at the units digit.
    bloc.longueurPremier = static_cast<int>(bloc.diviseur.size());
    if (bloc.longueurDividende >= bloc.longueurPremier &&
        !comparerNombresTexte(bloc.diviseur,
                              bloc.dividende.substr(0, static_cast<std::size_t>(bloc.longueurPremier))))
        ++bloc.longueurPremier;
    if (bloc.longueurPremier >= bloc.positionVirgule) {
        bloc.premierTropCourt = true;
        bloc.longueurPremier = bloc.positionVirgule - 1;
    }
    bloc.chiffresQuotient = bloc.longueurDividende + 1 - bloc.longueurPremier;
    bloc.largeurDroite = std::max(bloc.chiffresQuotient, static_cast<int>(bloc.diviseur.size()));
    return calculerDivision(bloc);
}
