#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <ranges>

#include "chapters/chapitres.h"
#include "exercise/champs_reponse.h"
#include "exercise/chapitres_exercice.h"
#include "exercise/cycle_exercice.h"
#include "navigation/imagiciels.h"
#include "navigation/info.h"
#include "platform/qt/arbre_qt.h"
#include "platform/qt/fenetre_info_qt.h"
#include "platform/qt/plateforme_qt.h"
#include "platform/qt/zone_dessin_qt.h"
#include "shell/fenetre_qt.h"
#include "shell/illustrations.h"
#include "tests/platform/qt/touche_tenue.h"

namespace {

// A chapter-1 exercise of two questions whose one typed field expects 12.
void poserDeuxQuestionsDouze()
{
    TdonneesCommunes& d = *donneesCommunes;
    d.nbQuestions = 2;
    definirChampsReponse(d, 1);
    d.valeurAttendue[1] = 12;
}

// The window as a pupil finds it: shown, on its welcome screen.
struct FenetreOuverte {
    FenetreOuverte() : fenetre("/tmp/vastrelle-essai/vastrelle")
    {
        fenetre.show();
        accueil = fenetre.findChild<ZoneDessinQt*>("ZoneFigureAccueil");
        pages = fenetre.findChild<QTabWidget*>("PageControle");
    }

    QRgb pixel(QWidget* w, QPoint p) { return w->grab().toImage().pixel(p); }

    // On the menu pages, the window taking the keyboard.
    bool entrerAuClavier()
    {
        fenetre.fenetre().BoutonMenuClick();
        fenetre.activateWindow();
        return QTest::qWaitForWindowActive(&fenetre);
    }

    QPushButton* bouton(const char* nom) { return fenetre.findChild<QPushButton*>(nom); }

    // The exercise of two questions started from the keyboard's menu; its answer field.
    QLineEdit* lancerDeuxQuestionsDouze()
    {
        if (!entrerAuClavier()) return nullptr;
        inscrireChapitre(2, {poserDeuxQuestionsDouze, nullptr, nullptr, nullptr, nullptr});
        lancerExercice(*donneesCommunes, 2);
        return fenetre.findChild<QLineEdit*>("Edit1");
    }

    FenetreQt fenetre;
    ZoneDessinQt* accueil = nullptr;
    QTabWidget* pages = nullptr;
};

// The system's services on Qt, for the tests that open the information window; none is left open.
struct SystemeQt {
    SystemeQt() { installerPlateforme(&plateformeQt); }
    ~SystemeQt()
    {
        fermerInfo();
        installerPlateforme(nullptr);
    }
    PlateformeQt plateformeQt;
};

// Green dominates in both states of the Enter button, the lit one being the lighter.
int clarte(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); }

// A key as the keyboard gives it: to whatever has the focus.
void taper(Qt::Key touche) { QTest::keyClick(QApplication::focusWidget(), touche); }

}  // namespace

TEST(FenetreQt, unEleveEntreParcourtLesOngletsEtRevientALAccueil)
{
    FenetreOuverte f;
    ASSERT_NE(f.accueil, nullptr);
    ASSERT_NE(f.pages, nullptr);
    EXPECT_EQ(f.fenetre.size(), QSize(800, 600));
    EXPECT_FALSE(f.pages->isVisible());

    const QPoint entree(360, 480);
    const int eteinte = clarte(f.pixel(f.accueil, entree));
    QTest::mouseMove(f.accueil, entree);
    EXPECT_GT(clarte(f.pixel(f.accueil, entree)), eteinte + 60) << "the Enter picture lights up";
    EXPECT_EQ(f.accueil->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(f.accueil, Qt::LeftButton, {}, entree);
    EXPECT_TRUE(f.pages->isVisible());
    EXPECT_EQ(f.pages->currentIndex(), 0);

    QTabBar* onglets = f.pages->tabBar();
    for (int i : {1, 2, 3, 4, 0}) {
        QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(i).center());
        EXPECT_EQ(f.pages->currentIndex(), i);
    }

    // Closing from a page only brings the welcome screen back.
    EXPECT_FALSE(f.fenetre.close());
    EXPECT_TRUE(f.fenetre.isVisible());
    EXPECT_FALSE(f.pages->isVisible());
    EXPECT_TRUE(f.accueil->isVisible());
}

