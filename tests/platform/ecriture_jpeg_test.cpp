#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/jpeg/ecriture_jpeg.h"

namespace {

using Rvb = std::array<int, 3>;

// Four flat quarters and a black one-pixel stroke across them, like a line of text on a page.
TimageRvb quartiersRayes(int largeur, int hauteur)
{
    const std::array<Rvb, 4> couleurs = {{{255, 255, 255}, {250, 121, 5}, {0, 102, 179}, {0, 0, 0}}};
    TimageRvb image;
    image.largeur = largeur;
    image.hauteur = hauteur;
    image.pixels.resize(static_cast<std::size_t>(largeur) * hauteur * 3);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) {
            const Rvb c = y == hauteur / 4 ? Rvb{0, 0, 0}
                                           : couleurs[(x < largeur / 2 ? 0 : 1) + (y < hauteur / 2 ? 0 : 2)];
            for (int k = 0; k < 3; ++k)
                image.pixels[(static_cast<std::size_t>(y) * largeur + x) * 3 + k] =
                    static_cast<std::uint8_t>(c[static_cast<std::size_t>(k)]);
        }
    return image;
}

Rvb pixel(const TimageRvb& image, int x, int y)
{
    const std::size_t i = (static_cast<std::size_t>(y) * image.largeur + x) * 3;
    return {image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]};
}

int ecart(const Rvb& a, const Rvb& b)
{
    int e = 0;
    for (std::size_t c = 0; c < 3; ++c) e = std::max(e, std::abs(a[c] - b[c]));
    return e;
}

}  // namespace

TEST(EcritureJpeg, uneImageEncodeeSeRelitAvecSesDimensionsEtSesCouleurs)
{
    // Sizes that are and are not multiples of the 8-pixel blocks, and one larger than the first
    // buffer, which must grow.
    for (const auto& [largeur, hauteur] : {std::pair{16, 16}, {37, 11}, {691, 933}}) {
        const TimageRvb image = quartiersRayes(largeur, hauteur);
        const auto octets = encoderJpeg(image, 90);
        ASSERT_TRUE(octets) << largeur << "x" << hauteur;
        const auto relue = decoderJpeg(octets->data(), octets->size());
        ASSERT_TRUE(relue);
        EXPECT_EQ(relue->largeur, largeur);
        EXPECT_EQ(relue->hauteur, hauteur);
        // Away from the edges between colours, each quarter keeps its colour.
        for (const auto& [x, y] : {std::pair{largeur / 8, hauteur * 3 / 8}, {largeur * 7 / 8, hauteur * 3 / 8},
                                  {largeur / 8, hauteur * 7 / 8}, {largeur * 7 / 8, hauteur * 7 / 8}})
            EXPECT_LE(ecart(pixel(*relue, x, y), pixel(image, x, y)), 8) << x << "," << y;
        // The thin stroke stays dark: colour is kept at full resolution.
        EXPECT_LE(ecart(pixel(*relue, largeur / 4, hauteur / 4), {0, 0, 0}), 60);
    }
}

TEST(EcritureJpeg, uneImageVideOuIncoherenteNeDonneRien)
{
    TimageRvb vide;
    EXPECT_FALSE(encoderJpeg(vide, 90));
    TimageRvb courte = quartiersRayes(8, 8);
    courte.pixels.pop_back();
    EXPECT_FALSE(encoderJpeg(courte, 90));
    TimageRvb negative = quartiersRayes(8, 8);
    negative.largeur = -8;
    EXPECT_FALSE(encoderJpeg(negative, 90));
}

TEST(EcritureJpeg, leFichierEcritSeRelitEtUnCheminImpossibleEchoue)
{
    const std::string chemin = testing::TempDir() + "ecriture_jpeg_test.jpg";
    const TimageRvb image = quartiersRayes(40, 24);
    ASSERT_TRUE(ecrireJpeg(chemin, image, 85));
    const auto relue = lireJpeg(chemin);
    ASSERT_TRUE(relue);
    EXPECT_EQ(relue->largeur, 40);
    EXPECT_EQ(relue->hauteur, 24);
    std::remove(chemin.c_str());
    EXPECT_FALSE(ecrireJpeg(testing::TempDir() + "dossier_absent/page.jpg", image, 85));
    EXPECT_FALSE(ecrireJpeg(chemin, TimageRvb{}, 85));
}
