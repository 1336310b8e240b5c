#pragma once
// A set of the integers 0..255, one bit each: choice cells, characters, instrument kinds.

#include <bitset>

using Ensemble256 = std::bitset<256>;
