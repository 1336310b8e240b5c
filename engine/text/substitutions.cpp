#include <array>

#include "engine/base/chaines.h"
#include "engine/text/etat_texte.h"

namespace {

struct Tsubstitution {
    const char* motif;
    const char* remplacement;
};

// In this order: "Supégal" and "Infégal" come after ">=" and "<=", so that they show those two
// characters; a nested part, substituted again, turns them into signs. "$~" and a byte draw that
// byte in the Symbol font.
constexpr std::array<Tsubstitution, 13> substitutions = {{
    {"$:", "$~\xB8"},              // ÷
    {">=", " $~\xB3 "},            // ≥ between blanks
    {"<=", " $~\xA3 "},            // ≤ between blanks
    {"$*", "$~\xB4"},              // ×
    {"$x", "$M2$~\xB4$D2"},        // × raised by 2 pixels
    {"perp()", "$~^"},             // ⊥
    {"<>", " $~\xB9 "},            // ≠ between blanks
    {"$=", " $~\xBB "},            // ≈ between blanks
    {"²", "$02$1"},                // superscript 2
    {"Supégal", ">="},
    {"Infégal", "<="},
    {"napp()", "$~\xCF"},          // ∉
    {"app()", "$~\xCE"},           // ∈
}};

}  // namespace

void substituerSignes(std::string& texte)
{
    for (const Tsubstitution& s : substitutions) remplacerTout(texte, s.motif, s.remplacement);
}

// "$-" becomes "-" and "-" becomes "$-", in one pass from the left: each "$-" is taken before its
// "-" could be.
void echangerMoins(std::string& texte)
{
    std::string echange;
    echange.reserve(texte.size() + texte.size() / 4);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '$' && i + 1 < texte.size() && texte[i + 1] == '-') {
            echange += '-';
            ++i;
        } else if (texte[i] == '-') {
            echange += "$-";
        } else {
            echange += texte[i];
        }
    }
    texte = std::move(echange);
}
