// The form marks of the nodes: what the checks of expanded, reduced, factorised and simplified
// forms read once the whole tree is built.

#include "exercise/marques_expression.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "exercise/lecture_nombres.h"

namespace {

// Degrees and factor counts grow by products and powers (x^9^9^9...); past this they stay put
// instead of overflowing.
constexpr std::int64_t compteMax = 1000000;

int plafonne(std::int64_t n) { return static_cast<int>(std::min(n, compteMax)); }

bool avecPi(const std::string& t) { return t.find(codePi) != std::string::npos; }
bool avecRacineTexte(const std::string& t) { return t.find(codeRacine) != std::string::npos; }

bool estLitteralUn(const Tbranche& b) { return b.entiere && b.valeurEntiere == 1; }

// The radicand of a root is simplifiable unless it is a whole number or an irreducible fraction
// whose terms are whole numbers greater than 1 that are not perfect squares.
bool radicandeSimplifiable(const std::string& radicande)
{
    double valeur = 0, numerateur = 0, denominateur = 0;
    int code = lectureIncomprise;
    lireNombreSigne(radicande, valeur, code, numerateur, denominateur);
    if (!lectureReussie(code) || valeur < 0) return true;
    switch (code) {
    case lectureEntier:
        return !estEntierNonCarre(valeur);
    case lectureFraction:
        return denominateur == 1 || termesReductibles(numerateur, denominateur) ||
               !estEntierNonCarre(numerateur) || !estEntierNonCarre(denominateur);
    default:
        return true;  // a decimal, or a fraction with a decimal term
    }
}

struct Tcontexte {
    Texpression& e;
    Tbranche& b;
    const Tbranche& l;  // the left child, or the node itself when it has none
    const Tbranche& r;  // the right child, or the node itself when it has none

