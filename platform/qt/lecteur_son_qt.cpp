#include "platform/qt/lecteur_son_qt.h"

#include <QFileInfo>
#include <QUrl>

#include "platform/qt/unicode.h"

void LecteurSonQt::Open()
{
    son_.reset();
    const QString chemin = versChemin(fichier_);
    if (!QFileInfo(chemin).isFile()) return;
    son_ = std::make_unique<QSoundEffect>();
    son_->setSource(QUrl::fromLocalFile(chemin));
}

void LecteurSonQt::Play()
{
    if (!son_) return;
    son_->stop();
    son_->play();
}
