#include "cours/source_lecon.h"

#include <charconv>
#include <sstream>

ErreurLecon::ErreurLecon(int ligne, const std::string& message)
    : std::runtime_error(message), ligne_(ligne)
{
}

namespace {

bool estBlanc(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

std::vector<TinstructionLecon> lireSourceLecon(const std::string& contenu)
{
    std::vector<TinstructionLecon> instructions;
    std::istringstream flux(contenu);
    std::string ligne;
    for (int numero = 1; std::getline(flux, ligne); ++numero) {
        std::size_t debut = 0;
        while (debut < ligne.size() && estBlanc(ligne[debut])) ++debut;
        std::size_t fin = ligne.size();
        while (fin > debut && estBlanc(ligne[fin - 1])) --fin;
        if (debut == fin || ligne[debut] == '#') continue;
        const std::string utile = ligne.substr(debut, fin - debut);
        const std::size_t blanc = utile.find(' ');
        TinstructionLecon instruction{numero, utile.substr(0, blanc), {}, utile};
        if (blanc != std::string::npos) {
            std::size_t reste = blanc;
            while (reste < utile.size() && estBlanc(utile[reste])) ++reste;
            instruction.reste = utile.substr(reste);
        }
        instructions.push_back(std::move(instruction));
    }
    return instructions;
}

std::vector<std::string> motsDe(const std::string& texte)
{
    std::vector<std::string> mots;
    std::istringstream flux(texte);
    std::string mot;
    while (flux >> mot) mots.push_back(mot);
    return mots;
}

double nombreDe(const TinstructionLecon& instruction, const std::string& mot)
{
    std::string point = mot;
    for (char& c : point)
        if (c == ',') c = '.';
    // Whatever the locale: the sources are the same on every machine.
    double x = 0;
    const char* fin = point.data() + point.size();
    const auto [lu, erreur] = std::from_chars(point.data(), fin, x);
    if (point.empty() || erreur != std::errc{} || lu != fin)
        throw ErreurLecon(instruction.ligne, "nombre attendu au lieu de \"" + mot + "\"");
    return x;
}
