#pragma once
// The system services on Qt: message boxes, beep, mouse pointer, screen, pictures, documents and
// the desktop's calculator. Needs a QApplication.

#include "platform/plateforme.h"

class PlateformeQt final : public Plateforme {
public:
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
};
