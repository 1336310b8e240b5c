#pragma once
// The system services on Qt: message boxes, beeps, mouse pointer, screen, pictures, documents and
// the desktop's calculator. Needs a QApplication.

#include <QCoreApplication>
#include <QString>

#include "platform/plateforme.h"
#include "platform/qt/lecteur_son_qt.h"

class PlateformeQt final : public Plateforme {
public:
    // The beeps are the sounds "juste.wav" and "refus.wav" of the folder; without them, or without
    // a sound device, they are silent.
    explicit PlateformeQt(const QString& dossier = QCoreApplication::applicationDirPath());

    void afficherMessage(const std::string& texte, const std::string& titre) override;
    bool demanderOuiNon(const std::string& texte, const std::string& titre) override;
    void bip(unsigned genre) override;
    bool positionCurseur(TPoint& point) override;
    void placerCurseur(int x, int y) override;
    TRect rectangleBureau() override;
    std::unique_ptr<Image> chargerJpeg(const std::string& chemin) override;
    bool ouvrirDocument(const std::string& chemin) override;
    bool lancerCalculatrice() override;
    std::string repertoireSysteme() override;
    std::unique_ptr<FenetreInfo> creerFenetreInfo() override;

    // The sound a beep plays: the refusal sound for the question kind, the right-answer sound
    // otherwise.
    LecteurSonQt& sonDuBip(unsigned genre);

private:
    LecteurSonQt sonJuste_, sonRefus_;
};
