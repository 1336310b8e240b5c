#include "engine/text/arguments_formule.h"

#include <string_view>

#include "engine/base/chaine_courte.h"

bool couperArgument(std::string& source, char separateur, std::string& argument)
{
    long profondeur = 0;
    for (std::size_t i = 0; i + 1 < source.size(); ++i) {
        if (source[i] == '(') ++profondeur;
        else if (source[i] == ')') --profondeur;
        else if (source[i] == separateur && profondeur == 0) {
            argument = courte(std::string_view(source).substr(0, i));
            source.erase(0, i + 1);
            return true;
        }
    }
    argument = courte(source);
    return false;
}
