#include "shell/fenetre_qt.h"

#include <QCloseEvent>
#include <QEnterEvent>
#include <QEvent>
#include <QFont>
#include <QResizeEvent>
#include <QShowEvent>

#include "platform/qt/arbre_qt.h"
#include "platform/qt/champ_edition_qt.h"
#include "platform/qt/classeur_pages_qt.h"
#include "platform/qt/zone_dessin_qt.h"

namespace {

// Heights of the bars of the pages, in pixels.
constexpr int hauteurBarre = 28;
constexpr int hauteurEntete = 22;
constexpr int hauteurTitre = 22;
constexpr int hauteurSurTitre = 4;
constexpr int largeurSeparation = 4;
constexpr int largeurOnglet = 150;
constexpr int hauteurOnglet = 40;

QFont police(int points, bool gras)
{
    QFont f(QStringLiteral("Arial"), points);
    f.setBold(gras);
    return f;
}

// A label of a coloured bar: bold white text.
void ecrireEnBlanc(QLabel* etiquette, int points)
{
    etiquette->setFont(police(points, true));
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    etiquette->setPalette(palette);
}

}  // namespace

// The widgets the window lays out itself, by their components' names.
struct FenetreQt::Composants {
    PanneauQt* FondPageControle;
    PanneauQt* BoiteAccueil;
    ClasseurPagesQt* PageControle;
    PanneauQt *PageMenu, *PageCours, *PageExercice, *PageImagiciel, *PageVocabulaire;
    PanneauQt *ToolBarSommaire, *ToolBarCours, *ToolBarExercice, *ToolBarImagiciel, *ToolBarIndex;
    PanneauQt *BoiteChoixCoursTitre, *BoitePartheme, *BoiteEnonce, *BoiteSolution, *BoiteImagiciel;
    PanneauQt *Splitter1, *Splitter2, *Splitter3, *SepareEnonceSolution, *SurTitreExercice, *SurTitreImagiciel;
    PanneauQt* PanelOutilsDessin;
    BoiteDefilementQt* ScrollBoiteCours;
    EtiquetteQt *LabelCours, *LabelExercice, *LabelImagiciel, *TitreParTheme, *TitreAlphabetique;
    EtiquetteQt *LabelChapitreCours, *LabelChapitreExercice, *LabelChapitreImagiciel;
    EtiquetteQt *LabelTitreExercice, *LabelTitreImagiciel, *ZoneScoreExercice;
    ArbreQt *ArbreChoixCours, *ArbreChoixExercice, *ArbreChoixImagiciel, *ArbreParTheme, *ArbreAlphabetique;
    ZoneDessinQt *ZoneFigureAccueil, *zoneTexteEnonce, *zoneFigureEnonce, *ZoneTexteSolution,
        *ZoneFigureSolution, *ZoneTexteCours, *ZoneTexteImagiciel, *ZoneFigureImagiciel, *ZoneOutilsDessin;
    ChampEditionQt *Edit1, *Edit2, *Edit3;
    BoutonQt *BoutonCoursSuivant, *BoutonCoursPrecedent, *BoutonPourSexercer, *BoutonRetour,
        *BoutonRevoirCours, *BoutonReculer, *BoutonValider, *BoutonAvancer, *BoutonSolution, *BoutonAide,
        *BoutonReessayer, *BoutonSommaire, *BoutonSuite, *BoutonBilan;
    BoutonQt *BoutonQuitterSommaire, *BoutonQuitterCours, *BoutonQuitterExo, *boutonQuitterImagiciel,
        *BoutonQuitterIndex;
};

namespace {

// Each component bears its name, so that it can be found by it.
template <class W>
W* creer(QWidget* parent, const char* nom)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(nom));
    return w;
}

