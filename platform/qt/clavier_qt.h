#pragma once
// The program's key codes of Qt's keys, and the repeats of a held key.

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

// A held key comes as a press, then pairs of release and press at one time each, then the
// release. Qt flags the pairs as repeats, but may miss the flag when the two reach it apart: a
// press at the very time of the key's last release is a repeat all the same. The time of the
// last release of Return (Enter counting as Return) and of Space; null for any other key.
inline std::uint64_t* instantRelachement(int cle)
{
    static std::uint64_t entree = 0, espace = 0;
    if (toucheVirtuelle(cle) == VK_RETURN) return &entree;
    return cle == Qt::Key_Space ? &espace : nullptr;
}

// Each widget that answers to Return or Space notes their releases.
inline void noterRelachement(const QKeyEvent& evenement)
{
    if (std::uint64_t* instant = instantRelachement(evenement.key())) *instant = evenement.timestamp();
}

// A held Return, Enter or Space acts once: its repeats would validate, try again and validate
// once more, each time the focus comes back to a field or a button. (Events made up without a
// time never count as repeats by it.)
inline bool toucheRepetee(const QKeyEvent& evenement)
{
    const std::uint64_t* instant = instantRelachement(evenement.key());
    if (!instant) return false;
    return evenement.isAutoRepeat() || (evenement.timestamp() != 0 && evenement.timestamp() == *instant);
}
