#include "engine/base/chaine_courte.h"
#include "engine/figure/creation.h"
#include "engine/figure/creation_commune.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/dossier_programme.h"
#include "platform/plateforme.h"

Tobjet* creerImage(Tfigure& figure, const std::string& nomFichier, double colonne, double ligne)
{
    Tobjet* o = ajouterObjet(figure, nomAutomatique(figure, "Image"), genreImage);
    if (!o) return nullptr;
    Timage& image = o->donneesDe<Timage>();
    image.x = colonneEnPixels(figure, colonne);
    image.y = ligneEnPixels(ligne);
    image.nomFichier = courte(nomFichier);
    // A picture that cannot be had still takes its place, so later indices do not move.
    std::unique_ptr<Image> chargee = plateforme().chargerJpeg(dossierProgramme + image.nomFichier);
    if (chargee)
        image.image = std::move(chargee);
    else
        o->visible = false;
    return o;
}

Tobjet* creerImageInterne(Tfigure& figure, const Image* image, double colonne, double ligne)
{
    return creerImageInterneNommee(figure, nomAutomatique(figure, "Image_interne"), image,
                                   colonne, ligne);
}

Tobjet* creerImageInterneNommee(Tfigure& figure, const std::string& nom, const Image* image,
                                double colonne, double ligne)
{
    Tobjet* o = ajouterObjet(figure, nom, genreImageInterne);
    if (o) {
        o->donneesDe<TimageInterne>() = {colonneEnPixels(figure, colonne), ligneEnPixels(ligne),
                                         image, 0};
    }
    return o;
}
