#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/double/controles_enregistres.h"
#include "platform/qt/arbre_qt.h"
#include "platform/qt/bouton_qt.h"
#include "platform/qt/champ_edition_qt.h"
#include "platform/qt/classeur_pages_qt.h"
#include "platform/qt/controle_qt.h"
#include "platform/qt/lecteur_son_qt.h"
#include "platform/qt/minuteur_qt.h"
#include "platform/qt/zone_dessin_qt.h"
#include "tests/platform/qt/touche_tenue.h"
#include "tests/platform/verifier_arbre.h"

namespace {

TColor pixel(const QImage& image, int x, int y)
{
    return depuisQColor(image.pixelColor(x, y));
}

}  // namespace

TEST(ControleQt, resteVisibleDansUnParentCache)
{
    PanneauQt parent;
    auto* etiquette = new EtiquetteQt(&parent);
    auto* zone = new ZoneDessinQt(&parent);
    parent.show();
    parent.hide();
    EXPECT_TRUE(etiquette->Visible());
    EXPECT_TRUE(zone->Visible());
    EXPECT_FALSE(etiquette->isVisible());
    etiquette->setVisible(false);
    EXPECT_FALSE(etiquette->Visible());
    parent.show();
    EXPECT_FALSE(etiquette->Visible()) << "showing the parent does not show a hidden child";
    EXPECT_TRUE(zone->isVisible());
}

TEST(CouleurQt, lesCouleursDuProgrammeFontLAllerRetour)
{
    const std::pair<TColor, QColor> cas[] = {{0x0000FF, QColor(255, 0, 0)},
                                             {0x00FF00, QColor(0, 255, 0)},
                                             {0xFF0000, QColor(0, 0, 255)},
                                             {0xD08B00, QColor(0x00, 0x8B, 0xD0)},
                                             {0xE0F7FF, QColor(0xFF, 0xF7, 0xE0)}};
    for (const auto& [couleur, qcouleur] : cas) {
        EXPECT_EQ(versQColor(couleur), qcouleur) << std::hex << couleur;
        EXPECT_EQ(depuisQColor(qcouleur), couleur) << std::hex << couleur;
    }

    // Set on a control, the colour is what shows: a label fills its background with it, an edit
    // field its text area.
    EtiquetteQt etiquette;
    ChampEditionQt champ;
    for (Controle* c : std::initializer_list<Controle*>{&etiquette, &champ}) {
        c->setBounds(0, 0, 60, 24);
        c->setColor(0x0000FF);
        EXPECT_EQ(c->Color(), 0x0000FF);
    }
    EXPECT_EQ(pixel(etiquette.grab().toImage(), 30, 12), 0x0000FF);
    EXPECT_EQ(pixel(champ.grab().toImage(), 30, 12), 0x0000FF);
}

TEST(ControleQt, lesLegendesAccentueesFontLAllerRetour)
{
    EtiquetteQt etiquette;
    BoutonQt bouton;
    PanneauQt panneau;
    ChampEditionQt champ;
    for (Controle* c : std::initializer_list<Controle*>{&etiquette, &bouton, &panneau, &champ}) {
        c->setCaption("Énoncé à côté");
        EXPECT_EQ(c->Caption(), "Énoncé à côté");
    }
    EXPECT_EQ(etiquette.text(), QString::fromUtf8(u8"Énoncé à côté"));
    EXPECT_EQ(champ.Text(), "Énoncé à côté") << "an edit field's caption is its text";

    // A title is shown as written, even when it looks like markup.
    etiquette.setCaption("<b>a</b> < b");
    EXPECT_EQ(etiquette.textFormat(), Qt::PlainText);
}

