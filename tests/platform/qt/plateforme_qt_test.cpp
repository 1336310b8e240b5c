#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <thread>

#include "platform/double/controles_enregistres.h"
#include "platform/qt/fenetre_info_qt.h"
#include "platform/qt/image_qt.h"
#include "platform/qt/plateforme_qt.h"

namespace {

std::string donnee(const char* nom)
{
    return std::string(DOSSIER_DONNEES) + nom;
}

// Puts PATH back as it was, whatever the test did with it.
class CheminSauve {
public:
    CheminSauve() : ancien_(qgetenv("PATH")) {}
    ~CheminSauve() { qputenv("PATH", ancien_); }

private:
    QByteArray ancien_;
};

void ecrireScript(const QString& chemin, const QString& corps)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\n%1\n").arg(corps).toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// While the next box is shown, reads its buttons' texts (without the mark of their shortcut
// letter) and clicks the one with that text, or closes the box when none has it.
class Repondeur {
public:
    explicit Repondeur(const QString& clic)
    {
        minuteur_.setInterval(10);
        QObject::connect(&minuteur_, &QTimer::timeout, [this, clic] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!boite) return;
            minuteur_.stop();
            for (QAbstractButton* bouton : boite->buttons())
                boutons << bouton->text().remove(QLatin1Char('&'));
            for (QAbstractButton* bouton : boite->buttons())
                if (bouton->text().remove(QLatin1Char('&')) == clic) return bouton->click();
            boite->reject();
        });
        minuteur_.start();
    }

    QStringList boutons;

private:
    QTimer minuteur_;
};

// Runs GESTE from within the next box's own event loop.
void pendantLaBoite(std::function<void(QMessageBox&)> geste)
{
    QTimer::singleShot(0, [geste] { geste(*qobject_cast<QMessageBox*>(QApplication::activeModalWidget())); });
}

}  // namespace

TEST(PlateformeQt, lesBoitesParlentFrancais)
{
    PlateformeQt p;
    for (const bool oui : {true, false}) {
        Repondeur repondeur(oui ? QStringLiteral("Oui") : QStringLiteral("Non"));
        EXPECT_EQ(p.demanderOuiNon("Voulez-vous abandonner cet exercice ?", "Vastrelle"), oui);
        repondeur.boutons.sort();
        EXPECT_EQ(repondeur.boutons, QStringList({"Non", "Oui"}));
    }
    Repondeur repondeur(QStringLiteral("OK"));
    p.afficherMessage("Bravo !", "Vastrelle");
    EXPECT_EQ(repondeur.boutons, QStringList({"OK"}));
}

// The "leave the exercise?" box asked while a note has the focus: the note goes away, freed only
// after the box, which belongs to the main window and waits for the pupil's answer.
TEST(PlateformeQt, uneNoteQuiSeFermeNEmportePasLaBoite)
{
    QWidget principale;
    principale.show();
    auto note = std::make_unique<FenetreInfoQt>();
    note->OnFermer.lier(gardeOuverte(), [&] { note.reset(); });
    note->Show();
    const QPointer<QWidget> widgetNote = &note->widget();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widgetNote));
    pendantLaBoite([&](QMessageBox& boite) {
        EXPECT_EQ(boite.parentWidget(), &principale);
        EXPECT_TRUE(QTest::qWaitFor([&] { return note == nullptr; }));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(widgetNote && widgetNote->isHidden());
        boite.button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(PlateformeQt().demanderOuiNon("Voulez-vous abandonner cet exercice ?", "Vastrelle"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(widgetNote, nullptr);
}

// A key held down when the box opened, its repeats and its release, answers nothing: only a key
// pressed after it showed does.
TEST(PlateformeQt, uneToucheTenueNeRepondPas)
{
    const struct {
        Qt::Key tenue, pressee;
        bool oui;
    } cas[] = {{Qt::Key_Return, Qt::Key_N, false}, {Qt::Key_O, Qt::Key_N, false},
               {Qt::Key_N, Qt::Key_Return, true}};
    PlateformeQt p;
    for (const auto& c : cas) {
        pendantLaBoite([&](QMessageBox& boite) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&boite));
            QWidget* focus = boite.focusWidget() ? boite.focusWidget() : &boite;
            for (const bool appui : {false, true, false, true})
                QTest::simulateEvent(focus, appui, c.tenue, {}, {}, true);
            QTest::simulateEvent(focus, false, c.tenue, {}, {}, false);
            QTest::qWait(150);  // past the animated click of a shortcut letter
            EXPECT_TRUE(boite.isVisible()) << c.tenue;
            QTest::simulateEvent(focus, true, c.pressee, {}, {}, false);
        });
        EXPECT_EQ(p.demanderOuiNon("Voulez-vous abandonner cet exercice ?", "Vastrelle"), c.oui) << c.tenue;
    }
}