BoutonQt* bouton(QWidget* parent, const char* nom, const char* titre, int largeur)
{
    auto* b = creer<BoutonQt>(parent, nom);
    b->setCaption(titre);
    b->resize(largeur, 24);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

EtiquetteQt* etiquette(QWidget* parent, const char* nom, const char* texte)
{
    auto* e = creer<EtiquetteQt>(parent, nom);
    e->setCaption(texte);
    e->setAutoFillBackground(true);
    return e;
}

// A page: its bar stands in the top margin, so that its client area is what lies below the bar.
PanneauQt* page(const char* nom)
{
    auto* p = creer<PanneauQt>(nullptr, nom);
    p->setContentsMargins(0, hauteurBarre, 0, 0);
    return p;
}

}  // namespace

FenetreQt::FenetreQt(const std::string& cheminExecutable) : w_(std::make_unique<Composants>())
{
    setObjectName(QStringLiteral("fenetrePrincipale"));
    Composants& w = *w_;
    TcomposantsFenetre c;
    c.fenetre = this;
    c.cheminExecutable = cheminExecutable;

    w.FondPageControle = creer<PanneauQt>(this, "FondPageControle");
    w.PageControle = creer<ClasseurPagesQt>(w.FondPageControle, "PageControle");
    w.PageControle->fixerTailleOnglets(largeurOnglet, hauteurOnglet);
    construirePages(c);

    w.BoiteAccueil = creer<PanneauQt>(this, "BoiteAccueil");
    w.ZoneFigureAccueil = creer<ZoneDessinQt>(w.BoiteAccueil, "ZoneFigureAccueil");

    c.PageControle = w.PageControle;
    c.FondPageControle = w.FondPageControle;
    c.BoiteAccueil = w.BoiteAccueil;
    c.ZoneFigureAccueil = w.ZoneFigureAccueil;

    timer_.setEnabled(false);
    timerAnimationAccueil_.setInterval(100);
    c.Timer = &timer_;
    c.TimerAnimationAccueil = &timerAnimationAccueil_;
    c.MediaPlayerErreur = &mediaPlayerErreur_;

    c.ImageFausse = &illustrations_.ImageFausse;
    c.ImageIncorrecte = &illustrations_.ImageIncorrecte;
    c.ImageCMincorrect = &illustrations_.ImageCMincorrect;
    c.ImageDepasse = &illustrations_.ImageDepasse;
    c.ImageSolution = &illustrations_.ImageSolution;
    c.ImageAcceptee = &illustrations_.ImageAcceptee;
    c.ImageExacte = &illustrations_.ImageExacte;
    c.garcon1 = &illustrations_.garcon1;
    c.garcon2 = &illustrations_.garcon2;
    c.fondAccueil = &illustrations_.fondAccueil;
    c.AproposActif = &illustrations_.AproposActif;
    c.AproposNonActif = &illustrations_.AproposNonActif;
    c.EntreeActif = &illustrations_.EntreeActif;
    c.EntreeNonActif = &illustrations_.EntreeNonActif;
    c.QuitterActif = &illustrations_.QuitterActif;
    c.QuitterNonActif = &illustrations_.QuitterNonActif;
    c.ImageCalculatrice = &illustrations_.ImageCalculatrice;
    c.BoutonsQuitter = {w.BoutonQuitterSommaire, w.BoutonQuitterCours, w.BoutonQuitterExo, w.boutonQuitterImagiciel,
                        w.BoutonQuitterIndex};

    fenetre_ = std::make_unique<TfenetrePrincipale>(c, *donneesCommunes);
    fenetre_->fermer = [this] { close(); };

    for (QWidget* parent : {static_cast<QWidget*>(w.PageMenu), static_cast<QWidget*>(w.PageCours),
                            static_cast<QWidget*>(w.PageExercice), static_cast<QWidget*>(w.PageImagiciel),
                            static_cast<QWidget*>(w.PageVocabulaire), static_cast<QWidget*>(w.BoiteChoixCoursTitre),
                            static_cast<QWidget*>(w.BoitePartheme), static_cast<QWidget*>(w.BoiteSolution)})
        parent->installEventFilter(this);
    w.ZoneFigureAccueil->installEventFilter(this);

    fenetre_->FormCreate();
    // What the stored layout gives besides: the course box as tall as the visible page, and the
    // animations and the index from A to Z shown under their headings.
    w.ZoneTexteCours->resize(w.ZoneTexteCours->width(), donneesCommunes->hauteurZoneCours);
    w.ArbreChoixImagiciel->Expand(0, false);
    w.ArbreAlphabetique->Expand(0, false);
    disposer();
}

