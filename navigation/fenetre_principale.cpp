#include "navigation/fenetre_principale.h"

#include <cmath>
#include <utility>

#include "engine/figure/creation_textes.h"
#include "engine/figure/dossier_programme.h"
#include "navigation/arbres.h"
#include "navigation/couleurs_pages.h"
#include "navigation/info.h"
#include "platform/plateforme.h"

namespace {

// Colours of the boxes, blue in the high byte.
constexpr TColor blanc = 0xFFFFFF;
constexpr TColor fondEnonce = 0xE0F7FF;
constexpr TColor fondSolution = 0xFDFEE0;
constexpr TColor bleuAccueil = 0xD08B00;
constexpr TColor grisFenetre = 0xE0E0E0;

}  // namespace

std::string dossierDuChemin(const std::string& chemin)
{
    // Only "/" separates folders here: a ":" may stand inside a folder's name.
    const auto fin = chemin.find_last_of('/');
    return fin == std::string::npos ? std::string() : chemin.substr(0, fin + 1);
}

TfenetrePrincipale::TfenetrePrincipale(const TcomposantsFenetre& composants,
                                       TdonneesCommunes& donnees)
    : c_(composants), d_(donnees)
{
    remplirArbres();
    d_.gardeFenetre = garde_;
    lierEvenements();
}

TfenetrePrincipale::~TfenetrePrincipale() { garde_.fermer(); }

// What the window's stored layout holds: the nodes of the five trees.
void TfenetrePrincipale::remplirArbres()
{
    c_.ArbreChoixExercice->remplir(lignesArbreChoixExercice());
    c_.ArbreChoixCours->remplir(lignesArbreChoixCours());
    c_.ArbreChoixImagiciel->remplir(lignesArbreChoixImagiciel());
    c_.ArbreParTheme->remplir(lignesArbreParTheme());
    c_.ArbreAlphabetique->remplir(lignesArbreAlphabetique());
}

