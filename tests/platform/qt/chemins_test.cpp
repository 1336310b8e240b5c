#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/lecteur_son_qt.h"
#include "platform/qt/plateforme_qt.h"
#include "platform/qt/unicode.h"

namespace {

// A one-sample sound: enough for the player to find a file.
QByteArray sonMinimal()
{
    QByteArray wav("RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data\x02\0\0\0\0\0", 46);
    return wav;
}

}  // namespace

// A pupil's folder may be named with any character: the sound and the pictures are found in it.
TEST(Chemins, unDossierAuNomAccentueOuHorsDuJeuDeCaracteresEstRetrouve)
{
    QTemporaryDir racine;
    ASSERT_TRUE(racine.isValid());
    for (const QString& nom : {QStringLiteral(u"hélène/Maths 6ᵉ"), QStringLiteral(u"Élève ∑ données")}) {
        const QString dossier = racine.path() + QLatin1Char('/') + nom;
        ASSERT_TRUE(QDir().mkpath(dossier));
        ASSERT_TRUE(QFile::copy(QStringLiteral(DOSSIER_DONNEES "rouge_bleu.jpg"), dossier + "/V05test.jpg"));
        QFile son(dossier + "/erreur.wav");
        ASSERT_TRUE(son.open(QIODevice::WriteOnly));
        son.write(sonMinimal());
        son.close();

        // The folder as the program holds it, then a plain name appended.
        const std::string dossierProgramme = depuisChemin(dossier) + "/";
        EXPECT_EQ(versChemin(dossierProgramme), dossier + "/");
        PlateformeQt systeme;
        EXPECT_NE(systeme.chargerJpeg(dossierProgramme + "V05test.jpg"), nullptr);
        LecteurSonQt lecteur;
        lecteur.setFileName(dossierProgramme + "erreur.wav");
        lecteur.Open();
        EXPECT_TRUE(lecteur.ouvert());
        lecteur.setFileName(dossierProgramme + "absent.wav");
        lecteur.Open();
        EXPECT_FALSE(lecteur.ouvert());
    }
}