    void simplifiable() { e.simplifiable = true; }
};

void marquerNombre(Tcontexte& c)
{
    if (c.b.texte == std::string(1, codePi)) return;  // pi: its value only
    c.b.avecCoefficient = c.b.avecNombre = c.b.sommeNombres = true;
    if (c.b.valeur == 0 && c.e.texte != "0") c.simplifiable();
}

void marquerVariable(Tcontexte& c)
{
    c.b.degres[static_cast<std::size_t>(c.b.numeroVariable - 1)] = 1;
    c.b.nbFacteurs = 1;
    c.b.constante = false;
}

// A sign or a pair of parentheses has the form of what it holds; the coefficient's kind is copied
// only where the node has a coefficient.
void heriterForme(Tbranche& b, const Tbranche& l)
{
    b.constante = l.constante;
    b.polynomiale = l.polynomiale;
    b.monome = l.monome;
    b.nbFacteurs = l.nbFacteurs;
    b.degres = l.degres;
}

void heriterCoefficient(Tbranche& b, const Tbranche& l)
{
    b.avecRacine = l.avecRacine;
    b.avecNombre = l.avecNombre;
}

void marquerSigne(Tcontexte& c)
{
    Tbranche& b = c.b;
    const Tbranche& l = c.l;
    heriterForme(b, l);
    const bool oppose = b.genreBranche == brancheOppose;
    if (oppose && l.negative) c.simplifiable();
    if (b.monome && oppose) b.avecCoefficient = b.negative = true;
    if (b.avecCoefficient) heriterCoefficient(b, l);
    if (!b.monome) c.e.developpee = false;
}

void marquerParentheses(Tcontexte& c)
{
    Tbranche& b = c.b;
    const Tbranche& l = c.l;
    heriterForme(b, l);
    b.entiere = l.entiere;
    b.valeur = l.valeur;
    b.valeurEntiere = l.valeurEntiere;
    b.avecCoefficient = l.avecCoefficient;
    b.negative = l.negative;
    b.sommeNombres = l.sommeNombres;
    b.sommeRacines = l.sommeRacines;
    if (l.avecCoefficient) heriterCoefficient(b, l);
}

void marquerRacine(Tcontexte& c)
{
    Tbranche& b = c.b;
    b.constante = b.polynomiale = b.monome = true;
    b.avecCoefficient = b.avecRacine = true;
    b.avecNombre = b.sommeNombres = false;
    if (!avecPi(b.texte) && radicandeSimplifiable(c.l.texte)) c.simplifiable();
}

void marquerQuotient(Tcontexte& c)
{
    Tbranche& b = c.b;
    const Tbranche& l = c.l;
    const Tbranche& r = c.r;
    b.constante = l.constante && r.constante;
    if (l.entiere && r.entiere && (r.valeurEntiere == 1 || termesReductibles(
                                                              static_cast<double>(l.valeurEntiere),
                                                              static_cast<double>(r.valeurEntiere))))
        c.simplifiable();
    b.polynomiale = l.polynomiale && r.polynomiale && r.constante;
    b.monome = b.polynomiale && l.monome;
    if (b.monome) {
        b.avecCoefficient = true;
        if (r.negative) {
            c.simplifiable();
            b.negative = true;
        } else {
            b.negative = l.negative || r.negative;
        }
    } else {
        c.e.developpee = false;
    }
    if (b.polynomiale) {
        b.degres = l.degres;
        b.nbFacteurs = l.nbFacteurs;
    }
}

void marquerPuissance(Tcontexte& c)
{
    Tbranche& b = c.b;
    const Tbranche& l = c.l;
    const Tbranche& r = c.r;
    b.constante = l.constante && r.constante;
    b.polynomiale = l.polynomiale && r.polynomiale && r.constante;
    b.monome = b.polynomiale && l.monome;
    if (!b.monome) c.e.developpee = false;
    if (b.monome && l.avecCoefficient) c.simplifiable();
    if (b.polynomiale) {
        for (std::size_t i = 0; i < b.degres.size(); ++i) b.degres[i] = plafonne(l.degres[i] * r.valeurEntiere);
        b.nbFacteurs = plafonne(l.nbFacteurs * r.valeurEntiere);
    }
    if (l.avecRacine) c.simplifiable();
    if (l.avecNombre && l.texte != "10") c.simplifiable();
}

// Addition, subtraction and product share their rules, applied in this order.
void marquerOperation(Tcontexte& c)
{
    Tbranche& b = c.b;
    const Tbranche& l = c.l;
    const Tbranche& r = c.r;
    const bool somme = b.genreBranche != brancheProduit;
    const bool produit = !somme;

    b.constante = l.constante && r.constante;
    if (b.genreBranche == brancheSoustraction && r.negative) c.simplifiable();
    b.polynomiale = l.polynomiale && r.polynomiale;

    if (somme && !b.constante) {
        ++c.e.nbTermes;
        const bool deuxMonomes = l.monome && r.monome;
        if (b.polynomiale && !avecRacineTexte(b.texte) && (!deuxMonomes || l.degres[0] == r.degres[0]))
            c.e.nonReduite = true;
        b.monome = b.avecCoefficient = b.negative = false;
        b.nbFacteurs = 1;
        for (std::size_t i = 0; i < b.degres.size(); ++i) b.degres[i] = std::max(l.degres[i], r.degres[i]);
    }

    b.avecCoefficient = b.constante || (produit && (l.avecCoefficient || r.avecCoefficient));
    if (b.avecCoefficient) {
        b.negative = l.negative || r.negative;
        if (l.negative && r.negative) c.simplifiable();
        b.avecNombre = l.avecNombre || r.avecNombre;
        b.avecRacine = l.avecRacine || r.avecRacine;
    }

    if (somme && b.constante) {
        if ((!l.avecRacine && r.sommeRacines) || (!r.avecRacine && l.sommeRacines) ||
            (l.sommeRacines && r.sommeRacines))
            c.simplifiable();
        b.sommeRacines = !(l.avecRacine && r.avecRacine && !l.sommeRacines && !r.sommeRacines);
    }

    if (produit && !b.constante) {
        b.monome = b.polynomiale && l.monome && r.monome;
        if (b.monome && l.avecCoefficient && r.avecCoefficient) {
            if (l.avecNombre && r.avecNombre) c.simplifiable();
            if (l.avecRacine && r.avecRacine && produitRacinesSimplifiable(l.texte, r.texte)) c.simplifiable();
        }
        b.avecCoefficient = b.monome && (l.avecCoefficient || r.avecCoefficient);
        if (!b.monome) c.e.developpee = false;
        b.nbFacteurs = plafonne(std::int64_t{l.nbFacteurs} + r.nbFacteurs);
        for (std::size_t i = 0; i < b.degres.size(); ++i)
            b.degres[i] = plafonne(std::int64_t{l.degres[i]} + r.degres[i]);
    }

    if (produit && (estLitteralUn(l) || estLitteralUn(r))) c.simplifiable();

    if (produit && b.constante) {
        b.sommeNombres = false;
        if (l.avecNombre && r.avecNombre) c.simplifiable();
        if (l.avecRacine && r.avecRacine) c.simplifiable();
    }
    if (somme && b.constante) {
        b.sommeNombres = l.sommeNombres || r.sommeNombres;
        if (l.sommeNombres && r.sommeNombres) c.simplifiable();
        if (l.avecRacine && r.avecRacine && produitRacinesSimplifiable(l.texte, r.texte)) c.simplifiable();
    }
}

using Marqueur = void (*)(Tcontexte&);

// Indexed by node kind; kind 13 never gets this far.
const std::array<Marqueur, brancheVariable + 1> marqueurs = {
    nullptr,           marquerOperation,  marquerOperation, marquerSigne,
    marquerOperation,  marquerQuotient,   marquerPuissance, marquerRacine,
    marquerParentheses, marquerSigne,     marquerNombre,    marquerVariable,
};

}  // namespace