void TfenetrePrincipale::lierEvenements()
{
    using F = TfenetrePrincipale;
    const auto lier = [this]<class... A>(Evenement<A...>& evenement, void (F::*gestionnaire)(A...)) {
        evenement.lier(garde_, [this, gestionnaire](A... arguments) { (this->*gestionnaire)(arguments...); });
    };
    // The paint boxes answer every mouse button alike.
    const auto lierBouton = [this](Evenement<BoutonSouris, int, int>& evenement, void (F::*gestionnaire)(int, int)) {
        evenement.lier(garde_, [this, gestionnaire](BoutonSouris, int x, int y) { (this->*gestionnaire)(x, y); });
    };

    lier(c_.fenetre->OnShow, &F::FormShow);
    lier(c_.fenetre->OnResize, &F::FormResize);
    c_.fenetre->OnCloseQuery.lier(garde_, [this](bool& peutFermer) { peutFermer = FormCloseQuery(); });
    lier(c_.fenetre->OnClose, &F::FormClose);

    lier(c_.Edit1->OnKeyDown, &F::Edit1KeyDown);
    lier(c_.Edit2->OnKeyDown, &F::Edit2KeyDown);
    lier(c_.Edit3->OnKeyDown, &F::Edit3KeyDown);
    lier(c_.ArbreChoixExercice->OnKeyDown, &F::ArbreChoixExerciceKeyDown);
    lier(c_.ArbreChoixCours->OnKeyDown, &F::ArbreChoixCoursKeyDown);
    lier(c_.ArbreChoixImagiciel->OnKeyDown, &F::ArbreChoixImagicielKeyDown);
    lier(c_.ArbreParTheme->OnKeyDown, &F::ArbreParThemeKeyDown);
    lier(c_.ArbreAlphabetique->OnKeyDown, &F::ArbreAlphabetiqueKeyDown);

    lier(c_.ArbreChoixExercice->OnClick, &F::ArbreChoixExerciceMouseDown);
    lier(c_.ArbreChoixCours->OnClick, &F::ArbreChoixCoursMouseDown);
    lier(c_.ArbreChoixImagiciel->OnClick, &F::ArbreChoixImagicielMouseDown);
    lier(c_.ArbreParTheme->OnClick, &F::ArbreParThemeMouseDown);
    lier(c_.ArbreAlphabetique->OnClick, &F::ArbreAlphabetiqueMouseDown);

    lier(c_.zoneTexteEnonce->OnPaint, &F::ZoneEnoncePaint);
    lier(c_.zoneFigureEnonce->OnPaint, &F::ZoneFigurePaint);
    lier(c_.ZoneFigureSolution->OnPaint, &F::ZoneFigureSolutionPaint);
    lier(c_.ZoneFigureImagiciel->OnPaint, &F::ZoneFigureImagicielPaint);
    lier(c_.ZoneTexteSolution->OnPaint, &F::ZoneTexteSolutionPaint);
    lier(c_.ZoneTexteCours->OnPaint, &F::ZoneTexteCoursPaint);
    lier(c_.ZoneFigureAccueil->OnPaint, &F::ZoneFigureAccueilPaint);
    lier(c_.ZoneTexteImagiciel->OnPaint, &F::ZoneTexteImagicielPaint);
    lier(c_.ZoneOutilsDessin->OnPaint, &F::ZoneOutilsDessinPaint);

    lierBouton(c_.zoneTexteEnonce->OnMouseDown, &F::ZoneEnonceReponseMouseDown);
    lier(c_.zoneTexteEnonce->OnMouseMove, &F::zoneTexteEnonceMouseMove);
    lierBouton(c_.ZoneTexteCours->OnMouseDown, &F::ZoneTexteCoursMouseDown);
    lier(c_.ZoneTexteCours->OnMouseMove, &F::ZoneTexteCoursMouseMove);
    lierBouton(c_.ZoneTexteCours->OnMouseUp, &F::ZoneTexteCoursMouseUp);
    lierBouton(c_.ZoneTexteSolution->OnMouseDown, &F::ZoneTexteSolutionMouseDown);
    lier(c_.ZoneTexteSolution->OnMouseMove, &F::ZoneTexteSolutionMouseMove);
    lierBouton(c_.ZoneTexteSolution->OnMouseUp, &F::ZoneTexteSolutionMouseUp);
    lierBouton(c_.ZoneTexteImagiciel->OnMouseDown, &F::ZoneTexteImagicielMouseDown);
    lier(c_.ZoneTexteImagiciel->OnMouseMove, &F::ZoneTexteImagicielMouseMove);
    lierBouton(c_.ZoneTexteImagiciel->OnMouseUp, &F::ZoneTexteImagicielMouseUp);

    lierBouton(c_.zoneFigureEnonce->OnMouseDown, &F::ZoneFigureEnonceMouseDown);
    lierBouton(c_.zoneFigureEnonce->OnMouseUp, &F::ZoneFigureEnonceMouseUp);
    lier(c_.zoneFigureEnonce->OnMouseMove, &F::ZoneFigureEnonceMouseMove);
    lierBouton(c_.ZoneFigureImagiciel->OnMouseDown, &F::ZoneFigureImagicielMouseDown);
    lierBouton(c_.ZoneFigureImagiciel->OnMouseUp, &F::ZoneFigureImagicielMouseUp);
    lier(c_.ZoneFigureImagiciel->OnMouseMove, &F::ZoneFigureImagicielMouseMove);
    lierBouton(c_.ZoneOutilsDessin->OnMouseDown, &F::ZoneOutilsDessinMouseDown);
    lier(c_.ZoneOutilsDessin->OnMouseMove, &F::ZoneOutilsDessinMouseMove);
    lierBouton(c_.ZoneFigureAccueil->OnMouseDown, &F::ZoneFigureAccueilMouseDown);
    lier(c_.ZoneFigureAccueil->OnMouseMove, &F::ZoneFigureAccueilMouseMove);

    const std::pair<Bouton*, void (F::*)()> clics[] = {
        {c_.BoutonValider, &F::BoutonValiderClick},
        {c_.BoutonReessayer, &F::BoutonReessayerClick},
        {c_.BoutonAide, &F::BoutonAideClick},
        {c_.BoutonSolution, &F::BoutonSolutionClick},
        {c_.BoutonSuite, &F::BoutonSuiteClick},
        {c_.BoutonSommaire, &F::BoutonSommaireClick},
        {c_.BoutonCoursSuivant, &F::BoutonCoursSuivantClick},
        {c_.BoutonCoursPrecedent, &F::BoutonCoursPrecedentClick},
        {c_.BoutonRetour, &F::BoutonRetourClick},
        {c_.BoutonPourSexercer, &F::BoutonPourSexercerClick},
        {c_.BoutonRevoirCours, &F::BoutonRevoirCoursClick},
        {c_.BoutonAvancer, &F::BoutonAvancerClick},
        {c_.BoutonReculer, &F::BoutonReculerClick},
    };
    for (const auto& [bouton, gestionnaire] : clics) lier(bouton->OnClick, gestionnaire);
    for (Bouton* quitter : c_.BoutonsQuitter) lier(quitter->OnClick, &F::BoutonQuitterPageControleClick);
    // The score summary opens as the button goes down, so that the same press can close it.
    lier(c_.BoutonBilan->OnMouseDown, &F::BoutonBilanMouseDown);

    c_.PageControle->OnChange.lier(garde_, [this] {
        PageControleChange();
        if (c_.PageControle->ActivePage() == c_.PageMenu) PageMenuEnter();
    });
    c_.PageControle->OnDrawTab.lier(garde_, [this](Canevas& canevas, int index, const TRect& rect, bool) {
        PageControleDrawTab(canevas, index, rect);
    });
    lier(c_.Timer->OnTimer, &F::TimerTimer);
    lier(c_.TimerAnimationAccueil->OnTimer, &F::TimerAnimationAccueilTimer);
}

