#include "exercise/cycle_exercice.h"

#include <string>

#include "engine/base/chaines.h"
#include "engine/base/nombres.h"
#include "engine/text/textes_numerotes.h"
#include "exercise/champs_reponse.h"
#include "exercise/chapitres_exercice.h"
#include "exercise/horloge.h"
#include "exercise/panneau_outils.h"
#include "exercise/signalement.h"
#include "exercise/verification_reponse.h"
#include "platform/plateforme.h"

namespace {

constexpr int gaucheHorloge = 620;
constexpr int hautHorloge = 10;
constexpr double decalageColonnesEnonce = 10;
constexpr double premiereLigneSolution = 2.5;
constexpr int premierTexteChapitre = 501;
const std::string blancsTitre(18, ' ');
const std::string teteScore = std::string(24, ' ') + "Score:";

void montrer(Controle* c, bool visible)
{
    if (c) c->setVisible(visible);
}

void focaliser(Controle* c)
{
    if (c) c->SetFocus();
}

void afficher(Controle* c, const std::string& texte)
{
    if (c) c->setCaption(texte);
}

void focaliserChamp(TdonneesCommunes& donnees, int k)
{
    if (donnees.nbChamps > 0 && k >= 1 && k <= nbChampsMax) focaliser(donnees.champsReponse[k].edition);
}

void rendreChampsModifiables(TdonneesCommunes& donnees, int nb, bool modifiables)
{
    for (int k = 1; k <= nb && k <= nbChampsMax; ++k)
        if (ChampEdition* e = donnees.champsReponse[k].edition) e->setReadOnly(!modifiables);
}

void activerTimer(TdonneesCommunes& donnees, bool actif)
{
    if (donnees.Timer) donnees.Timer->setEnabled(actif);
}

std::string nombre(double x)
{
    return reelVersChaine(x);
}

// The exercise tree shows the exercise chosen, inside its chapter only.
void montrerDansArbre(TdonneesCommunes& donnees)
{
    Arbre* arbre = donnees.ArbreChoixExercice;
    const std::int32_t rang = donnees.codeChapitre - 2;
    if (!arbre || rang < 0 || rang >= static_cast<std::int32_t>(noeudsChapitres.size())) return;
    arbre->Select(donnees.numeroExercice);
    const std::int32_t chapitreCourant = noeudsChapitres[static_cast<std::size_t>(rang)];
    for (const std::int32_t noeud : noeudsChapitres)
        if (noeud != chapitreCourant) arbre->Collapse(noeud);
}

void ecrireTitre(TdonneesCommunes& donnees)
{
    donnees.titreExercice = blancsTitre + donnees.titreExercice;
    if (donnees.nbQuestions > 1)
        donnees.titreExercice += " (" + nombre(donnees.numeroQuestion) + "/" + nombre(donnees.nbQuestions) + ")";
    afficher(donnees.LabelTitreExercice, donnees.titreExercice);
    afficher(donnees.LabelChapitreExercice, texteNumero(donnees.codeChapitre + premierTexteChapitre));
}

// The settled question's points go to the exercise and the session; a check never takes any away.
void compterPoints(TdonneesCommunes& donnees)
{
    if (donnees.pointsObtenus < 0) donnees.pointsObtenus = 0;
    donnees.pointsExercice += donnees.pointsObtenus;
    donnees.pointsPossiblesExercice += donnees.pointsQuestion;
    donnees.pointsSession += donnees.pointsObtenus;
    donnees.pointsPossiblesSession += donnees.pointsQuestion;
    afficher(donnees.ZoneScoreExercice,
             teteScore + " " + nombre(donnees.pointsExercice) + " / " + nombre(donnees.pointsPossiblesExercice));
}

// True when a next question is offered.
bool offrirSuite(TdonneesCommunes& donnees)
{
    const bool suite = donnees.numeroQuestion < donnees.nbQuestions;
    montrer(donnees.BoutonSuite, suite);
    montrer(donnees.BoutonSommaire, donnees.numeroQuestion == donnees.nbQuestions);
    focaliserQuestion(donnees);
    // A scored mental-calculation answer may go on at once; a missed one waits a second more.
    if (donnees.modeReponse == modeCalculMental && donnees.pointsObtenus == 0) {
        donnees.delaiBoutons = 2;
        activerTimer(donnees, true);
    } else if (donnees.modeReponse != modeCalculMental) {
        donnees.delaiBoutons = 1;
        activerTimer(donnees, true);
    }
    return suite;
}

// No field, no choice cell and nothing on the statement figure: what an exercise not written yet
// leaves. A question meant to be read only says so with modeSansReponse.
bool rienARepondre(const TdonneesCommunes& donnees)
{
    return donnees.modeReponse != modeSansReponse && donnees.nbChamps == 0 && donnees.nbChoix == 0 &&
           !(donnees.surfaceFigureEnonce && donnees.surfaceFigureEnonce->nbObjets > 0);
}

// Such a page stays blank with Sommaire in place of Valider: nothing to judge, so nothing scored.
// A first question leaves the exercise counted as begun none; a later one ends it there, its
// earlier questions done and their points counted.
void laisserPageBlanche(TdonneesCommunes& donnees, bool suivante)
{
    donnees.validationParBouton = false;
    montrer(donnees.BoutonSommaire, true);
    if (suivante)
        ++donnees.nbExercicesTraites;
    else
        --donnees.nbExercicesAbordes;
    donnees.exerciceEnCours = false;
}

void verifierParChapitre(TdonneesCommunes& donnees)
{
    if (const TprocedureChapitre verifier = chapitreExercice(donnees.codeChapitre).verifierReponse)
        verifier();
    else
        verifierReponse(donnees);
}

void appeler(TprocedureChapitre procedure)
{
    if (procedure) procedure();
}

// What reessayer and aide share, around the chapter's own hook.
void rouvrirChamps(TdonneesCommunes& donnees, bool aideDemandee)
{
    montrer(donnees.BoutonReessayer, false);
    montrer(donnees.BoutonValider, true);
    if (!aideDemandee) montrer(donnees.BoutonAide, donnees.aideDisponible && !donnees.solutionPermise);
    rendreChampsModifiables(donnees, donnees.nbChamps, true);
    const TchapitreExercice& chapitre = chapitreExercice(donnees.codeChapitre);
    if (!aideDemandee) appeler(chapitre.reessayer);
    effacerZonesReponse(donnees);
    if (aideDemandee)
        appeler(chapitre.aide);
    else
        montrerPanneauOutils(donnees);
    redessinerZonesExercice(donnees);
    focaliserChamp(donnees, donnees.champActif);
}

}  // namespace

