#pragma once
// The chapters' entries into the exercise cycle, by chapter code. The chapters sit above the
// framework, so they fill this table at start; a code without an entry, or an entry without a
// procedure, takes the framework's default.

#include <cstdint>

using TprocedureChapitre = void (*)();

struct TchapitreExercice {
    // Statement, check and solution of the exercise in numeroExercice.
    TprocedureChapitre poserQuestion = nullptr;
    TprocedureChapitre verifierReponse = nullptr;
    TprocedureChapitre afficherSolution = nullptr;
    // Before a new try the statement figure is put back; help draws into it.
    TprocedureChapitre reessayer = nullptr;
    TprocedureChapitre aide = nullptr;
};

// Codes 2..14; any other code is ignored.
void inscrireChapitre(std::int32_t codeChapitre, const TchapitreExercice& chapitre);
// The entry of a code: empty for a code outside 2..14 or never entered.
const TchapitreExercice& chapitreExercice(std::int32_t codeChapitre);
