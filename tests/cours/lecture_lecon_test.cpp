// A lesson file is read as UTF-8, line by line, into the program's texts: what would show as "?"
// on the page stops the build at its line.

#include <gtest/gtest.h>

#include <string>

#include "cours/lecture_lecon.h"
#include "cours/source_lecon.h"

namespace {

std::string erreur(const char* octets)
{
    try {
        texteDeLecon(QByteArray(octets));
    } catch (const ErreurLecon& e) {
        return std::to_string(e.ligne()) + ": " + e.what();
    }
    return {};
}

}  // namespace

TEST(LectureLecon, desOctetsQuiNeSontPasDeLUtf8OuUnCaractereSansPlaceArretentLaConstruction)
{
    EXPECT_EQ(texteDeLecon(QByteArray("titre\nL'\xC3\xA9querre, le c\xC5\x93ur ?\n")), "titre\nL'équerre, le cœur ?\n");
    EXPECT_EQ(texteDeLecon(QByteArray("titre\r\n\tUne ligne\r\n")), "titre\r\n\tUne ligne\r\n");
    // The byte order mark some editors write first.
    EXPECT_EQ(texteDeLecon(QByteArray("\xEF\xBB\xBFtitre\n")), "titre\n");
    const struct {
        const char* octets;
        const char* message;
    } cas[] = {
        {"titre\nL'\xE9querre\n", "2: la ligne n'est pas écrite en UTF-8"},
        {"titre\n\nL'\xC3\n", "3: la ligne n'est pas écrite en UTF-8"},
        {"titre\nA \xE2\x86\x92 B\n", "2: le caractère U+2192 n'existe pas dans les textes du programme"},
        {"titre\nUne\x07 ligne\n", "2: le caractère de contrôle U+0007 n'a pas sa place dans une leçon"},
        {"titre\n\x7F\n", "2: le caractère de contrôle U+007F n'a pas sa place dans une leçon"},
        // C1 controls, even those Windows-1252 keeps as bytes, and the mark of byte order past the
        // file's start: boxes on the page.
        {"titre\nUne\xC2\x85 ligne\n", "2: le caractère de contrôle U+0085 n'a pas sa place dans une leçon"},
        {"titre\nUne\xC2\x81 ligne\n", "2: le caractère de contrôle U+0081 n'a pas sa place dans une leçon"},
        {"titre\nUne\xEF\xBB\xBF ligne\n",
         "2: le caractère invisible U+FEFF n'a sa place qu'en tête du fichier, où il marque l'UTF-8"},
        {"titre\n\xEF\xBB\xBFUne ligne\n",
         "2: le caractère invisible U+FEFF n'a sa place qu'en tête du fichier, où il marque l'UTF-8"},
        // Lines ended by CR alone are one line to the reader: it says so rather than miss the title.
        {"titre\rUne ligne\r", "1: une ligne finit par CR seul : les lignes d'une leçon finissent par LF ou CR LF"},
    };
    for (const auto& c : cas) EXPECT_EQ(erreur(c.octets), c.message);
}
