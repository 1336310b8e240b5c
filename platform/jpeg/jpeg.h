#pragma once
// JPEG pictures decoded with libjpeg into plain RGB pixels. A file that is missing, empty,
// truncated, damaged or not a JPEG at all gives no picture; it never stops the program.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Rows from top to bottom, three bytes per pixel (red, green, blue), no padding.
struct TimageRvb {
    int largeur = 0;
    int hauteur = 0;
    std::vector<std::uint8_t> pixels;
};

// Beyond this a picture is refused before any memory is taken for it.
inline constexpr std::int64_t pixelsMaxJpeg = 100'000'000;

std::optional<TimageRvb> decoderJpeg(const std::uint8_t* donnees, std::size_t taille);
// The path is in the system's own bytes (the program's folder as the system named it, followed by
// a plain name), handed to the system as they are.
std::optional<TimageRvb> lireJpeg(const std::string& chemin);
