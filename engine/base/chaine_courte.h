#pragma once
// Short strings: texts of a fixed capacity that keep their first characters when given more.

#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t longueurCourte = 120;

inline std::string courte(std::string_view s, std::size_t capacite = longueurCourte)
{
    return std::string(s.substr(0, capacite));
}
