#include "platform/plateforme.h"

namespace {

// Answers every call without doing anything: the program runs, draws and checks without a system.
class PlateformeSilencieuse final : public Plateforme {
public:
    void afficherMessage(const std::string&, const std::string&) override {}
    bool demanderOuiNon(const std::string&, const std::string&) override { return false; }
    void bip(unsigned) override {}
    bool positionCurseur(TPoint&) override { return false; }
    void placerCurseur(int, int) override {}
    TRect rectangleBureau() override { return {0, 0, 800, 600}; }
    std::unique_ptr<Image> chargerJpeg(const std::string&) override { return nullptr; }
    bool ouvrirDocument(const std::string&) override { return false; }
    bool lancerCalculatrice() override { return false; }
    std::string repertoireSysteme() override { return {}; }
    std::unique_ptr<FenetreInfo> creerFenetreInfo() override { return nullptr; }
};

PlateformeSilencieuse silencieuse;
Plateforme* installee = &silencieuse;

}  // namespace

Plateforme& plateforme() { return *installee; }

void installerPlateforme(Plateforme* p) { installee = p ? p : &silencieuse; }
