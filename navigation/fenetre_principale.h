#pragma once
// The main window as the program's rules see it: its components through the platform's
// interfaces, its set-up, its closing and the handler of each of its events. The shell builds the
// widgets and hands them over here, where every event of the window is bound under its guard. A
// test does the same with the recording doubles.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/figure/figure.h"
#include "exercise/donnees_communes.h"
#include "platform/canevas.h"
#include "platform/controles.h"
#include "platform/image.h"

// Every component of the window that the program reaches, under its own name.
struct TcomposantsFenetre {
    Fenetre* fenetre = nullptr;
    // The full path of the running program, in the system's own bytes.
    std::string cheminExecutable;

    ClasseurPages* PageControle = nullptr;
    Controle* PageMenu = nullptr;
    Controle* PageCours = nullptr;
    Controle* PageExercice = nullptr;
    Controle* PageImagiciel = nullptr;
    Controle* PageVocabulaire = nullptr;
    Controle* FondPageControle = nullptr;

    Controle* BoiteAccueil = nullptr;
    Controle* BoiteChoixCoursTitre = nullptr;
    Controle* BoitePartheme = nullptr;
    Controle* ScrollBoiteCours = nullptr;
    Controle* BoiteImagiciel = nullptr;
    Controle* BoiteEnonce = nullptr;
    Controle* BoiteSolution = nullptr;
    Controle* PanelOutilsDessin = nullptr;

    ZoneDessin* ZoneFigureAccueil = nullptr;
    ZoneDessin* zoneFigureEnonce = nullptr;
    ZoneDessin* ZoneFigureSolution = nullptr;
    ZoneDessin* zoneTexteEnonce = nullptr;
    ZoneDessin* ZoneTexteSolution = nullptr;
    ZoneDessin* ZoneTexteCours = nullptr;
    ZoneDessin* ZoneTexteImagiciel = nullptr;
    ZoneDessin* ZoneFigureImagiciel = nullptr;
    ZoneDessin* ZoneOutilsDessin = nullptr;

    Arbre* ArbreChoixCours = nullptr;
    Arbre* ArbreChoixExercice = nullptr;
    Arbre* ArbreChoixImagiciel = nullptr;
    Arbre* ArbreParTheme = nullptr;
    Arbre* ArbreAlphabetique = nullptr;

    ChampEdition* Edit1 = nullptr;
    ChampEdition* Edit2 = nullptr;
    ChampEdition* Edit3 = nullptr;

    Controle* LabelChapitreExercice = nullptr;
    Controle* LabelChapitreCours = nullptr;
    Controle* LabelChapitreImagiciel = nullptr;
    Controle* LabelTitreExercice = nullptr;
    Controle* LabelTitreImagiciel = nullptr;
    Controle* SurTitreExercice = nullptr;
    Controle* SurTitreImagiciel = nullptr;
    Controle* LabelCours = nullptr;
    Controle* LabelExercice = nullptr;
    Controle* LabelImagiciel = nullptr;
    Controle* TitreParTheme = nullptr;
    Controle* TitreAlphabetique = nullptr;
    Controle* ZoneScoreExercice = nullptr;

    Controle* ToolBarSommaire = nullptr;
    Controle* ToolBarCours = nullptr;
    Controle* ToolBarExercice = nullptr;
    Controle* ToolBarImagiciel = nullptr;
    Controle* ToolBarIndex = nullptr;
    Controle* Splitter1 = nullptr;
    Controle* Splitter2 = nullptr;
    Controle* Splitter3 = nullptr;
    Controle* SepareEnonceSolution = nullptr;

    Bouton* BoutonCoursSuivant = nullptr;
    Bouton* BoutonCoursPrecedent = nullptr;
    Bouton* BoutonPourSexercer = nullptr;
    Bouton* BoutonRetour = nullptr;
    Bouton* BoutonRevoirCours = nullptr;
    Bouton* BoutonReculer = nullptr;
    Bouton* BoutonValider = nullptr;
    Bouton* BoutonAvancer = nullptr;
    Bouton* BoutonSolution = nullptr;
    Bouton* BoutonAide = nullptr;
    Bouton* BoutonReessayer = nullptr;
    Bouton* BoutonSommaire = nullptr;
    Bouton* BoutonSuite = nullptr;
    Bouton* BoutonBilan = nullptr;
    // The Quit button of each page's bar.
    std::array<Bouton*, 5> BoutonsQuitter{};

    Minuteur* Timer = nullptr;
    Minuteur* TimerAnimationAccueil = nullptr;
    LecteurSon* MediaPlayerErreur = nullptr;

    // The pictures of the window's stored layout.
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
};

class TfenetrePrincipale {
public:
    TfenetrePrincipale(const TcomposantsFenetre& composants, TdonneesCommunes& donnees);
    ~TfenetrePrincipale();
    TfenetrePrincipale(const TfenetrePrincipale&) = delete;
    TfenetrePrincipale& operator=(const TfenetrePrincipale&) = delete;

    // Closes the window; the shell sets it. Closing asks FormCloseQuery first.
    std::function<void()> fermer;

    // Set-up and closing.
    void FormCreate();
    void initialiserFenetre();
    void FormShow();
    void FormResize();
    bool FormCloseQuery();
    void FormClose();

