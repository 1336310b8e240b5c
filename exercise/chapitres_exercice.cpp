#include "exercise/chapitres_exercice.h"

#include <array>

namespace {

constexpr std::int32_t premierCode = 2;
constexpr std::int32_t dernierCode = 14;

std::array<TchapitreExercice, dernierCode + 1> chapitres{};
const TchapitreExercice aucun{};

bool codeValide(std::int32_t code)
{
    return code >= premierCode && code <= dernierCode;
}

}  // namespace

void inscrireChapitre(std::int32_t codeChapitre, const TchapitreExercice& chapitre)
{
    if (codeValide(codeChapitre)) chapitres[static_cast<std::size_t>(codeChapitre)] = chapitre;
}

const TchapitreExercice& chapitreExercice(std::int32_t codeChapitre)
{
    return codeValide(codeChapitre) ? chapitres[static_cast<std::size_t>(codeChapitre)] : aucun;
}
