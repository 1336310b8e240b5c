#include "engine/figure/objet.h"

#include <algorithm>

#include "engine/base/chaine_courte.h"
#include "engine/figure/cases_damier.h"
#include "engine/figure/image_vide.h"

namespace {

template <class T> TdonneesObjet fabriquer() { return T{}; }

// A picture record is never without a picture: the painter may draw it before any load.
TdonneesObjet fabriquerImage() { return Timage{0, 0, std::make_unique<ImageVide>(), {}}; }

struct TdescriptionGenre {
    TgenreObjet genre;
    TclasseAffichage classe;
    // 0 where the creator sets it.
    int trait;
    int epaisseur;
    bool mobile;
    TdonneesObjet (*donnees)();
};

// Every kind the program creates, with what the factory gives it.
constexpr TdescriptionGenre genres[] = {
    {genrePointLibre, affPoint, 0, 5, true, fabriquer<std::monostate>},
    {genreTexte, affTexte, 11, 11, false, fabriquer<Ttexte>},
    {genreSegment, affSegment, 1, 0, false, fabriquer<Tsegment>},
    {genreDemiDroite, affDemiDroite, 1, 1, false, fabriquer<Tdroite>},
    {genreCercle, affCercle, 1, 1, false, fabriquer<Tcercle>},
    {genreCadre, affCadre, 0, 0, false, fabriquer<Tcadre>},
    {genreOperation, affOperation, 0, 0, false, fabriquer<Toperation>},
    {genreDroite, affDroite, 1, 1, false, fabriquer<Tdroite>},
    {genrePointSurDroite, affPoint, 0, 5, false, fabriquer<TpointSurDroite>},
    {genrePerpendiculaire, affDroite, 1, 1, false, fabriquer<Tdroite>},
    {genreIntersectionDroites, affPoint, 0, 5, false, fabriquer<std::monostate>},
    {genrePointRepere, affPoint, 0, 5, false, fabriquer<TpointRepere>},
    {genreImageRotation, affPoint, 0, 5, false, fabriquer<TimageRotation>},
    {genreReportLongueur, affPoint, 0, 5, false, fabriquer<std::monostate>},
    {genrePolygone, affPolygone, 1, 0, false, fabriquer<Tpolygone>},
    {genreSymetriqueDroite, affPoint, 0, 5, false, fabriquer<std::monostate>},
    {genreImage, affImage, 0, 0, false, fabriquerImage},
    {genrePointCurseur, affPoint, 0, 5, false, fabriquer<TpointCurseur>},
    {genreArcCercle, affArc, 1, 1, false, fabriquer<Tarc>},
    {genreIntersectionCercles, affPoint, 0, 5, false, fabriquer<std::monostate>},
    {genreCoteLongueur, affPoint, 0, 5, false, fabriquer<TcoteLongueur>},
    {genrePointMobileBorne, affPoint, 0, 5, true, fabriquer<TpointMobileBorne>},
    {genreImageInterne, affImageInterne, 0, 0, false, fabriquer<TimageInterne>},
    {genreTableau, affTableau, 0, 0, false, fabriquer<Ttableau>},
    {genreDiagramme, affDiagramme, 0, 0, false, fabriquer<Tdiagramme>},
    {genreMediatrice, affDroite, 1, 1, false, fabriquer<Tdroite>},
    {genreCoteAngle, affPoint, 0, 5, false, fabriquer<TcoteAngle>},
    {genrePointSurArc, affPoint, 0, 5, false, fabriquer<TpointSurArc>},
    {genreIntersectionDroiteCercle, affPoint, 0, 5, false, fabriquer<std::monostate>},
    {genrePave, affPave, 0, 0, false, fabriquer<Tpave>},
    {genreCentreCercleInscrit, affPoint, 0, 5, false, fabriquer<std::monostate>},
    {genreImageRotationHomothetie, affPoint, 0, 5, false, fabriquer<TimageRotationHomothetie>},
    {genreImageSimilitude, affPoint, 0, 5, false, fabriquer<std::monostate>},
    {genrePointGradue, affPoint, 0, 5, false, fabriquer<TpointGradue>},
    {genreParallele, affDroite, 1, 1, false, fabriquer<Tdroite>},
    {genreDamier, affDamier, 0, 0, false, fabriquer<Tdamier>},
};

const TdescriptionGenre* description(TgenreObjet genre)
{
    const auto trouve =
        std::find_if(std::begin(genres), std::end(genres),
                     [genre](const TdescriptionGenre& d) { return d.genre == genre; });
    return trouve == std::end(genres) ? nullptr : trouve;
}

} // namespace

bool creerObjet(const std::string& nom, TgenreObjet genre, std::unique_ptr<Tobjet>& objet)
{
    const TdescriptionGenre* d = description(genre);
    if (!d) return false;
    libererObjet(objet);
    objet = std::make_unique<Tobjet>();
    objet->genre = genre;
    objet->nom = courte(nom, longueurNom);
    objet->donnees = d->donnees();
    initialiserObjet(*objet);
    return true;
}

void initialiserObjet(Tobjet& objet)
{
    const TdescriptionGenre* d = description(objet.genre);
    if (!d) return;
    objet.verrouille = false;
    objet.indefini = false;
    objet.aPeindre = true;
    objet.classe = d->classe;
    objet.trait = d->trait;
    objet.epaisseur = d->epaisseur;
    objet.mobile = d->mobile;
    if (objet.classe == affPoint) {
        Tpoint& p = objet.point ? *objet.point : objet.point.emplace();
        p.etiquette = objet.nom;
        p.decalageEtiquetteX = 0;
        p.decalageEtiquetteY = 0;
        p.tailleEtiquette = 11;
        p.modeEtiquette = 0;
    }
    if (objet.genre == genreDamier) initialiserDamier(objet.donneesDe<Tdamier>());
    objet.visible = true;
    objet.couleur = 0;
    objet.remplissage = 0;
}

void libererObjet(std::unique_ptr<Tobjet>& objet)
{
    objet.reset();
}
