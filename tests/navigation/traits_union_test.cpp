// In the markup a plain "-" is drawn as a minus sign and "$-" is the hyphen: a word written
// "demi-droite" reads "demi − droite". Every text the program draws is walked here, on recording
// canvases, for a minus sign between two letters.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chapters/chapitres.h"
#include "engine/figure/peinture.h"
#include "exercise/cases_choix.h"
#include "exercise/cycle_exercice.h"
#include "navigation/imagiciels.h"
#include "navigation/pages_cours.h"
#include "platform/double/canevas_enregistre.h"
#include "tests/exercise/banc_exercice.h"
#include "tests/navigation/banc_navigation.h"

namespace {

bool estLettre(char c)
{
    const auto u = static_cast<unsigned char>(c);
    // Windows-1252: the accented letters, but for × and ÷.
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

// The drawn minus signs (a 6-pixel stroke between two runs) that stand between two letters, each
// as the two runs around it.
std::vector<std::string> moinsEntreLettres(const CanevasEnregistre& k)
{
    std::vector<std::string> trouves;
    const std::vector<Appel>& a = k.appels();
    for (std::size_t i = 2; i + 1 < a.size(); ++i) {
        const Appel& trait = a[i];
        const Appel& avant = a[i - 2];
        const Appel& apres = a[i + 1];
        const bool moins = trait.genre == GenreAppel::LineTo && a[i - 1].genre == GenreAppel::MoveTo &&
                           trait.arguments[0] == trait.position.x + 6 && trait.arguments[1] == trait.position.y;
        if (moins && avant.genre == GenreAppel::TextOut && apres.genre == GenreAppel::TextOut &&
            !avant.texte.empty() && !apres.texte.empty() && estLettre(avant.texte.back()) &&
            estLettre(apres.texte.front()))
            trouves.push_back(avant.texte + " - " + apres.texte);
    }
    return trouves;
}

std::vector<std::string> moinsEntreLettres(Tfigure& f)
{
    CanevasEnregistre k;
    dessinerFigure(f, k);
    return moinsEntreLettres(k);
}

const std::vector<std::string> aucun;

using TraitsUnionNavigation = BancNavigation;

TEST_F(TraitsUnionNavigation, SujetsPagesEtImagiciels)
{
    for (int code = 1990; code <= 2763; ++code) {
        afficherInfo(d, code);
        if (!infoAffichee) continue;
        fenetreInfo()->peindre();
        EXPECT_EQ(moinsEntreLettres(fenetreInfo()->canevas()), aucun) << code;
        fermerInfo();
    }
    // Without their pictures, the pages show their titles.
    for (int code = 1002; code < 1000 + arbreCours.Count(); ++code) {
        afficherPageCours(d, code);
        EXPECT_EQ(moinsEntreLettres(*cours), aucun) << code;
    }
    for (int code = 1500; code < 1500 + arbreImagiciels.Count(); ++code) {
        d.imagiciel = code;
        lancerImagiciel(d);
        for (int etape = 1;; ++etape) {
            EXPECT_EQ(moinsEntreLettres(*texteImagiciel), aucun) << code << " étape " << etape;
            EXPECT_EQ(moinsEntreLettres(*figureImagiciel), aucun) << code << " étape " << etape;
            if (d.etapeImagiciel >= d.nbEtapesImagiciel) break;
            etapeSuivanteImagiciel(d);
        }
    }
}

class TraitsUnionExercices : public BancExercice {
protected:
    void SetUp() override
    {
        BancExercice::SetUp();
        installerChapitres();
        systeme.reponseOuiNon = true;
    }

    std::vector<std::string> moinsDeLaPage()
    {
        std::vector<std::string> trouves;
        for (Tfigure* f : {d.surfaceEnonce, d.surfaceFigureEnonce, d.surfaceSolution, d.surfaceFigureSolution})
            for (const std::string& t : moinsEntreLettres(*f)) trouves.push_back(t);
        zoneTexteEnonce.canevas().effacer();
        dessinerChoix(d);
        for (const std::string& t : moinsEntreLettres(zoneTexteEnonce.canevas())) trouves.push_back(t);
        return trouves;
    }
};

// Each question's statement, then its solution.
TEST_F(TraitsUnionExercices, EnoncesEtSolutions)
{
    for (std::int32_t n = 1; n < 464; ++n) {
        if (std::ranges::find(noeudsChapitres, n) != noeudsChapitres.end()) continue;
        lancerExercice(d, n);
        for (int q = 1; q <= d.nbQuestions; ++q) {
            EXPECT_EQ(moinsDeLaPage(), aucun) << n << " question " << q;
            terminerQuestion(d);
            EXPECT_EQ(moinsDeLaPage(), aucun) << n << " solution " << q;
            if (q < d.nbQuestions) poserQuestion(d, true);
        }
    }
}

}  // namespace
