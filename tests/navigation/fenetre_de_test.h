#pragma once
// The main window on recording doubles: every component, the pictures at their sizes, a recording
// platform, and the window set up as the program sets it up.

#include <memory>

#include "exercise/donnees_communes.h"
#include "navigation/fenetre_principale.h"
#include "platform/double/controles_enregistres.h"
#include "platform/double/image_enregistree.h"
#include "platform/double/plateforme_enregistree.h"

struct FenetreDeTest {
    FenetreDeTest()
    {
        installerPlateforme(&systeme);
        c.fenetre = &fenetre;
        // The system gives the path in its own bytes.
        c.cheminExecutable = "/home/h\xC3\xA9l\xC3\xA8ne/Maths 6e/vastrelle";
        c.PageControle = &PageControle;
        for (ControleEnregistre* p : {&PageMenu, &PageCours, &PageExercice, &PageImagiciel, &PageVocabulaire})
            PageControle.ajouterPage(*p);
        c.PageMenu = &PageMenu;
        c.PageCours = &PageCours;
        c.PageExercice = &PageExercice;
        c.PageImagiciel = &PageImagiciel;
        c.PageVocabulaire = &PageVocabulaire;
        c.FondPageControle = &autres[0];
        c.BoiteAccueil = &BoiteAccueil;
        c.BoiteChoixCoursTitre = &autres[1];
        c.BoitePartheme = &autres[2];
        c.ScrollBoiteCours = &autres[3];
        c.BoiteImagiciel = &autres[4];
        c.BoiteEnonce = &autres[5];
        c.BoiteSolution = &autres[6];
        c.PanelOutilsDessin = &autres[7];
        c.ZoneFigureAccueil = &ZoneFigureAccueil;
        c.zoneFigureEnonce = &zoneFigureEnonce;
        c.ZoneFigureSolution = &zones[0];
        c.zoneTexteEnonce = &zoneTexteEnonce;
        c.ZoneTexteSolution = &zones[1];
        c.ZoneTexteCours = &ZoneTexteCours;
        c.ZoneTexteImagiciel = &zones[2];
        c.ZoneFigureImagiciel = &zones[3];
        c.ZoneOutilsDessin = &zones[4];
        c.ArbreChoixCours = &ArbreChoixCours;
        c.ArbreChoixExercice = &ArbreChoixExercice;
        c.ArbreChoixImagiciel = &ArbreChoixImagiciel;
        c.ArbreParTheme = &ArbreParTheme;
        c.ArbreAlphabetique = &ArbreAlphabetique;
        c.Edit1 = &Edit1;
        c.Edit2 = &Edit2;
        c.Edit3 = &Edit3;
        Controle** etiquettes[] = {&c.LabelChapitreExercice, &c.LabelChapitreCours, &c.LabelChapitreImagiciel,
                                   &c.LabelTitreExercice, &c.LabelTitreImagiciel, &c.SurTitreExercice,
                                   &c.SurTitreImagiciel, &c.LabelCours, &c.LabelExercice, &c.LabelImagiciel,
                                   &c.TitreParTheme, &c.TitreAlphabetique, &c.ZoneScoreExercice,
                                   &c.ToolBarSommaire, &c.ToolBarCours, &c.ToolBarExercice, &c.ToolBarImagiciel,
                                   &c.ToolBarIndex, &c.Splitter1, &c.Splitter2, &c.Splitter3,
                                   &c.SepareEnonceSolution};
        int i = 8;
        for (Controle** e : etiquettes) *e = &autres[i++];
        Bouton** boutons[] = {&c.BoutonCoursSuivant, &c.BoutonCoursPrecedent, &c.BoutonPourSexercer,
                                &c.BoutonRetour, &c.BoutonRevoirCours, &c.BoutonReculer, &c.BoutonValider,
                                &c.BoutonAvancer, &c.BoutonSolution, &c.BoutonAide, &c.BoutonReessayer,
                                &c.BoutonSommaire, &c.BoutonSuite, &c.BoutonBilan};
        i = 0;
        for (Bouton** b : boutons) *b = &lesBoutons[i++];
        for (Bouton*& bouton : c.BoutonsQuitter) bouton = &lesBoutons[i++];
        c.Timer = &Timer;
        c.TimerAnimationAccueil = &TimerAnimationAccueil;
        c.MediaPlayerErreur = &son;
        const Image** resultats[] = {&c.ImageFausse, &c.ImageIncorrecte, &c.ImageCMincorrect, &c.ImageDepasse,
                                     &c.ImageSolution, &c.ImageAcceptee, &c.ImageExacte};
        for (const Image** r : resultats) *r = &imageResultat;
        c.garcon1 = &garcon;
        c.garcon2 = &garcon;
        c.fondAccueil = &fond;
        c.AproposActif = c.AproposNonActif = &apropos;
        c.EntreeActif = c.EntreeNonActif = &entree;
        c.QuitterActif = c.QuitterNonActif = &quitter;
        c.ImageCalculatrice = &calculatrice;

        f = std::make_unique<TfenetrePrincipale>(c, d);
        f->fermer = [this] {
            if (f->FormCloseQuery()) {
                f->FormClose();
                fermee = true;
            }
        };
        f->FormCreate();
        f->FormShow();
        f->FormResize();
    }
    ~FenetreDeTest() { installerPlateforme(nullptr); }

    PlateformeEnregistree systeme;
    TdonneesCommunes d;
    FenetreEnregistree fenetre;
    ControleEnregistre BoiteAccueil;
    ClasseurPagesEnregistre PageControle;
    ControleEnregistre PageMenu, PageCours, PageExercice, PageImagiciel, PageVocabulaire;
    ControleEnregistre autres[30];
    // The fourteen buttons of the components' record, then the five Quit buttons.
    BoutonEnregistre lesBoutons[19];
    ZoneDessinEnregistree ZoneFigureAccueil, zoneFigureEnonce, zoneTexteEnonce, ZoneTexteCours, zones[5];
    ArbreEnregistre ArbreChoixCours, ArbreChoixExercice, ArbreChoixImagiciel, ArbreParTheme, ArbreAlphabetique;
    ChampEditionEnregistre Edit1, Edit2, Edit3;
    MinuteurEnregistre Timer, TimerAnimationAccueil;
    LecteurSonEnregistre son;
    ImageEnregistree imageResultat{88, 52}, garcon{132, 196}, fond{690, 428}, apropos{84, 31},
        entree{130, 66}, quitter{80, 35}, calculatrice{44, 52};
    TcomposantsFenetre c;
    std::unique_ptr<TfenetrePrincipale> f;
    bool fermee = false;
};
