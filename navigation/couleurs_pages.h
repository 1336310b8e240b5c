#pragma once
// The colour of each page of the main window: its tab, its bar and its labels. Blue in the high
// byte.

#include "platform/types.h"

constexpr TColor couleurSommaire = 0x0000FF;
constexpr TColor couleurCours = 0x8CB92F;
constexpr TColor couleurExercices = 0xB36600;
constexpr TColor couleurImagiciels = 0xF6B200;
constexpr TColor couleurIndex = 0x23D3F7;
