#include "platform/qt/minuteur_qt.h"

MinuteurQt::MinuteurQt()
{
    QObject::connect(&minuterie_, &QTimer::timeout, [this] {
        if (OnTimer) OnTimer();
    });
    appliquer();
}

void MinuteurQt::setEnabled(bool v)
{
    if (v == actif_) return;
    actif_ = v;
    appliquer();
}

void MinuteurQt::setInterval(int millisecondes)
{
    intervalle_ = millisecondes;
    appliquer();
}

void MinuteurQt::appliquer()
{
    if (actif_ && intervalle_ > 0)
        minuterie_.start(intervalle_);
    else
        minuterie_.stop();
}
