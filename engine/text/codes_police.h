#pragma once
// The colour and style letters that both renderers read after a "$".

#include <array>
#include <optional>

#include "platform/canevas.h"

struct TcodeCouleur {
    char lettre;
    TColor couleur;
};

constexpr std::array<TcodeCouleur, 16> codesCouleurTexte = {{
    {'n', 0x000000},  // black
    {'b', 0xFFFFFF},  // white
    {'k', 0xFF0000},  // blue
    {'K', 0x800000},  // navy
    {'v', 0x00FF00},  // bright green
    {'V', 0x008000},  // green
    {'y', 0x80FFFF},  // light yellow
    {'Y', 0x008080},  // olive
    {'c', 0xFFFF00},  // cyan
    {'C', 0x808000},  // teal
    {'r', 0x0000FF},  // red
    {'R', 0x000080},  // dark red
    {'p', 0xFF00FF},  // magenta
    {'P', 0x9620F7},  // pink
    {'q', 0xC0C0C0},  // light grey
    {'Q', 0x808080},  // grey
}};

struct TcodeStyle {
    char lettre;
    TFontStyles style;
};

constexpr std::array<TcodeStyle, 7> codesStyleTexte = {{
    {'g', fsBold},
    {'i', fsItalic},
    {'J', fsBold | fsItalic},
    {'S', fsUnderline},
    {'I', fsItalic | fsUnderline},
    {'G', fsBold | fsUnderline},
    {'N', 0},
}};

std::optional<TColor> couleurDuCode(char lettre);
std::optional<TFontStyles> styleDuCode(char lettre);
