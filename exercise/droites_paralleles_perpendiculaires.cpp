// Exercise 249: the pupil says whether two lines of a figure seem parallel, perpendicular, or
// neither, by ticking one of three cells.

#include <array>

#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/objets_par_nom.h"
#include "exercise/cases_choix.h"
#include "exercise/ecriture_enonce.h"
#include "exercise/ecriture_solution.h"
#include "exercise/exercices_communs.h"
#include "exercise/placement_figure.h"

namespace {

constexpr TColor noir = 0x000000;
constexpr TColor rouge = 0x0000FF;
constexpr int nbQuestionsDroites = 3;

struct TpointPlace {
    double x, y;
};

struct TquestionDroites {
    std::uint8_t choixJuste;
    // A, B, C, D, then the labels D1 to D4.
    std::array<TpointPlace, 4> points;
    std::array<TpointPlace, 4> etiquettes;
    // The two lines the solution shows in red, and what it says of them.
    const char* droite1;
    const char* droite2;
    const char* solution;
};

constexpr std::array<TquestionDroites, nbQuestionsDroites> questions = {{
    {2,
     {{{-4, 0}, {2, 2}, {-1, -2}, {-1, 0}}},
     {{{-2.3, 4.2}, {3.5, -0.9}, {3.9, 2.3}, {3.9, 4.4}}},
     // D1 and D2 label these two; (AB), also perpendicular to pe1, is D3.
     "pe1",
     "pa1",
     "Les droites D$21$1 et D$22$1 semblent perpendiculaires."},
    {3,
     {{{-3, 3}, {2, 2}, {-1, 0}, {-2, 3}}},
     {{{3.9, 4.2}, {-3.2, -4.3}, {4.0, 1.2}, {3.4, -1.6}}},
     "pe1",
     "(BC)",
     "Les droites D$21$1 et D$22$1 ne sont ni parallèles, ni perpendiculaires."},
    {1,
     {{{4, -2}, {2, 2}, {0, -3}, {-1, -1}}},
     {{{-3.4, 4.1}, {3.7, -1.2}, {4.0, 1.2}, {3.1, 4.2}}},
     "(AB)",
     "pa1",
     "Les droites D$21$1 et D$22$1 semblent parallèles."},
}};

constexpr const char* nomsPoints[] = {"A", "B", "C", "D"};
constexpr const char* nomsEtiquettes[] = {"D1", "D2", "D3", "D4"};
constexpr const char* textesEtiquettes[] = {"D$21$1", "D$22$1", "D$23$1", "D$24$1"};

const TquestionDroites* questionCourante(const TdonneesCommunes& donnees)
{
    const int q = donnees.numeroQuestion;
    return q >= 1 && q <= nbQuestionsDroites ? &questions[static_cast<std::size_t>(q - 1)] : nullptr;
}

void construireFigure(Tfigure& f, const TquestionDroites& q)
{
    for (std::size_t i = 0; i < 4; ++i) creerPointNomme(f, nomsPoints[i], noir, q.points[i].x, q.points[i].y, 0, 0);
    for (std::size_t i = 0; i < 4; ++i)
        creerPointDiscret(f, nomsEtiquettes[i], noir, q.etiquettes[i].x, q.etiquettes[i].y, 0.2, -0.5);
    creerDroite(f, "A", "B", noir, 1, 1);
    creerDroite(f, "B", "C", noir, 1, 1);
    creerParallele(f, "pa1", "C", "(AB)", noir, 1, 1);
    creerPerpendiculaire(f, "pe1", "D", "(AB)", noir, 1, 1);
    for (const char* nom : nomsPoints) cacherObjet(f, nom);
    for (std::size_t i = 0; i < 4; ++i) changerEtiquette(f, nomsEtiquettes[i], textesEtiquettes[i]);
}

}  // namespace

void poserDroitesPerpendiculairesOuParalleles(TdonneesCommunes& donnees)
{
    donnees.modeReponse = modeCases;
    donnees.pointsQuestion = 1;
    donnees.choixUnique = true;
    donnees.validationParBouton = false;
    placerFigureEnonce(donnees);
    disposerChoix(donnees, 3, 1, 40, 300);
    donnees.nbChoix = 3;
    donnees.nbQuestions = nbQuestionsDroites;
    definirChoix(donnees, 1, 1, "parallèles", 4);
    definirChoix(donnees, 2, 2, "perpendiculaires", 6);
    definirChoix(donnees, 3, 3, "ni l'un, ni l'autre", 6);
    encadrerEnonce(donnees, 37, 3);
    ecrireEnonce(donnees, "Les droites D$21$1 et D$22$1 semblent ...", 2.5);
    if (const TquestionDroites* q = questionCourante(donnees)) {
        donnees.choixJuste = q->choixJuste;
        if (donnees.surfaceFigureEnonce) construireFigure(*donnees.surfaceFigureEnonce, *q);
    }
    ecrireEnonce(donnees, "(Sélectionner la bonne réponse avec la souris)", 4.5);
    donnees.titreExercice = "Vocabulaire : parallèle, perpendiculaire";
    donnees.lienCours = 0;
    ecrireRemarquePlusieursChapitres(donnees);
}

void corrigerDroitesPerpendiculairesOuParalleles(TdonneesCommunes& donnees)
{
    const TquestionDroites* q = questionCourante(donnees);
    if (!q) return;
    if (donnees.surfaceFigureEnonce) {
        changerCouleur(*donnees.surfaceFigureEnonce, q->droite1, rouge);
        changerCouleur(*donnees.surfaceFigureEnonce, q->droite2, rouge);
    }
    ecrireSolution(donnees, q->solution, 3);
}
