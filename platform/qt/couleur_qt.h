#pragma once
// The program's colours (TColor, 0x00BBGGRR) as Qt holds them, and back.

#include <QColor>

#include "platform/types.h"

// The high byte is not a colour: it is ignored.
inline QColor versQColor(TColor c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

inline TColor depuisQColor(const QColor& q)
{
    return static_cast<TColor>(q.red() | (q.green() << 8) | (q.blue() << 16));
}
