#include "platform/qt/lecteur_son_qt.h"

#include <QFileInfo>
#include <QUrl>

#include "platform/qt/unicode.h"

void LecteurSonQt::Open()
{
    const QString chemin = versChemin(fichier_);
    const QString trouve = QFileInfo(chemin).isFile() ? chemin : QString();
    // Opening the sound already loaded keeps it: each wrong answer opens it again.
    if (trouve != ouvert_) son_.reset();
    ouvert_ = trouve;
}

void LecteurSonQt::Play()
{
    if (ouvert_.isEmpty()) return;
    if (!son_) {
        // An effect still loading plays as soon as its sound is loaded.
        son_ = std::make_unique<QSoundEffect>();
        son_->setSource(QUrl::fromLocalFile(ouvert_));
    }
    son_->stop();
    son_->play();
}
