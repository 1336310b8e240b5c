#include "exercise/lecture_duree.h"

#include <cmath>

#include "engine/base/chaines.h"
#include "exercise/lecture_nombres.h"

namespace {

constexpr double limiteMinutesSecondes = 60;

using Lecteur = void (*)(const std::string&, double&, int&);

// Reads the number before the first occurrence of the unit and removes both from the text.
// False when the unit is there and what stands before it is not a number below the limit.
bool lireAvantUnite(std::string& texte, const std::string& unite, Lecteur lire, double limite,
                    bool& trouvee, double& valeur, int& code)
{
    const std::size_t position = texte.find(unite);
    trouvee = position != std::string::npos;
    if (!trouvee) return true;
    lire(texte.substr(0, position), valeur, code);
    if (!lectureReussie(code) || valeur >= limite) return false;
    texte.erase(0, position + unite.size());
    return true;
}

bool lireHeuresMinutesSecondes(std::string t, double& secondes, int& code)
{
    double heures = 0, minutes = 0, s = 0;
    bool avecHeures = false, avecMinutes = false, avecSecondes = false;
    if (!lireAvantUnite(t, "H", lireNombre, HUGE_VAL, avecHeures, heures, code)) return false;
    if (!lireAvantUnite(t, "MIN", lireNombre, limiteMinutesSecondes, avecMinutes, minutes, code))
        return false;
    if (!lireAvantUnite(t, "S", lireNombreOuFraction, limiteMinutesSecondes, avecSecondes, s, code))
        return false;
    if (!t.empty()) {
        // A number without its unit takes the unit after the last one given, under the same
        // rules as if that unit were written: whole minutes, minutes and seconds below 60.
        if (avecSecondes || (!avecMinutes && !avecHeures)) return false;
        double valeur = 0;
        (avecMinutes ? lireNombreOuFraction : lireNombre)(t, valeur, code);
        if (!lectureReussie(code) || valeur >= limiteMinutesSecondes) return false;
        (avecMinutes ? s : minutes) = valeur;
    }
    secondes = 3600 * heures + 60 * minutes + s;
    return true;
}

}  // namespace

void lireDuree(const std::string& texte, double& secondes, int& code)
{
    secondes = 0;
    code = lectureIncomprise;
    const std::string t = enMajuscules(sansEspaces(texte));
    if (t.empty()) return;
    if (!lireHeuresMinutesSecondes(t, secondes, code)) {
        secondes = 0;
        code = lectureIncomprise;
    }
}
