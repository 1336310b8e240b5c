#pragma once
// A platform for tests: it keeps every call it gets and answers from values the test sets, so a
// test can say "one message was shown, with this caption" without a window or a desktop.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/plateforme.h"

struct TMessageEnregistre {
    std::string texte;
    std::string titre;
    bool operator==(const TMessageEnregistre&) const = default;
};

class PlateformeEnregistree : public Plateforme {
public:
    // What was asked, in order.
    std::vector<TMessageEnregistre> messages;
    std::vector<TMessageEnregistre> questions;
    std::vector<unsigned> bips;
    std::vector<std::string> jpegDemandes;
    std::vector<std::string> documentsOuverts;
    int lancementsCalculatrice = 0;
    int nbFenetresInfoCreees = 0;

    // What it answers.
    bool reponseOuiNon = false;
    TPoint curseur;
    bool curseurLisible = true;
    TRect bureau{0, 0, 1024, 768};
    bool ouvertureReussie = true;
    bool calculatricePresente = true;
    std::string dossierSysteme = "/usr/bin";

    // chargerJpeg(chemin) then gives a picture of this size; any other path gives none.
    void enregistrerImage(const std::string& chemin, int largeur, int hauteur);

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
    // A FenetreInfoEnregistree.
    std::unique_ptr<FenetreInfo> creerFenetreInfo() override;

private:
    struct TTaille {
        int largeur;
        int hauteur;
    };
    std::map<std::string, TTaille> images_;
};
