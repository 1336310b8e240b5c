#include "platform/types.h"

#include <cmath>

#include "platform/canevas.h"

int arrondi(double v)
{
    // Far beyond any screen, but inside int so that later arithmetic on it cannot overflow.
    constexpr double limite = 1.0e9;
    if (std::isnan(v)) return 0;
    if (v > limite) return static_cast<int>(limite);
    if (v < -limite) return -static_cast<int>(limite);
    return static_cast<int>(std::nearbyint(v));
}

int TFont::Height() const
{
    // MulDiv(Size, 96, 72), rounded as the platform rounds it.
    const long long n = static_cast<long long>(Size) * 96;
    const long long pixels = n >= 0 ? (n + 36) / 72 : (n - 36) / 72;
    return -static_cast<int>(pixels);
}