TEST(FenetreQt, quitterDepuisLAccueilTermineLeProgrammeSansErreur)
{
    FenetreOuverte f;
    const QPoint quitter(740, 550);
    QTimer::singleShot(0, [&] {
        QTest::mouseMove(f.accueil, quitter);
        QTest::mouseClick(f.accueil, Qt::LeftButton, {}, quitter);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(f.fenetre.isVisible());
    // The buttons of the closed window no longer reach its pages.
    for (QPushButton* bouton : f.fenetre.findChildren<QPushButton*>()) bouton->click();
    EXPECT_FALSE(f.pages->isVisibleTo(&f.fenetre));
    // Nor do its own events: shown larger, it keeps its pages where they stood.
    f.fenetre.resize(1000, 800);
    f.fenetre.show();
    EXPECT_EQ(f.pages->pos(), QPoint(0, 0));
    EXPECT_TRUE(f.fenetre.close());
}

TEST(FenetreQt, entreeAppuieSurLeBoutonQuiALeFocusEtQuiLeMontre)
{
    FenetreOuverte f;
    QLineEdit* champ = f.lancerDeuxQuestionsDouze();
    ASSERT_TRUE(champ && champ->hasFocus());
    TdonneesCommunes& d = *donneesCommunes;
    auto* reessayer = f.bouton("BoutonReessayer");

    QTest::keyClicks(champ, "11");
    taper(Qt::Key_Return);
    ASSERT_TRUE(reessayer->hasFocus()) << "a wrong answer hands the focus to Réessayer";
    const QImage focalise = reessayer->grab().toImage();
    champ->setFocus();
    EXPECT_TRUE(reessayer->grab().toImage() != focalise) << "the focused button looks different";
    reessayer->setFocus();

    taper(Qt::Key_Return);
    EXPECT_TRUE(reessayer->isHidden());
    ASSERT_TRUE(champ->hasFocus());
    champ->clear();
    QTest::keyClicks(champ, "12");
    taper(Qt::Key_Enter);
    EXPECT_TRUE(f.bouton("BoutonSuite")->hasFocus());

    f.fenetre.fenetre().TimerTimer();  // the buttons' delay runs out
    taper(Qt::Key_Enter);
    EXPECT_EQ(d.numeroQuestion, 2);
    QTest::keyClicks(champ, "12");
    taper(Qt::Key_Return);
    EXPECT_TRUE(f.bouton("BoutonSommaire")->hasFocus());
    f.fenetre.fenetre().TimerTimer();
    taper(Qt::Key_Return);
    EXPECT_EQ(f.pages->currentWidget()->objectName(), "PageMenu");
}

TEST(FenetreQt, uneEntreeTenueApresUneMauvaiseReponseNeCouteQuUnEssai)
{
    FenetreOuverte f;
    QLineEdit* champ = f.lancerDeuxQuestionsDouze();
    ASSERT_TRUE(champ && champ->hasFocus());
    TdonneesCommunes& d = *donneesCommunes;
    auto* reessayer = f.bouton("BoutonReessayer");

    QTest::keyClicks(champ, "11");
    tenirTouche(Qt::Key_Return, 4);
    EXPECT_EQ(d.nbEssais, 2);
    EXPECT_TRUE(reessayer->hasFocus());
    // Held on Réessayer, Enter reopens the field and leaves the answer there.
    tenirTouche(Qt::Key_Enter, 4, Qt::KeypadModifier);
    EXPECT_EQ(d.nbEssais, 2);
    EXPECT_TRUE(champ->hasFocus());
    EXPECT_FALSE(champ->isReadOnly());
}

TEST(FenetreQt, aLaDerniereEtapeDUnImagicielLeFocusPasseDeSuiteARetour)
{
    FenetreOuverte f;
    ASSERT_TRUE(f.entrerAuClavier());
    TdonneesCommunes& d = *donneesCommunes;
    d.imagiciel = 1507;  // "Médiatrice et milieu", five steps
    lancerImagiciel(d);
    auto* suite = f.bouton("BoutonAvancer");
    for (int i = 0; i < 4; ++i) taper(Qt::Key_Return);
    EXPECT_EQ(d.etapeImagiciel, 5);
    EXPECT_FALSE(suite->isEnabled());
    EXPECT_TRUE(f.bouton("BoutonReculer")->hasFocus()) << "the focus shows, on the one button that acts";
    taper(Qt::Key_Return);
    EXPECT_EQ(d.etapeImagiciel, 4);
    EXPECT_TRUE(suite->hasFocus());
}

TEST(FenetreQt, unImagicielPasAPasGardeLeFocusSurSuite)
{
    FenetreOuverte f;
    ASSERT_TRUE(f.entrerAuClavier());
    TdonneesCommunes& d = *donneesCommunes;
    auto* arbre = f.fenetre.findChild<ArbreQt*>("ArbreChoixImagiciel");
    arbre->Expand(5, false);
    // "Médiatrice et milieu": the first click selects it, the second starts it.
    const QPoint mediatrice = arbre->visualItemRect(arbre->element(7)).center();
    QTest::mouseClick(arbre->viewport(), Qt::LeftButton, {}, mediatrice);
    QTest::mouseClick(arbre->viewport(), Qt::LeftButton, {}, mediatrice);
    ASSERT_EQ(d.imagiciel, 1507);
    auto* suite = f.bouton("BoutonAvancer");
    EXPECT_TRUE(suite->hasFocus());

    taper(Qt::Key_Return);
    EXPECT_EQ(d.etapeImagiciel, 2);
    QTest::mouseClick(f.bouton("BoutonReculer"), Qt::LeftButton);
    EXPECT_EQ(d.etapeImagiciel, 1);
    EXPECT_TRUE(suite->hasFocus()) << "Enter goes forward after a step back";

    QTabBar* onglets = f.pages->tabBar();
    QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(0).center());
    QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(3).center());
    EXPECT_TRUE(suite->hasFocus());
}