TEST(BoutonQt, uneToucheTenueNAppuieQuUneFois)
{
    const std::pair<Qt::Key, Qt::KeyboardModifiers> touches[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, Qt::NoModifier}};
    for (const auto& [touche, modificateurs] : touches) {
        BoutonQt bouton;
        int clics = 0;
        QObject::connect(&bouton, &QPushButton::clicked, [&clics] { ++clics; });
        tenirTouche(touche, 4, modificateurs, &bouton);
        EXPECT_EQ(clics, 1) << touche;
    }

    // A repeat whose flag Qt missed still bears the time of the release before it; the next
    // real press and release click again.
    const std::pair<QEvent::Type, std::uint64_t> evenements[] = {
        {QEvent::KeyPress, 100},   {QEvent::KeyRelease, 600}, {QEvent::KeyPress, 600}, {QEvent::KeyRelease, 630},
        {QEvent::KeyPress, 630},   {QEvent::KeyRelease, 660}, {QEvent::KeyPress, 900}, {QEvent::KeyRelease, 950}};
    for (const Qt::Key touche : {Qt::Key_Return, Qt::Key_Space}) {
        BoutonQt bouton;
        int appuis = 0, clics = 0;
        QObject::connect(&bouton, &QPushButton::pressed, [&appuis] { ++appuis; });
        QObject::connect(&bouton, &QPushButton::clicked, [&clics] { ++clics; });
        for (const auto& [type, instant] : evenements) {
            QKeyEvent evenement(type, touche, Qt::NoModifier);
            evenement.setTimestamp(instant);
            QApplication::sendEvent(&bouton, &evenement);
        }
        EXPECT_EQ(appuis, 2) << touche;
        EXPECT_EQ(clics, 2) << touche;
    }
}

TEST(ChampEditionQt, lesTouchesDuProgrammeArriventAvantLaSaisie)
{
    ChampEditionQt champ;
    std::vector<int> touches;
    champ.OnKeyDown.lier(gardeOuverte(), [&](int t) { touches.push_back(t); });
    QTest::keyClick(&champ, Qt::Key_Return);
    QTest::keyClick(&champ, Qt::Key_Enter);
    QTest::keyClick(&champ, Qt::Key_Down);
    QTest::keyClick(&champ, Qt::Key_Up);
    QTest::keyClicks(&champ, "3,5");
    // Accented letters one by one, with their text.
    QTest::sendKeyEvent(QTest::Click, &champ, Qt::Key_Eacute, QString::fromUtf8(u8"é"),
                        Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, &champ, Qt::Key_twosuperior, QString::fromUtf8(u8"²"),
                        Qt::NoModifier);
    // A held Return is one Return; a held arrow moves on.
    tenirTouche(Qt::Key_Return, 4, Qt::NoModifier, &champ);
    tenirTouche(Qt::Key_Down, 1, Qt::NoModifier, &champ);
    EXPECT_EQ(touches, (std::vector<int>{VK_RETURN, VK_RETURN, VK_DOWN, VK_UP, VK_RETURN, VK_DOWN, VK_DOWN}));
    EXPECT_EQ(champ.Text(), "3,5é²");
    EXPECT_EQ(champ.Text().size(), 5u) << "one byte per sign";

    champ.setReadOnly(true);
    QTest::keyClicks(&champ, "9");
    EXPECT_EQ(champ.Text(), "3,5é²");
}

TEST(ArbreQt, numeroteSesNoeudsEnPreordre)
{
    ArbreQt arbre;
    verifierArbre(arbre);
    arbre.Select(3);
    ASSERT_NE(arbre.currentItem(), nullptr);
    EXPECT_EQ(arbre.currentItem()->text(0), QString::fromUtf8(u8"Écrire"));
}

// The accent over a capital reads as one: above the letter, on more than one row, with at least
// a quarter of the ink of the letter's top bar (at 9 points it was a faint dash of one row).
TEST(ArbreQt, lAccentDUneCapitaleSeLit)
{
    ArbreQt arbre;
    arbre.resize(100, 60);
    arbre.remplir(std::vector<TLigneArbre>{{0, "E"}, {0, "É"}});
    const QImage image = arbre.viewport()->grab().toImage();
    // The darkness of each row of the node, from its top.
    const auto encre = [&](int index, int ligne) {
        const QRect r = arbre.visualItemRect(arbre.element(index));
        int somme = 0;
        for (int x = r.left(); x < r.left() + 40; ++x) somme += 255 - qGray(image.pixel(x, r.top() + ligne));
        return somme;
    };
    int haut = 0;
    while (haut < 20 && encre(0, haut) == 0) ++haut;
    int encreAccent = 0, lignesAccent = 0;
    for (int ligne = 0; ligne < haut; ++ligne) {
        encreAccent += encre(1, ligne);
        lignesAccent += encre(1, ligne) > 0;
    }
    EXPECT_GE(lignesAccent, 2);
    EXPECT_GE(4 * encreAccent, encre(0, haut));
}