void TfenetrePrincipale::FormCreate()
{
    c_.fenetre->setBounds(0, 0, 800, 599);
    c_.PageControle->setWidth(790);
    c_.PageControle->setHeight(570);
    c_.BoiteEnonce->setHeight(300);

    for (Controle* page : {c_.PageMenu, c_.PageCours, c_.PageExercice, c_.PageImagiciel, c_.PageVocabulaire}) {
        page->setWidth(c_.PageControle->Width() - 8);
        page->setHeight(c_.PageControle->Height() - 40);
    }

    c_.BoiteChoixCoursTitre->setWidth(c_.PageMenu->ClientWidth() / 2 - 2);
    c_.BoiteChoixCoursTitre->setHeight(c_.PageMenu->ClientHeight());
    c_.BoitePartheme->setWidth(c_.PageImagiciel->ClientWidth() / 2 - 2);

    // ScrollBoiteCours, BoiteImagiciel and BoiteAccueil fill their parents: the shell aligns them.
    c_.ZoneFigureImagiciel->setVisible(false);
    c_.PageControle->setVisible(false);

    c_.ArbreChoixCours->setHeight(
        static_cast<int>(std::lround(c_.BoiteChoixCoursTitre->ClientHeight() * 0.63)));

    initialiserFenetre();
}

