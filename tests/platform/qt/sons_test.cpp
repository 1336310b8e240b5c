// The sounds the build puts beside the program, and the beeps that play them.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/qt/plateforme_qt.h"

namespace {

// The samples of a 16-bit mono PCM WAV file; empty when the file is not one.
std::vector<qint16> echantillons(const QString& chemin, int& frequence)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray o = f.readAll();
    const auto mot = [&](int i, int octets) {
        return octets == 2 ? qFromLittleEndian<quint16>(o.constData() + i)
                           : qFromLittleEndian<quint32>(o.constData() + i);
    };
    const bool entete = o.size() >= 44 && o.startsWith("RIFF") && mot(4, 4) == quint32(o.size() - 8) &&
                        o.mid(8, 8) == "WAVEfmt " && mot(16, 4) == 16 && mot(20, 2) == 1 &&
                        mot(22, 2) == 1 && mot(34, 2) == 16 && o.mid(36, 4) == "data" &&
                        mot(40, 4) == quint32(o.size() - 44);
    if (!entete) return {};
    frequence = static_cast<int>(mot(24, 4));
    std::vector<qint16> e((o.size() - 44) / 2);
    for (std::size_t i = 0; i < e.size(); ++i)
        e[i] = qFromLittleEndian<qint16>(o.constData() + 44 + 2 * i);
    return e;
}

}  // namespace

// Each is short, clearly heard, neither clipped nor ending on a click, and each is its own.
TEST(Sons, lesSonsDuProgrammeSontDesWavCourtsEtDifferents)
{
    std::vector<std::vector<qint16>> sons;
    for (const char* nom : {"erreur.wav", "juste.wav", "refus.wav"}) {
        SCOPED_TRACE(nom);
        int frequence = 0;
        const std::vector<qint16> e =
            echantillons(QStringLiteral(DOSSIER_PROGRAMME) + QLatin1String(nom), frequence);
        ASSERT_FALSE(e.empty());
        const double secondes = static_cast<double>(e.size()) / frequence;
        EXPECT_GT(secondes, 0.1);
        EXPECT_LT(secondes, 0.6);
        int crete = 0;
        for (qint16 v : e) crete = std::max(crete, std::abs(static_cast<int>(v)));
        EXPECT_GT(crete, 4000);
        EXPECT_LT(crete, 32000);
        EXPECT_LT(std::abs(e.front()) + std::abs(e.back()), 200);
        for (const auto& autre : sons) EXPECT_NE(autre, e);
        sons.push_back(e);
    }
}

TEST(Sons, chaqueBipASonSonEtSansFichierIlSeTait)
{
    PlateformeQt programme(QStringLiteral(DOSSIER_PROGRAMME));
    const LecteurSonQt& juste = programme.sonDuBip(MB_ICONHAND);
    const LecteurSonQt& refus = programme.sonDuBip(MB_ICONQUESTION);
    EXPECT_TRUE(juste.ouvert());
    EXPECT_TRUE(refus.ouvert());
    EXPECT_NE(juste.FileName(), refus.FileName());

    // A folder without the sounds: the beeps play nothing and return at once.
    QTemporaryDir vide;
    ASSERT_TRUE(vide.isValid());
    PlateformeQt ailleurs(vide.path());
    QElapsedTimer chrono;
    chrono.start();
    for (unsigned genre : {MB_ICONHAND, MB_ICONQUESTION}) {
        EXPECT_FALSE(ailleurs.sonDuBip(genre).ouvert());
        ailleurs.bip(genre);
    }
    EXPECT_LT(chrono.elapsed(), 500);
}