// The second click on the selected leaf is the one that acts: the handler must see the selection
// from before the click, whether the second press comes as a click or as a double click.
TEST(ArbreQt, unClicMontreLaSelectionDAvant)
{
    ArbreQt arbre;
    arbre.resize(200, 300);
    arbre.remplir(lignesDeMenu());
    arbre.Expand(0, true);
    arbre.show();
    std::vector<std::pair<int, int>> vus;  // (node clicked, node selected when clicked)
    arbre.OnClick.lier(gardeOuverte(), [&](int index) { vus.emplace_back(index, arbre.Selected()); });
    const QPoint lire = arbre.visualItemRect(arbre.element(2)).center();
    QTest::mouseClick(arbre.viewport(), Qt::LeftButton, {}, lire);
    QTest::mouseClick(arbre.viewport(), Qt::LeftButton, {}, lire);
    QTest::mouseClick(arbre.viewport(), Qt::LeftButton, {}, QPoint(100, 290));
    EXPECT_EQ(vus, (std::vector<std::pair<int, int>>{{2, -1}, {2, 2}, {-1, 2}}));
    EXPECT_EQ(arbre.Selected(), 2) << "a click beside the nodes keeps the selection";

    // Qt sends a double click's second press as a double-click event alone.
    vus.clear();
    const QPoint ecrire = arbre.visualItemRect(arbre.element(3)).center();
    QTest::mouseClick(arbre.viewport(), Qt::LeftButton, {}, ecrire);
    QTest::mouseDClick(arbre.viewport(), Qt::LeftButton, {}, ecrire);
    EXPECT_EQ(vus, (std::vector<std::pair<int, int>>{{3, 2}, {3, 3}}));
}

// A handler that moves the selection with Down makes the whole move; otherwise the tree moves.
TEST(ArbreQt, laToucheBasDuProgrammeRemplaceCelleDeLArbre)
{
    ArbreQt arbre;
    arbre.resize(200, 300);
    arbre.remplir(lignesDeMenu());
    arbre.show();
    bool suivantEnPreordre = true;
    arbre.OnKeyDown.lier(gardeOuverte(), [&](int touche) {
        if (suivantEnPreordre && touche == VK_DOWN && arbre.Selected() >= 0 &&
            arbre.Selected() < arbre.Count() - 1)
            arbre.Select(arbre.Selected() + 1);
    });
    arbre.Select(0);
    QTest::keyClick(&arbre, Qt::Key_Down);
    EXPECT_EQ(arbre.Selected(), 1) << "into the collapsed chapter, one step";
    suivantEnPreordre = false;
    QTest::keyClick(&arbre, Qt::Key_Down);
    EXPECT_EQ(arbre.Selected(), 4) << "the tree's own move skips the collapsed node";
}

// Held on a tree, Return reaches the program once, as on a button; a held arrow moves on.
TEST(ArbreQt, uneEntreeTenueNArriveQuUneFois)
{
    ArbreQt arbre;
    arbre.remplir(lignesDeMenu());
    std::vector<int> touches;
    arbre.OnKeyDown.lier(gardeOuverte(), [&](int touche) { touches.push_back(touche); });
    tenirTouche(Qt::Key_Return, 4, Qt::NoModifier, &arbre);
    tenirTouche(Qt::Key_Down, 1, Qt::NoModifier, &arbre);
    EXPECT_EQ(touches, (std::vector<int>{VK_RETURN, VK_DOWN, VK_DOWN}));
}

