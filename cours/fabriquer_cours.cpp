// Draws the course pages at build time: each lesson source becomes the picture "V05" + its name +
// ".jpg" in the program's folder, laid out and painted by the program's own text and figure
// engine. Usage: fabriquer_cours <folder> <source.txt>...

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "cours/lecture_lecon.h"
#include "cours/page_lecon.h"
#include "cours/rendu_lecon.h"
#include "platform/jpeg/ecriture_jpeg.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/dossier_execution.h"
#include "platform/qt/unicode.h"

namespace {

// Text pages: fine enough that small letters stay clean.
constexpr int qualiteJpeg = 92;

// The message in the terminal's UTF-8.
void signaler(const QString& source, int ligne, const std::string& message)
{
    const QString ou = ligne > 0 ? source + ":" + QString::number(ligne) : source;
    std::fprintf(stderr, "%s: %s\n", ou.toUtf8().constData(), versUnicode(message).toUtf8().constData());
}

bool fabriquerPage(const QString& dossier, const QString& source)
{
    QFile fichier(source);
    if (!fichier.open(QIODevice::ReadOnly)) {
        signaler(source, 0, "illisible");
        return false;
    }
    try {
        const std::string contenu = texteDeLecon(fichier.readAll());
        // Texts are measured on a canvas of their own.
        QImage brouillon(1, 1, QImage::Format_RGB32);
        QPainter peintre(&brouillon);
        CanevasQt mesure(peintre);
        const std::string code = QFileInfo(source).completeBaseName().toStdString();
        const std::optional<TpageDuCours> pageCours = pageDuCours(code);
        if (!pageCours) throw ErreurLecon(0, "aucune page de la table des pages de cours n'a l'image " + code);
        TpageLecon page = composerLecon(lireSourceLecon(contenu), *pageCours, mesure);
        const QImage image = peindreLecon(page);
        const QString sortie = dossier + "/V05" + QString::fromStdString(code) + ".jpg";
        if (!ecrireJpeg(sortie.toLocal8Bit().toStdString(), versImageRvb(image), qualiteJpeg)) {
            signaler(sortie, 0, "impossible d'écrire l'image");
            return false;
        }
    } catch (const ErreurLecon& erreur) {
        signaler(source, erreur.ligne(), erreur.what());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const DossierExecution dossier;
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "fabriquer_cours <dossier> <leçon.txt>...\n");
        return 2;
    }
    bool reussi = true;
    for (int a = 2; a < argc; ++a)
        reussi = fabriquerPage(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[a])) && reussi;
    return reussi ? 0 : 1;
}
