// Writes the sound played after a wrong answer, "erreur.wav": two short falling notes, soft at
// both ends. Run by the build, which puts the file beside the program.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int frequence = 22050;

void ecrireMot(std::FILE* f, std::uint32_t v, int octets)
{
    for (int i = 0; i < octets; ++i) std::fputc(static_cast<int>((v >> (8 * i)) & 0xFF), f);
}

// A note with a short rise and a longer fall, so that it neither clicks nor drones.
void ajouterNote(std::vector<std::int16_t>& echantillons, double hertz, double secondes)
{
    const int n = static_cast<int>(secondes * frequence);
    const double pi = std::acos(-1.0);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / frequence;
        const double enveloppe = std::min(1.0, t / 0.01) * std::exp(-4.0 * t / secondes);
        const double onde = std::sin(2 * pi * hertz * t) + 0.3 * std::sin(4 * pi * hertz * t);
        echantillons.push_back(static_cast<std::int16_t>(9000 * enveloppe * onde));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: son_erreur FICHIER.wav\n");
        return 2;
    }
    std::vector<std::int16_t> echantillons;
    ajouterNote(echantillons, 392.0, 0.14);
    ajouterNote(echantillons, 261.6, 0.26);

    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) return 1;
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
    for (std::int16_t e : echantillons) ecrireMot(f, static_cast<std::uint16_t>(e), 2);
    return std::fclose(f) == 0 ? 0 : 1;
}