FenetreQt::~FenetreQt()
{
    // The program's window holds the surfaces drawn on these widgets: it goes first.
    fenetre_.reset();
}

void FenetreQt::construirePages(TcomposantsFenetre& c)
{
    Composants& w = *w_;
    w.PageMenu = page("PageMenu");
    w.PageCours = page("PageCours");
    w.PageExercice = page("PageExercice");
    w.PageImagiciel = page("PageImagiciel");
    w.PageVocabulaire = page("PageVocabulaire");
    construirePageMenu(c);
    construirePageCours(c);
    construirePageExercice(c);
    construirePageImagiciel(c);
    construirePageIndex(c);
    // The tabs are drawn by the program; the captions only name the pages.
    w.PageControle->ajouterPage(w.PageMenu, "Sommaire");
    w.PageControle->ajouterPage(w.PageCours, "Cours");
    w.PageControle->ajouterPage(w.PageExercice, "Exercices");
    w.PageControle->ajouterPage(w.PageImagiciel, "Imagiciels");
    w.PageControle->ajouterPage(w.PageVocabulaire, "Index");
    c.PageMenu = w.PageMenu;
    c.PageCours = w.PageCours;
    c.PageExercice = w.PageExercice;
    c.PageImagiciel = w.PageImagiciel;
    c.PageVocabulaire = w.PageVocabulaire;
}

void FenetreQt::construirePageMenu(TcomposantsFenetre& c)
{
    Composants& w = *w_;
    w.ToolBarSommaire = creer<PanneauQt>(w.PageMenu, "ToolBarSommaire");
    w.BoutonQuitterSommaire = bouton(w.ToolBarSommaire, "BoutonQuitterSommaire", "Quitter", 80);
    auto* consigne = etiquette(w.ToolBarSommaire, "ConsigneSommaire", "Choisir une page de cours, un imagiciel ou un exercice");
    consigne->setAutoFillBackground(false);
    consigne->setGeometry(8, 3, 560, hauteurEntete);
    ecrireEnBlanc(consigne, 12);
    w.BoiteChoixCoursTitre = creer<PanneauQt>(w.PageMenu, "BoiteChoixCoursTitre");
    w.LabelCours = etiquette(w.BoiteChoixCoursTitre, "LabelCours", "  Cours");
    w.ArbreChoixCours = creer<ArbreQt>(w.BoiteChoixCoursTitre, "ArbreChoixCours");
    w.Splitter2 = creer<PanneauQt>(w.BoiteChoixCoursTitre, "Splitter2");
    w.LabelImagiciel = etiquette(w.BoiteChoixCoursTitre, "LabelImagiciel", "  Imagiciels");
    w.ArbreChoixImagiciel = creer<ArbreQt>(w.BoiteChoixCoursTitre, "ArbreChoixImagiciel");
    w.Splitter3 = creer<PanneauQt>(w.PageMenu, "Splitter3");
    w.LabelExercice = etiquette(w.PageMenu, "LabelExercice", "  Exercices");
    w.ArbreChoixExercice = creer<ArbreQt>(w.PageMenu, "ArbreChoixExercice");
    for (EtiquetteQt* e : {w.LabelCours, w.LabelImagiciel, w.LabelExercice}) ecrireEnBlanc(e, 11);

    c.ToolBarSommaire = w.ToolBarSommaire;
    c.BoiteChoixCoursTitre = w.BoiteChoixCoursTitre;
    c.LabelCours = w.LabelCours;
    c.LabelImagiciel = w.LabelImagiciel;
    c.LabelExercice = w.LabelExercice;
    c.ArbreChoixCours = w.ArbreChoixCours;
    c.ArbreChoixImagiciel = w.ArbreChoixImagiciel;
    c.ArbreChoixExercice = w.ArbreChoixExercice;
    c.Splitter2 = w.Splitter2;
    c.Splitter3 = w.Splitter3;
}