TEST(ZoneDessinQt, peintParOnPaintSurSonCanevas)
{
    ZoneDessinQt zone;
    zone.setBounds(0, 0, 40, 30);
    zone.setColor(0xE0F7FF);
    TColor brosseAuDebut = 0;
    TColor styloAuDebut = 0;
    int peintures = 0;
    zone.OnPaint.lier(gardeOuverte(), [&] {
        Canevas& c = zone.canvas();
        brosseAuDebut = c.Brush.Color;
        styloAuDebut = c.Pen.Color;
        c.Brush.Color = 0x0000FF;
        c.FillRect(TRect{5, 5, 15, 15});
        c.Pen.Color = 0x00FF00;
        c.Font.Size = 30;
        ++peintures;
    });
    const QImage image = zone.grab().toImage();
    EXPECT_EQ(peintures, 1);
    EXPECT_EQ(pixel(image, 10, 10), 0x0000FF);
    EXPECT_EQ(pixel(image, 14, 14), 0x0000FF);
    EXPECT_NE(pixel(image, 15, 15), 0x0000FF) << "the rectangle's right and bottom are excluded";
    EXPECT_EQ(brosseAuDebut, 0xE0F7FF) << "a paint starts with the box's colour as brush";

    // The pen carries over to the next paint; the font starts again from the default.
    zone.grab();
    EXPECT_EQ(styloAuDebut, 0x00FF00);
    EXPECT_EQ(zone.canvas().Font.Size, 30) << "outside a paint, the state of the last one";
    EXPECT_GT(zone.canvas().TextWidth("Énoncé"), 0) << "outside a paint the canvas still measures";
    zone.canvas().FillRect(TRect{0, 0, 40, 30});  // lost, and harmless
}

TEST(ZoneDessinQt, laSourisArriveEnPixelsDeLaZone)
{
    PanneauQt fenetre;
    fenetre.resize(200, 200);
    auto* zone = new ZoneDessinQt(&fenetre);
    zone->setBounds(50, 40, 100, 100);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    std::vector<std::string> vus;
    auto noter = [&](const char* quoi, int x, int y) {
        vus.push_back(std::string(quoi) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    zone->OnMouseDown.lier(gardeOuverte(), [&](BoutonSouris b, int x, int y) {
        noter(b == BoutonSouris::gauche ? "bas-gauche" : "bas-autre", x, y);
    });
    zone->OnMouseMove.lier(gardeOuverte(), [&](int x, int y) { noter("deplace", x, y); });
    zone->OnMouseUp.lier(gardeOuverte(), [&](BoutonSouris b, int x, int y) {
        noter(b == BoutonSouris::droit ? "haut-droit" : "haut-autre", x, y);
    });
    QTest::mouseMove(zone, QPoint(3, 4));
    QTest::mousePress(zone, Qt::LeftButton, {}, QPoint(12, 7));
    QTest::mouseRelease(zone, Qt::RightButton, {}, QPoint(0, 99));
    ASSERT_FALSE(vus.empty());
    EXPECT_EQ(vus.front(), "deplace 3,4") << "moves arrive without a button held";
    EXPECT_NE(std::find(vus.begin(), vus.end(), "bas-gauche 12,7"), vus.end());
    EXPECT_EQ(vus.back(), "haut-droit 0,99");
}

TEST(ZoneDessinQt, lesNumerosDeCurseurDonnentLesFormesQt)
{
    ZoneDessinQt zone;
    const std::pair<int, Qt::CursorShape> cas[] = {{crHandPoint, Qt::PointingHandCursor},
                                                   {crCross, Qt::CrossCursor},
                                                   {crSizeNS, Qt::SizeVerCursor},
                                                   {crDefault, Qt::ArrowCursor},
                                                   {-99, Qt::ArrowCursor}};
    for (const auto& [numero, forme] : cas) {
        zone.setCursor(numero);
        EXPECT_EQ(zone.Cursor(), numero);
        EXPECT_EQ(zone.cursor().shape(), forme) << numero;
    }
}

TEST(ClasseurPagesQt, pagesOngletsEtChangementParLeSeulEleve)
{
    ClasseurPagesQt classeur;
    classeur.resize(400, 200);
    auto* menu = new PanneauQt;
    auto* cours = new PanneauQt;
    auto* exercice = new PanneauQt;
    PanneauQt etranger;
    classeur.ajouterPage(menu, "Sommaire");
    classeur.ajouterPage(cours, "Cours");
    classeur.ajouterPage(exercice, "Exercices");
    int changements = 0;
    classeur.OnChange.lier(gardeOuverte(), [&] { ++changements; });
    classeur.show();

    classeur.setActivePage(exercice);
    classeur.setActivePage(&etranger);
    EXPECT_EQ(classeur.ActivePage(), exercice);
    EXPECT_FALSE(menu->Visible());
    EXPECT_EQ(changements, 0) << "the program's own change is not the pupil's";

    classeur.setTabVisible(cours, false);
    EXPECT_FALSE(classeur.TabVisible(cours));
    EXPECT_TRUE(classeur.TabVisible(menu));
    EXPECT_FALSE(classeur.TabVisible(&etranger));
    QTabBar* onglets = classeur.tabBar();
    QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(0).center());
    EXPECT_EQ(classeur.ActivePage(), menu);
    EXPECT_EQ(changements, 1);
}

// Each tab is drawn as its own page's tab even when a tab before it is hidden.
TEST(ClasseurPagesQt, lesOngletsDessinesPortentLIndexDeLeurPage)
{
    ClasseurPagesQt classeur;
    classeur.resize(400, 200);
    std::vector<PanneauQt*> pages;
    for (const char* titre : {"Sommaire", "Cours", "Exercices"}) {
        pages.push_back(new PanneauQt);
        classeur.ajouterPage(pages.back(), titre);
    }
    const TColor couleurs[] = {0x0000FF, 0x8CB92F, 0xB36600};
    classeur.OnDrawTab.lier(gardeOuverte(), [&](Canevas& c, int index, const TRect& r, bool) {
        c.Brush.Color = couleurs[index];
        c.FillRect(r);
    });
    classeur.fixerTailleOnglets(100, 40);
    classeur.setTabVisible(pages[1], false);
    QTabBar* onglets = classeur.tabBar();
    onglets->adjustSize();
    const QImage image = onglets->grab().toImage();
    const QRect deuxieme = onglets->tabRect(2);
    EXPECT_EQ(deuxieme.size(), QSize(100, 40));
    EXPECT_EQ(pixel(image, deuxieme.center().x(), deuxieme.center().y()), 0xB36600);
    EXPECT_EQ(pixel(image, onglets->tabRect(0).center().x(), 20), 0x0000FF);
}

TEST(MinuteurQt, unIntervalleNulNeDeclenchePas)
{
    MinuteurQt minuteur;
    int tics = 0;
    minuteur.OnTimer.lier(gardeOuverte(), [&] { ++tics; });
    minuteur.setInterval(0);
    EXPECT_TRUE(minuteur.Enabled());
    QTest::qWait(50);
    EXPECT_EQ(tics, 0);

    minuteur.setInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tics > 0; }, 2000));
    minuteur.setEnabled(false);
    const int arretes = tics;
    QTest::qWait(30);
    EXPECT_EQ(tics, arretes);
}