void TfenetrePrincipale::initialiserFenetre()
{
    c_.fenetre->setCaption("Vastrelle 6e 2005");
    initialiserDonneesCommunes(d_);

    c_.ScrollBoiteCours->setColor(blanc);
    c_.ZoneTexteCours->setColor(blanc);
    c_.zoneTexteEnonce->setColor(fondEnonce);
    c_.ZoneTexteImagiciel->setColor(fondEnonce);
    c_.ZoneTexteSolution->setColor(fondSolution);
    c_.BoiteAccueil->setColor(bleuAccueil);
    c_.ZoneFigureAccueil->setColor(bleuAccueil);

    c_.ZoneFigureAccueil->setBounds(c_.PageControle->Left(), c_.PageControle->Top(),
                                    c_.PageControle->Width(), c_.PageControle->Height());

    creerFigure(c_.zoneFigureEnonce, 320, 290, surfaceFigureEnonce_);
    creerFigure(c_.ZoneFigureSolution, 248, 155, surfaceFigureSolution_);
    creerFigure(c_.zoneTexteEnonce, 456, 290, surfaceEnonce_);
    creerFigure(c_.ZoneTexteSolution, 528, 155, surfaceSolution_);
    creerFigure(c_.ZoneFigureImagiciel, 388, 485, surfaceFigureImagiciel_);
    creerFigure(c_.ZoneTexteCours, 388, 485, surfaceCours_);
    creerFigure(c_.ZoneTexteImagiciel, 388, 485, surfaceImagiciel_);
    creerFigure(c_.ZoneFigureAccueil, 790, 570, surfaceAccueil_);
    d_.surfaceFigureEnonce = surfaceFigureEnonce_.get();
    d_.surfaceFigureSolution = surfaceFigureSolution_.get();
    d_.surfaceEnonce = surfaceEnonce_.get();
    d_.surfaceSolution = surfaceSolution_.get();
    d_.surfaceFigureImagiciel = surfaceFigureImagiciel_.get();
    d_.surfaceCours = surfaceCours_.get();
    d_.surfaceImagiciel = surfaceImagiciel_.get();
    d_.surfaceAccueil = surfaceAccueil_.get();
    garde_.ouvrir();

    // The boxes the program asks to be double-buffered need nothing: every widget paints through
    // a back buffer here.
    copierDansDonnees();

    c_.Edit1->setLeft(300);
    c_.Edit2->setLeft(c_.Edit1->Left());
    c_.Edit3->setLeft(c_.Edit1->Left());
    c_.ZoneTexteCours->setColor(blanc);

    const std::string dossier = dossierDuChemin(c_.cheminExecutable);
    d_.cheminProgramme = dossier;
    dossierProgramme = dossier;
    c_.MediaPlayerErreur->setFileName(dossierProgramme + "erreur.wav");
    c_.MediaPlayerErreur->Open();

    for (int i = 0; i < c_.ArbreChoixCours->Count(); ++i)
        if (c_.ArbreChoixCours->HasChildren(i)) c_.ArbreChoixCours->Expand(i, false);

    c_.ScrollBoiteCours->setWidth(c_.PageCours->ClientWidth());
    c_.ScrollBoiteCours->setHeight(c_.PageCours->ClientHeight());
    c_.ZoneTexteCours->setWidth(c_.ScrollBoiteCours->ClientWidth() - 15);
    c_.BoiteImagiciel->setWidth(c_.PageImagiciel->ClientWidth());
    c_.ZoneTexteImagiciel->setWidth(c_.BoiteImagiciel->ClientWidth());
    d_.hauteurZoneCours = c_.ScrollBoiteCours->ClientHeight() - 5;

    c_.PageControle->setActivePage(c_.PageMenu);

    c_.ToolBarSommaire->setColor(couleurSommaire);
    c_.ToolBarCours->setColor(couleurCours);
    c_.LabelCours->setColor(couleurCours);
    c_.ToolBarExercice->setColor(couleurExercices);
    c_.LabelExercice->setColor(couleurExercices);
    c_.ToolBarImagiciel->setColor(couleurImagiciels);
    c_.LabelImagiciel->setColor(couleurImagiciels);
    c_.ToolBarIndex->setColor(couleurIndex);
    c_.FondPageControle->setCaption("");

    c_.LabelChapitreCours->setColor(couleurCours);
    c_.LabelChapitreCours->setWidth(535);
    c_.LabelChapitreExercice->setColor(couleurExercices);
    c_.LabelChapitreExercice->setWidth(615);
    c_.LabelChapitreImagiciel->setColor(couleurImagiciels);
    c_.LabelChapitreImagiciel->setWidth(690);
    c_.TitreParTheme->setColor(couleurIndex);
    c_.TitreAlphabetique->setColor(couleurIndex);
    c_.Splitter1->setColor(couleurIndex);
    c_.Splitter2->setColor(couleurSommaire);
    c_.Splitter3->setColor(couleurSommaire);
    c_.SepareEnonceSolution->setColor(couleurExercices);
    c_.fenetre->setColor(grisFenetre);

    // The invitations stand within their boxes (lines 30, 35 and 33 would put them below the
    // boxes' bottoms, where no pupil could read them).
    creerLigneTexte(*surfaceCours_, "$gChoisir une page de cours dans le sommaire.", 8, 12);
    creerLigneTexte(*surfaceEnonce_, "$gChoisir un exercice dans le sommaire.", 8, 7);
    creerLigneTexte(*surfaceImagiciel_, "$gChoisir un imagiciel dans le sommaire.", 8, 12);

    c_.LabelTitreExercice->setCaption("");
    c_.LabelTitreExercice->setColor(fondEnonce);
    c_.ToolBarImagiciel->setColor(couleurImagiciels);
    c_.LabelTitreImagiciel->setColor(fondEnonce);
    c_.SurTitreImagiciel->setColor(fondEnonce);
    c_.SurTitreExercice->setColor(fondEnonce);
    c_.LabelTitreImagiciel->setCaption("");

    c_.LabelTitreExercice->setWidth(780);
    c_.zoneTexteEnonce->setWidth(780);
    c_.zoneTexteEnonce->setHeight(271);

    c_.BoutonSolution->setBounds(420, 0, c_.BoutonSolution->Width(), c_.BoutonSolution->Height());
    c_.BoutonSuite->setBounds(320, c_.BoutonSolution->Top(), c_.BoutonSuite->Width(), c_.BoutonSuite->Height());
    c_.BoutonAide->setBounds(c_.BoutonSolution->Left(), c_.BoutonSolution->Top(), c_.BoutonAide->Width(),
                             c_.BoutonAide->Height());
    for (Controle* bouton : {c_.BoutonValider, c_.BoutonReessayer, c_.BoutonSommaire})
        bouton->setBounds(c_.BoutonSuite->Left(), c_.BoutonSolution->Top(), bouton->Width(), bouton->Height());

    c_.BoutonValider->setVisible(false);
    c_.BoutonSolution->setVisible(false);
    c_.BoutonBilan->setEnabled(false);
    c_.BoutonSuite->setVisible(false);

    // The information window's close request reaches this window by a posted call, not a handle.
    d_.poigneeFenetre = 1;

    c_.BoutonRevoirCours->setLeft(5);
    c_.BoutonRevoirCours->setTop(c_.zoneTexteEnonce->Top() + c_.zoneTexteEnonce->Height() -
                                 c_.BoutonRevoirCours->Height() - 5);

    c_.ToolBarImagiciel->setColor(couleurImagiciels);
    c_.LabelChapitreImagiciel->setColor(couleurImagiciels);

    preparerAccueil();

    c_.BoutonRetour->setBounds(680, 20, c_.BoutonRetour->Width(), c_.BoutonRetour->Height());
    c_.BoutonRetour->setVisible(false);
    // The exercise tree never opens a node by itself when it is selected: the Qt tree does not.

    plateforme().placerCurseur(410, 515);

    c_.PanelOutilsDessin->setBounds(777 - 547, 37, 547, 130);
    c_.PanelOutilsDessin->setColor(blanc);
    c_.ZoneOutilsDessin->setColor(blanc);
}

