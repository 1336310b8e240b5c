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

}  // namespace

std::string texteDeLecon(const QByteArray& octets)
{
    std::string texte;
    const QList<QByteArray> lignes = octets.split('\n');
    for (qsizetype k = 0; k < lignes.size(); ++k) {
        const int numero = static_cast<int>(k + 1);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString ligne = utf8.decode(lignes[k]);
        if (utf8.hasError()) throw ErreurLecon(numero, "la ligne n'est pas écrite en UTF-8");
        for (const char32_t caractere : ligne.toUcs4())
            if (caractere != '?' && depuisUnicode(QString::fromUcs4(&caractere, 1)) == "?")
                throw ErreurLecon(numero, "le caractère " + codeUnicode(caractere) +
                                              " n'existe pas dans les textes du programme");
        if (k > 0) texte += '\n';
        texte += depuisUnicode(ligne);
    }
    return texte;
}
