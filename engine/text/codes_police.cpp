#include "engine/text/codes_police.h"

std::optional<TColor> couleurDuCode(char lettre)
{
    for (const TcodeCouleur& c : codesCouleurTexte)
        if (c.lettre == lettre) return c.couleur;
    return std::nullopt;
}

std::optional<TFontStyles> styleDuCode(char lettre)
{
    for (const TcodeStyle& s : codesStyleTexte)
        if (s.lettre == lettre) return s.style;
    return std::nullopt;
}