void TfenetrePrincipale::copierDansDonnees()
{
    d_.LabelChapitreExercice = c_.LabelChapitreExercice;
    d_.LabelChapitreCours = c_.LabelChapitreCours;
    d_.LabelChapitreImagiciel = c_.LabelChapitreImagiciel;
    d_.LabelTitreExercice = c_.LabelTitreExercice;
    d_.LabelTitreImagiciel = c_.LabelTitreImagiciel;
    d_.champsReponse[1].edition = c_.Edit1;
    d_.champsReponse[2].edition = c_.Edit2;
    d_.champsReponse[3].edition = c_.Edit3;
    d_.ZoneScoreExercice = c_.ZoneScoreExercice;
    d_.Timer = c_.Timer;
    d_.TimerAnimationAccueil = c_.TimerAnimationAccueil;
    d_.BoutonCoursSuivant = c_.BoutonCoursSuivant;
    d_.BoutonCoursPrecedent = c_.BoutonCoursPrecedent;
    d_.BoutonPourSexercer = c_.BoutonPourSexercer;
    d_.BoutonRetour = c_.BoutonRetour;
    d_.BoutonRevoirCours = c_.BoutonRevoirCours;
    d_.BoutonReculer = c_.BoutonReculer;
    d_.BoutonValider = c_.BoutonValider;
    d_.BoutonAvancer = c_.BoutonAvancer;
    d_.BoutonSolution = c_.BoutonSolution;
    d_.BoutonAide = c_.BoutonAide;
    d_.BoutonReessayer = c_.BoutonReessayer;
    d_.BoutonSommaire = c_.BoutonSommaire;
    d_.BoutonSuite = c_.BoutonSuite;
    d_.PageControle = c_.PageControle;
    d_.PageExercice = c_.PageExercice;
    d_.PageImagiciel = c_.PageImagiciel;
    d_.PageCours = c_.PageCours;
    d_.PageMenu = c_.PageMenu;
    d_.ArbreChoixCours = c_.ArbreChoixCours;
    d_.ArbreChoixExercice = c_.ArbreChoixExercice;
    d_.ArbreChoixImagiciel = c_.ArbreChoixImagiciel;
    d_.ScrollBoiteCours = c_.ScrollBoiteCours;
    d_.MediaPlayerErreur = c_.MediaPlayerErreur;
    d_.ImageFausse = c_.ImageFausse;
    d_.ImageIncorrecte = c_.ImageIncorrecte;
    d_.ImageCMincorrect = c_.ImageCMincorrect;
    d_.ImageDepasse = c_.ImageDepasse;
    d_.ImageSolution = c_.ImageSolution;
    d_.ImageAcceptee = c_.ImageAcceptee;
    d_.ImageExacte = c_.ImageExacte;
    d_.garcon1 = c_.garcon1;
    d_.garcon2 = c_.garcon2;
    d_.fondAccueil = c_.fondAccueil;
    d_.AproposActif = c_.AproposActif;
    d_.AproposNonActif = c_.AproposNonActif;
    d_.EntreeActif = c_.EntreeActif;
    d_.EntreeNonActif = c_.EntreeNonActif;
    d_.QuitterActif = c_.QuitterActif;
    d_.QuitterNonActif = c_.QuitterNonActif;
    d_.ImageCalculatrice = c_.ImageCalculatrice;
    d_.PanelOutilsDessin = c_.PanelOutilsDessin;
    d_.ZoneOutilsDessin = c_.ZoneOutilsDessin;
}