void marquerBranche(Texpression& expression, int numero)
{
    Tbranche& b = expression.branches[static_cast<std::size_t>(numero)];
    const Tbranche& l = b.gauche != 0 ? expression.branches[static_cast<std::size_t>(b.gauche)] : b;
    const Tbranche& r = b.droite != 0 ? expression.branches[static_cast<std::size_t>(b.droite)] : b;
    Tcontexte contexte{expression, b, l, r};
    marqueurs[static_cast<std::size_t>(b.genreBranche)](contexte);
}

bool estCarreParfait(double x)
{
    const double racine = std::sqrt(x);
    return std::fabs(racine - std::round(racine)) < 1e-10;
}

bool estEntierNonCarre(double x)
{
    return x > 1 && std::fabs(x - std::round(x)) < 1e-10 && !estCarreParfait(x);
}

namespace {

// The numbers under the roots "rac(" r ")" of a text; a radicand that is not a number is skipped.
std::vector<double> radicandes(const std::string& t)
{
    std::vector<double> r;
    const std::string debut = std::string(1, codeRacine) + "(";
    for (std::size_t p = t.find(debut); p != std::string::npos; p = t.find(debut, p + 1)) {
        const std::size_t fin = t.find(')', p);
        double valeur = 0, numerateur = 0, denominateur = 0;
        int code = lectureIncomprise;
        lireNombreSigne(t.substr(p + 2, fin == std::string::npos ? std::string::npos : fin - p - 2), valeur,
                        code, numerateur, denominateur);
        if (lectureReussie(code)) r.push_back(valeur);
    }
    return r;
}

}  // namespace

bool produitRacinesSimplifiable(const std::string& texte1, const std::string& texte2)
{
    if (avecPi(texte1) || avecPi(texte2)) return false;
    const std::vector<double> r = radicandes(texte1);
    const std::vector<double> s = radicandes(texte2);
    for (const double a : r)
        for (const double b : s)
            if (estCarreParfait(a * b)) return true;
    return false;
}
