#include "platform/qt/polices_substituees.h"

#include <QFont>

namespace {

struct Tsubstitution {
    const char* demandee;
    const char* remplacante;
};

// The tabs' condensed heavy face, and the clock's misspelt fixed-width face.
constexpr Tsubstitution substitutions[] = {
    {"Abadi MT Condensed Extra Bold", "Liberation Sans Narrow"},
    {"courrier new", "Liberation Mono"},
};

}  // namespace

void installerPolicesSubstituees()
{
    for (const Tsubstitution& s : substitutions)
        QFont::insertSubstitution(QString::fromLatin1(s.demandee), QString::fromLatin1(s.remplacante));
}
