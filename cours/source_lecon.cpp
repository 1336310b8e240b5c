#include "cours/source_lecon.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "engine/base/nombres.h"

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
        // A TAB between the words of an instruction is one of its blanks.
        const std::size_t blanc = utile.find_first_of(" \t");
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

void exigerSansTabulation(const TinstructionLecon& instruction, const std::string& texte)
{
    if (texte.find('\t') != std::string::npos)
        throw ErreurLecon(instruction.ligne, "une tabulation dans le texte \"" + texte +
                                                 "\" : la page ne l'aligne sur rien ; des blancs, ou un tableau "
                                                 "pour aligner");
}

std::vector<std::string> motsDe(const std::string& texte)
{
    std::vector<std::string> mots;
    std::istringstream flux(texte);
    std::string mot;
    while (flux >> mot) mots.push_back(mot);
    return mots;
}

namespace {

// Enough for any position or count, and few enough that every such number is a double.
constexpr std::size_t chiffresMax = 20;

std::size_t passerChiffres(const std::string& mot, std::size_t i)
{
    while (i < mot.size() && mot[i] >= '0' && mot[i] <= '9') ++i;
    return i;
}

// "-12", "0,5", "3.25": no exponent, no "inf" or "nan", digits on both sides of the separator.
bool estEcritEnChiffres(const std::string& mot)
{
    std::size_t i = !mot.empty() && mot[0] == '-' ? 1 : 0;
    const std::size_t finEntier = passerChiffres(mot, i);
    if (finEntier == i) return false;
    if (finEntier == mot.size()) return true;
    if (mot[finEntier] != ',' && mot[finEntier] != '.') return false;
    const std::size_t finDecimales = passerChiffres(mot, finEntier + 1);
    return finDecimales > finEntier + 1 && finDecimales == mot.size();
}

}  // namespace

double nombreDe(const TinstructionLecon& instruction, const std::string& mot, const TnombreLecon& genre)
{
    if (!estEcritEnChiffres(mot))
        throw ErreurLecon(instruction.ligne, "nombre attendu au lieu de \"" + mot + "\"");
    if (mot.size() > chiffresMax) throw ErreurLecon(instruction.ligne, "trop de chiffres dans " + mot);
    std::string point = mot;
    for (char& c : point)
        if (c == ',') c = '.';
    // Whatever the locale: the sources are the same on every machine.
    double x = 0;
    std::from_chars(point.data(), point.data() + point.size(), x);
    const std::string quoi = genre.quoi;
    if (genre.entier && x != std::trunc(x))
        throw ErreurLecon(instruction.ligne, quoi + " doit être un nombre entier, pas " + mot);
    if (!(x >= genre.min && x <= genre.max))
        throw ErreurLecon(instruction.ligne, quoi + " " + mot + " n'est pas entre " + reelVersChaine(genre.min) +
                                                 " et " + reelVersChaine(genre.max));
    return x;
}

int entierDe(const TinstructionLecon& instruction, const std::string& mot, const TnombreLecon& genre)
{
    TnombreLecon entier = genre;
    entier.entier = true;
    return static_cast<int>(nombreDe(instruction, mot, entier));
}
