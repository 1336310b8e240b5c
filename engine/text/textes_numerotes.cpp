#include "engine/text/textes_numerotes.h"

#include <array>

namespace {

constexpr int premierNumero = 499;

constexpr std::array<const char*, 18> textes = {
    "Lu",
    "Valider",
    "Suivant",
    "Numérique : Vérifier les acquis",
    "1. Nombres entiers et décimaux",
    "2. Addition. Soustraction",
    "3. Multiplication",
    "4. Division euclidienne. Division décimale",
    "5. Quotient de deux nombres entiers",
    "6. Proportionnalité",
    "7. Organisation de données",
    "8. Règle, équerre, compas",
    "9. Rapporteur. Mesures d'angles",
    "10. Symétrie axiale. Axe de symétrie",
    "11. Figures usuelles",
    "12. Périmètres et aires",
    "13. Parallélépipède rectangle. Mesures de volumes",
    "Formulaire",
};

}  // namespace

std::string texteNumero(int numero)
{
    // Widened so that numbers near the ends of int cannot overflow the subtraction.
    const long long rang = static_cast<long long>(numero) - premierNumero;
    if (rang < 0 || rang >= static_cast<long long>(textes.size())) return "???";
    return textes[static_cast<std::size_t>(rang)];
}
