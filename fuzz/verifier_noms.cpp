// Any expected and typed geometric name, for every kind of name: a result, never a crash or a read
// out of bounds. A name is right, wrong or refused; it is never "right in a refused form".

#include <cstddef>
#include <cstdint>

#include "fuzz/verification_commune.h"

namespace {

struct TnomFuzz {
    std::uint8_t genre;
    const char* attenduParDefaut;
};
constexpr TnomFuzz nomsFuzz[] = {
    {typeNomDroite, "AB"},          {typeNomDemiDroite, "AB"},   {typeNomDeuxPoints, "AB"},
    {typeNomSegment, "AB"},         {typeNomDeuxPointsListe, "ABBA"}, {typeNomAngle, "BAD;CE"},
    {typeNomPoint, "A"},            {typeNomTroisPoints, "ABC"}, {typeNomQuatrePoints, "ABCDBCDA"},
    {typeEnsemblePoints, "ABC"},
};
constexpr std::size_t nbNoms = sizeof nomsFuzz / sizeof nomsFuzz[0];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    if (taille == 0) return 0;
    // The first byte: the kind, then the field, whether it may stay empty and the known letters.
    const unsigned choix = octets[0];
    const TnomFuzz& nom = nomsFuzz[choix % nbNoms];
    const int k = static_cast<int>(choix / nbNoms % 3) + 1;
    TdonneesCommunes& d = donneesFuzz();
    d.nbChamps = static_cast<std::uint8_t>(k == 1 && choix & 0x80 ? 1 : 3);
    d.typeReponse[k] = nom.genre;
    d.champsReponse[k].peutResterVide = (choix & 0x40) != 0;
    d.lettresAdmises = choix & 0x20 ? "ABCDE" : "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    verifier(verifierTextes(d, k, octets + 1, taille - 1, nom.attenduParDefaut) != resultatForme);
    return 0;
}