TEST(PlateformeQt, uneImageJpegArriveAvecSaTailleEtSesCouleurs)
{
    struct Cas {
        const char* nom;
        int largeur, hauteur;
        QPoint point;
        QColor couleur;
    };
    const Cas cas[] = {
        {"rouge_bleu.jpg", 16, 8, {2, 4}, Qt::red},
        {"rouge_bleu.jpg", 16, 8, {13, 4}, Qt::blue},
        {"quartiers.jpg", 32, 32, {24, 8}, Qt::green},
        {"quartiers.jpg", 32, 32, {24, 24}, Qt::white},
        {"gris.jpg", 12, 6, {6, 5}, Qt::white},
        {"progressif.jpg", 8, 16, {4, 12}, Qt::yellow},
    };
    PlateformeQt p;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::unique_ptr<Image> image = p.chargerJpeg(donnee(c.nom));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->Width(), c.largeur);
        EXPECT_EQ(image->Height(), c.hauteur);
        const QColor lu = static_cast<const ImageQt&>(*image).qimage().pixelColor(c.point);
        EXPECT_NEAR(lu.red(), c.couleur.red(), 10);
        EXPECT_NEAR(lu.green(), c.couleur.green(), 10);
        EXPECT_NEAR(lu.blue(), c.couleur.blue(), 10);
    }
}

TEST(PlateformeQt, unFichierQuiNEstPasUneImageNeDonneRien)
{
    PlateformeQt p;
    for (const char* nom : {"tronque.jpg", "vide.jpg", "texte.jpg", "cmjn.jpg", "absent.jpg"})
        EXPECT_EQ(p.chargerJpeg(donnee(nom)), nullptr) << nom;
}

TEST(PlateformeQt, laCalculatriceEstLaPremiereTrouveeSurLeChemin)
{
    const CheminSauve sauve;
    PlateformeQt p;
    QTemporaryDir vide;
    ASSERT_TRUE(vide.isValid());
    qputenv("PATH", QFile::encodeName(vide.path()));
    EXPECT_FALSE(p.lancerCalculatrice());

    // Two calculators installed: kcalc comes before xcalc in the order searched.
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString marque = dossier.filePath(QStringLiteral("lancee"));
    for (const QString& nom : {QStringLiteral("xcalc"), QStringLiteral("kcalc")})
        ecrireScript(dossier.filePath(nom), QStringLiteral("echo %1 > '%2'").arg(nom, marque));
    qputenv("PATH", QFile::encodeName(dossier.path()));
    EXPECT_TRUE(p.lancerCalculatrice());
    QFile lancee(marque);
    for (int i = 0; i < 500 && !(lancee.exists() && lancee.size() > 0); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(lancee.open(QIODevice::ReadOnly));
    EXPECT_EQ(lancee.readAll().trimmed(), QByteArray("kcalc"));
}

TEST(PlateformeQt, servicesDuSysteme)
{
    PlateformeQt p;
    EXPECT_EQ(p.repertoireSysteme(), "/usr/bin/");

    // The desktop rectangle's right and bottom lie just past the screen, as the program counts.
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    const TRect bureau = p.rectangleBureau();
    EXPECT_EQ(bureau, (TRect{ecran.x(), ecran.y(), ecran.x() + ecran.width(), ecran.y() + ecran.height()}));

    p.placerCurseur(37, 21);
    TPoint curseur;
    ASSERT_TRUE(p.positionCurseur(curseur));
    EXPECT_EQ(curseur, (TPoint{37, 21}));
}
