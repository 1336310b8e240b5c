#include "exercise/ecriture_solution.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/exercise/banc_solution.h"

namespace {

class EcritureSolution : public BancSolution {
protected:
    // Top of each text of the solution surface, in lines.
    std::vector<double> hauts() const
    {
        std::vector<double> h;
        for (int i = 1; i <= surface->nbObjets; ++i) h.push_back(surface->objets[i]->donneesDe<Ttexte>().y / 18);
        return h;
    }
};

TEST_F(EcritureSolution, UneLigneAUnePlace)
{
    ecrireSolution(d, "$gx$N = 3", 4.5);
    ASSERT_EQ(surface->nbObjets, 1);
    const Tobjet& o = *surface->objets[1];
    EXPECT_EQ(o.couleur, 0x000000);
    EXPECT_EQ(o.donneesDe<Ttexte>().texte, "$gx$N = 3");
    EXPECT_EQ(o.donneesDe<Ttexte>().x, 14 * 8);
    EXPECT_EQ(o.donneesDe<Ttexte>().y, 4.5 * 18);
}

TEST_F(EcritureSolution, LignesCourantes)
{
    const struct {
        const char* texte;
        double haut;
    } cas[] = {
        // The first line after a validation gets no room above it, whatever it holds.
        {"$F1;2;", 2.5},
        {"simple", 3.5},
        {"$5 plus grand", 4.7},
        {"$3 et $5", 6.0},
        {"$F1;2; et $3", 7.5},
        {"fin", 8.5},
    };
    for (const auto& c : cas) ecrireLigneSolution(d, c.texte);
    const std::vector<double> h = hauts();
    ASSERT_EQ(h.size(), std::size(cas));
    for (std::size_t i = 0; i < h.size(); ++i) EXPECT_NEAR(h[i], cas[i].haut, 1e-12) << cas[i].texte;
    EXPECT_NEAR(d.ligneSolution, 9.5, 1e-12);
    EXPECT_EQ(lignes()[3], "$3 et $5");
}

TEST_F(EcritureSolution, TexteDeSolutionParDefaut)
{
    ecrireTexteSolution(d);
    EXPECT_EQ(surface->nbObjets, 0);
    d.texteSolution = "La réponse est 12.";
    ecrireTexteSolution(d);
    ASSERT_EQ(surface->nbObjets, 1);
    EXPECT_EQ(hauts()[0], 3);
    EXPECT_EQ(lignes()[0], "La réponse est 12.");
}

TEST_F(EcritureSolution, SansSurfaceRienNEstEcrit)
{
    d.surfaceSolution = nullptr;
    ecrireLigneSolution(d, "rien");
    EXPECT_EQ(surface->nbObjets, 0);
    EXPECT_EQ(d.ligneSolution, 3.5);
}

}  // namespace