    // Keys.
    void Edit1KeyDown(int touche);
    void Edit2KeyDown(int touche);
    void Edit3KeyDown(int touche);
    void ArbreChoixExerciceKeyDown(int touche);
    void ArbreChoixCoursKeyDown(int touche);
    void ArbreChoixImagicielKeyDown(int touche);
    void ArbreParThemeKeyDown(int touche);
    void ArbreAlphabetiqueKeyDown(int touche);

    // Tree clicks, with the index of the node under the mouse (-1 for none).
    void ArbreChoixExerciceMouseDown(int index);
    void ArbreChoixCoursMouseDown(int index);
    void ArbreChoixImagicielMouseDown(int index);
    void ArbreParThemeMouseDown(int index);
    void ArbreAlphabetiqueMouseDown(int index);

    // Paint requests.
    void ZoneEnoncePaint();
    void ZoneFigurePaint();
    void ZoneFigureSolutionPaint();
    void ZoneFigureImagicielPaint();
    void ZoneTexteSolutionPaint();
    void ZoneTexteCoursPaint();
    void ZoneFigureAccueilPaint();
    void ZoneTexteImagicielPaint();
    void ZoneOutilsDessinPaint();

    // The mouse on the text zones, in pixels of their paint boxes.
    void ZoneEnonceReponseMouseDown(int x, int y);
    void zoneTexteEnonceMouseMove(int x, int y);
    void ZoneTexteCoursMouseDown(int x, int y);
    void ZoneTexteCoursMouseMove(int x, int y);
    void ZoneTexteCoursMouseUp(int x, int y);
    void ZoneTexteSolutionMouseDown(int x, int y);
    void ZoneTexteSolutionMouseMove(int x, int y);
    void ZoneTexteSolutionMouseUp(int x, int y);
    void ZoneTexteImagicielMouseDown(int x, int y);
    void ZoneTexteImagicielMouseMove(int x, int y);
    void ZoneTexteImagicielMouseUp(int x, int y);

    // The mouse on the figure zones and on the instrument panel.
    void ZoneFigureEnonceMouseDown(int x, int y);
    void ZoneFigureEnonceMouseUp(int x, int y);
    void ZoneFigureEnonceMouseMove(int x, int y);
    void ZoneFigureImagicielMouseDown(int x, int y);
    void ZoneFigureImagicielMouseUp(int x, int y);
    void ZoneFigureImagicielMouseMove(int x, int y);
    void ZoneOutilsDessinMouseDown(int x, int y);
    void ZoneOutilsDessinMouseMove(int x, int y);

    // Buttons.
    void BoutonValiderClick();
    void BoutonReessayerClick();
    void BoutonAideClick();
    void BoutonSolutionClick();
    void BoutonSuiteClick();
    void BoutonSommaireClick();
    void BoutonBilanMouseDown();
    void BoutonQuitterPageControleClick();
    void BoutonMenuClick();
    void BoutonCoursSuivantClick();
    void BoutonCoursPrecedentClick();
    void BoutonRetourClick();
    void BoutonPourSexercerClick();
    void BoutonRevoirCoursClick();
    void BoutonAvancerClick();
    void BoutonReculerClick();

    // The page control.
    void PageControleDrawTab(Canevas& canevas, int index, const TRect& rect);
    void PageControleChange();
    void PageMenuEnter();

    // Timers.
    void TimerTimer();
    void TimerAnimationAccueilTimer();

    // The welcome screen.
    void preparerAccueil();
    void animerAccueil();
    void ZoneFigureAccueilMouseMove(int x, int y);
    void ZoneFigureAccueilMouseDown(int x, int y);

private:
    // Lights the welcome picture under the point, and it alone; its index in the order About,
    // Quit, Enter, or -1.
    int survolerAccueil(int x, int y);
    void lierEvenements();
    // On the page shown, the focus goes to what the pupil does next there.
    void focaliserPageActive();
    void remplirArbres();
    void copierDansDonnees();
    // A click on a tree acts on the selected leaf under the mouse only.
    bool feuilleChoisie(const Arbre& arbre, int index) const;
    // The three text zones that only record the mouse and follow links.
    void cliquerZoneTexte(Tfigure& figure, int x, int y);
    void survolerZoneTexte(Tfigure& figure, ZoneDessin& zone, int x, int y);
    void noterSouris(int x, int y, int phase);
    void cadreFigure(Tfigure& figure);

    TcomposantsFenetre c_;
    TdonneesCommunes& d_;
    // Open from the creation of the surfaces to FormClose; every event of the window is bound under it.
    Garde garde_;
    // The eight surfaces, in the order they are created; the shared record holds their addresses.
    std::unique_ptr<Tfigure> surfaceFigureEnonce_, surfaceFigureSolution_, surfaceEnonce_,
        surfaceSolution_, surfaceFigureImagiciel_, surfaceCours_, surfaceImagiciel_, surfaceAccueil_;
};

// The tab of one page: its band in the page's colour, a white rounded box and the caption.
void dessinerOnglet(Canevas& canevas, TColor couleur, const std::string& titre, const TRect& rect);
// The program's folder of an executable's path: cut back after its last "/", "\" or ":".
std::string dossierDuChemin(const std::string& chemin);
