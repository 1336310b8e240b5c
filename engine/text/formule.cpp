#include "engine/text/formule.h"

#include <array>
#include <string_view>

#include "engine/base/chaine_courte.h"
#include "engine/base/chaines.h"
#include "engine/text/constructions_formule.h"
#include "engine/text/primitives.h"
#include "engine/text/texte_balise.h"

namespace {

struct Tremplacement {
    std::string_view motif;
    std::string_view remplacement;
};

// Sign keywords become private bytes so that each takes one column; in this order, so that the
// "*" of "étoile()" is not turned into a "×".
constexpr std::array<Tremplacement, 9> signesFormule = {{
    {"pi()", "\x9D"},
    {"environ()", "\x96"},
    {"perp()", "\x99"},
    {"carre()", "\x97"},
    {"triangle()", "\x98"},
    {"*", "×"},
    {"étoile()", "*"},
    {">=", "\x9B"},
    {"<=", "\x9A"},
}};

// The private bytes drawn as Symbol characters. 0x97 comes last: its Symbol byte is 0x9B.
constexpr std::array<Tremplacement, 7> signesSymbole = {{
    {"\x98", "~\xD1"},
    {"\x9D", "~p"},
    {"\x96", "~\xBB"},
    {"\x9B", "~\xB3"},
    {"\x9A", "~\xA3"},
    {"\x99", "~^"},
    {"\x97", "~\x9B"},
}};

struct TmotCle {
    int code;
    std::string_view motCle;
};

// In the order of the search: on a tie the keyword searched first keeps the construct.
constexpr std::array<TmotCle, 14> motsCles = {{
    {constructionAngle, "ang("},
    {constructionVecteur, "vec("},
    {constructionRacine, "rac("},
    {constructionExposant, "^("},
    {constructionFraction, "frac("},
    {constructionFractionHaute, "fracS("},
    {constructionIndice, "ind("},
    {constructionTableau, "tab("},
    {constructionSysteme, "syst("},
    {constructionFleche, "flec("},
    {constructionRacineFraction, "racFrac("},
    {constructionFractionRacineNumerateur, "fracRacN("},
    {constructionFractionRacineDenominateur, "fracRacD("},
    {constructionFractionRacines, "fracRacND("},
}};

void remplacer(std::string& texte, const auto& table)
{
    for (const Tremplacement& r : table)
        remplacerTout(texte, std::string(r.motif), std::string(r.remplacement));
}

}  // namespace

bool chercherConstruction(std::string& texte, Tconstruction& construction)
{
    const TmotCle* trouve = nullptr;
    std::size_t debut = std::string::npos;
    for (const TmotCle& m : motsCles) {
        const std::size_t position = texte.find(m.motCle);
        if (position < debut) {
            debut = position;
            trouve = &m;
        }
    }
    if (trouve == nullptr) return false;

    const std::size_t parenthese = debut + trouve->motCle.size() - 1;
    if (trouve->code == constructionRacine) {
        // The "(" becomes the column of the root sign.
        texte[parenthese] = ' ';
        texte.erase(debut, parenthese - debut);
    } else {
        texte.erase(debut, trouve->motCle.size());
    }

    std::size_t fin = debut;
    int profondeur = 1;
    for (; fin < texte.size(); ++fin) {
        if (texte[fin] == '(') ++profondeur;
        else if (texte[fin] == ')' && --profondeur == 0) break;
    }
    if (fin < texte.size()) texte.erase(fin, 1);
    construction = {trouve->code, debut, fin - debut};
    return true;
}

void dessinerTexteFormule(Canevas& canevas, std::string texte, double x, double y)
{
    remplacer(texte, signesSymbole);
    dessinerTexteFixe(canevas, texte, canevas.Font.Color, arrondi(x), arrondi(y));
}

void dessinerFormuleImbriquee(Canevas& canevas, std::string texte, double x, double y,
                              int profondeur)
{
    texte = courte(texte, longueurFormuleMax);
    remplacer(texte, signesFormule);
    Tformule formule{canevas, texte, x, y, static_cast<double>(pasColonne(canevas)),
                     static_cast<double>(interligne(canevas)), profondeur};
    // Each construct takes away the "(" of its keyword and adds none, so the loop ends.
    Tconstruction construction;
    if (profondeur <= imbricationFormuleMax)
        while (chercherConstruction(texte, construction)) dessinerConstruction(formule, construction);
    dessinerTexteFormule(canevas, texte, x, y);
}

void dessinerFormule(Canevas& canevas, std::string texte, double x, double y)
{
    dessinerFormuleImbriquee(canevas, std::move(texte), x, y, 0);
}
