#include "exercise/liste_solutions.h"

#include <utility>

#include "engine/base/chaines.h"
#include "engine/base/nombres.h"
#include "exercise/expression.h"
#include "exercise/lecture_nombres.h"

void lireSolution(Tsolution& solution)
{
    solution.simplifiable = false;
    solution.forme = formeIllisible;
    Texpression expression;
    construireExpression(expression, solution.texte, "");
    if (expression.erreurAnalyse != 0 || !expression.constante || expression.erreurCalcul) return;
    solution.valeur = expression.valeur;
    double valeur = 0, numerateur = 0, denominateur = 0;
    int code = lectureIncomprise;
    lireNombreSigne(solution.texte, valeur, code, numerateur, denominateur);
    if (!lectureReussie(code)) {
        solution.forme = formeExpression;
        return;
    }
    solution.forme = code;
    solution.simplifiable = code == lectureFractionDecimaux ||
                            (code == lectureFraction && (denominateur == 1 || termesReductibles(numerateur, denominateur)));
}

void trier(TlisteSolutions& liste)
{
    auto& s = liste.solutions;
    for (int i = 0; i + 1 < liste.nbSolutions; ++i)
        for (int j = i + 1; j < liste.nbSolutions; ++j) {
            if (presqueEgal(s[i].valeur, s[j].valeur)) {
                liste.doublon = true;
                return;
            }
            if (s[i].valeur > s[j].valeur) std::swap(s[i], s[j]);
        }
}

void lireListeSolutions(TlisteSolutions& liste, const std::string& texte, bool trier)
{
    liste.nbSolutions = 0;
    liste.erreur = 0;
    liste.doublon = false;
    std::string t = sansEspaces(texte);
    remplacerTout(t, ";;", ";");
    liste.texte = t;
    if (t.empty() || t == ";" || enMajuscules(t) == "PASDESOLUTION") return;
    if (t.front() == ';') t.erase(0, 1);
    if (t.back() != ';') t += ';';
    liste.texte = t;
    for (std::size_t debut = 0, fin; (fin = t.find(';', debut)) != std::string::npos; debut = fin + 1) {
        // An item longer than its 40 places is refused rather than cut, which would change its value.
        if (liste.nbSolutions == nbSolutionsMax || fin - debut > longueurSolutionMax) {
            liste.erreur = erreurListe;
            return;
        }
        Tsolution& s = liste.solutions[static_cast<std::size_t>(liste.nbSolutions++)];
        s = Tsolution{t.substr(debut, fin - debut)};
        lireSolution(s);
        if (s.forme == formeIllisible) {
            liste.erreur = erreurListe;
            return;
        }
    }
    if (trier) ::trier(liste);
}