void TfenetrePrincipale::FormShow() { c_.fenetre->setBounds(0, 0, 800, 600); }

void TfenetrePrincipale::FormResize()
{
    // At its usual size the window gives the page control its whole client area; the page control
    // is then centred. (Centring first, with the old size, would push the grown control out of
    // the window.)
    ClasseurPages& pages = *c_.PageControle;
    const int largeur = c_.fenetre->ClientWidth();
    const int hauteur = c_.fenetre->ClientHeight();
    if (c_.fenetre->Width() == 800) pages.setWidth(largeur);
    if (c_.fenetre->Height() == 600) pages.setHeight(hauteur);
    pages.setLeft(largeur >= pages.Width() ? (largeur - pages.Width()) / 2 : 0);
    pages.setTop(hauteur >= pages.Height() ? (hauteur - pages.Height()) / 2 : 0);
    c_.ZoneFigureAccueil->setBounds(pages.Left(), pages.Top(), c_.ZoneFigureAccueil->Width(),
                                    c_.ZoneFigureAccueil->Height());
}

bool TfenetrePrincipale::FormCloseQuery()
{
    // The information window goes first: left open, it would outlive the window it belongs to
    // and keep the program running with nothing else on screen.
    if (infoAffichee) fermerInfo();
    if (c_.BoiteAccueil->Visible()) return true;
    c_.PageControle->setVisible(false);
    c_.BoiteAccueil->setVisible(true);
    return false;
}

void TfenetrePrincipale::FormClose()
{
    garde_.fermer();
    // The welcome screen's surface lives on until the window itself is freed, though the closed
    // window no longer paints it.
    for (auto* surface : {&surfaceFigureEnonce_, &surfaceFigureSolution_, &surfaceEnonce_, &surfaceSolution_,
                          &surfaceCours_, &surfaceImagiciel_, &surfaceFigureImagiciel_})
        libererFigure(*surface);
    d_.surfaceFigureEnonce = nullptr;
    d_.surfaceFigureSolution = nullptr;
    d_.surfaceEnonce = nullptr;
    d_.surfaceSolution = nullptr;
    d_.surfaceCours = nullptr;
    d_.surfaceImagiciel = nullptr;
    d_.surfaceFigureImagiciel = nullptr;
}
