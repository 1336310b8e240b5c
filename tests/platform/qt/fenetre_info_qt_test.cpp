#include "platform/qt/fenetre_info_qt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "platform/double/controles_enregistres.h"
#include "platform/qt/couleur_qt.h"
#include "tests/platform/qt/pixels.h"

namespace {

// The window paints its colour and then what the program paints, at its size and place.
TEST(FenetreInfoQt, PeintureTailleEtPlace)
{
    FenetreInfoQt fenetre;
    fenetre.setClientSize(240, 90);
    fenetre.setPosition(30, 40);
    fenetre.setColor(0xE0FFE0);
    fenetre.OnPaint.lier(gardeOuverte(), [](Canevas& k) {
        k.Brush.Color = 0x0000FF;
        k.Pen.Style = psClear;
        k.Rectangle(10, 10, 50, 30);
    });
    EXPECT_FALSE(fenetre.Visible());
    fenetre.Show();
    EXPECT_TRUE(fenetre.Visible());
    EXPECT_EQ(fenetre.ClientWidth(), 240);
    EXPECT_EQ(fenetre.ClientHeight(), 90);
    EXPECT_EQ(fenetre.Left(), 30);
    EXPECT_EQ(fenetre.Top(), 40);
    EXPECT_TRUE(fenetre.widget().windowFlags() & Qt::FramelessWindowHint);
    const QImage image = fenetre.widget().grab().toImage();
    enregistrerPourVoir(image, "fenetre_info");
    // Without a pen the box loses its right and bottom edges, as on the toolkit it was written for.
    EXPECT_EQ(compter(image, versQColor(0x0000FF).rgb(), 0, 0, 240, 90), 39 * 19);
    EXPECT_EQ(image.pixel(100, 60), versQColor(0xE0FFE0).rgb());
}

// A click asks for the window to be closed once the event loop runs again; a window freed before
// then leaves nothing to run.
TEST(FenetreInfoQt, FermetureDifferee)
{
    int fermetures = 0;
    auto fenetre = std::make_unique<FenetreInfoQt>();
    fenetre->setClientSize(100, 50);
    fenetre->OnFermer.lier(gardeOuverte(), [&] {
        ++fermetures;
        fenetre.reset();
    });
    fenetre->Show();
    QTest::mouseClick(&fenetre->widget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(fermetures, 0);
    QApplication::processEvents();
    EXPECT_EQ(fermetures, 1);
    EXPECT_EQ(fenetre, nullptr);

    // Closed by the system: the same request.
    fenetre = std::make_unique<FenetreInfoQt>();
    fenetre->OnFermer.lier(gardeOuverte(), [&] {
        ++fermetures;
        fenetre.reset();
    });
    fenetre->Show();
    fenetre->widget().close();
    QApplication::processEvents();
    EXPECT_EQ(fermetures, 2);
    EXPECT_EQ(fenetre, nullptr);

    auto autre = std::make_unique<FenetreInfoQt>();
    autre->OnFermer.lier(gardeOuverte(), [&] { ++fermetures; });
    autre->Show();
    QTest::mouseClick(&autre->widget(), Qt::LeftButton, {}, QPoint(10, 10));
    autre.reset();
    QApplication::processEvents();
    EXPECT_EQ(fermetures, 2);
}

}  // namespace