void FenetreQt::construirePageCours(TcomposantsFenetre& c)
{
    Composants& w = *w_;
    w.ToolBarCours = creer<PanneauQt>(w.PageCours, "ToolBarCours");
    w.LabelChapitreCours = etiquette(w.ToolBarCours, "LabelChapitreCours", "");
    w.BoutonCoursPrecedent = bouton(w.ToolBarCours, "BoutonCoursPrecedent", "\x8B Page", 70);
    w.BoutonCoursSuivant = bouton(w.ToolBarCours, "BoutonCoursSuivant", "Page \x9B", 70);
    w.BoutonQuitterCours = bouton(w.ToolBarCours, "BoutonQuitterCours", "Quitter", 80);
    w.ScrollBoiteCours = creer<BoiteDefilementQt>(w.PageCours, "ScrollBoiteCours");
    w.ScrollBoiteCours->setFrameShape(QFrame::NoFrame);
    w.ZoneTexteCours = creer<ZoneDessinQt>(nullptr, "ZoneTexteCours");
    w.ScrollBoiteCours->setWidget(w.ZoneTexteCours);
    w.ScrollBoiteCours->setWidgetResizable(false);
    // The scroll box shows its own colour round a short page, not the page's grey.
    w.ScrollBoiteCours->viewport()->setBackgroundRole(QPalette::Base);
    w.ScrollBoiteCours->viewport()->setAutoFillBackground(true);
    // The page's own buttons stand on the page and scroll with it.
    w.BoutonPourSexercer = bouton(w.ZoneTexteCours, "BoutonPourSexercer", "S'exercer", 100);
    w.BoutonRetour = bouton(w.ZoneTexteCours, "BoutonRetour", "Retour", 80);
    w.BoutonPourSexercer->setVisible(false);
    ecrireEnBlanc(w.LabelChapitreCours, 12);

    c.ToolBarCours = w.ToolBarCours;
    c.LabelChapitreCours = w.LabelChapitreCours;
    c.BoutonCoursPrecedent = w.BoutonCoursPrecedent;
    c.BoutonCoursSuivant = w.BoutonCoursSuivant;
    c.ScrollBoiteCours = w.ScrollBoiteCours;
    c.ZoneTexteCours = w.ZoneTexteCours;
    c.BoutonPourSexercer = w.BoutonPourSexercer;
    c.BoutonRetour = w.BoutonRetour;
}

