// The vocabulary trees lead where they say: each entry's word is written on the course page, in
// the animation or in the topic it opens, and the alphabetical tree keeps the dictionary order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <sstream>
#include <utility>

#include <QFile>
#include <QImage>
#include <QPainter>

#include "cours/page_lecon.h"
#include "engine/figure/peinture.h"
#include "navigation/imagiciels.h"
#include "navigation/sujets_info.h"
#include "navigation/table_pages_cours.h"
#include "platform/double/canevas_enregistre.h"
#include "platform/qt/canevas_qt.h"
#include "platform/qt/unicode.h"
#include "tests/navigation/banc_navigation.h"

namespace {

// Without case, accents or punctuation: lower-case letters and digits, every other run of
// characters one blank, a blank at both ends, so that a word is found whole.
std::string plier(const std::string& texte)
{
    static const std::string lettres =  // Windows-1252 from 0xC0 to 0xFF
        "aaaaaaaceeeeiiiidnooooo ouuuuyts"
        "aaaaaaaceeeeiiiidnooooo ouuuuyty";
    std::string r = " ";
    const auto ajouter = [&r](char c) {
        if (c != ' ' || r.back() != ' ') r += c;
    };
    for (const char c : texte) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x8C || b == 0x9C) {
            ajouter('o');
            ajouter('e');
        } else if (b >= 0xC0) {
            ajouter(lettres[b - 0xC0]);
        } else if (std::isalnum(b)) {
            ajouter(static_cast<char>(std::tolower(b)));
        } else {
            ajouter(' ');
        }
    }
    ajouter(' ');
    return r;
}

// What a surface writes, each text apart.
std::string textesPeints(Tfigure& f)
{
    CanevasEnregistre k;
    dessinerFigure(f, k);
    std::string r;
    for (const Appel& a : k.appels(GenreAppel::TextOut)) r += a.texte + " ";
    return r;
}

// The course page as the build lays it out from its lesson: its title and its texts.
std::string texteLecon(int page)
{
    const TpageCours* p = pageCoursIllustree(page);
    if (!p) return "";
    QFile fichier(QString(DOSSIER_LECONS) + "/" + p->codeImage + ".txt");
    if (!fichier.open(QIODevice::ReadOnly)) return "";
    QImage brouillon(1, 1, QImage::Format_RGB32);
    QPainter peintre(&brouillon);
    CanevasQt mesure(peintre);
    const std::optional<TpageDuCours> pageCours = pageDuCours(p->codeImage);
    if (!pageCours) return "";
    const std::string source = depuisUnicode(QString::fromUtf8(fichier.readAll()));
    try {
        TpageLecon lecon = composerLecon(lireSourceLecon(source), *pageCours, mesure);
        std::string r = lecon.titre + " " + textesPeints(*lecon.surface);
        for (TfigureLecon& figure : lecon.figures) r += textesPeints(*figure.surface);
        return r;
    } catch (const ErreurLecon&) {
        // A lesson being mended, which the build refuses too: its title and its source without
        // the markup's codes.
        return pageCours->titre + " " + std::regex_replace(source, std::regex("\\$[A-Za-z]?[0-9]*"), " ");
    }
}

// Each word of three letters or more of the folded entry begins a word of the folded text: the
// first six letters of a long word (its family: "comparaison", "comparer"), a short one without
// its plural, feminine or infinitive ending ("passer", "passe").
bool estEcrit(const std::string& entree, const std::string& texte)
{
    std::istringstream mots(entree);
    std::string mot;
    while (mots >> mot) {
        if (mot.size() < 3) continue;
        if (mot.size() > 6) {
            mot.resize(6);
        } else {
            if (mot.ends_with('s')) mot.pop_back();
            if (mot.ends_with("er")) mot.resize(mot.size() - 2);
            else if (mot.ends_with('e')) mot.pop_back();
        }
        if (texte.find(" " + mot) == std::string::npos) return false;
    }
    return true;
}

// The word of an entry: what stands before its parenthesis.
std::string motDe(const std::string& entree) { return entree.substr(0, entree.find('(')); }

struct TarbreVocabulaire {
    std::span<const TLigneArbre> (*lignes)();
    int base;
};
constexpr TarbreVocabulaire arbresVocabulaire[] = {{lignesArbreParTheme, 2000},
                                                   {lignesArbreAlphabetique, 2500}};

class IndexVocabulaire : public BancNavigation {
protected:
    // All that the code opens writes: the course page, the animation or the window's topic.
    std::string texteOuvert(int code)
    {
        d.pageCours = 0;
        d.imagiciel = 0;
        afficherInfo(d, code);
        if (d.pageCours != 0) return texteLecon(d.pageCours);
        if (d.imagiciel != 0) {
            // Every step of it, each showing its own lines.
            std::string r = d.titreImagiciel.texte() + " ";
            for (int s = 1; s <= std::max(d.nbEtapesImagiciel, 1); ++s) {
                if (s > 1) etapeSuivanteImagiciel(d);
                r += textesPeints(*texteImagiciel) + textesPeints(*figureImagiciel);
            }
            return r;
        }
        CanevasEnregistre k;
        tailleFenetreInfo(d, sujetInfo(code));
        dessinerInfo(d, k, code);
        std::string r;
        for (const Appel& a : k.appels(GenreAppel::TextOut)) r += a.texte + " ";
        return r;
    }
};

// The entry's word, before any parenthesis, is written where the entry leads; entries still
// waiting for their definition are left out.
TEST_F(IndexVocabulaire, ChaqueEntreeOuvreCeQuiEnParle)
{
    int verifiees = 0;
    for (const TarbreVocabulaire& arbre : arbresVocabulaire) {
        const std::span<const TLigneArbre> lignes = arbre.lignes();
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            if (lignes[i].niveau == 0) continue;
            const int code = arbre.base + static_cast<int>(i);
            const std::string texte = texteOuvert(code);
            if (texte.find("Définition à faire") != std::string::npos) continue;
            ++verifiees;
            EXPECT_TRUE(estEcrit(plier(motDe(lignes[i].texte)), plier(texte)))
                << code << " \"" << versUnicode(lignes[i].texte).toStdString() << "\"";
        }
    }
    EXPECT_GT(verifiees, 200);
}

// A to Z: each entry after the one before it, by its word, then by its parenthesis, read without
// case or accents.
TEST_F(IndexVocabulaire, OrdreAlphabetique)
{
    const std::span<const TLigneArbre> lignes = lignesArbreAlphabetique();
    const auto cle = [](const std::string& t) { return std::pair(plier(motDe(t)), plier(t)); };
    for (std::size_t i = 2; i < lignes.size(); ++i)
        EXPECT_LT(cle(lignes[i - 1].texte), cle(lignes[i].texte))
            << versUnicode(lignes[i].texte).toStdString();
}

}  // namespace
