#include "exercise/donnees_communes.h"

#include <algorithm>
#include <iterator>

namespace {

// Lives from the program's start to its exit, like the framework unit that owns it.
TdonneesCommunes instance;

}  // namespace

TdonneesCommunes* const donneesCommunes = &instance;

void initialiserDonneesCommunes(TdonneesCommunes& donnees)
{
    donnees.codeLien = 0;
    // Created right after by the window's set-up.
    donnees.surfaceFigureEnonce = nullptr;
    donnees.surfaceFigureSolution = nullptr;
    donnees.surfaceEnonce = nullptr;
    donnees.surfaceSolution = nullptr;
    donnees.surfaceCours = nullptr;
    donnees.surfaceImagiciel = nullptr;
    donnees.surfaceFigureImagiciel = nullptr;
    donnees.pageCours = 0;
    donnees.chapitrePageCours = 0;
    donnees.imagiciel = 0;
    donnees.chapitreImagiciel = 0;
    donnees.exercicePourSexercer = 0;
    donnees.numeroExercice = 0;
    donnees.codeChapitre = 0;
    donnees.lienCours = 0;
    donnees.aideDisponible = false;
    donnees.exerciceEnCours = false;
    donnees.nbExercicesAbordes = 0;
    donnees.nbExercicesTraites = 0;
    donnees.nbSolutionsDemandees = 0;
    donnees.pointsSession = 0;
    donnees.pointsPossiblesSession = 0;
    donnees.nbPagesHistorique = 0;
    donnees.retourEnCours = false;
    donnees.navigationVoisine = false;
    donnees.outilCourant = 1;
}

void reinitialiserExercice(TdonneesCommunes& donnees)
{
    donnees.codeChapitre = codeChapitreDe(donnees.numeroExercice);
    donnees.pointsPossiblesExercice = 0;
    donnees.pointsExercice = 0;
    donnees.questionEssai = false;
    donnees.essaiFait = false;
    ++donnees.nbExercicesAbordes;
    donnees.repeterQuestion = false;
    donnees.numeroQuestion = 1;
    donnees.nbQuestions = 1;
    donnees.exerciceEnCours = true;
}

void reinitialiserQuestion(TdonneesCommunes& donnees)
{
    donnees.lienCours = 0;
    donnees.aideDisponible = false;
    donnees.validationParBouton = true;
    donnees.pointsObtenus = 0;
    donnees.pointsQuestion = 1;
    donnees.questionTerminee = false;
    donnees.delaiBoutons = 0;
    donnees.modeReponse = modeSaisie;
    donnees.premiereErreurSeule = false;
    donnees.reussiteAcceptee = false;
    donnees.nbChamps = 0;
    donnees.tempsEcoule = false;
    for (int k = 1; k <= nbChampsMax; ++k) {
        donnees.reponseTapee[k].clear();
        donnees.typeReponse[k] = typeNombre;
        TchampReponse& champ = donnees.champsReponse[k];
        champ.tolerance = toleranceParDefaut;
        champ.exposantAttendu = 0;
        champ.termesAdmis.clear();
        champ.peutResterVide = false;
    }
    donnees.lettresAdmises.clear();
    donnees.horlogeActive = false;
    donnees.conseilRefaire = true;
    donnees.nbEssais = 1;
    donnees.denominateurImpose = 0;
    donnees.nbChoix = 0;
    for (int c = 1; c <= nbCasesChoix; ++c) donnees.casesChoix[c].visible = false;
    donnees.choixUnique = false;
    donnees.champActif = 1;
    donnees.premierChoixEchange = 0;
    donnees.solutionPermise = false;
    donnees.solutionDemandee = false;
    donnees.titreExercice.clear();
    donnees.espacementChoix = 5;
    donnees.outilsImposes = false;
}

std::int32_t codeChapitreDe(std::int32_t numeroExercice)
{
    // The last chapter node at or before the exercise; an index before the first counts as 1.
    const auto suivant = std::upper_bound(std::begin(noeudsChapitres), std::end(noeudsChapitres), numeroExercice);
    const auto chapitre = std::max<std::ptrdiff_t>(suivant - std::begin(noeudsChapitres), 1);
    return static_cast<std::int32_t>(chapitre) + 1;
}
