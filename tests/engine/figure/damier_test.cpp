// The checkerboard's cells under a point and the measures of the coloured shape.

#include <initializer_list>

#include <gtest/gtest.h>

#include "engine/figure/cases_damier.h"
#include "surface_de_test.h"

namespace {

Tdamier colorie(std::initializer_list<int> cases)
{
    Tdamier d;
    for (const int c : cases) d.casesColoriees.set(static_cast<std::size_t>(c));
    return d;
}

TEST(Damier, caseSousUnPoint)
{
    Tdamier d;
    d.casesCliquables.reset(45);
    const struct {
        double x, y;
        int attendue;
    } cas[] = {{-4.5, 4.5, 1}, {-5, 4.5, 0}, {4.5, -5, 0}, {-4, 4.5, 2},  {-4.5, 4, 11},
               {4.99, -4.99, 100}, {-0.5, 0.5, 0}, {5.1, 0, 0}, {0.5, 0.5, 46}};
    for (const auto& c : cas) EXPECT_EQ(caseDamierSousPoint(d, c.x, c.y), c.attendue) << c.x << c.y;
}

TEST(Damier, mesuresDesFormes)
{
    const struct {
        const char* forme;
        Tdamier d;
        int aire, perimetre;
        bool unSeulTenant, trou;
    } cas[] = {
        {"vide", colorie({}), 0, 0, true, false},
        {"une case", colorie({45}), 1, 4, true, false},
        {"bloc 2 × 3", colorie({1, 2, 3, 11, 12, 13}), 6, 10, true, false},
        {"coin contre coin", colorie({1, 12}), 2, 8, false, false},
        {"anneau", colorie({23, 24, 25, 33, 35, 43, 44, 45}), 8, 16, true, true},
        {"U contre le bord", colorie({1, 3, 11, 13, 21, 22, 23}), 7, 16, true, false},
        {"fin et début de rangée", colorie({10, 11}), 2, 8, false, false},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(nombreCases(c.d), c.aire) << c.forme;
        EXPECT_EQ(perimetreCases(c.d), c.perimetre) << c.forme;
        EXPECT_EQ(estDUnSeulTenant(c.d), c.unSeulTenant) << c.forme;
        EXPECT_EQ(aUnTrou(c.d), c.trou) << c.forme;
    }
    int partages = 0;
    const Tdamier bloc = colorie({1, 2, 3, 11, 12, 13});
    for (const int c : {1, 2, 3, 11, 12, 13}) partages += aretesCommunes(bloc, c);
    EXPECT_EQ(partages / 2, 7);
}

TEST(Damier, blocDeCasesDonnees)
{
    Tdamier d = colorie({5});
    remplirBlocCases(d, 2, 3, 3, 4);
    EXPECT_EQ(d.casesColoriees.count(), 0u);
    EXPECT_EQ(d.casesDonnees.count(), 4u);
    EXPECT_TRUE(d.casesDonnees.test(24));
    remplirBlocCases(d, 5, 1, 4, 1);
    EXPECT_EQ(d.casesDonnees.count(), 4u);
}

class DamierSurface : public SurfaceDeTest {};

TEST_F(DamierSurface, creeEtDesigne)
{
    creerDamier(f());
    EXPECT_EQ(f().indiceDamier, 1);
    EXPECT_EQ(f().objets[1]->nom, "Damier");
    EXPECT_EQ(f().objets[1]->classe, affDamier);
    EXPECT_EQ(f().objets[1]->donneesDe<Tdamier>().casesCliquables.count(), 100u);
}

} // namespace