void lancerExercice(TdonneesCommunes& donnees, std::int32_t n)
{
    if (donnees.exerciceEnCours &&
        !plateforme().demanderOuiNon("Voulez-vous vraiment abandonner\r\nl'exercice en cours?", "Confirmation"))
        return;
    if (donnees.PageControle && donnees.PageExercice) {
        if (!donnees.PageControle->TabVisible(donnees.PageExercice))
            donnees.PageControle->setTabVisible(donnees.PageExercice, true);
        if (!donnees.PageExercice->Enabled()) donnees.PageExercice->setEnabled(true);
    }
    donnees.numeroExercice = n;
    arreterHorloge();
    activerTimer(donnees, false);
    poserQuestion(donnees, false);
    if (donnees.PageControle) {
        donnees.PageControle->setActivePage(donnees.PageExercice);
        donnees.PageControle->Repaint();
    }
    focaliserQuestion(donnees);
}

void poserQuestion(TdonneesCommunes& donnees, bool suivante)
{
    if (!suivante) {
        reinitialiserExercice(donnees);
        afficher(donnees.ZoneScoreExercice, teteScore);
        montrer(donnees.BoutonSommaire, false);
    }
    if (donnees.surfaceFigureEnonce) montrer(donnees.surfaceFigureEnonce->controle, false);
    placerHorloge(gaucheHorloge, hautHorloge);
    montrer(donnees.BoutonSuite, false);
    montrer(donnees.BoutonSolution, false);
    // Left over from an abandoned wrong answer, it would stand over BoutonValider and keep the
    // choice cells from being ticked.
    montrer(donnees.BoutonReessayer, false);
    reinitialiserQuestion(donnees);
    effacerZonesReponse(donnees);
    if (donnees.surfaceEnonce) reinitialiserFigure(*donnees.surfaceEnonce);
    if (donnees.surfaceFigureEnonce) reinitialiserFigure(*donnees.surfaceFigureEnonce);
    if (donnees.surfaceEnonce) donnees.surfaceEnonce->decalageColonnes = decalageColonnesEnonce;
    definirChampsReponse(donnees, 0);
    arreterHorloge();
    // A trial first question: the exercise's totals and numbering start again after it.
    if (donnees.questionEssai && !donnees.essaiFait && suivante) {
        donnees.pointsExercice = 0;
        donnees.pointsPossiblesExercice = 0;
        donnees.numeroQuestion = 0;
        donnees.essaiFait = true;
    }
    if (suivante && !donnees.repeterQuestion) ++donnees.numeroQuestion;
    libererOutilsImposes(donnees);

    appeler(chapitreExercice(donnees.codeChapitre).poserQuestion);
    if (rienARepondre(donnees)) laisserPageBlanche(donnees, suivante);

    montrer(donnees.BoutonRevoirCours, donnees.lienCours != 0);
    montrer(donnees.BoutonValider, donnees.validationParBouton);
    montrer(donnees.BoutonAide, donnees.aideDisponible);
    if (donnees.BoutonAide) donnees.BoutonAide->setEnabled(donnees.aideDisponible);
    montrerPanneauOutils(donnees);
    ecrireTitre(donnees);
    if (donnees.horlogeActive) demarrerHorloge(donnees.delaiHorloge, donnees.dureeHorloge);
    activerTimer(donnees, donnees.horlogeActive);
    if (suivante) {
        redessinerZonesExercice(donnees);
        focaliserQuestion(donnees);
    }
    montrerDansArbre(donnees);
}