TEST(FenetreQt, uneQuestionRegleeRendLeFocusASuiteDeQuelqueFaconQuOnYRevienne)
{
    FenetreOuverte f;
    QLineEdit* champ = f.lancerDeuxQuestionsDouze();
    ASSERT_NE(champ, nullptr);
    TdonneesCommunes& d = *donneesCommunes;
    QTest::keyClicks(champ, "12");
    taper(Qt::Key_Return);
    auto* suite = f.bouton("BoutonSuite");
    // Shown disabled during the buttons' delay, Suite takes the focus once usable.
    suite->setEnabled(false);
    f.fenetre.fenetre().TimerTimer();
    EXPECT_TRUE(suite->hasFocus());

    QTest::mouseClick(f.bouton("BoutonQuitterExo"), Qt::LeftButton);
    ASSERT_TRUE(f.accueil->isVisible());
    const QPoint entree(360, 480);
    QTest::mouseMove(f.accueil, entree);
    QTest::mouseClick(f.accueil, Qt::LeftButton, {}, entree);
    EXPECT_TRUE(suite->hasFocus()) << "back through the welcome screen";

    QTabBar* onglets = f.pages->tabBar();
    QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(1).center());
    QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(2).center());
    EXPECT_TRUE(suite->hasFocus()) << "back by the tab";
    taper(Qt::Key_Return);
    EXPECT_EQ(d.numeroQuestion, 2);
}

