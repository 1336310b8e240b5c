#pragma once
// The program's key codes of Qt's keys.

#include <QKeyEvent>
#include <Qt>
#include <cstdint>

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

// The time of the last release of Return or Enter: a held key's repeats come as releases and
// presses at one time each, and Qt, which flags them as repeats, may miss the flag when the two
// reach it apart.
inline std::uint64_t& instantRelachementEntree()
{
    static std::uint64_t instant = 0;
    return instant;
}

// Each widget that answers to Return notes its releases.
inline void noterRelachement(const QKeyEvent& evenement)
{
    if (toucheVirtuelle(evenement.key()) == VK_RETURN) instantRelachementEntree() = evenement.timestamp();
}

// A held Return or Enter acts once, as a held Space does: its repeats would validate, try again
// and validate once more, each time the focus comes back to a field or a button. (Events made up
// without a time never count as repeats by it.)
inline bool entreeRepetee(const QKeyEvent& evenement)
{
    if (toucheVirtuelle(evenement.key()) != VK_RETURN) return false;
    return evenement.isAutoRepeat() ||
           (evenement.timestamp() != 0 && evenement.timestamp() == instantRelachementEntree());
}
