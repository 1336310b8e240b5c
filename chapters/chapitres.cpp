#include "chapters/chapitres.h"

#include "chapters/dispatcheurs.h"
#include "exercise/chapitres_exercice.h"

namespace {

struct TchapitreInscrit {
    std::int32_t codeChapitre;
    TchapitreExercice entrees;
};

// By chapter code, the chapter number plus one.
constexpr TchapitreInscrit chapitres[] = {
    {2, {poserQuestionChapitre01, verifierReponseChapitre01, afficherSolutionChapitre01, nullptr, nullptr}},
    {3, {poserQuestionChapitre02, verifierReponseChapitre02, afficherSolutionChapitre02, nullptr, nullptr}},
    {4, {poserQuestionChapitre03, verifierReponseChapitre03, afficherSolutionChapitre03, nullptr, nullptr}},
    {5, {poserQuestionChapitre04, verifierReponseChapitre04, afficherSolutionChapitre04, nullptr, nullptr}},
    {6, {poserQuestionChapitre05, verifierReponseChapitre05, afficherSolutionChapitre05, nullptr, nullptr}},
    {7, {poserQuestionChapitre06, verifierReponseChapitre06, afficherSolutionChapitre06, nullptr, nullptr}},
    {8, {poserQuestionChapitre07, verifierReponseChapitre07, afficherSolutionChapitre07, nullptr, nullptr}},
    {9, {poserQuestionChapitre08, verifierReponseChapitre08, afficherSolutionChapitre08, reessayerChapitre08, nullptr}},
    {10, {poserQuestionChapitre09, verifierReponseChapitre09, afficherSolutionChapitre09, nullptr, nullptr}},
    {11, {poserQuestionChapitre10, verifierReponseChapitre10, afficherSolutionChapitre10, reessayerChapitre10, nullptr}},
    {12, {poserQuestionChapitre11, verifierReponseChapitre11, afficherSolutionChapitre11, nullptr, nullptr}},
    {13, {poserQuestionChapitre12, verifierReponseChapitre12, afficherSolutionChapitre12, reessayerChapitre12,
          aideChapitre12}},
    {14, {poserQuestionChapitre13, verifierReponseChapitre13, afficherSolutionChapitre13, nullptr, nullptr}},
};

}  // namespace

void installerChapitres()
{
    for (const TchapitreInscrit& c : chapitres) inscrireChapitre(c.codeChapitre, c.entrees);
}