TEST(FenetreQt, lesBoitesDeLExerciceEtDeLImagicielVontJusquAuBordDeLaPage)
{
    FenetreOuverte f;
    f.fenetre.fenetre().BoutonMenuClick();
    // The title band and the text boxes, down their right edge, in the page's light yellow.
    for (const char* nom : {"PageExercice", "PageImagiciel"}) {
        QWidget* page = f.fenetre.findChild<QWidget*>(nom);
        f.pages->setCurrentWidget(page);
        const QImage image = page->grab().toImage();
        for (int y : {40, 50, 150, 200})
            EXPECT_EQ(image.pixel(image.width() - 2, y), qRgb(0xFF, 0xF7, 0xE0)) << nom << " y " << y;
    }
    // The solution text's light cyan down to the exercise page's bottom edge (its painter leaves
    // the last row, as it leaves the last column).
    QWidget* exercice = f.fenetre.findChild<QWidget*>("PageExercice");
    f.pages->setCurrentWidget(exercice);
    const QImage image = exercice->grab().toImage();
    for (int x : {2, 400, image.width() - 2})
        EXPECT_EQ(image.pixel(x, image.height() - 2), qRgb(0xE0, 0xFE, 0xFD)) << "x " << x;
}

// Exercise 249 from the keyboard: its questions are answered on the cells, and until then Enter
// neither opens the summary nor leaves the page.
TEST(FenetreQt, entreeNeQuittePasUneQuestionSansReponse)
{
    FenetreOuverte f;
    const SystemeQt systeme;
    installerChapitres();
    ASSERT_TRUE(f.entrerAuClavier());
    TdonneesCommunes& d = *donneesCommunes;
    auto* arbre = f.fenetre.findChild<ArbreQt*>("ArbreChoixExercice");
    arbre->Select(249);
    arbre->setFocus();
    taper(Qt::Key_Return);
    ASSERT_EQ(d.numeroExercice, 249);
    auto* enonce = f.fenetre.findChild<ZoneDessinQt*>("zoneTexteEnonce");
    for (const int juste : {2, 3, 1}) {
        const std::string question = "question " + std::to_string(d.numeroQuestion);
        ASSERT_NE(QApplication::focusWidget(), nullptr) << question;
        taper(Qt::Key_Return);
        EXPECT_FALSE(infoAffichee) << question;
        EXPECT_EQ(f.pages->currentWidget()->objectName(), "PageExercice") << question;
        EXPECT_FALSE(d.questionTerminee) << question;
        // Nor once the summary, opened with the mouse, is closed.
        QTest::mouseClick(f.bouton("BoutonBilan"), Qt::LeftButton);
        ASSERT_TRUE(infoAffichee) << question;
        fermerInfo();
        taper(Qt::Key_Return);
        EXPECT_FALSE(infoAffichee) << question;

        const TcaseChoix& c = d.casesChoix[juste];
        QTest::mouseClick(enonce, Qt::LeftButton, {},
                          QPoint(static_cast<int>((c.gauche + c.droite) / 2), static_cast<int>((c.haut + c.bas) / 2)));
        ASSERT_TRUE(d.questionTerminee) << question;
        f.fenetre.fenetre().TimerTimer();
        taper(Qt::Key_Return);
    }
    EXPECT_EQ(f.pages->currentWidget()->objectName(), "PageMenu");
}

