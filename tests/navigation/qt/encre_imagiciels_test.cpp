// The ink rule on the animations: each step, as the pupil first sees it going forward, on the
// text surface and on the figure; and the triangle from three sides at every length of AB.

#include <gtest/gtest.h>

#include <string>

#include "cours/regle_encre.h"
#include "engine/figure/objets_par_nom.h"
#include "navigation/imagiciels.h"
#include "tests/navigation/banc_navigation.h"

namespace {

class EncreImagiciels : public BancNavigation {
protected:
    // The fault of a surface, told by the names of what is at fault; empty when there is none.
    static std::string faute(Tfigure& f)
    {
        const TcoucheEncre couche{&f, 0, 0, std::nullopt, {}};
        const std::optional<TfauteEncre> faute = chercherFauteEncre({&couche, 1}, f.largeur, f.hauteur);
        if (!faute) return {};
        const auto nom = [&f](TauteurEncre a) { return a.objet > 0 ? f.objets[a.objet]->nom : "les instruments"; };
        static const char* const genres[] = {"touche", "est caché par", "ne laisse aucune encre"};
        return nom(faute->fautif) + " " + genres[static_cast<int>(faute->genre)] +
               (faute->genre == TgenreFauteEncre::invisible ? "" : " " + nom(faute->autre)) + " en (" +
               std::to_string(faute->x) + ", " + std::to_string(faute->y) + ")";
    }

    void verifierEtape(int code)
    {
        const std::string quand = std::to_string(code) + ", étape " + std::to_string(d.etapeImagiciel);
        EXPECT_EQ(faute(*texteImagiciel), "") << quand << ", texte";
        EXPECT_EQ(faute(*figureImagiciel), "") << quand << ", figure";
    }
};

TEST_F(EncreImagiciels, chaqueEtapeDeChaqueImagicielGardeSesTextesAuBlanc)
{
    for (int code = 1501; code <= 1510; ++code) {
        d.imagiciel = code;
        lancerImagiciel(d);
        verifierEtape(code);
        while (d.etapeImagiciel < d.nbEtapesImagiciel) {
            etapeSuivanteImagiciel(d);
            verifierEtape(code);
        }
    }
}

TEST_F(EncreImagiciels, leTriangleGardeSesNomsAuBlancQuandLEleveChangeAB)
{
    d.imagiciel = 1510;
    lancerImagiciel(d);
    while (d.etapeImagiciel < d.nbEtapesImagiciel) etapeSuivanteImagiciel(d);
    // Every length the slider allows, 1 to 10, C's place or none among them.
    for (double xB = -3; xB <= 6; xB += 0.5) {
        placerPoint(*figureImagiciel, "B", xB, -2);
        EXPECT_EQ(faute(*figureImagiciel), "") << "AB = " << xB + 4;
    }
}

}  // namespace
