#include "engine/figure/creation.h"
#include "engine/figure/creation_commune.h"
#include "engine/figure/creation_textes.h"

Tobjet* creerTexte(Tfigure& figure, const std::string& texte, TColor couleur, double colonne,
                   double ligne)
{
    Tobjet* o = ajouterObjet(figure, nomAutomatique(figure, "texte"), genreTexte);
    if (!o) return nullptr;
    Ttexte& t = o->donneesDe<Ttexte>();
    t.texte = texte;
    t.x = colonneEnPixels(figure, colonne);
    t.y = ligneEnPixels(ligne);
    o->couleur = couleur;
    return o;
}

Tobjet* creerLigneTexte(Tfigure& figure, const std::string& texte, double colonne, double ligne)
{
    return creerTexte(figure, texte, 0, colonne, ligne - 0.5);
}

Tobjet* creerLigneTexteMarge(Tfigure& figure, const std::string& texte, double ligne)
{
    return creerLigneTexte(figure, texte, 2, ligne);
}