// Return on the selected leaf of each tree opens it, as a click on it does; on a heading it
// opens nothing.
TEST(FenetreQt, entreeOuvreLaFeuilleChoisieDUnArbre)
{
    FenetreOuverte f;
    const SystemeQt systeme;
    ASSERT_TRUE(f.entrerAuClavier());
    TdonneesCommunes& d = *donneesCommunes;
    const struct {
        const char* arbre;
        int noeud;
        const char* page;
        std::function<bool()> ouvert;
    } cas[] = {
        {"ArbreChoixCours", 2, "PageCours", [&] { return d.pageCours == 1002; }},
        {"ArbreChoixImagiciel", 7, "PageImagiciel", [&] { return d.imagiciel == 1507; }},
        {"ArbreChoixExercice", 249, "PageExercice", [&] { return d.numeroExercice == 249; }},
        // "Grandeur" has its note; "Addition" its course page.
        {"ArbreParTheme", 1, "PageVocabulaire", [] { return infoAffichee && InfoObj->sujet == 2001; }},
        {"ArbreAlphabetique", 2, "PageCours", [&] { return d.pageCours == 1013; }},
        {"ArbreParTheme", 0, "PageVocabulaire", [] { return !infoAffichee; }},
    };
    for (const auto& c : cas) {
        auto* arbre = f.fenetre.findChild<ArbreQt*>(c.arbre);
        for (int i = 0; i < f.pages->count(); ++i)
            if (f.pages->widget(i)->isAncestorOf(arbre)) f.pages->setCurrentIndex(i);
        arbre->Select(c.noeud);
        arbre->setFocus();
        taper(Qt::Key_Return);
        EXPECT_EQ(f.pages->currentWidget()->objectName(), c.page) << c.arbre << " " << c.noeud;
        EXPECT_TRUE(c.ouvert()) << c.arbre << " " << c.noeud;
        fermerInfo();
    }
}

// The information window goes at Escape, whatever it shows.
TEST(FenetreQt, echapFermeLaFenetreDInformation)
{
    FenetreOuverte f;
    const SystemeQt systeme;
    ASSERT_TRUE(f.entrerAuClavier());
    // A vocabulary note, a word still to define, the typing help.
    for (const int code : {2744, 2001, 1997}) {
        afficherInfo(*donneesCommunes, code);
        ASSERT_TRUE(infoAffichee) << code;
        QApplication::processEvents();
        QWidget* devant = QApplication::activeWindow();
        ASSERT_EQ(devant, &static_cast<FenetreInfoQt&>(*InfoObj->fenetre).widget()) << "it takes the keyboard";
        QTest::keyClick(devant, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(infoAffichee) << code;
    }
}

// Whatever tab the pupil opens, Enter never presses the page's Quitter.
TEST(FenetreQt, aucunOngletNeDonneLeFocusAQuitter)
{
    FenetreOuverte f;
    ASSERT_TRUE(f.entrerAuClavier());
    QTabBar* onglets = f.pages->tabBar();
    for (int i : {1, 2, 3, 4}) {
        // From the menu with the focus on a tree, as after a click on it: the toolkit moves the
        // focus into the page shown.
        QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(0).center());
        f.fenetre.findChild<ArbreQt*>("ArbreChoixExercice")->setFocus();
        QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(i).center());
        const QWidget* focus = QApplication::focusWidget();
        EXPECT_FALSE(focus && focus->objectName().contains("Quitter", Qt::CaseInsensitive)) << i;
    }
}

TEST(Illustrations, leRondDesImagesDeResultatLaisseLeMotEnDessous)
{
    const Illustrations i;
    int n = 0;
    for (const ImageQt* image : {&i.ImageExacte, &i.ImageAcceptee, &i.ImageFausse, &i.ImageIncorrecte,
                                 &i.ImageCMincorrect, &i.ImageDepasse, &i.ImageSolution}) {
        const QImage& q = image->qimage();
        // Some clear row parts the badge above from the word below.
        const auto vide = [&q](int y) {
            const auto transparent = [&](int x) { return qAlpha(q.pixel(x, y)) == 0; };
            return std::ranges::all_of(std::views::iota(0, q.width()), transparent);
        };
        EXPECT_TRUE(std::ranges::any_of(std::views::iota(q.height() / 3, q.height() - 8), vide)) << "picture " << ++n;
    }
}
