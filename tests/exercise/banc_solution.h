#pragma once
// A shared record with its solution surface on a recording paint box and a recording platform,
// so that a test reads back the lines a check wrote, its beeps and its result picture.

#include <gtest/gtest.h>

#include <cstdint>
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

    // Runs a check of field k and compares its result, the lines it wrote and its signal with
    // what is expected; cas names the case in the failure messages.
    void constater(void (*verifier)(TdonneesCommunes&, int, std::uint8_t&), int k, std::uint8_t resultatAttendu,
                   const std::vector<std::string>& lignesAttendues, bool signal, const std::string& cas)
    {
        std::uint8_t resultat = 0;
        verifier(d, k, resultat);
        EXPECT_EQ(resultat, resultatAttendu) << cas;
        EXPECT_EQ(lignes(), lignesAttendues) << cas;
        verifierSignal(signal, cas);
    }

    TdonneesCommunes& d = *donneesCommunes;
    ZoneDessinEnregistree zone;
    std::unique_ptr<Tfigure> surface;
    ImageEnregistree imageIncorrecte{60, 40};
    PlateformeEnregistree systeme;
};
