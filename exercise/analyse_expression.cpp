// Preparation of a typed expression and its parsing into a tree of nodes.

#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "engine/base/chaines.h"
#include "exercise/expression.h"
#include "exercise/lecture_nombres.h"
#include "exercise/marques_expression.h"

namespace {

struct Tremplacement {
    const char* motif;
    const char* remplacement;
};

// Applied in this order: "pi" must go before "p" becomes the power sign.
const std::array<Tremplacement, 5> remplacementsMots = {{
    {"pi", "\xE1"},
    {"²", "^2"},
    {"p", "^"},
    {"rac", "\xE2"},
    {"cos", "\xE3"},
}};

bool estLettre(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool dansNombre(char c) { return estChiffre(c) || c == '.'; }
bool termineFacteur(char c) { return c == ')' || dansNombre(c) || estLettre(c) || c == codePi; }
bool commenceFacteur(char c)
{
    return c == '(' || dansNombre(c) || estLettre(c) || c == codePi || c == codeRacine || c == codeCosinus;
}

bool parenthesesEquilibrees(const std::string& t)
{
    int profondeur = 0;
    for (const char c : t) {
        if (c == '(') ++profondeur;
        if (c == ')' && --profondeur < 0) return false;
    }
    return profondeur == 0;
}

// 2x, x2, xy, 2(x+1), (a)(b), x(y) and 3rac(2) are products; the digits of one number stay together.
std::string avecProduitsImplicites(const std::string& t)
{
    std::string r;
    r.reserve(t.size() * 2);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i > 0 && termineFacteur(t[i - 1]) && commenceFacteur(t[i]) &&
            !(dansNombre(t[i - 1]) && dansNombre(t[i])))
            r += '*';
        r += t[i];
    }
    return r;
}

// The rightmost of the operators at depth 0 that is not the last character, or npos.
std::size_t operateurADroite(const std::string& t, const char* operateurs)
{
    int profondeur = 0;
    for (std::size_t i = t.size(); i-- > 0;) {
        const char c = t[i];
        if (c == ')') ++profondeur;
        else if (c == '(') --profondeur;
        else if (profondeur == 0 && i + 1 < t.size() && std::string_view(operateurs).find(c) != std::string_view::npos)
            return i;
    }
    return std::string::npos;
}

struct Tclassement {
    int genre = 0;  // 0: not an expression
    std::size_t position = 0;  // the operator or sign that splits the text
};

int genreSelonPremierCaractere(char c)
{
    if (c == codeRacine) return brancheRacine;
    if (c == codeCosinus) return brancheCosinus;
    if (c == codePi || estChiffre(c)) return brancheNombre;
    if (estLettre(c)) return brancheVariable;
    if (c == '(') return brancheParentheses;
    if (c == '+') return brancheSignePlus;
    if (c == '-') return brancheOppose;
    return 0;
}

// The operator of lowest priority splits the text; the rightmost one, so that equal priorities
// group to the left.
Tclassement classer(const std::string& t)
{
    std::size_t p = operateurADroite(t, "+-");
    if (p == 0) return {t[0] == '+' ? brancheSignePlus : brancheOppose, 0};
    if (p != std::string::npos) return {t[p] == '+' ? brancheAddition : brancheSoustraction, p};
    p = operateurADroite(t, "*/");
    if (p != std::string::npos) return {t[p] == '*' ? brancheProduit : brancheQuotient, p};
    // A text that begins with a sign has split at it above, unless it is the sign alone.
    p = operateurADroite(t, "^");
    if (p != std::string::npos) return {branchePuissance, p};
    return {genreSelonPremierCaractere(t[0]), 0};
}

// Digits, or digits "." digits, each part of 1 to 15 digits.
bool lireLitteral(const std::string& t, double& valeur, bool& entiere)
{
    const std::size_t point = t.find('.');
    double entier = 0;
    double decimales = 0;
    int code = lectureIncomprise;
    lireNombre(t.substr(0, point), entier, code);
    if (code != lectureEntier) return false;
    if (point != std::string::npos) {
        const std::string chiffres = t.substr(point + 1);
        lireNombre(chiffres, decimales, code);
        if (code != lectureEntier) return false;
        decimales /= std::pow(10.0, static_cast<double>(chiffres.size()));
    }
    valeur = entier + decimales;
    entiere = decimales == 0;
    return true;
}

class Analyseur {
public:
    explicit Analyseur(Texpression& expression) : e(expression) {}

