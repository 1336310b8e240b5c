// Runs a fuzz target without a fuzzing engine: replays every file of the corpus, then, when asked,
// feeds it inputs mutated from the corpus with a fixed seed, so that a run is repeatable.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

namespace {

using Octets = std::vector<std::uint8_t>;

Octets lireFichier(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void executer(const Octets& entree)
{
    // A copy of exactly the input's size, so that a read past its end is seen by the sanitizer.
    std::unique_ptr<std::uint8_t[]> tampon(new std::uint8_t[entree.size() ? entree.size() : 1]);
    if (!entree.empty()) std::memcpy(tampon.get(), entree.data(), entree.size());
    LLVMFuzzerTestOneInput(tampon.get(), entree.size());
}

Octets muter(const Octets& source, const std::vector<Octets>& corpus, std::mt19937& g,
             std::size_t longueurMax)
{
    Octets s = source;
    const int n = 1 + static_cast<int>(g() % 4);
    for (int i = 0; i < n; ++i) {
        const std::size_t pos = s.empty() ? 0 : g() % (s.size() + 1);
        switch (g() % 6) {
        case 0:  // change one byte
            if (!s.empty()) s[pos % s.size()] = static_cast<std::uint8_t>(g());
            break;
        case 1:  // insert a byte
            s.insert(s.begin() + static_cast<long>(pos), static_cast<std::uint8_t>(g()));
            break;
        case 2:  // delete a run
            if (!s.empty()) {
                const std::size_t debut = pos % s.size();
                const std::size_t longueur = std::min<std::size_t>(s.size() - debut, 1 + g() % 8);
                s.erase(s.begin() + static_cast<long>(debut),
                        s.begin() + static_cast<long>(debut + longueur));
            }
            break;
        case 3:  // splice a piece of another input
            if (!corpus.empty()) {
                const Octets& autre = corpus[g() % corpus.size()];
                if (!autre.empty()) {
                    const std::size_t debut = g() % autre.size();
                    const std::size_t longueur = std::min<std::size_t>(autre.size() - debut, 1 + g() % 16);
                    s.insert(s.begin() + static_cast<long>(pos), autre.begin() + static_cast<long>(debut),
                             autre.begin() + static_cast<long>(debut + longueur));
                }
            }
            break;
        case 4:  // repeat a byte
            if (!s.empty()) s.insert(s.begin() + static_cast<long>(pos), 1 + g() % 32, s[pos % s.size()]);
            break;
        default:  // flip a bit
            if (!s.empty()) s[pos % s.size()] ^= static_cast<std::uint8_t>(1u << (g() % 8));
            break;
        }
    }
    if (s.size() > longueurMax) s.resize(longueurMax);
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    long runs = 0;
    unsigned graine = 1;
    std::size_t longueurMax = 4096;
    std::vector<Octets> corpus;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("-runs=", 0) == 0) {
            runs = std::atol(arg.c_str() + 6);
        } else if (arg.rfind("-seed=", 0) == 0) {
            graine = static_cast<unsigned>(std::atol(arg.c_str() + 6));
        } else if (arg.rfind("-max_len=", 0) == 0) {
            longueurMax = static_cast<std::size_t>(std::atol(arg.c_str() + 9));
        } else if (std::filesystem::is_directory(arg)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(arg))
                if (e.is_regular_file()) corpus.push_back(lireFichier(e.path()));
        } else if (std::filesystem::is_regular_file(arg)) {
            corpus.push_back(lireFichier(arg));
        } else {
            std::fprintf(stderr, "introuvable : %s\n", arg.c_str());
            return 2;
        }
    }
    if (corpus.empty()) corpus.emplace_back();
    for (const Octets& entree : corpus) executer(entree);
    std::mt19937 g(graine);
    for (long r = 0; r < runs; ++r) executer(muter(corpus[g() % corpus.size()], corpus, g, longueurMax));
    std::printf("%zu entrees rejouees, %ld mutations\n", corpus.size(), runs);
    return 0;
}
