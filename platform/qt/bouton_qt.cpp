#include "platform/qt/bouton_qt.h"

#include <QPainter>
#include <QPen>

#include "platform/qt/clavier_qt.h"

BoutonQt::BoutonQt(QWidget* parent) : ControleQt(parent)
{
    // Outside a dialog Qt leaves Return to the parent: the button takes it itself.
    setAutoDefault(true);
    QObject::connect(this, &QPushButton::pressed, this, [this] { OnMouseDown(); });
    QObject::connect(this, &QPushButton::clicked, this, [this] { OnClick(); });
}

void BoutonQt::keyPressEvent(QKeyEvent* evenement)
{
    if (toucheRepetee(*evenement))
        evenement->accept();
    else
        ControleQt::keyPressEvent(evenement);
}

void BoutonQt::keyReleaseEvent(QKeyEvent* evenement)
{
    noterRelachement(*evenement);
    ControleQt::keyReleaseEvent(evenement);
}

void BoutonQt::paintEvent(QPaintEvent* evenement)
{
    QPushButton::paintEvent(evenement);
    if (!hasFocus()) return;
    // The style shows the focus only once the keyboard has moved it; the program moves it too.
    QPainter peintre(this);
    QPen pointilles(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
    peintre.setPen(pointilles);
    peintre.drawRect(rect().adjusted(4, 4, -5, -5));
}

bool BoutonQt::focusNextPrevChild(bool suivant)
{
    // Disabled or hidden with the focus, the button lets it go rather than hand it to the next
    // control, where the next Enter would do what the pupil never chose.
    if (isEnabled() && !isHidden()) return ControleQt::focusNextPrevChild(suivant);
    clearFocus();
    return true;
}
