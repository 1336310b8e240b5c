#pragma once
// The one record through which the main window, the exercise framework, the answer checks and the
// chapters share their state. Components are reached through the platform's interfaces and the
// surfaces are plain Tfigure pointers, so the checks run in a test without any window.
//
// Arrays that the program numbers from 1 keep that numbering: slot 0 is never used.

#include <array>
#include <cstdint>
#include <string>

#include "engine/base/ensemble.h"
#include "engine/base/nombres.h"
#include "engine/figure/figure.h"
#include "engine/figure/outil.h"
#include "exercise/chaine_bornee.h"
#include "exercise/codes_reponse.h"
#include "platform/controles.h"
#include "platform/image.h"
#include "platform/types.h"

constexpr int nbChampsMax = 3;
constexpr int nbCasesChoix = 30;
constexpr int nbPagesHistoriqueMax = 100;

// One answer field of the exercise page.
struct TchampReponse {
    ChampEdition* edition = nullptr;
    // Half-width of the interval in which a numeric answer is right.
    double tolerance = toleranceParDefaut;
    // Expected power of ten of a scientific-notation answer.
    std::int32_t exposantAttendu = 0;
    // Comparison answers: the two terms (first, second); expressions: the variable letters;
    // coordinates: the point's name.
    Tchaine120 termesAdmis;
    // An empty answer is allowed and then checked for emptiness only.
    bool peutResterVide = false;
};

// One choice cell, in pixels of the statement text box.
struct TcaseChoix {
    double gauche = 0;
    double droite = 0;
    double haut = 0;
    double bas = 0;
    // The choice text shown in the cell, 1..30; 0 shows none.
    std::uint8_t numeroTexte = 0;
    bool visible = false;
    bool cochee = false;
    // 0, or a group whose cells untick each other.
    std::uint8_t groupe = 0;
};

struct TtexteChoix {
    Tchaine120 texte;
    // Half the text's width in columns, to centre it.
    double decalage = 0;
};

struct TdonneesCommunes {
    // Window and surfaces.
    Tchaine255 cheminProgramme;
    std::uint32_t poigneeFenetre = 0;
    // The main window's guard, for the events bound outside it: the information window's.
    Garde gardeFenetre;
    std::int32_t codeLien = 0;
    Tfigure* surfaceFigureEnonce = nullptr;
    Tfigure* surfaceFigureSolution = nullptr;
    Tfigure* surfaceEnonce = nullptr;
    Tfigure* surfaceSolution = nullptr;
    Tfigure* surfaceCours = nullptr;
    Tfigure* surfaceImagiciel = nullptr;
    Tfigure* surfaceFigureImagiciel = nullptr;
    Tfigure* surfaceAccueil = nullptr;
    std::int32_t sourisX = 0, sourisY = 0;
    std::int32_t phaseSouris = 0;
    Controle* LabelChapitreExercice = nullptr;
    Controle* LabelChapitreCours = nullptr;
    Controle* LabelChapitreImagiciel = nullptr;
    Controle* LabelTitreExercice = nullptr;
    Controle* LabelTitreImagiciel = nullptr;
    ZoneDessin* ZoneOutilsDessin = nullptr;

    // Answer fields.
    std::array<TchampReponse, nbChampsMax + 1> champsReponse{};

    // Components of the main window.
    Controle* ZoneScoreExercice = nullptr;
    Minuteur* Timer = nullptr;
    Minuteur* TimerAnimationAccueil = nullptr;
    Controle* BoutonCoursSuivant = nullptr;
    Controle* BoutonCoursPrecedent = nullptr;
    Controle* BoutonPourSexercer = nullptr;
    Controle* BoutonRetour = nullptr;
    Controle* BoutonRevoirCours = nullptr;
    Controle* BoutonReculer = nullptr;
    Controle* BoutonValider = nullptr;
    Controle* BoutonAvancer = nullptr;
    Controle* BoutonSolution = nullptr;
    Controle* BoutonAide = nullptr;
    Controle* BoutonReessayer = nullptr;
    Controle* BoutonSommaire = nullptr;
    Controle* BoutonSuite = nullptr;
    ClasseurPages* PageControle = nullptr;
    Controle* PageExercice = nullptr;
    Controle* PageImagiciel = nullptr;
    Controle* PageCours = nullptr;
    Controle* PageMenu = nullptr;
    Arbre* ArbreChoixCours = nullptr;
    Arbre* ArbreChoixExercice = nullptr;
    Arbre* ArbreChoixImagiciel = nullptr;
    Controle* ScrollBoiteCours = nullptr;
    LecteurSon* MediaPlayerErreur = nullptr;
    // Pictures held by the window, shown as picture objects on the surfaces.
    const Image* ImageFausse = nullptr;
    const Image* ImageIncorrecte = nullptr;
    const Image* ImageCMincorrect = nullptr;
    const Image* ImageDepasse = nullptr;
    const Image* ImageSolution = nullptr;
    const Image* ImageAcceptee = nullptr;
    const Image* ImageExacte = nullptr;
    const Image* garcon1 = nullptr;
    const Image* garcon2 = nullptr;
    const Image* fondAccueil = nullptr;
    const Image* AproposActif = nullptr;
    const Image* AproposNonActif = nullptr;
    const Image* EntreeActif = nullptr;
    const Image* EntreeNonActif = nullptr;
    const Image* QuitterActif = nullptr;
    const Image* QuitterNonActif = nullptr;
    const Image* ImageCalculatrice = nullptr;

