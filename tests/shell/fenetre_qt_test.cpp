#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "platform/qt/zone_dessin_qt.h"
#include "shell/fenetre_qt.h"

namespace {

// The window as a pupil finds it: shown, on its welcome screen.
struct FenetreOuverte {
    FenetreOuverte() : fenetre("/tmp/vastrelle-essai/vastrelle")
    {
        fenetre.show();
        accueil = fenetre.findChild<ZoneDessinQt*>("ZoneFigureAccueil");
        pages = fenetre.findChild<QTabWidget*>("PageControle");
    }

    QRgb pixel(QWidget* w, QPoint p) { return w->grab().toImage().pixel(p); }

    FenetreQt fenetre;
    ZoneDessinQt* accueil = nullptr;
    QTabWidget* pages = nullptr;
};

// Green dominates in both states of the Enter button, the lit one being the lighter.
int clarte(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); }

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
}
