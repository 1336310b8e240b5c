// The sounds the build puts beside the program, and the beeps that play them.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

#include "platform/qt/plateforme_qt.h"

// Each is a 16-bit mono PCM WAV file, short, clearly heard, neither clipped nor ending on a
// click, and each is its own.
TEST(Sons, lesSonsDuProgrammeSontDesWavCourtsEtDifferents)
{
    QList<QByteArray> sons;
    for (const char* nom : {"erreur.wav", "juste.wav", "refus.wav"}) {
        SCOPED_TRACE(nom);
        QFile f(QStringLiteral(DOSSIER_PROGRAMME) + QLatin1String(nom));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray o = f.readAll();
        ASSERT_GT(o.size(), 44);
        const auto mot = [&](int i) { return qFromLittleEndian<qint16>(o.constData() + i); };
        const auto longueur = [&](int i) { return qFromLittleEndian<qint32>(o.constData() + i); };
        EXPECT_EQ(o.left(16), QByteArray("RIFF") + o.mid(4, 4) + "WAVEfmt ");
        EXPECT_EQ(longueur(4), o.size() - 8);
        EXPECT_EQ(QList<qint16>({mot(20), mot(22), mot(34)}), QList<qint16>({1, 1, 16}));
        EXPECT_EQ(o.mid(36, 4), "data");
        EXPECT_EQ(longueur(40), o.size() - 44);
        const double secondes = (o.size() - 44) / 2.0 / longueur(24);
        EXPECT_TRUE(secondes > 0.1 && secondes < 0.6) << secondes;
        int crete = 0;
        for (int i = 44; i < o.size(); i += 2) crete = std::max(crete, std::abs(mot(i)));
        EXPECT_TRUE(crete > 4000 && crete < 32000) << crete;
        EXPECT_LT(std::abs(mot(44)) + std::abs(mot(o.size() - 2)), 200);
        EXPECT_FALSE(sons.contains(o));
        sons << o;
    }
}

TEST(Sons, chaqueBipASonSonEtSansFichierIlSeTait)
{
    PlateformeQt programme(QStringLiteral(DOSSIER_PROGRAMME));
    EXPECT_TRUE(programme.sonDuBip(MB_ICONHAND).ouvert());
    EXPECT_TRUE(programme.sonDuBip(MB_ICONQUESTION).ouvert());
    EXPECT_NE(programme.sonDuBip(MB_ICONHAND).FileName(),
              programme.sonDuBip(MB_ICONQUESTION).FileName());

    // A folder without the sounds: the beeps play nothing and return at once.
    QTemporaryDir vide;
    PlateformeQt ailleurs(vide.path());
    QElapsedTimer chrono;
    chrono.start();
    for (unsigned genre : {MB_ICONHAND, MB_ICONQUESTION}) {
        EXPECT_FALSE(ailleurs.sonDuBip(genre).ouvert());
        ailleurs.bip(genre);
    }
    EXPECT_LT(chrono.elapsed(), 500);
}
