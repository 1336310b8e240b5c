#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/jpeg/ecriture_jpeg.h"
#include "platform/jpeg/jpeg.h"

// The pictures in donnees/ were made once with an independent encoder and are kept as files.
namespace {

using Rvb = std::array<int, 3>;

std::string chemin(const std::string& nom) { return std::string(DOSSIER_DONNEES) + nom; }

std::vector<std::uint8_t> octets(const std::string& nom)
{
    std::ifstream f(chemin(nom), std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

Rvb pixel(const TimageRvb& image, int x, int y)
{
    const std::size_t i = (static_cast<std::size_t>(y) * image.largeur + x) * 3;
    return {image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]};
}

// Lossy coding moves flat colours by a few levels at most.
bool proche(const Rvb& a, const Rvb& b)
{
    for (int c = 0; c < 3; ++c)
        if (std::abs(a[c] - b[c]) > 10) return false;
    return true;
}

std::string texte(const Rvb& c)
{
    return "(" + std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]) + ")";
}

}  // namespace

TEST(Jpeg, lesImagesValidesDonnentLeursDimensionsEtLeursCouleurs)
{
    struct Point {
        int x, y;
        Rvb couleur;
    };
    struct Cas {
        const char* nom;
        int largeur, hauteur;
        std::vector<Point> points;
    };
    const Rvb rouge{255, 0, 0}, vert{0, 255, 0}, bleu{0, 0, 255}, jaune{255, 255, 0},
        blanc{255, 255, 255}, noir{0, 0, 0};
    const Cas cas[] = {
        // baseline, full-resolution colour: left half red, right half blue
        {"rouge_bleu.jpg", 16, 8, {{0, 0, rouge}, {7, 7, rouge}, {8, 0, bleu}, {15, 7, bleu}}},
        // baseline with chroma at half resolution: four quarters
        {"quartiers.jpg", 32, 32, {{8, 8, rouge}, {24, 8, vert}, {8, 24, bleu}, {24, 24, blanc}}},
        // greyscale, black at the top to white at the bottom: rows must not be flipped
        {"gris.jpg", 12, 6, {{0, 0, noir}, {11, 0, noir}, {0, 5, blanc}, {11, 5, blanc}}},
        // progressive: green over yellow
        {"progressif.jpg", 8, 16, {{0, 0, vert}, {7, 7, vert}, {0, 8, jaune}, {7, 15, jaune}}},
        // arithmetic coding: green beside white
        {"arithmetique.jpg", 16, 16, {{0, 0, vert}, {3, 15, vert}, {12, 0, blanc}, {15, 15, blanc}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::optional<TimageRvb> image = lireJpeg(chemin(c.nom));
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->largeur, c.largeur);
        EXPECT_EQ(image->hauteur, c.hauteur);
        ASSERT_EQ(image->pixels.size(), static_cast<std::size_t>(c.largeur) * c.hauteur * 3);
        for (const Point& p : c.points) {
            const Rvb lu = pixel(*image, p.x, p.y);
            EXPECT_TRUE(proche(lu, p.couleur))
                << "(" << p.x << "," << p.y << ") : " << texte(lu) << " au lieu de " << texte(p.couleur);
        }
    }
    // Grey stays grey once spread over three channels.
    const std::optional<TimageRvb> gris = lireJpeg(chemin("gris.jpg"));
    ASSERT_TRUE(gris.has_value());
    const Rvb milieu = pixel(*gris, 5, 3);
    EXPECT_EQ(milieu[0], milieu[1]);
    EXPECT_EQ(milieu[1], milieu[2]);
}

TEST(Jpeg, unFichierInutilisableEstUnEchecSansArret)
{
    const char* const noms[] = {
        "tronque.jpg",             // baseline cut in the middle of its scan data
        "progressif_tronque.jpg",  // progressive cut in the middle of its first scan
        "vide.jpg",                // empty file
        "texte.jpg",               // text under a picture's name
        "cmjn.jpg",                // CMYK: no conversion to RGB
        "absent.jpg",              // no such file
        "",                        // the data folder itself
    };
    for (const char* nom : noms) EXPECT_FALSE(lireJpeg(chemin(nom)).has_value()) << nom;
    EXPECT_FALSE(lireJpeg("").has_value());
    EXPECT_FALSE(decoderJpeg(nullptr, 0).has_value());
}

// Whatever point a download or a copy stopped at, the picture is refused rather than shown with
// made-up rows. A Huffman picture may lack its end marker alone, every pixel being there; an
// arithmetic one reads zeros past the end of its data, so that its end cannot be told from a cut.
TEST(Jpeg, chaqueCoupureAvantLaFinDesDonneesEstRefusee)
{
    struct Cas {
        const char* nom;
        bool sansMarqueurDeFin;
    };
    const Cas cas[] = {
        {"rouge_bleu.jpg", true},
        {"quartiers.jpg", true},
        {"progressif.jpg", true},
        {"arithmetique.jpg", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::vector<std::uint8_t> entier = octets(c.nom);
        ASSERT_GT(entier.size(), 2u);
        const std::size_t sansFin = entier.size() - 2;
        ASSERT_EQ(entier[sansFin], 0xFF);
        ASSERT_EQ(entier[sansFin + 1], 0xD9);
        for (std::size_t n = 0; n < sansFin; ++n)
            EXPECT_FALSE(decoderJpeg(entier.data(), n).has_value()) << n << " octets";
        const std::optional<TimageRvb> complet = decoderJpeg(entier.data(), entier.size());
        const std::optional<TimageRvb> sansMarqueur = decoderJpeg(entier.data(), sansFin);
        ASSERT_TRUE(complet.has_value());
        ASSERT_EQ(sansMarqueur.has_value(), c.sansMarqueurDeFin);
        if (sansMarqueur) {
            EXPECT_EQ(sansMarqueur->pixels, complet->pixels);
        }
    }
}

// A header may announce any size. Arithmetic coding reads zeros once its data is used up, so a
// few hundred bytes make a valid picture of whatever size the header says: a huge one is refused
// before anything is allocated for it.
TEST(Jpeg, uneTailleDemesureeEstRefusee)
{
    struct Cas {
        const char* nom;
        int largeur, hauteur;
        bool charge;
    };
    const Cas cas[] = {
        {"arithmetique.jpg", 65000, 65000, false},
        {"arithmetique.jpg", 10001, 10000, false},
        {"arithmetique.jpg", 2000, 1000, true},
        // Wider than a page could ever need, or more pixels than its tallest scroll.
        {"arithmetique.jpg", 4001, 16, false},
        {"arithmetique.jpg", 4000, 16, true},
        {"arithmetique.jpg", 4000, 4001, false},
        {"arithmetique.jpg", 0, 16, false},
        // Huffman data of a 16 x 8 picture runs out long before a million pixels.
        {"rouge_bleu.jpg", 1000, 1000, false},
        {"rouge_bleu.jpg", 16, 8, true},
    };
    for (const Cas& c : cas) {
        std::vector<std::uint8_t> donnees = octets(c.nom);
        // Start of frame (FF C0 baseline, FF C9 arithmetic): length (2), precision (1), height
        // (2), width (2).
        std::size_t sof = 0;
        while (sof + 9 < donnees.size() &&
               !(donnees[sof] == 0xFF && (donnees[sof + 1] == 0xC0 || donnees[sof + 1] == 0xC9)))
            ++sof;
        ASSERT_LT(sof + 9, donnees.size()) << c.nom;
        donnees[sof + 5] = static_cast<std::uint8_t>(c.hauteur >> 8);
        donnees[sof + 6] = static_cast<std::uint8_t>(c.hauteur);
        donnees[sof + 7] = static_cast<std::uint8_t>(c.largeur >> 8);
        donnees[sof + 8] = static_cast<std::uint8_t>(c.largeur);
        const std::optional<TimageRvb> image = decoderJpeg(donnees.data(), donnees.size());
        ASSERT_EQ(image.has_value(), c.charge) << c.nom << " " << c.largeur << " x " << c.hauteur;
        if (image) {
            EXPECT_EQ(image->pixels.size(), std::size_t{3} * c.largeur * c.hauteur);
        }
    }
}

// Damage in the data refuses the picture rather than showing colour garbage, or rows shifted from
// the damage down; what libjpeg never reads (after the end marker) or can do without (the end
// marker itself, every row being there) leaves the picture as it was.
TEST(Jpeg, uneImageAbimeeEstRefuseeMaisPasUneFinEnTropOuEnMoins)
{
    TimageRvb page{120, 80, {}};
    for (int i = 0; i < 120 * 80 * 3; ++i)
        page.pixels.push_back(static_cast<std::uint8_t>(i * i / 7 % 256));
    const std::vector<std::uint8_t> bonne = encoderJpeg(page, 90).value();
    std::size_t balayage = 0;
    while (!(bonne[balayage] == 0xFF && bonne[balayage + 1] == 0xDA)) ++balayage;
    const std::size_t fin = bonne.size() - 2;
    // The good bytes with `retires` of them taken out at `ou`, and `octets` put in their place.
    const auto abimee = [&](std::size_t ou, std::size_t retires, std::vector<std::uint8_t> octets) {
        std::vector<std::uint8_t> v = bonne;
        const auto debut = v.erase(v.begin() + static_cast<std::ptrdiff_t>(ou),
                                   v.begin() + static_cast<std::ptrdiff_t>(ou + retires));
        v.insert(debut, octets.begin(), octets.end());
        return v;
    };
    struct Cas {
        std::string nom;
        std::vector<std::uint8_t> octets;
        bool montree;
    };
    std::vector<Cas> cas = {
        {"octets changés dans les données", abimee((balayage + fin) / 2, 4, {1, 2, 3, 4}), false},
        {"octets en trop avant le marqueur de fin", abimee(fin, 0, std::vector<std::uint8_t>(16, 5)), false},
        {"octets en trop avant le balayage", abimee(balayage, 0, {1, 2, 3}), false},
        {"octets après le marqueur de fin", abimee(bonne.size(), 0, {1, 2, 3, 0xFF, 0xD8}), true},
        {"marqueur de fin coupé", abimee(fin, 2, {}), true},
    };
    // A run of ones, a code that no table holds, wherever it falls in the data.
    for (std::size_t ou = balayage + 20; ou + 6 < fin; ou += 16)
        cas.push_back({"code de Huffman impossible à " + std::to_string(ou),
                       abimee(ou, 6, {0xFF, 0, 0xFF, 0, 0xFF, 0}), false});
    const std::optional<TimageRvb> intacte = decoderJpeg(bonne.data(), bonne.size());
    ASSERT_TRUE(intacte.has_value());
    for (const Cas& c : cas) {
        const std::optional<TimageRvb> image = decoderJpeg(c.octets.data(), c.octets.size());
        EXPECT_EQ(image.has_value(), c.montree) << c.nom;
        if (image && c.montree) {
            EXPECT_EQ(image->pixels, intacte->pixels) << c.nom;
        }
    }
}
