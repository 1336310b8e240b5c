#pragma once
// The program's key codes of Qt's keys.

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
