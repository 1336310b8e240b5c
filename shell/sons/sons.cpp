// Writes the program's three sounds into the folder given, where the build puts the program:
// "erreur.wav" after a wrong answer (two falling notes), "juste.wav" after a right one (a bright
// rising chime) and "refus.wav" when an answer is refused as given (one soft low note).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int frequence = 22050;

struct Tnote {
    double hertz;
    double debut, duree;  // seconds
    double volume;        // peak of the fundamental, in sample units
    double attaque;       // seconds of rise
};

struct Tson {
    const char* fichier;
    std::vector<Tnote> notes;
};

// Notes may overlap: the chime's first note still rings under the second.
const Tson sons[] = {
    {"erreur.wav", {{392.0, 0.0, 0.14, 9000, 0.01}, {261.6, 0.14, 0.26, 9000, 0.01}}},
    {"juste.wav", {{880.0, 0.0, 0.30, 6000, 0.004}, {1318.5, 0.09, 0.40, 6000, 0.004}}},
    {"refus.wav", {{220.0, 0.0, 0.18, 7000, 0.015}}},
};

// A short rise and a longer fall, so that a note neither clicks nor drones; its last 8 ms fade to
// nothing, so that it does not end on a click either.
void ajouterNote(std::vector<double>& echantillons, const Tnote& note)
{
    const int debut = static_cast<int>(note.debut * frequence);
    const int n = static_cast<int>(note.duree * frequence);
    const int fondu = frequence * 8 / 1000;
    if (echantillons.size() < static_cast<std::size_t>(debut + n)) echantillons.resize(debut + n);
    const double pi = std::acos(-1.0);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / frequence;
        const double bords = std::min({1.0, t / note.attaque, static_cast<double>(n - i) / fondu});
        const double enveloppe = bords * std::exp(-4.0 * t / note.duree);
        const double onde =
            std::sin(2 * pi * note.hertz * t) + 0.3 * std::sin(4 * pi * note.hertz * t);
        echantillons[debut + i] += note.volume * enveloppe * onde;
    }
}

void ecrireMot(std::FILE* f, std::uint32_t v, int octets)
{
    for (int i = 0; i < octets; ++i) std::fputc(static_cast<int>((v >> (8 * i)) & 0xFF), f);
}

// 16-bit mono PCM.
bool ecrireWav(const std::string& chemin, const std::vector<double>& echantillons)
{
    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) return false;
    const auto donnees = static_cast<std::uint32_t>(echantillons.size() * 2);
    std::fputs("RIFF", f);
    ecrireMot(f, 36 + donnees, 4);
    std::fputs("WAVEfmt ", f);
    ecrireMot(f, 16, 4);
    ecrireMot(f, 1, 2);  // PCM
    ecrireMot(f, 1, 2);  // mono
    ecrireMot(f, frequence, 4);
    ecrireMot(f, frequence * 2, 4);
    ecrireMot(f, 2, 2);
    ecrireMot(f, 16, 2);
    std::fputs("data", f);
    ecrireMot(f, donnees, 4);
    for (double e : echantillons) {
        const auto valeur = static_cast<std::int16_t>(std::clamp(std::lround(e), -32767L, 32767L));
        ecrireMot(f, static_cast<std::uint16_t>(valeur), 2);
    }
    return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sons DOSSIER\n");
        return 2;
    }
    for (const Tson& son : sons) {
        std::vector<double> echantillons;
        for (const Tnote& note : son.notes) ajouterNote(echantillons, note);
        if (!ecrireWav(std::string(argv[1]) + "/" + son.fichier, echantillons)) return 1;
    }
    return 0;
}