TEST(LecteurSonQt, unFichierAbsentNeJoueRienEtRendLaMainAussitot)
{
    QElapsedTimer chrono;
    chrono.start();
    LecteurSonQt lecteur;
    lecteur.setFileName("/dossier/absent/erreur.wav");
    lecteur.Open();
    lecteur.Play();
    lecteur.Play();
    EXPECT_FALSE(lecteur.ouvert());
    EXPECT_EQ(lecteur.FileName(), "/dossier/absent/erreur.wav");
    EXPECT_LT(chrono.elapsed(), 1000);
}

// On a machine without sound the effect never finishes: playing must not wait for it.
TEST(LecteurSonQt, unVraiSonNeBloqueJamais)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath(QString::fromUtf8(u8"erreur é.wav"));
    {
        // 8-bit mono PCM at 8000 Hz, 800 samples of silence.
        QByteArray wav("RIFF");
        auto mot = [&](quint32 v, int octets) {
            for (int i = 0; i < octets; ++i) wav.append(char((v >> (8 * i)) & 0xFF));
        };
        mot(36 + 800, 4);
        wav.append("WAVEfmt ");
        for (const auto& [valeur, octets] : {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {8000u, 4},
                                             {8000u, 4}, {1u, 2}, {8u, 2}})
            mot(valeur, octets);
        wav.append("data");
        mot(800, 4);
        wav.append(QByteArray(800, char(0x80)));
        QFile fichier(chemin);
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write(wav);
    }
    QElapsedTimer chrono;
    chrono.start();
    {
        LecteurSonQt lecteur;
        lecteur.setFileName(depuisChemin(chemin));
        lecteur.Open();
        EXPECT_TRUE(lecteur.ouvert());
        lecteur.Play();
        QTest::qWait(20);
        lecteur.Play();
    }
    EXPECT_LT(chrono.elapsed(), 2000);
}
