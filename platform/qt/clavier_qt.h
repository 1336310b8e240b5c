#pragma once
// The program's key codes of Qt's keys.

#include <QKeyEvent>
#include <Qt>

#include "platform/controles.h"

// 0 for a key the program does not answer to.
inline int toucheVirtuelle(int cle)
{
    struct Correspondance {
        int cle;
        int touche;
    };
    static constexpr Correspondance table[] = {
        {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Up, VK_UP},         {Qt::Key_Right, VK_RIGHT},  {Qt::Key_Down, VK_DOWN}};
    for (const Correspondance& c : table)
        if (c.cle == cle) return c.touche;
    return 0;
}

// A held Return or Enter acts once, as a held Space does: its repeats would validate, try again
// and validate once more, each time the focus comes back to a field or a button.
inline bool entreeRepetee(const QKeyEvent& evenement)
{
    return evenement.isAutoRepeat() && toucheVirtuelle(evenement.key()) == VK_RETURN;
}