void validerReponse(TdonneesCommunes& donnees)
{
    if (donnees.questionTerminee) {
        if (donnees.BoutonSuite && donnees.BoutonSuite->Visible())
            poserQuestion(donnees, true);
        else if (donnees.BoutonSommaire && donnees.BoutonSommaire->Visible() && donnees.PageControle)
            donnees.PageControle->setActivePage(donnees.PageMenu);
        return;
    }
    for (int k = 1; k <= donnees.nbChamps; ++k) {
        std::string tape = donnees.champsReponse[k].edition ? donnees.champsReponse[k].edition->Text() : "";
        supprimerBlancsExtremesCourte(tape);
        donnees.reponseTapee[k] = tape;
    }
    if (donnees.modeReponse == modeCalculMental && !donnees.tempsEcoule && donnees.nbChamps > 0 &&
        donnees.reponseTapee[1].empty())
        return;

    suspendreHorloge();
    cacherPanneauOutils(donnees);
    donnees.ligneSolution = premiereLigneSolution;
    rendreChampsModifiables(donnees, nbChampsMax, false);
    effacerZonesReponse(donnees);
    // An empty field is no answer yet: it is reopened, with nothing counted and nothing said.
    if (!donnees.solutionDemandee && !donnees.tempsEcoule) {
        for (int k = 1; k <= donnees.nbChamps; ++k) {
            if (!donnees.reponseTapee[k].empty() || donnees.champsReponse[k].peutResterVide) continue;
            rendreChampsModifiables(donnees, donnees.nbChamps, true);
            montrerPanneauOutils(donnees);
            focaliser(donnees.champsReponse[k].edition);
            return;
        }
    }
    montrer(donnees.BoutonValider, false);
    donnees.pointsObtenus = 0;
    donnees.champActif = 1;
    if (donnees.solutionDemandee) {
        donnees.pointsObtenus = 0;
        donnees.questionTerminee = true;
        afficherImageResultat(donnees, donnees.ImageSolution);
        terminerQuestion(donnees);
        donnees.solutionPermise = false;
        return;
    }
    if (donnees.modeReponse == modeCases) {
        donnees.choixCoches.reset();
        for (int c = 1; c <= nbCasesChoix; ++c)
            if (donnees.casesChoix[c].visible && donnees.casesChoix[c].cochee) donnees.choixCoches.set(c);
    }
    verifierParChapitre(donnees);
    donnees.solutionPermise = donnees.solutionPermise && !donnees.aideDisponible;
    if (donnees.questionTerminee) {
        terminerQuestion(donnees);
        return;
    }
    ++donnees.nbEssais;
    montrer(donnees.BoutonSolution, donnees.solutionPermise);
    montrer(donnees.BoutonReessayer, true);
    redessinerZonesExercice(donnees);
    focaliser(donnees.BoutonReessayer);
}

