#include "engine/figure/objet.h"

#include <gtest/gtest.h>

#include "engine/figure/creation.h"
#include "surface_de_test.h"

namespace {

TEST(Objet, chaqueGenreRecoitSaClasseEtSesValeursParDefaut)
{
    struct {
        TgenreObjet genre;
        TclasseAffichage classe;
        int trait, epaisseur;
        bool mobile;
    } const cas[] = {
        {genrePointLibre, affPoint, 0, 5, true},
        {genreTexte, affTexte, 11, 11, false},
        {genreSegment, affSegment, 1, 0, false},
        {genreDemiDroite, affDemiDroite, 1, 1, false},
        {genreCercle, affCercle, 1, 1, false},
        {genreCadre, affCadre, 0, 0, false},
        {genreOperation, affOperation, 0, 0, false},
        {genreDroite, affDroite, 1, 1, false},
        {genrePointSurDroite, affPoint, 0, 5, false},
        {genrePerpendiculaire, affDroite, 1, 1, false},
        {genreIntersectionDroites, affPoint, 0, 5, false},
        {genrePointRepere, affPoint, 0, 5, false},
        {genreImageRotation, affPoint, 0, 5, false},
        {genreReportLongueur, affPoint, 0, 5, false},
        {genrePolygone, affPolygone, 1, 0, false},
        {genreSymetriqueDroite, affPoint, 0, 5, false},
        {genreImage, affImage, 0, 0, false},
        {genrePointCurseur, affPoint, 0, 5, false},
        {genreArcCercle, affArc, 1, 1, false},
        {genreIntersectionCercles, affPoint, 0, 5, false},
        {genreCoteLongueur, affPoint, 0, 5, false},
        {genrePointMobileBorne, affPoint, 0, 5, true},
        {genreImageInterne, affImageInterne, 0, 0, false},
        {genreTableau, affTableau, 0, 0, false},
        {genreDiagramme, affDiagramme, 0, 0, false},
        {genreMediatrice, affDroite, 1, 1, false},
        {genreCoteAngle, affPoint, 0, 5, false},
        {genrePointSurArc, affPoint, 0, 5, false},
        {genreIntersectionDroiteCercle, affPoint, 0, 5, false},
        {genrePave, affPave, 0, 0, false},
        {genreCentreCercleInscrit, affPoint, 0, 5, false},
        {genreImageRotationHomothetie, affPoint, 0, 5, false},
        {genreImageSimilitude, affPoint, 0, 5, false},
        {genrePointGradue, affPoint, 0, 5, false},
        {genreParallele, affDroite, 1, 1, false},
        {genreDamier, affDamier, 0, 0, false},
    };
    for (const auto& c : cas) {
        std::unique_ptr<Tobjet> o;
        ASSERT_TRUE(creerObjet("M", c.genre, o)) << c.genre;
        EXPECT_EQ(o->genre, c.genre);
        EXPECT_EQ(o->classe, c.classe) << c.genre;
        EXPECT_EQ(o->trait, c.trait) << c.genre;
        EXPECT_EQ(o->epaisseur, c.epaisseur) << c.genre;
        EXPECT_EQ(o->mobile, c.mobile) << c.genre;
        EXPECT_FALSE(o->verrouille || o->indefini);
        EXPECT_TRUE(o->aPeindre && o->visible);
        EXPECT_EQ(o->couleur, 0);
        EXPECT_EQ(o->remplissage, 0);
        // Points, and only points, carry a position and a label, their name.
        ASSERT_EQ(o->point.has_value(), c.classe == affPoint) << c.genre;
        if (o->point) {
            EXPECT_EQ(o->point->etiquette, "M");
            EXPECT_EQ(o->point->tailleEtiquette, 11);
            EXPECT_EQ(o->point->modeEtiquette, 0);
            EXPECT_EQ(o->point->decalageEtiquetteX, 0);
        }
    }
}

TEST(Objet, unGenreQueLeProgrammeNeCreePasEstRefuse)
{
    for (unsigned genre : {0u, 2u, 24u, 26u, 29u, 37u, 42u, 47u, 255u, 4000000000u}) {
        std::unique_ptr<Tobjet> o;
        ASSERT_TRUE(creerObjet("ancien", genrePointLibre, o));
        const Tobjet* ancien = o.get();
        EXPECT_FALSE(creerObjet("M", static_cast<TgenreObjet>(genre), o)) << genre;
        EXPECT_EQ(o.get(), ancien);
        EXPECT_EQ(o->nom, "ancien");
    }
}

TEST_F(SurfaceDeTest, unGenreInconnuNAjouteRien)
{
    EXPECT_EQ(ajouterObjet(f(), "M", static_cast<TgenreObjet>(24)), nullptr);
    EXPECT_EQ(f().nbObjets, 0);
    EXPECT_NE(ajouterObjet(f(), "M", genreDamier), nullptr);
    EXPECT_EQ(f().nbObjets, 1);
}

TEST(Objet, leNomGardeVingtCaracteres)
{
    std::unique_ptr<Tobjet> o;
    creerObjet("ABCDEFGHIJKLMNOPQRSTUVWXYZ", genrePointLibre, o);
    EXPECT_EQ(o->nom, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(o->point->etiquette, "ABCDEFGHIJKLMNOPQRST");
    // "é" is one character.
    creerObjet("ééééééééééééééééééééé", genreCercle, o);
    EXPECT_EQ(o->nom.size(), 20u);
}

TEST_F(SurfaceDeTest, unNomCoupeNeSeRetrouvePasParLeNomEntier)
{
    ajouterObjet(f(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ", genrePointLibre);
    EXPECT_EQ(indiceObjet(f(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 0);
    EXPECT_EQ(indiceObjet(f(), "ABCDEFGHIJKLMNOPQRST"), 1);
}

TEST(Objet, initialiserRendLesValeursDuGenre)
{
    std::unique_ptr<Tobjet> o;
    creerObjet("P", genrePointMobileBorne, o);
    o->mobile = false;
    o->verrouille = true;
    o->indefini = true;
    o->aPeindre = false;
    o->visible = false;
    o->couleur = 0xFF0000;
    o->remplissage = 3;
    o->epaisseur = 1;
    o->point->etiquette = "autre";
    o->point->decalageEtiquetteY = 2;
    o->point->tailleEtiquette = 20;
    o->point->modeEtiquette = 1;
    o->point->x = 4;
    initialiserObjet(*o);
    EXPECT_TRUE(o->mobile);
    EXPECT_FALSE(o->verrouille || o->indefini);
    EXPECT_TRUE(o->aPeindre && o->visible);
    EXPECT_EQ(o->couleur, 0);
    EXPECT_EQ(o->remplissage, 0);
    EXPECT_EQ(o->epaisseur, 5);
    EXPECT_EQ(o->point->etiquette, "P");
    EXPECT_EQ(o->point->decalageEtiquetteY, 0);
    EXPECT_EQ(o->point->tailleEtiquette, 11);
    EXPECT_EQ(o->point->modeEtiquette, 0);
    // The position is the creator's business.
    EXPECT_EQ(o->point->x, 4);
}

TEST(Objet, uneImageNaitAvecUneImageVideEtLaLibereAvecElle)
{
    std::unique_ptr<Tobjet> o;
    creerObjet("I", genreImage, o);
    const Timage& image = o->donneesDe<Timage>();
    ASSERT_NE(image.image, nullptr);
    EXPECT_EQ(image.image->Width(), 0);
    EXPECT_EQ(image.image->Height(), 0);
    libererObjet(o);
    EXPECT_EQ(o, nullptr);
    libererObjet(o);
    EXPECT_EQ(o, nullptr);
}

TEST(Objet, unTexteNaitVideEtAffiche)
{
    std::unique_ptr<Tobjet> o;
    creerObjet("t", genreTexte, o);
    const Ttexte& t = o->donneesDe<Ttexte>();
    EXPECT_EQ(t.texte, "");
    EXPECT_TRUE(t.affiche);
    EXPECT_FALSE(t.formule);
}

} // namespace
