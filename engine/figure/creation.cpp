#include "engine/figure/creation.h"

#include "engine/base/nombres.h"
#include "engine/figure/construction.h"
#include "engine/figure/creation_commune.h"

Tobjet* ajouterObjet(Tfigure& figure, const std::string& nom, TgenreObjet genre)
{
    if (figure.nbObjets >= nbObjetsMax) return nullptr;
    // The slot past the last object is empty, and an unknown kind leaves it so.
    std::unique_ptr<Tobjet>& emplacement = figure.objets[figure.nbObjets + 1];
    if (!creerObjet(nom, genre, emplacement)) return nullptr;
    ++figure.nbObjets;
    return objetAModifier(figure, figure.nbObjets);
}

void lierParents(const Tfigure& figure, Tobjet& objet, std::initializer_list<std::string> noms)
{
    std::size_t slot = 0;
    for (const std::string& nom : noms) objet.parents.at(slot++) = indiceObjet(figure, nom);
}

Tobjet* calculerDernier(Tfigure& figure, Tobjet* objet)
{
    if (objet) recalculerObjet(figure, figure.nbObjets);
    return objet;
}

std::vector<std::string> nomsDeLaListe(const std::string& liste)
{
    const std::string texte = liste + ' ';
    std::vector<std::string> noms;
    for (std::size_t debut = 0; debut < texte.size();) {
        const std::size_t blanc = texte.find(' ', debut);
        noms.push_back(texte.substr(debut, blanc - debut));
        debut = blanc + 1;
    }
    return noms;
}

std::string nomAutomatique(const Tfigure& figure, const std::string& prefixe)
{
    return prefixe + reelVersChaine(figure.nbObjets + 1);
}

double colonneEnPixels(const Tfigure& figure, double colonne)
{
    return (colonne + figure.decalageColonnes) * pixelsParColonne;
}

double ligneEnPixels(double ligne)
{
    return ligne * pixelsParLigne;
}