void reessayer(TdonneesCommunes& donnees)
{
    rouvrirChamps(donnees, false);
}

void aide(TdonneesCommunes& donnees)
{
    rouvrirChamps(donnees, true);
}

void afficherSolution(TdonneesCommunes& donnees)
{
    donnees.ligneSolution = premiereLigneSolution;
    if (donnees.surfaceFigureEnonce) donnees.surfaceFigureEnonce->sourisInactive = true;
    if (donnees.surfaceEnonce) donnees.surfaceEnonce->sourisInactive = true;
    appeler(chapitreExercice(donnees.codeChapitre).afficherSolution);
}

void terminerQuestion(TdonneesCommunes& donnees)
{
    afficherSolution(donnees);
    if (!donnees.questionTerminee) return;
    compterPoints(donnees);
    montrer(donnees.BoutonValider, false);
    montrer(donnees.BoutonReessayer, false);
    montrer(donnees.BoutonAide, false);
    redessinerZonesExercice(donnees);
    donnees.exerciceEnCours = offrirSuite(donnees);
    montrer(donnees.BoutonSolution, false);
    if (!donnees.exerciceEnCours) ++donnees.nbExercicesTraites;
}

void focaliserQuestion(TdonneesCommunes& donnees)
{
    const bool pageActive = donnees.PageControle && donnees.PageExercice &&
                            donnees.PageControle->ActivePage() == donnees.PageExercice;
    if (!pageActive) return;
    // First the page itself, where Enter does nothing, rather than the toolkit's choice of a
    // button that would leave the question; then the control shown that takes it from there (a
    // blank page leads back to the menu).
    focaliser(donnees.PageExercice);
    if (donnees.questionTerminee || rienARepondre(donnees)) {
        focaliser(donnees.BoutonSuite);
        focaliser(donnees.BoutonSommaire);
    } else if (donnees.BoutonReessayer && donnees.BoutonReessayer->Visible())
        focaliser(donnees.BoutonReessayer);
    else if (donnees.nbChamps > 0)
        focaliserChamp(donnees, donnees.champActif);
    else
        focaliser(donnees.BoutonValider);
}

void redessinerZonesExercice(TdonneesCommunes& donnees)
{
    for (Tfigure* f : {donnees.surfaceSolution, donnees.surfaceEnonce, donnees.surfaceFigureEnonce,
                       donnees.surfaceFigureSolution})
        if (f) repeindreFigure(*f);
}

void effacerZonesReponse(TdonneesCommunes& donnees)
{
    if (donnees.surfaceSolution) reinitialiserFigure(*donnees.surfaceSolution);
    if (Tfigure* f = donnees.surfaceFigureSolution) {
        montrer(f->controle, false);
        reinitialiserFigure(*f);
    }
}
