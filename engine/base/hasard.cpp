#include "engine/base/hasard.h"

#include <chrono>
#include <random>

namespace {

// Seeded from the time of day when first asked, that is when the program starts drawing its
// exercises, so that two sessions never give the same ones.
std::mt19937_64& generateur()
{
    static std::mt19937_64 g(static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return g;
}

}  // namespace

int hasard(int n)
{
    if (n < 1) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(generateur());
}

double hasardReel()
{
    // The top 53 bits make a double of [0, 1) exactly; 1 itself can never come out.
    return static_cast<double>(generateur()() >> 11) * 0x1.0p-53;
}

void semerHasard(unsigned graine) { generateur().seed(graine); }
