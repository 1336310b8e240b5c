#include "platform/qt/unicode.h"

#include <QFile>
#include <array>

namespace {

// 0x80..0x9F of Windows-1252; the other bytes are Latin-1. Bytes the code page leaves undefined
// keep their own value.
constexpr std::array<char16_t, 32> plage80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString versUnicode(const std::string& texte)
{
    QString resultat;
    resultat.reserve(static_cast<qsizetype>(texte.size()));
    for (unsigned char c : texte)
        resultat.append(QChar(c >= 0x80 && c < 0xA0 ? plage80[c - 0x80] : char16_t(c)));
    return resultat;
}

std::string depuisUnicode(const QString& texte)
{
    std::string resultat;
    resultat.reserve(static_cast<std::size_t>(texte.size()));
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t u = texte.at(i).unicode();
        // A sign beyond the first 65536 comes as two halves: one sign, one '?'.
        if (texte.at(i).isHighSurrogate() && i + 1 < texte.size() &&
            texte.at(i + 1).isLowSurrogate())
            ++i;
        char octet = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            octet = static_cast<char>(u);
        } else {
            for (std::size_t k = 0; k < plage80.size(); ++k)
                if (plage80[k] == u) octet = static_cast<char>(0x80 + k);
        }
        resultat.push_back(octet);
    }
    return resultat;
}

QString versChemin(const std::string& chemin)
{
    return QFile::decodeName(QByteArray::fromStdString(chemin));
}

std::string depuisChemin(const QString& chemin) { return QFile::encodeName(chemin).toStdString(); }
