#include <string>

#include "engine/base/chaines.h"
#include "exercise/ecriture_solution.h"
#include "exercise/verification_nombre.h"

namespace {

constexpr int genreOperationCellules = 2;

// The functions over a range of cells, by genre.
struct TfonctionTableur {
    int genre;
    const char* nom;
};
constexpr TfonctionTableur fonctionsTableur[] = {{1, "SOMME"}, {3, "MAX"}, {4, "MIN"}, {5, "MEDIANE"}};

// "A1": a letter of the column, a digit 1 to 9 of the row.
bool estNomCellule(char colonne, char ligne)
{
    return colonne >= 'A' && colonne <= 'Z' && ligne >= '1' && ligne <= '9';
}

void refuser(TdonneesCommunes& donnees, std::uint8_t& resultat, std::initializer_list<std::string> lignes,
             bool aide)
{
    resultat = resultatNonCompris;
    for (const std::string& ligne : lignes) ecrireLigneSolution(donnees, ligne);
    if (aide) aideNomCellule(donnees);
}

// Five characters around a separator already checked: both cells must be well named (else the
// help on names is given), and then juste judges the formula.
void jugerDeuxCellules(TdonneesCommunes& donnees, std::uint8_t& resultat, const std::string& texte, bool juste)
{
    if (!estNomCellule(texte[0], texte[1]) || !estNomCellule(texte[3], texte[4]))
        refuser(donnees, resultat, {}, true);
    else
        resultat = juste ? resultatJuste : resultatFaux;
}

void verifierFonction(TdonneesCommunes& donnees, const TfonctionTableur& fonction, const std::string& prefixe,
                      const std::string& attendu, std::uint8_t& resultat, std::string texte)
{
    const std::string nom = fonction.nom;
    const std::string ouverture = nom + "(";
    if (texte.compare(0, ouverture.size(), ouverture) != 0) {
        refuser(donnees, resultat, {prefixe + "doit commencer par : \"$g= " + nom + " ($N\""}, false);
        return;
    }
    texte.erase(0, ouverture.size());
    if (texte.empty() || texte.back() != ')') {
        refuser(donnees, resultat, {prefixe + "doit se terminer par  \"$g)$N\""}, false);
        return;
    }
    texte.pop_back();
    if (texte.size() != 5 || texte[2] != ':') {
        refuser(donnees, resultat,
                {"Indiquer pour la fonction " + nom + " le nom de la première cellule",
                 "puis le caractère \"$g:$N\" puis le nom de la dernière cellule."},
                true);
        return;
    }
    jugerDeuxCellules(donnees, resultat, texte, texte == attendu);
}

void verifierOperation(TdonneesCommunes& donnees, const std::string& attendu, std::uint8_t& resultat,
                       const std::string& texte)
{
    static const std::string operateurs = "+-*/";
    if (texte.size() != 5 || operateurs.find(texte[2]) == std::string::npos) {
        refuser(donnees, resultat,
                {"Indiquer le nom d'une cellule, puis un opérateur parmi  $g+  -  $e  /$N  ",
                 "puis le nom de la deuxième cellule."},
                true);
        return;
    }
    // The expected text may list several accepted writings.
    jugerDeuxCellules(donnees, resultat, texte, attendu.find(texte) != std::string::npos);
}

}  // namespace

void aideNomCellule(TdonneesCommunes& donnees)
{
    ecrireLigneSolution(donnees, "Le nom d'une cellule est formé de la lettre indiquant la colonne");
    ecrireLigneSolution(donnees, "suivie du chiffre indiquant la ligne. Exemple : A1");
}

void verifierFormuleTableur(TdonneesCommunes& donnees, int genre, const std::string& prefixe,
                            const std::string& attendu, std::uint8_t& resultat, const std::string& texte)
{
    std::string formule = enMajuscules(sansEspaces(texte));
    if (formule.empty() || formule.front() != '=') {
        refuser(donnees, resultat, {prefixe + "doit commencer par le signe \"$g=$N\""}, false);
        return;
    }
    formule.erase(0, 1);
    if (genre == genreOperationCellules) {
        verifierOperation(donnees, attendu, resultat, formule);
        return;
    }
    for (const TfonctionTableur& fonction : fonctionsTableur)
        if (fonction.genre == genre) verifierFonction(donnees, fonction, prefixe, attendu, resultat, formule);
}