void FenetreQt::construirePageExercice(TcomposantsFenetre& c)
{
    Composants& w = *w_;
    w.ToolBarExercice = creer<PanneauQt>(w.PageExercice, "ToolBarExercice");
    w.LabelChapitreExercice = etiquette(w.ToolBarExercice, "LabelChapitreExercice", "");
    w.BoutonBilan = bouton(w.ToolBarExercice, "BoutonBilan", "Bilan", 80);
    // Clicked, it keeps the focus where the question has it: the next Enter is for the question.
    w.BoutonBilan->setFocusPolicy(Qt::TabFocus);
    w.BoutonQuitterExo = bouton(w.ToolBarExercice, "BoutonQuitterExo", "Quitter", 80);
    ecrireEnBlanc(w.LabelChapitreExercice, 12);
    w.SurTitreExercice = creer<PanneauQt>(w.PageExercice, "SurTitreExercice");
    w.LabelTitreExercice = etiquette(w.PageExercice, "LabelTitreExercice", "");
    w.LabelTitreExercice->setFont(police(12, true));

    w.BoiteEnonce = creer<PanneauQt>(w.PageExercice, "BoiteEnonce");
    w.BoiteEnonce->setColor(0xE0F7FF);
    w.zoneTexteEnonce = creer<ZoneDessinQt>(w.BoiteEnonce, "zoneTexteEnonce");
    w.zoneFigureEnonce = creer<ZoneDessinQt>(w.BoiteEnonce, "zoneFigureEnonce");
    w.zoneFigureEnonce->setVisible(false);
    w.Edit1 = creer<ChampEditionQt>(w.BoiteEnonce, "Edit1");
    w.Edit2 = creer<ChampEditionQt>(w.BoiteEnonce, "Edit2");
    w.Edit3 = creer<ChampEditionQt>(w.BoiteEnonce, "Edit3");
    for (ChampEditionQt* e : {w.Edit1, w.Edit2, w.Edit3}) {
        e->setFont(police(11, false));
        e->resize(121, 24);
        e->setVisible(false);
    }
    w.BoutonRevoirCours = bouton(w.BoiteEnonce, "BoutonRevoirCours", "Revoir le cours", 120);
    w.BoutonRevoirCours->setVisible(false);

    w.BoiteSolution = creer<PanneauQt>(w.PageExercice, "BoiteSolution");
    w.SepareEnonceSolution = creer<PanneauQt>(w.BoiteSolution, "SepareEnonceSolution");
    w.ZoneScoreExercice = etiquette(w.BoiteSolution, "ZoneScoreExercice", "");
    w.ZoneScoreExercice->setAutoFillBackground(false);
    ecrireEnBlanc(w.ZoneScoreExercice, 11);
    w.ZoneTexteSolution = creer<ZoneDessinQt>(w.BoiteSolution, "ZoneTexteSolution");
    w.ZoneFigureSolution = creer<ZoneDessinQt>(w.BoiteSolution, "ZoneFigureSolution");
    w.ZoneFigureSolution->setVisible(false);
    w.BoutonValider = bouton(w.BoiteSolution, "BoutonValider", "Valider", 90);
    w.BoutonReessayer = bouton(w.BoiteSolution, "BoutonReessayer", "Réessayer", 90);
    w.BoutonSommaire = bouton(w.BoiteSolution, "BoutonSommaire", "Sommaire", 90);
    w.BoutonSuite = bouton(w.BoiteSolution, "BoutonSuite", "Suite", 90);
    w.BoutonSolution = bouton(w.BoiteSolution, "BoutonSolution", "Solution", 90);
    w.BoutonAide = bouton(w.BoiteSolution, "BoutonAide", "Aide", 90);
    for (BoutonQt* b : {w.BoutonReessayer, w.BoutonSommaire, w.BoutonAide}) b->setVisible(false);
    w.PanelOutilsDessin = creer<PanneauQt>(w.BoiteSolution, "PanelOutilsDessin");
    w.PanelOutilsDessin->setFrameShape(QFrame::Box);
    w.PanelOutilsDessin->setVisible(false);
    w.ZoneOutilsDessin = creer<ZoneDessinQt>(w.PanelOutilsDessin, "ZoneOutilsDessin");

    c.ToolBarExercice = w.ToolBarExercice;
    c.LabelChapitreExercice = w.LabelChapitreExercice;
    c.BoutonBilan = w.BoutonBilan;
    c.SurTitreExercice = w.SurTitreExercice;
    c.LabelTitreExercice = w.LabelTitreExercice;
    c.BoiteEnonce = w.BoiteEnonce;
    c.zoneTexteEnonce = w.zoneTexteEnonce;
    c.zoneFigureEnonce = w.zoneFigureEnonce;
    c.Edit1 = w.Edit1;
    c.Edit2 = w.Edit2;
    c.Edit3 = w.Edit3;
    c.BoutonRevoirCours = w.BoutonRevoirCours;
    c.BoiteSolution = w.BoiteSolution;
    c.SepareEnonceSolution = w.SepareEnonceSolution;
    c.ZoneScoreExercice = w.ZoneScoreExercice;
    c.ZoneTexteSolution = w.ZoneTexteSolution;
    c.ZoneFigureSolution = w.ZoneFigureSolution;
    c.BoutonValider = w.BoutonValider;
    c.BoutonReessayer = w.BoutonReessayer;
    c.BoutonSommaire = w.BoutonSommaire;
    c.BoutonSuite = w.BoutonSuite;
    c.BoutonSolution = w.BoutonSolution;
    c.BoutonAide = w.BoutonAide;
    c.PanelOutilsDessin = w.PanelOutilsDessin;
    c.ZoneOutilsDessin = w.ZoneOutilsDessin;
}

