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

// What a course page can show, the box being 800 pixels wide and a taller page scrolling: beyond
// these a picture is refused from its header, before any memory is taken for it, so that decoding
// and showing it stay under about 150 MB.
inline constexpr std::int64_t largeurMaxJpeg = 4'000;
inline constexpr std::int64_t pixelsMaxJpeg = 16'000'000;
// A file beyond this is refused without being read.
inline constexpr std::int64_t octetsMaxJpeg = 32 << 20;

std::optional<TimageRvb> decoderJpeg(const std::uint8_t* donnees, std::size_t taille);
// The path is in the system's own bytes (the program's folder as the system named it, followed by
// a plain name), handed to the system as they are. Only a regular file is read, a link being
// followed: a pipe, a device or a folder gives no picture, at once.
std::optional<TimageRvb> lireJpeg(const std::string& chemin);
