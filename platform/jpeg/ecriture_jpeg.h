#pragma once
// JPEG pictures encoded with libjpeg from plain RGB pixels: how the build turns the course pages it
// draws into the files the program reads.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/jpeg/jpeg.h"

// Baseline JPEG, colour kept at full resolution so that small text stays sharp; quality 1..100.
// No bytes for an empty picture or one whose pixels do not match its size.
std::optional<std::vector<std::uint8_t>> encoderJpeg(const TimageRvb& image, int qualite);
// Writes the encoded picture to the path (Windows-1252 bytes, handed to the system as they are);
// false when it cannot be encoded or written whole.
bool ecrireJpeg(const std::string& chemin, const TimageRvb& image, int qualite);
