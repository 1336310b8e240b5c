#pragma once
// A shared record with its solution surface on a recording paint box and a recording platform,
// so that a test reads back the lines a check wrote, its beeps and its result picture.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/figure/figure.h"
#include "exercise/donnees_communes.h"
#include "platform/double/controles_enregistres.h"
#include "platform/double/image_enregistree.h"
#include "platform/double/plateforme_enregistree.h"

class BancSolution : public ::testing::Test {
protected:
    void SetUp() override
    {
        *donneesCommunes = TdonneesCommunes{};
        initialiserDonneesCommunes(d);
        reinitialiserQuestion(d);
        zone.setBounds(0, 0, 528, 155);
        creerFigure(&zone, 528, 155, surface);
        d.surfaceSolution = surface.get();
        d.ImageIncorrecte = &imageIncorrecte;
        installerPlateforme(&systeme);
    }

    void TearDown() override
    {
        installerPlateforme(nullptr);
        d.surfaceSolution = nullptr;
    }

    // The start of a validation: the messages of the last one are gone.
    void nouvelleValidation()
    {
        reinitialiserFigure(*surface);
        d.ligneSolution = 2.5;
        systeme.bips.clear();
    }

    // The texts written on the solution surface, in order.
    std::vector<std::string> lignes() const
    {
        std::vector<std::string> textes;
        for (int i = 1; i <= surface->nbObjets; ++i)
            if (surface->objets[i]->genre == genreTexte) textes.push_back(surface->objets[i]->donneesDe<Ttexte>().texte);
        return textes;
    }

    // Result pictures ImageIncorrecte shown on the solution surface.
    int nbImagesIncorrecte() const
    {
        int n = 0;
        for (int i = 1; i <= surface->nbObjets; ++i) {
            const Tobjet& o = *surface->objets[i];
            if (o.genre == genreImageInterne && o.donneesDe<TimageInterne>().image == &imageIncorrecte) ++n;
        }
        return n;
    }

    // The answer was refused with the question beep and the picture, or nothing was signalled.
    void verifierSignal(bool signale, const std::string& cas) const
    {
        if (signale) {
            EXPECT_FALSE(systeme.bips.empty()) << cas;
            for (const unsigned b : systeme.bips) EXPECT_EQ(b, MB_ICONQUESTION) << cas;
            EXPECT_EQ(nbImagesIncorrecte(), static_cast<int>(systeme.bips.size())) << cas;
        } else {
            EXPECT_TRUE(systeme.bips.empty()) << cas;
            EXPECT_EQ(nbImagesIncorrecte(), 0) << cas;
        }
    }

    TdonneesCommunes& d = *donneesCommunes;
    ZoneDessinEnregistree zone;
    std::unique_ptr<Tfigure> surface;
    ImageEnregistree imageIncorrecte{60, 40};
    PlateformeEnregistree systeme;
};
