// In the markup a plain "-" is a drawn minus sign and "$-" the hyphen: "demi-droite" would read
// "demi − droite". Every text the program draws is walked on recording canvases for a minus
// sign between two letters.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chapters/chapitres.h"
#include "engine/figure/peinture.h"
#include "exercise/cases_choix.h"
#include "exercise/cycle_exercice.h"
#include "navigation/imagiciels.h"
#include "navigation/pages_cours.h"
#include "tests/exercise/banc_exercice.h"
#include "tests/navigation/banc_navigation.h"

namespace {

bool estLettre(char c)
{
    const auto u = static_cast<unsigned char>(c);
    // Windows-1252: the accented letters, but for × and ÷.
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

// The runs on both sides of each drawn minus (a 6-pixel stroke) that stands between two letters.
void chercherMoins(const CanevasEnregistre& k, std::vector<std::string>& trouves)
{
    const std::vector<Appel>& a = k.appels();
    for (std::size_t i = 2; i + 1 < a.size(); ++i) {
        const Appel &avant = a[i - 2], &trait = a[i], &apres = a[i + 1];
        const bool moins = trait.genre == GenreAppel::LineTo && a[i - 1].genre == GenreAppel::MoveTo &&
                           trait.arguments == std::vector<int>{trait.position.x + 6, trait.position.y};
        if (moins && avant.genre == GenreAppel::TextOut && apres.genre == GenreAppel::TextOut &&
            !avant.texte.empty() && !apres.texte.empty() && estLettre(avant.texte.back()) &&
            estLettre(apres.texte.front()))
            trouves.push_back(avant.texte + " - " + apres.texte);
    }
}

std::vector<std::string> moinsEntreLettres(std::initializer_list<Tfigure*> surfaces)
{
    std::vector<std::string> trouves;
    for (Tfigure* f : surfaces) {
        CanevasEnregistre k;
        dessinerFigure(*f, k);
        chercherMoins(k, trouves);
    }
    return trouves;
}

const std::vector<std::string> aucun;

using TraitsUnion = BancNavigation;

// Every information topic, every course page without its picture (it shows its title), every
// step of every animation.
TEST_F(TraitsUnion, SujetsPagesEtImagiciels)
{
    for (int code = 1990; code <= 2763; ++code) {
        afficherInfo(d, code);
        if (!infoAffichee) continue;
        fenetreInfo()->peindre();
        std::vector<std::string> trouves;
        chercherMoins(fenetreInfo()->canevas(), trouves);
        EXPECT_EQ(trouves, aucun) << code;
        fermerInfo();
    }
    for (int code = 1002; code < 1000 + arbreCours.Count(); ++code) {
        afficherPageCours(d, code);
        EXPECT_EQ(moinsEntreLettres({cours.get()}), aucun) << code;
    }
    for (int code = 1500; code < 1500 + arbreImagiciels.Count(); ++code) {
        d.imagiciel = code;
        lancerImagiciel(d);
        for (;; etapeSuivanteImagiciel(d)) {
            EXPECT_EQ(moinsEntreLettres({texteImagiciel.get(), figureImagiciel.get()}), aucun)
                << code << " étape " << d.etapeImagiciel;
            if (d.etapeImagiciel >= d.nbEtapesImagiciel) break;
        }
    }
}

class TraitsUnionExercices : public BancExercice {
protected:
    std::vector<std::string> moinsDeLaPage()
    {
        std::vector<std::string> trouves = moinsEntreLettres(
            {d.surfaceEnonce, d.surfaceFigureEnonce, d.surfaceSolution, d.surfaceFigureSolution});
        zoneTexteEnonce.canevas().effacer();
        dessinerChoix(d);
        chercherMoins(zoneTexteEnonce.canevas(), trouves);
        return trouves;
    }
};

// Each question of every exercise, then its solution.
TEST_F(TraitsUnionExercices, EnoncesEtSolutions)
{
    installerChapitres();
    systeme.reponseOuiNon = true;
    for (std::int32_t n = 1; n < 464; ++n) {
        if (std::ranges::find(noeudsChapitres, n) != noeudsChapitres.end()) continue;
        lancerExercice(d, n);
        for (int q = 1; q <= d.nbQuestions; ++q) {
            if (q > 1) poserQuestion(d, true);
            EXPECT_EQ(moinsDeLaPage(), aucun) << n << " question " << q;
            terminerQuestion(d);
            EXPECT_EQ(moinsDeLaPage(), aucun) << n << " solution " << q;
        }
    }
}

}  // namespace
