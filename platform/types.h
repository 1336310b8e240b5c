#pragma once
// Plain values the whole program shares with its platform: colours, points, rectangles.

#include <cstdint>

// A colour as the program holds it: 0x00BBGGRR, blue in the high byte, red in the low byte.
using TColor = std::int32_t;

struct TPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const TRect&) const = default;
};

// Rounds a pixel coordinate to the nearest integer, halves to the even neighbour, clamped to the
// range a coordinate can hold so that a far-away construction never overflows.
int arrondi(double v);