    // The number of the new node, or 0 when the parse failed (erreurAnalyse says why).
    int analyser(const std::string& texte)
    {
        // A 51st node has no place: the text is refused as unreadable. This also bounds the depth
        // of the recursion, since every level takes a node first.
        if (texte.empty() || e.nbBranches == nbBranchesMax) return echec(erreurSyntaxe);
        const int numero = ++e.nbBranches;
        Tbranche& b = e.branches[numero];
        b.texte = texte;
        const Tclassement c = classer(texte);
        b.genreBranche = c.genre;
        if (!analyserSelonGenre(numero, c.position)) return 0;
        marquerBranche(e, numero);
        return numero;
    }

private:
    Texpression& e;

    int echec(int erreur)
    {
        e.erreurAnalyse = erreur;
        return 0;
    }

    bool enfants(int numero, const std::string& gauche, const std::string* droite)
    {
        Tbranche& b = e.branches[numero];
        b.gauche = analyser(gauche);
        if (b.gauche == 0) return false;
        // a/b*c would read as a/(b*c) to many pupils: they must write (a/b)*c.
        if (b.genreBranche == brancheProduit && e.branches[b.gauche].genreBranche == brancheQuotient)
            return echec(erreurQuotientProduit);
        if (droite == nullptr) return true;
        b.droite = analyser(*droite);
        return b.droite != 0;
    }

    bool analyserSelonGenre(int numero, std::size_t position)
    {
        Tbranche& b = e.branches[numero];
        const std::string& t = b.texte;
        switch (b.genreBranche) {
        case brancheAddition:
        case brancheSoustraction:
        case brancheProduit:
        case brancheQuotient:
        case branchePuissance: {
            const std::string droite = t.substr(position + 1);
            if (!enfants(numero, t.substr(0, position), &droite)) return false;
            if (b.genreBranche != branchePuissance) return true;
            const Tbranche& exposant = e.branches[b.droite];
            if (!exposant.entiere || exposant.valeurEntiere < 2 || exposant.valeurEntiere > 9)
                return echec(erreurExposant);
            return true;
        }
        case brancheOppose:
        case brancheSignePlus:
            if (t.size() < 2) return echec(erreurSyntaxe);
            return enfants(numero, t.substr(1), nullptr);
        case brancheRacine:
            if (t.size() < 3 || t[1] != '(' || t.back() != ')') return echec(erreurSyntaxe);
            if (!enfants(numero, t.substr(2, t.size() - 3), nullptr)) return false;
            if (!e.branches[b.gauche].constante) return echec(erreurRacineVariable);
            return true;
        case brancheParentheses:
            if (t.back() != ')') return echec(erreurSyntaxe);
            return enfants(numero, t.substr(1, t.size() - 2), nullptr);
        case brancheNombre:
            return analyserNombre(b);
        case brancheVariable: {
            if (t.size() != 1) return echec(erreurSyntaxe);
            const std::size_t i = e.variables.find(t[0]);
            if (i == std::string::npos) return echec(erreurVariable);
            b.numeroVariable = static_cast<int>(i) + 1;
            return true;
        }
        case brancheCosinus:
            // Cosine has no value to give: an expression using it cannot be read, rather than
            // being compared as if the cosine were 0.
            return echec(erreurSyntaxe);
        default:
            return echec(erreurSyntaxe);
        }
    }

    bool analyserNombre(Tbranche& b)
    {
        if (b.texte == std::string(1, codePi)) {
            b.valeur = std::numbers::pi;
            return true;
        }
        if (!lireLitteral(b.texte, b.valeur, b.entiere)) return echec(erreurSyntaxe);
        if (b.entiere) b.valeurEntiere = std::llround(b.valeur);
        remplacerTout(b.texte, ".", ",");
        return true;
    }
};

}  // namespace

void construireExpression(Texpression& expression, const std::string& texte, const std::string& variables)
{
    Texpression& e = expression;
    e = Texpression{};
    std::string t = sansEspaces(texte);
    remplacerTout(t, ",", ".");
    e.nbVariables = static_cast<int>(variables.size());
    e.variables = variables.substr(0, nbVariablesMax);
    e.texte = t;
    if (t.empty()) {
        e.erreurAnalyse = erreurTexteVide;
        return;
    }
    if (!parenthesesEquilibrees(t)) {
        e.erreurAnalyse = erreurParentheses;
        return;
    }
    for (const Tremplacement& r : remplacementsMots) remplacerTout(t, r.motif, r.remplacement);
    e.texte = avecProduitsImplicites(t);
    e.avecDecimale = e.texte.find_first_of(".,/") != std::string::npos;
    if (Analyseur(e).analyser(e.texte) == 0) return;
    const Tbranche& racine = e.branches[1];
    e.polynomiale = racine.polynomiale;
    e.constante = racine.constante;
    e.nbFacteurs = racine.nbFacteurs;
    if (e.constante) evaluerExpression(e);
}