    // Navigation.
    bool pageSF = false;
    bool survolAPropos = false, survolEntree = false, survolQuitter = false;
    std::int32_t hauteurZoneCours = 0;
    std::int32_t pageCours = 0;
    std::int32_t chapitrePageCours = 0;
    std::int32_t imagiciel = 0;
    std::int32_t chapitreImagiciel = 0;
    std::int32_t etapeImagiciel = 0;
    std::int32_t nbEtapesImagiciel = 0;
    Tchaine120 titrePageCours;
    Tchaine120 titreImagiciel;

    // Exercise and question state.
    std::int32_t exercicePourSexercer = 0;
    std::int32_t numeroExercice = 0;
    std::int32_t numeroQuestion = 0;
    std::int32_t nbQuestions = 0;
    std::int32_t codeChapitre = 0;
    std::int32_t lienCours = 0;
    bool aideDisponible = false;
    bool exerciceEnCours = false;
    bool validationParBouton = false;
    std::int32_t nbExercicesAbordes = 0;
    std::int32_t nbExercicesTraites = 0;
    std::int32_t nbSolutionsDemandees = 0;
    std::int32_t pointsObtenus = 0;
    std::int32_t pointsQuestion = 0;
    std::int32_t pointsExercice = 0;
    std::int32_t pointsPossiblesExercice = 0;
    std::int32_t pointsSession = 0;
    std::int32_t pointsPossiblesSession = 0;
    bool questionTerminee = false;
    std::int32_t delaiBoutons = 0;
    double ligneSolution = 2.5;
    std::uint8_t modeReponse = modeSaisie;
    bool premiereErreurSeule = false;
    bool reussiteAcceptee = false;
    std::array<Tchaine120, nbChampsMax + 1> reponseTapee{};
    std::array<double, nbChampsMax + 1> valeurTapee{};
    std::uint8_t nbChamps = 0;
    bool tempsEcoule = false;
    std::array<std::uint8_t, nbChampsMax + 1> typeReponse{};
    std::array<double, nbChampsMax + 1> valeurAttendue{};
    std::array<Tchaine120, nbChampsMax + 1> texteAttendu{};
    Tchaine120 lettresAdmises;
    std::array<std::uint8_t, nbChampsMax + 1> resultatChamp{};
    std::uint8_t resultat = 0;
    bool horlogeActive = false;
    std::int32_t delaiHorloge = 0;
    std::int32_t dureeHorloge = 0;
    bool repeterQuestion = false;
    bool conseilRefaire = false;
    std::int32_t nbEssais = 0;
    std::uint8_t choixJuste = 0;
    // 0 none; 1 answers a and b share their denominator; N > 1 the denominator must be N.
    std::int32_t denominateurImpose = 0;
    std::int32_t denominateurReponseA = 0;
    std::uint8_t nbChoix = 0;
    std::array<TcaseChoix, nbCasesChoix + 1> casesChoix{};
    std::array<TtexteChoix, nbCasesChoix + 1> textesChoix{};
    bool choixUnique = false;
    std::string texteSolution;
    std::string messageVerification;
    std::string texteAuxiliaire;
    Ensemble256 choixJustes;
    Ensemble256 choixCoches;
    std::uint8_t champActif = 1;
    std::uint8_t premierChoixEchange = 0;
    bool solutionPermise = false;
    bool solutionDemandee = false;
    std::string titreExercice;
    std::uint8_t espacementChoix = 0;

    // Course-page history and information window.
    std::int32_t nbPagesHistorique = 0;
    std::array<std::int32_t, nbPagesHistoriqueMax + 1> pilePages{};
    bool retourEnCours = false;
    bool navigationVoisine = false;
    std::int32_t largeurInfo = 0, hauteurInfo = 0;

    // Drawing tools.
    Controle* PanelOutilsDessin = nullptr;
    std::int32_t nbOutilsPanneau = 0;
    std::int32_t outilCourant = 1;
    std::uint8_t genreOutilPanneau = 0;
    std::int32_t couleurOutilPanneau = 0;
    Ensemble256 genresPermisPanneau;
    std::array<TRect, 9> cadresGenres{};
    std::array<TRect, nbOutilsMax + 1> cadresOutils{};
    TRect cadreOui, cadreNon;
    TRect cadreInformations;
    bool outilsImposes = false;
    std::array<Toutil, nbOutilsMax + 1> outilsSauves{};
    bool informationsSauvees = false;
    std::int32_t nbOutilsSauves = 0;
    bool questionEssai = false;
    bool essaiFait = false;
};

// The record of the run, allocated before the main window exists and released at exit.
extern TdonneesCommunes* const donneesCommunes;

// The start values: no surface yet, the session's scores and counters at zero, an empty history
// and the first instrument slot. Called once by the main window's set-up.
void initialiserDonneesCommunes(TdonneesCommunes& donnees);
// The values every exercise starts from, when its first question is posed; the chapter code comes
// from numeroExercice.
void reinitialiserExercice(TdonneesCommunes& donnees);
// The values every question starts from, first or next, before its statement sets its own.
void reinitialiserQuestion(TdonneesCommunes& donnees);

// Indices of the chapter nodes of ArbreChoixExercice, chapter 1 first.
constexpr std::array<std::int32_t, 13> noeudsChapitres = {0, 35, 67, 98, 146, 182, 221, 246, 285, 314, 346, 391, 428};

// The chapter code (chapter + 1, 2..14) of an exercise node index of ArbreChoixExercice.
std::int32_t codeChapitreDe(std::int32_t numeroExercice);
