#include "platform/qt/plateforme_qt.h"

#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <array>
#include <utility>

#include "platform/jpeg/jpeg.h"
#include "platform/qt/boite_message_qt.h"
#include "platform/qt/fenetre_info_qt.h"
#include "platform/qt/image_qt.h"
#include "platform/qt/unicode.h"

namespace {

// The desktops' calculators, in the order they are looked for.
constexpr std::array<const char*, 6> calculatrices = {
    "gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "mate-calc", "xcalc"};

}  // namespace

PlateformeQt::PlateformeQt(const QString& dossier)
{
    for (auto [lecteur, nom] : {std::pair{&sonJuste_, "juste.wav"}, {&sonRefus_, "refus.wav"}}) {
        lecteur->setFileName(depuisChemin(QDir(dossier).filePath(QString::fromLatin1(nom))));
        lecteur->Open();
    }
}

LecteurSonQt& PlateformeQt::sonDuBip(unsigned genre)
{
    return genre == MB_ICONQUESTION ? sonRefus_ : sonJuste_;
}

void PlateformeQt::afficherMessage(const std::string& texte, const std::string& titre)
{
    executerBoite(QMessageBox::NoIcon, titre, texte, QMessageBox::Ok);
}

bool PlateformeQt::demanderOuiNon(const std::string& texte, const std::string& titre)
{
    return executerBoite(QMessageBox::Question, titre, texte, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void PlateformeQt::bip(unsigned genre) { sonDuBip(genre).Play(); }

bool PlateformeQt::positionCurseur(TPoint& point)
{
    const QPoint p = QCursor::pos();
    point = {p.x(), p.y()};
    return true;
}

void PlateformeQt::placerCurseur(int x, int y) { QCursor::setPos(x, y); }

TRect PlateformeQt::rectangleBureau()
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran) return {0, 0, 800, 600};
    const QRect r = ecran->geometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

std::unique_ptr<Image> PlateformeQt::chargerJpeg(const std::string& chemin)
{
    const std::optional<TimageRvb> rvb = lireJpeg(chemin);
    if (!rvb) return nullptr;
    // A view on the decoded rows, converted into an image that owns its pixels; RGB32 is what
    // painting copies fastest.
    const QImage vue(rvb->pixels.data(), rvb->largeur, rvb->hauteur, rvb->largeur * 3,
                     QImage::Format_RGB888);
    QImage image = vue.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return nullptr;
    return std::make_unique<ImageQt>(std::move(image));
}

bool PlateformeQt::ouvrirDocument(const std::string& chemin)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(versChemin(chemin)));
}

bool PlateformeQt::lancerCalculatrice()
{
    for (const char* nom : calculatrices) {
        const QString programme = QStandardPaths::findExecutable(QString::fromLatin1(nom));
        if (!programme.isEmpty()) return QProcess::startDetached(programme, {});
    }
    return false;
}

std::string PlateformeQt::repertoireSysteme() { return "/usr/bin/"; }

std::unique_ptr<FenetreInfo> PlateformeQt::creerFenetreInfo()
{
    return std::make_unique<FenetreInfoQt>();
}
