#pragma once
// What every fuzz target does with its input: read it as the program's text, cut it at a line
// break, and stop the run on a broken promise so that the driver or the fuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

inline std::string texteDe(const std::uint8_t* octets, std::size_t taille)
{
    return std::string(reinterpret_cast<const char*>(octets), taille);
}

inline void verifier(bool condition)
{
    if (!condition) std::abort();
}

struct TdeuxLignes {
    std::string premiere;
    std::string seconde;
};

// Without a line break the whole text is the first line and the second is empty.
inline TdeuxLignes couperALaLigne(std::string_view texte)
{
    const std::size_t saut = texte.find('\n');
    if (saut == std::string_view::npos) return {std::string(texte), {}};
    return {std::string(texte.substr(0, saut)), std::string(texte.substr(saut + 1))};
}