void FenetreQt::construirePageImagiciel(TcomposantsFenetre& c)
{
    Composants& w = *w_;
    w.ToolBarImagiciel = creer<PanneauQt>(w.PageImagiciel, "ToolBarImagiciel");
    w.LabelChapitreImagiciel = etiquette(w.ToolBarImagiciel, "LabelChapitreImagiciel", "");
    w.boutonQuitterImagiciel = bouton(w.ToolBarImagiciel, "boutonQuitterImagiciel", "Quitter", 80);
    ecrireEnBlanc(w.LabelChapitreImagiciel, 12);
    w.SurTitreImagiciel = creer<PanneauQt>(w.PageImagiciel, "SurTitreImagiciel");
    w.LabelTitreImagiciel = etiquette(w.PageImagiciel, "LabelTitreImagiciel", "");
    w.LabelTitreImagiciel->setFont(police(12, true));
    w.BoiteImagiciel = creer<PanneauQt>(w.PageImagiciel, "BoiteImagiciel");
    w.ZoneTexteImagiciel = creer<ZoneDessinQt>(w.BoiteImagiciel, "ZoneTexteImagiciel");
    w.ZoneFigureImagiciel = creer<ZoneDessinQt>(w.BoiteImagiciel, "ZoneFigureImagiciel");
    w.BoutonAvancer = bouton(w.BoiteImagiciel, "BoutonAvancer", "Suite", 90);
    w.BoutonReculer = bouton(w.BoiteImagiciel, "BoutonReculer", "Retour", 90);
    w.BoutonAvancer->setVisible(false);
    w.BoutonReculer->setVisible(false);

    c.ToolBarImagiciel = w.ToolBarImagiciel;
    c.LabelChapitreImagiciel = w.LabelChapitreImagiciel;
    c.SurTitreImagiciel = w.SurTitreImagiciel;
    c.LabelTitreImagiciel = w.LabelTitreImagiciel;
    c.BoiteImagiciel = w.BoiteImagiciel;
    c.ZoneTexteImagiciel = w.ZoneTexteImagiciel;
    c.ZoneFigureImagiciel = w.ZoneFigureImagiciel;
    c.BoutonAvancer = w.BoutonAvancer;
    c.BoutonReculer = w.BoutonReculer;
}

void FenetreQt::construirePageIndex(TcomposantsFenetre& c)
{
    Composants& w = *w_;
    w.ToolBarIndex = creer<PanneauQt>(w.PageVocabulaire, "ToolBarIndex");
    w.BoutonQuitterIndex = bouton(w.ToolBarIndex, "BoutonQuitterIndex", "Quitter", 80);
    w.BoitePartheme = creer<PanneauQt>(w.PageVocabulaire, "BoitePartheme");
    w.TitreParTheme = etiquette(w.BoitePartheme, "TitreParTheme", "  Vocabulaire par thème");
    w.ArbreParTheme = creer<ArbreQt>(w.BoitePartheme, "ArbreParTheme");
    w.Splitter1 = creer<PanneauQt>(w.PageVocabulaire, "Splitter1");
    w.TitreAlphabetique = etiquette(w.PageVocabulaire, "TitreAlphabetique", "  Vocabulaire par ordre alphabétique");
    w.ArbreAlphabetique = creer<ArbreQt>(w.PageVocabulaire, "ArbreAlphabetique");
    for (EtiquetteQt* e : {w.TitreParTheme, w.TitreAlphabetique}) ecrireEnBlanc(e, 11);

    c.ToolBarIndex = w.ToolBarIndex;
    c.BoitePartheme = w.BoitePartheme;
    c.TitreParTheme = w.TitreParTheme;
    c.ArbreParTheme = w.ArbreParTheme;
    c.Splitter1 = w.Splitter1;
    c.TitreAlphabetique = w.TitreAlphabetique;
    c.ArbreAlphabetique = w.ArbreAlphabetique;
}

