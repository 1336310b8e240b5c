#pragma once
// A key held down as the keyboard gives it: a press, pairs of repeated release and press, then
// the release, each to the widget given or else to the one that has the focus at that moment.

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

inline void tenirTouche(Qt::Key touche, int repetitions, Qt::KeyboardModifiers modificateurs = Qt::NoModifier,
                        QWidget* cible = nullptr)
{
    const auto envoyer = [&](QEvent::Type type, bool repetee) {
        QWidget* w = cible ? cible : QApplication::focusWidget();
        if (!w) return;
        QKeyEvent evenement(type, touche, modificateurs, QString(), repetee);
        QApplication::sendEvent(w, &evenement);
    };
    envoyer(QEvent::KeyPress, false);
    for (int i = 0; i < repetitions; ++i) {
        envoyer(QEvent::KeyRelease, true);
        envoyer(QEvent::KeyPress, true);
    }
    envoyer(QEvent::KeyRelease, false);
}
