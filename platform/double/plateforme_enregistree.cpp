#include "platform/double/plateforme_enregistree.h"

#include "platform/double/fenetre_info_enregistree.h"
#include "platform/double/image_enregistree.h"

void PlateformeEnregistree::enregistrerImage(const std::string& chemin, int largeur, int hauteur)
{
    images_[chemin] = {largeur, hauteur};
}

void PlateformeEnregistree::afficherMessage(const std::string& texte, const std::string& titre)
{
    messages.push_back({texte, titre});
}

bool PlateformeEnregistree::demanderOuiNon(const std::string& texte, const std::string& titre)
{
    questions.push_back({texte, titre});
    return reponseOuiNon;
}

void PlateformeEnregistree::bip(unsigned genre) { bips.push_back(genre); }

bool PlateformeEnregistree::positionCurseur(TPoint& point)
{
    if (!curseurLisible) return false;
    point = curseur;
    return true;
}

void PlateformeEnregistree::placerCurseur(int x, int y) { curseur = {x, y}; }

TRect PlateformeEnregistree::rectangleBureau() { return bureau; }

std::unique_ptr<Image> PlateformeEnregistree::chargerJpeg(const std::string& chemin)
{
    jpegDemandes.push_back(chemin);
    const auto image = images_.find(chemin);
    if (image == images_.end()) return nullptr;
    return std::make_unique<ImageEnregistree>(image->second.largeur, image->second.hauteur);
}

bool PlateformeEnregistree::ouvrirDocument(const std::string& chemin)
{
    documentsOuverts.push_back(chemin);
    return ouvertureReussie;
}

bool PlateformeEnregistree::lancerCalculatrice()
{
    ++lancementsCalculatrice;
    return calculatricePresente;
}

std::string PlateformeEnregistree::repertoireSysteme() { return dossierSysteme; }

std::unique_ptr<FenetreInfo> PlateformeEnregistree::creerFenetreInfo()
{
    ++nbFenetresInfoCreees;
    return std::make_unique<FenetreInfoEnregistree>();
}