void FenetreQt::disposer()
{
    Composants& w = *w_;
    w.FondPageControle->setGeometry(rect());
    w.BoiteAccueil->setGeometry(rect());

    // The bars of the pages and what fills the rest of each page.
    for (auto [p, barre] : {std::pair{w.PageMenu, w.ToolBarSommaire}, std::pair{w.PageCours, w.ToolBarCours},
                            std::pair{w.PageExercice, w.ToolBarExercice},
                            std::pair{w.PageImagiciel, w.ToolBarImagiciel},
                            std::pair{w.PageVocabulaire, w.ToolBarIndex}}) {
        barre->setGeometry(0, 0, p->width(), hauteurBarre);
        const QList<BoutonQt*> boutons = barre->findChildren<BoutonQt*>(Qt::FindDirectChildrenOnly);
        int droite = p->width() - 4;
        for (auto it = boutons.rbegin(); it != boutons.rend(); ++it) {
            (*it)->move(droite - (*it)->width(), 2);
            droite -= (*it)->width() + 6;
        }
    }
    const int largeur = w.PageMenu->width();
    const int hauteur = w.PageMenu->contentsRect().height();

    // Menu: the course and animation trees on the left, the exercises on the right.
    QWidget* gauche = w.BoiteChoixCoursTitre;
    gauche->setGeometry(0, hauteurBarre, gauche->width(), hauteur);
    const int hCours = w.ArbreChoixCours->height();
    w.LabelCours->setGeometry(0, 0, gauche->width(), hauteurEntete);
    w.ArbreChoixCours->setGeometry(0, hauteurEntete, gauche->width(), hCours);
    w.Splitter2->setGeometry(0, hauteurEntete + hCours, gauche->width(), largeurSeparation);
    const int yImagiciels = hauteurEntete + hCours + largeurSeparation;
    w.LabelImagiciel->setGeometry(0, yImagiciels, gauche->width(), hauteurEntete);
    w.ArbreChoixImagiciel->setGeometry(0, yImagiciels + hauteurEntete, gauche->width(),
                                       gauche->height() - yImagiciels - hauteurEntete);
    const int xDroite = gauche->width() + largeurSeparation;
    w.Splitter3->setGeometry(gauche->width(), hauteurBarre, largeurSeparation, hauteur);
    w.LabelExercice->setGeometry(xDroite, hauteurBarre, largeur - xDroite, hauteurEntete);
    w.ArbreChoixExercice->setGeometry(xDroite, hauteurBarre + hauteurEntete, largeur - xDroite,
                                      hauteur - hauteurEntete);

    // Course: the scroll box fills the page below its bar.
    w.LabelChapitreCours->move(4, 3);
    w.LabelChapitreCours->resize(w.LabelChapitreCours->width(), hauteurEntete);
    w.ScrollBoiteCours->setGeometry(0, hauteurBarre, w.PageCours->width(), w.PageCours->contentsRect().height());

    // Exercise: title, statement, then the band of buttons and the solution.
    w.LabelChapitreExercice->move(4, 3);
    w.LabelChapitreExercice->resize(w.LabelChapitreExercice->width(), hauteurEntete);
    w.SurTitreExercice->setGeometry(0, hauteurBarre, largeur, hauteurSurTitre);
    // The title band runs to the page's right edge, as the statement box below it does (the
    // width the program gives it was the page's width on a narrower window).
    w.LabelTitreExercice->setGeometry(0, hauteurBarre + hauteurSurTitre, largeur, hauteurTitre);
    const int yEnonce = hauteurBarre + hauteurSurTitre + hauteurTitre;
    w.BoiteEnonce->setGeometry(0, yEnonce, largeur, w.BoiteEnonce->height());
    const int ySolution = yEnonce + w.BoiteEnonce->height();
    w.BoiteSolution->setGeometry(0, ySolution, largeur, w.PageExercice->height() - ySolution);
    w.SepareEnonceSolution->setGeometry(0, 0, largeur, hauteurBarre);
    w.ZoneScoreExercice->setGeometry(0, 0, 318, hauteurBarre);
    // The solution text runs under the solution figure, which stands over its right part when
    // shown, so that a long line without a figure is read whole; and down to the page's bottom
    // edge, so that no strip of the box shows below it.
    w.ZoneTexteSolution->setGeometry(0, hauteurBarre, largeur, w.BoiteSolution->height() - hauteurBarre);
    w.ZoneFigureSolution->setGeometry(530, hauteurBarre, 248, 155);
    w.ZoneFigureSolution->raise();
    w.ZoneOutilsDessin->setGeometry(w.PanelOutilsDessin->contentsRect());

    // Animation: title, then the box of the text and the figure.
    w.LabelChapitreImagiciel->move(4, 3);
    w.LabelChapitreImagiciel->resize(w.LabelChapitreImagiciel->width(), hauteurEntete);
    w.SurTitreImagiciel->setGeometry(0, hauteurBarre, largeur, hauteurSurTitre);
    w.LabelTitreImagiciel->setGeometry(0, hauteurBarre + hauteurSurTitre, largeur, hauteurTitre);
    const int yImagiciel = hauteurBarre + hauteurSurTitre + hauteurTitre;
    w.BoiteImagiciel->setGeometry(0, yImagiciel, largeur, w.PageImagiciel->height() - yImagiciel);
    // The text zone fills its box, whose width it took when the window was set up narrower.
    w.ZoneTexteImagiciel->resize(w.BoiteImagiciel->width(), w.BoiteImagiciel->height());

    // Index: the two vocabulary trees side by side.
    QWidget* theme = w.BoitePartheme;
    theme->setGeometry(0, hauteurBarre, theme->width(), hauteur);
    w.TitreParTheme->setGeometry(0, 0, theme->width(), hauteurEntete);
    w.ArbreParTheme->setGeometry(0, hauteurEntete, theme->width(), hauteur - hauteurEntete);
    w.Splitter1->setGeometry(theme->width(), hauteurBarre, largeurSeparation, hauteur);
    const int xAlphabet = theme->width() + largeurSeparation;
    w.TitreAlphabetique->setGeometry(xAlphabet, hauteurBarre, largeur - xAlphabet, hauteurEntete);
    w.ArbreAlphabetique->setGeometry(xAlphabet, hauteurBarre + hauteurEntete, largeur - xAlphabet,
                                     hauteur - hauteurEntete);
}

bool FenetreQt::eventFilter(QObject* objet, QEvent* evenement)
{
    // When a window above the welcome screen goes away, the mouse is over it without having moved
    // there: the picture under it lights up all the same.
    if (objet == w_->ZoneFigureAccueil) {
        if (evenement->type() == QEvent::Enter) {
            const QPointF p = static_cast<QEnterEvent*>(evenement)->position();
            w_->ZoneFigureAccueil->OnMouseMove(static_cast<int>(p.x()), static_cast<int>(p.y()));
        }
        return false;
    }
    // Laying out resizes some of the watched boxes again: those resizes need no second pass.
    if (evenement->type() == QEvent::Resize && !enDisposition_) {
        enDisposition_ = true;
        disposer();
        enDisposition_ = false;
    }
    return QWidget::eventFilter(objet, evenement);
}

void FenetreQt::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    if (montree_) return;
    montree_ = true;
    OnShow();
}

void FenetreQt::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    if (!fenetre_) return;
    OnResize();
    disposer();
}

void FenetreQt::closeEvent(QCloseEvent* evenement)
{
    bool peutFermer = true;
    OnCloseQuery(peutFermer);
    if (!peutFermer) {
        evenement->ignore();
        return;
    }
    OnClose();
    evenement->accept();
}
