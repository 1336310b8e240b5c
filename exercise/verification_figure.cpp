#include "exercise/verification_figure.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "engine/figure/cases_damier.h"
#include "engine/figure/diagramme.h"
#include "exercise/ecriture_solution.h"
#include "exercise/signalement.h"

namespace {

constexpr double ligneMessageDiagramme = 3.5;

struct TligneMessage {
    const char* texte;
    double ligne;
};

// The object of the statement figure at the index, when it is of the kind.
Tobjet* objetDeGenre(TdonneesCommunes& donnees, int indice, TgenreObjet genre)
{
    if (!donnees.surfaceFigureEnonce) return nullptr;
    Tobjet* o = objetAModifier(*donnees.surfaceFigureEnonce, indice);
    return o && o->genre == genre ? o : nullptr;
}

bool refuser(TdonneesCommunes& donnees, std::initializer_list<TligneMessage> lignes)
{
    for (const TligneMessage& l : lignes) ecrireSolution(donnees, l.texte, l.ligne);
    signalerIncorrect(donnees);
    --donnees.nbEssais;
    return false;
}

const Tdamier* damier(TdonneesCommunes& donnees)
{
    const Tobjet* o = donnees.surfaceFigureEnonce
                          ? objetDeGenre(donnees, donnees.surfaceFigureEnonce->indiceDamier, genreDamier)
                          : nullptr;
    return o ? &o->donneesDe<Tdamier>() : nullptr;
}

// The first category whose value differs from the expected one, told in the diagram's words.
std::string messageDiagramme(const Tdiagramme& g, const Tfigure& figure)
{
    const bool barres = g.typeDiagramme == diagrammeBarres;
    const int n = std::clamp(g.nbCategories, 0, categoriesMax);
    for (int c = 1; c <= n; ++c) {
        const int valeur = g.effectifs[static_cast<std::size_t>(c)];
        const int attendu = figure.parametres[static_cast<std::size_t>(c)];
        if (valeur == attendu) continue;
        const char* adjectif = valeur > attendu ? (barres ? "grande" : "grand") : (barres ? "petite" : "petit");
        return std::string(barres ? "La barre pour la catégorie \" " : "Le secteur pour la catégorie \" ") +
               g.libellesCategories[static_cast<std::size_t>(c)] + " \" est trop " + adjectif + ".";
    }
    return {};
}

}  // namespace

void verifierDiagramme(TdonneesCommunes& donnees)
{
    Tobjet* o = donnees.surfaceFigureEnonce
                    ? objetDeGenre(donnees, donnees.surfaceFigureEnonce->indiceDiagramme, genreDiagramme)
                    : nullptr;
    if (!o) return;
    donnees.messageVerification = messageDiagramme(o->donneesDe<Tdiagramme>(), *donnees.surfaceFigureEnonce);
    if (donnees.messageVerification.empty()) {
        donnees.pointsObtenus = donnees.pointsQuestion - donnees.nbEssais + 1;
        donnees.questionTerminee = true;
        signalerJuste(donnees);
        o->verrouille = true;
    } else {
        signalerFaux(donnees);
        ecrireSolution(donnees, donnees.messageVerification, ligneMessageDiagramme);
    }
}

bool verifierSurfaceCreee(TdonneesCommunes& donnees)
{
    const Tdamier* d = damier(donnees);
    if (d && d->casesColoriees.any()) return true;
    return refuser(donnees, {{"Vous n'avez pas créé de surface colorée.", 2}, {"Modifiez votre réponse.", 3}});
}

bool verifierSurfaceUnique(TdonneesCommunes& donnees)
{
    if (!verifierSurfaceCreee(donnees)) return false;
    if (estDUnSeulTenant(*damier(donnees))) return true;
    return refuser(donnees, {{"Vous avez créé plusieurs surfaces.", 2},
                             {"Vous devez en créer une seule.", 3},
                             {"Modifiez votre réponse.", 4}});
}

bool verifierSurfaceNonTrouee(TdonneesCommunes& donnees)
{
    if (!verifierSurfaceUnique(donnees)) return false;
    if (!aUnTrou(*damier(donnees))) return true;
    return refuser(donnees, {{"La surface que vous avez créée est trouée.", 2},
                             {"Veuillez, pour cet exercice, créer une surface non trouée.", 3}});
}
