#include "cours/lecture_lecon.h"

#include <QList>
#include <QStringDecoder>
#include <cstdio>

#include "cours/source_lecon.h"
#include "platform/qt/unicode.h"

namespace {

// "U+2192", for a character the message itself cannot show.
std::string codeUnicode(char32_t caractere)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(caractere));
    return code;
}

// The control characters no page shows: all but the tab that indents, the C1 controls among them
// (some of which Windows-1252 would keep, to be drawn as a box).
bool estControle(char32_t caractere)
{
    return (caractere < 0x20 && caractere != '\t') || (caractere >= 0x7F && caractere <= 0x9F);
}

constexpr char32_t marqueOrdre = 0xFEFF;

// What is wrong with the character at the place k of a line of n; empty when nothing. A CR that
// ends the line is the first half of a CR LF line end.
std::string defautDuCaractere(char32_t caractere, qsizetype k, qsizetype n)
{
    if (caractere == '\r' && k == n - 1) return {};
    if (caractere == marqueOrdre)
        return "le caractère invisible U+FEFF n'a sa place qu'en tête du fichier, où il marque l'UTF-8";
    if (caractere == '\r')
        return "une ligne finit par CR seul : les lignes d'une leçon finissent par LF ou CR LF";
    if (estControle(caractere))
        return "le caractère de contrôle " + codeUnicode(caractere) + " n'a pas sa place dans une leçon";
    if (caractere != '?' && depuisUnicode(QString::fromUcs4(&caractere, 1)) == "?")
        return "le caractère " + codeUnicode(caractere) + " n'existe pas dans les textes du programme";
    return {};
}

}  // namespace

std::string texteDeLecon(const QByteArray& octets)
{
    std::string texte;
    const QList<QByteArray> lignes = octets.split('\n');
    for (qsizetype k = 0; k < lignes.size(); ++k) {
        const int numero = static_cast<int>(k + 1);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        QString ligne = utf8.decode(lignes[k]);
        if (utf8.hasError()) throw ErreurLecon(numero, "la ligne n'est pas écrite en UTF-8");
        // The byte order mark some editors write first is no character of the page.
        if (k == 0 && ligne.startsWith(QChar(marqueOrdre))) ligne.remove(0, 1);
        const QList<uint> caracteres = ligne.toUcs4();
        for (qsizetype c = 0; c < caracteres.size(); ++c)
            if (const std::string defaut = defautDuCaractere(caracteres[c], c, caracteres.size()); !defaut.empty())
                throw ErreurLecon(numero, defaut);
        if (k > 0) texte += '\n';
        texte += depuisUnicode(ligne);
    }
    return texte;
}
