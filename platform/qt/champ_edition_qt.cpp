#include "platform/qt/champ_edition_qt.h"

#include <QKeyEvent>

#include "platform/qt/clavier_qt.h"

void ChampEditionQt::keyPressEvent(QKeyEvent* evenement)
{
    const int touche = toucheRepetee(*evenement) ? 0 : toucheVirtuelle(evenement->key());
    if (touche != 0 && OnKeyDown) OnKeyDown(touche);
    QLineEdit::keyPressEvent(evenement);
}

void ChampEditionQt::keyReleaseEvent(QKeyEvent* evenement)
{
    noterRelachement(*evenement);
    QLineEdit::keyReleaseEvent(evenement);
}
