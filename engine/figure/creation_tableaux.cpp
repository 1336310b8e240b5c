#include "engine/figure/creation_tableaux.h"

#include <algorithm>
#include <utility>

#include "engine/base/nombres.h"
#include "engine/figure/creation.h"
#include "engine/figure/creation_commune.h"

namespace {

constexpr double largeurEntetes = 3.5;
constexpr double hauteurEntetes = 1.5;
constexpr double largeurCaractere = 0.43;
constexpr double poussePourBlanc = 0.7;
constexpr std::size_t caracteresComptesMax = 120;

// The item before the first separator, which is removed with it; the last item takes the rest.
// Once the separators run out, the items before the last are empty and the rest waits for it.
std::string prendreItem(std::string& reste, char separateur, bool dernier)
{
    if (dernier) return std::exchange(reste, std::string());
    const std::size_t fin = reste.find(separateur);
    if (fin == std::string::npos) return {};
    std::string item = reste.substr(0, fin);
    reste.erase(0, fin + 1);
    return item;
}

Ttableau* tableauNomme(Tfigure& figure, const std::string& nom)
{
    Tobjet* o = objetNommeAModifier(figure, nom);
    return o ? std::get_if<Ttableau>(&o->donnees) : nullptr;
}

std::string uniforme(double taille, int nombre)
{
    std::string texte;
    for (int i = 0; i < nombre; ++i) texte += (i ? ";" : "") + reelVersChaine(taille);
    return texte;
}

} // namespace

Tobjet* creerTableau(Tfigure& figure, const std::string& nom, int rangees, double colonne,
                     double ligne, int colonnes, const std::string& largeurs,
                     const std::string& hauteurs, TColor couleur, bool entetes)
{
    Tobjet* o = ajouterObjet(figure, nom, genreTableau);
    if (!o) return nullptr;
    Ttableau& t = o->donneesDe<Ttableau>();
    o->couleur = couleur;
    t.entetes = entetes;
    t.nbRangees = std::clamp(rangees, 0, rangeesTableauMax);
    t.nbColonnes = std::clamp(colonnes, 0, colonnesTableauMax);
    t.gauche = colonne + figure.decalageColonnes + (entetes ? largeurEntetes : 0);
    t.haut = ligne + (entetes ? hauteurEntetes : 0);
    for (auto& rangee : t.cases)
        for (TcaseTableau& c : rangee) c = TcaseTableau{0, 0, 0.5, 0.5, 0, {}};
    t.bas = t.haut;
    std::string reste = hauteurs;
    for (int i = 1; i <= t.nbRangees; ++i) {
        const std::string item = prendreItem(reste, ';', i == t.nbRangees);
        for (TcaseTableau& c : t.cases[static_cast<std::size_t>(i)]) c.y = t.bas;
        t.hauteurs[static_cast<std::size_t>(i)] = entetes ? hauteurEntetes : chaineVersReel(item);
        t.bas += t.hauteurs[static_cast<std::size_t>(i)];
    }
    t.droite = t.gauche;
    reste = largeurs;
    for (int j = 1; j <= t.nbColonnes; ++j) {
        const std::string item = prendreItem(reste, ';', j == t.nbColonnes);
        for (auto& rangee : t.cases) rangee[static_cast<std::size_t>(j)].x = t.droite;
        t.largeurs[static_cast<std::size_t>(j)] = chaineVersReel(item);
        t.droite += t.largeurs[static_cast<std::size_t>(j)];
    }
    return o;
}

Tobjet* creerTableauUniforme(Tfigure& figure, const std::string& nom, int rangees, double colonne,
                             double ligne, int colonnes, double largeur, double hauteur)
{
    return creerTableau(figure, nom, rangees, colonne, ligne, colonnes,
                        uniforme(largeur, colonnes), uniforme(hauteur, rangees), 0, false);
}

void remplirCaseTableau(Tfigure& figure, const std::string& nom, int rangee, int colonne,
                        const std::string& texte, TColor couleur)
{
    Ttableau* t = tableauNomme(figure, nom);
    if (!t || rangee < 1 || rangee > t->nbRangees || colonne < 1 || colonne > t->nbColonnes)
        return;
    const auto i = static_cast<std::size_t>(rangee), j = static_cast<std::size_t>(colonne);
    TcaseTableau& c = t->cases[i][j];
    c.texte = texte.substr(0, longueurCaseTableau);
    c.couleur = couleur;
    const double x1 = colonne < t->nbColonnes ? t->cases[i][j + 1].x : t->droite;
    const double y1 = rangee < t->nbRangees ? t->cases[i + 1][j].y : t->bas;
    c.decalageY = (y1 - c.y) / 2 - 0.5;
    const auto comptes = static_cast<double>(std::min(texte.size(), caracteresComptesMax));
    c.decalageX = (x1 - c.x) / 2 - largeurCaractere * comptes;
    while (!c.texte.empty() && c.texte.front() == ' ') {
        c.decalageX += poussePourBlanc;
        c.texte.erase(0, 1);
    }
}

void completerTableau(Tfigure& figure, const std::string& nom, const std::string& texte)
{
    const Ttableau* t = tableauNomme(figure, nom);
    if (!t) return;
    const int rangees = t->nbRangees, colonnes = t->nbColonnes;
    std::string reste = texte;
    for (int i = 1; i <= rangees; ++i)
        for (int j = 1; j <= colonnes; ++j)
            remplirCaseTableau(figure, nom, i, j,
                               prendreItem(reste, '\\', i == rangees && j == colonnes), 0);
}
