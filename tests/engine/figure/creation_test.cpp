#include <string>

#include <gtest/gtest.h>

#include "engine/figure/creation.h"
#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/dossier_programme.h"
#include "engine/figure/objets_par_nom.h"
#include "platform/double/image_enregistree.h"
#include "platform/double/plateforme_enregistree.h"
#include "surface_de_test.h"

namespace {

class Creation : public SurfaceDeTest {
protected:
    Creation() { installerPlateforme(&systeme); }
    ~Creation() override
    {
        installerPlateforme(nullptr);
        dossierProgramme.clear();
    }

    PlateformeEnregistree systeme;
};

TEST_F(Creation, nomsAutomatiquesEtNomsConstruits)
{
    for (int i = 1; i <= 10; ++i) creerPointNomme(f(), "P" + std::to_string(i), 0, i, 0, 0, 0);
    creerPointNomme(f(), "A0", 0, 0, 1, 0, 0);
    struct {
        const Tobjet* objet;
        const char* nom;
    } const cas[] = {
        {creerTexte(f(), "x", 0, 0, 0), "texte12"},
        {creerCadre(f(), 1, 0, 0, 1, 1), "cadreSt13"},
        {creerZoneLien(f(), 0, 0, 8, 1013), "cadreSt14"},
        {creerDivisionPosee(f(), "7", "2", 0, 0, 0), "opération15"},
        {creerImage(f(), "absente.jpg", 0, 0), "Image16"},
        {creerImageInterne(f(), nullptr, 0, 0), "Image_interne17"},
        {creerImageInterneNommee(f(), "logo", nullptr, 0, 0), "logo"},
        {creerSegmentTrait(f(), "P1", "P2", 0), "[P1P2]"},
        {creerDroite(f(), "A0", "P3", 0, 1, 1), "(A0P3)"},
        {creerDemiDroite(f(), "P1", "P2", 0, 1, 1), "[P1P2)"},
        {creerSegmentPointille(f(), "P10", "P2", 0), "[P10P2]"},
    };
    for (const auto& c : cas) {
        ASSERT_NE(c.objet, nullptr) << c.nom;
        EXPECT_EQ(c.objet->nom, c.nom);
    }
    EXPECT_EQ(objetNomme(f(), "[P10P2]")->trait, 3);
    EXPECT_EQ(objetNomme(f(), "[P1P2]")->epaisseur, 1);
}

TEST_F(Creation, unSegmentJointLePremierDeDeuxPointsDeMemeNom)
{
    creerPointNomme(f(), "A", 0, 1, 0, 0, 0);
    creerPointNomme(f(), "A", 0, 5, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 0, 2, 0, 0);
    const Tobjet* s = creerSegment(f(), "A", "B", 0xFF, 2, 3);
    EXPECT_EQ(f().nbObjets, 4);
    EXPECT_EQ(s->parents[0], 1);
    EXPECT_EQ(s->donneesDe<Tsegment>().xA, 1);
    EXPECT_EQ(s->couleur, 0xFF);
    EXPECT_EQ(s->trait, 2);
    EXPECT_EQ(s->epaisseur, 3);
}

TEST_F(Creation, pointsLibres)
{
    struct {
        const Tobjet* p;
        const char* etiquette;
        int taille;
        bool mobile;
        double dx;
    } const cas[] = {
        {creerPoint(f(), "P", "étiquette", 1, 2, 0.5, -1, 0xFF, 3), "étiquette", 3, false, 0.5},
        {creerPointNomme(f(), "N", 0xFF, 1, 2, 0.5, -1), "N", 5, false, 0.5},
        {creerPointMobile(f(), "M", 0xFF, 1, 2), "M", 5, true, 0},
        {creerPointSansNom(f(), "S", 0xFF, 1, 2), "", 5, false, 0},
        {creerPointDiscret(f(), "D", 0xFF, 1, 2, 0.5, -1), "D", 1, false, 0.5},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(c.p->genre, genrePointLibre);
        EXPECT_EQ(c.p->point->etiquette, c.etiquette);
        EXPECT_EQ(c.p->epaisseur, c.taille);
        EXPECT_EQ(c.p->mobile, c.mobile) << c.etiquette;
        EXPECT_EQ(c.p->point->decalageEtiquetteX, c.dx);
        EXPECT_EQ(c.p->couleur, 0xFF);
        EXPECT_EQ(c.p->point->x, 1);
        EXPECT_EQ(c.p->point->y, 2);
    }
}

TEST_F(Creation, pointsBornesEtContraints)
{
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "E", 0, 5, 0, 0, 0);
    creerPointNomme(f(), "U", 0, 1, 0, 0, 0);
    // Shown where given, even outside its bounds, until first dragged.
    const Tobjet* borne = creerPointMobileBorne(f(), "B", 0xFF, 9, -9, 0, 5, 1, -2, 2, 0.5, 1, 1);
    EXPECT_TRUE(borne->mobile);
    EXPECT_EQ(borne->point->x, 9);
    EXPECT_EQ(borne->point->y, -9);
    const TpointMobileBorne& b = borne->donneesDe<TpointMobileBorne>();
    EXPECT_EQ(b.xMax, 5);
    EXPECT_EQ(b.pasY, 0.5);
    const Tobjet* curseur = creerPointCurseur(f(), "C", 0, 3, 1, 0, 10, 3, 0, 0);
    EXPECT_TRUE(curseur->mobile);
    EXPECT_EQ(curseur->donneesDe<TpointCurseur>().pas, 3);
    EXPECT_TRUE(creerPointGradue(f(), "G", "O", "E", "U", 1, 0, 0, 0)->mobile);
    EXPECT_TRUE(creerPointSurArc(f(), "A", "O", "U", 0, 90, 5, 0, 0, 0, 0)->mobile);
    const Tobjet* milieu = creerMilieu(f(), "I", "O", "E", 1.5, 2, 0xFF00);
    EXPECT_FALSE(milieu->mobile);
    EXPECT_EQ(milieu->epaisseur, 5);
    EXPECT_EQ(milieu->couleur, 0xFF00);
    EXPECT_EQ(milieu->point->decalageEtiquetteY, 2);
    EXPECT_EQ(milieu->point->etiquette, "I");
}

TEST_F(Creation, textesPlacesEnColonnesEtLignes)
{
    f().decalageColonnes = 1.5;
    struct {
        const Tobjet* o;
        TColor couleur;
        double x, y;
    } const cas[] = {
        {creerTexte(f(), "a", 0xFF, 3, 2), 0xFF, 36, 36},
        {creerLigneTexte(f(), "b", 3, 2), 0, 36, 27},
        {creerLigneTexteMarge(f(), "c", 1), 0, 28, 9},
    };
    for (const auto& c : cas) {
        const Ttexte& t = c.o->donneesDe<Ttexte>();
        EXPECT_EQ(c.o->couleur, c.couleur);
        EXPECT_EQ(t.x, c.x);
        EXPECT_EQ(t.y, c.y);
    }
    EXPECT_EQ(objetNomme(f(), "texte1")->donneesDe<Ttexte>().texte, "a");
}

TEST_F(Creation, cadresEtLiens)
{
    f().decalageColonnes = 0.3;
    struct {
        const Tobjet* o;
        int style;
        double x, y, largeur, hauteur;
        int code;
    } const cas[] = {
        {creerCadre(f(), 3, 2, 1, 10, 2), 3, 18.4, 18, 80, 36, 0},
        {creerCadreAction(f(), 5, 20, 1), 10, 2.4, 90, 160, 18, 0},
        {creerCadreEnonce(f(), 40, 3), 6, 10.4, 3.6, 320, 54, 0},
        // Exactly at the pixel given, whatever the column offset.
        {creerBoutonLien(f(), 1013, "Cours", 101, 37, 90), 11, 101, 37, 90, 23, 1013},
        {creerZoneLien(f(), 13, 40, 56, 2763), 8, 13, 40, 56, 18, 2763},
    };
    for (const auto& c : cas) {
        const Tcadre& t = c.o->donneesDe<Tcadre>();
        EXPECT_EQ(t.style, c.style);
        EXPECT_DOUBLE_EQ(t.x, c.x) << c.style;
        EXPECT_DOUBLE_EQ(t.y, c.y) << c.style;
        EXPECT_DOUBLE_EQ(t.largeur, c.largeur) << c.style;
        EXPECT_DOUBLE_EQ(t.hauteur, c.hauteur) << c.style;
        EXPECT_EQ(t.codeLien, c.code);
    }
    EXPECT_EQ(objetNomme(f(), "cadreSt4")->donneesDe<Tcadre>().titre, "Cours");
}

TEST_F(Creation, operationsPosees)
{
    struct {
        const Tobjet* o;
        int operation;
        const char* operande1;
        const char* operande2;
        int decimales;
        bool detaillee;
    } const cas[] = {
        {creerDivisionPosee(f(), "125", "4", 2, 1, 1), operationDivision, "125", "4", 2, false},
        {creerDivisionPoseeDetaillee(f(), "7", "3", 1, 1, 1), operationDivision, "7", "3", 1, true},
        {creerAdditionPosee(f(), "12,5+3+0,75", 1, 1), operationAddition, "12,5+3+0,75", "", 0, false},
        {creerSoustractionPosee(f(), "40-2,5", 1, 1), operationSoustraction, "40-2,5", "", 0, false},
        {creerMultiplicationPosee(f(), "2,5", "12", 1, 1), operationMultiplication, "2,5", "12", 0, false},
    };
    for (const auto& c : cas) {
        const Toperation& o = c.o->donneesDe<Toperation>();
        EXPECT_EQ(o.operation, c.operation);
        EXPECT_EQ(o.operande1, c.operande1);
        EXPECT_EQ(o.operande2, c.operande2);
        EXPECT_EQ(o.decimales, c.decimales);
        EXPECT_EQ(o.detaillee, c.detaillee);
        EXPECT_EQ(o.x, 8);
        EXPECT_EQ(o.y, 18);
    }
    EXPECT_EQ(creerAdditionPosee(f(), std::string(200, '1'), 0, 0)->donneesDe<Toperation>().operande1.size(), 120u);
}

TEST_F(Creation, imagesChargeesOuAbsentes)
{
    dossierProgramme = "/programme/";
    systeme.enregistrerImage("/programme/carte.jpg", 120, 80);
    const Tobjet* presente = creerImage(f(), "carte.jpg", 2, 1);
    const Tobjet* absente = creerImage(f(), "absente.jpg", 2, 1);
    const Tobjet* suivant = creerTexte(f(), "après", 0, 0, 0);
    EXPECT_EQ(systeme.jpegDemandes,
              (std::vector<std::string>{"/programme/carte.jpg", "/programme/absente.jpg"}));
    EXPECT_TRUE(presente->visible);
    EXPECT_EQ(presente->donneesDe<Timage>().image->Width(), 120);
    EXPECT_EQ(presente->donneesDe<Timage>().x, 16);
    EXPECT_EQ(presente->donneesDe<Timage>().y, 18);
    EXPECT_EQ(presente->donneesDe<Timage>().nomFichier, "carte.jpg");
    // The missing picture keeps its place and an empty picture.
    EXPECT_FALSE(absente->visible);
    ASSERT_NE(absente->donneesDe<Timage>().image, nullptr);
    EXPECT_EQ(absente->donneesDe<Timage>().image->Width(), 0);
    EXPECT_EQ(suivant->nom, "texte3");

    const ImageEnregistree fenetre(30, 40);
    const TimageInterne& interne = creerImageInterne(f(), &fenetre, 1, 2)->donneesDe<TimageInterne>();
    EXPECT_EQ(interne.image, &fenetre);
    EXPECT_EQ(interne.codeLien, 0);
    EXPECT_EQ(interne.y, 36);
}

TEST_F(Creation, polygonesParListeDeNoms)
{
    for (const char* n : {"A", "B", "C", "D"}) creerPointNomme(f(), n, 0, n[0] - 'A', n[0] % 2, 0, 0);
    struct {
        const char* sommets;
        int nb;
        bool indefini;
    } const cas[] = {
        {"A B C", 3, false},
        {"D C B A", 4, false},
        {"A  B", 3, true},  // an empty name between the two blanks
        {"A B ", 3, true},
        {"", 1, true},
        {"A", 1, false},
    };
    for (const auto& c : cas) {
        const Tobjet* p = creerPolygone(f(), "P", c.sommets, 0xFF);
        const Tpolygone& poly = p->donneesDe<Tpolygone>();
        EXPECT_EQ(poly.nbSommets, c.nb) << c.sommets;
        EXPECT_EQ(p->indefini, c.indefini) << c.sommets;
        EXPECT_FALSE(poly.ouvert);
        EXPECT_EQ(p->trait, 1);
        EXPECT_EQ(p->epaisseur, 1);
        EXPECT_EQ(p->couleur, 0xFF);
    }
    const Tpolygone& abc = objetNomme(f(), "P")->donneesDe<Tpolygone>();
    EXPECT_EQ(abc.sommets[1], 1);
    EXPECT_EQ(abc.sommets[3], 3);
    EXPECT_EQ(abc.x[4], abc.x[1]);
    EXPECT_TRUE(creerPolygoneBorde(f(), "L", "A B C", 0)->donneesDe<Tpolygone>().ouvert);
    std::string beaucoup;
    for (int i = 0; i < 50; ++i) beaucoup += "A B ";
    const Tobjet* grand = creerPolygone(f(), "G", beaucoup, 0);
    EXPECT_EQ(grand->donneesDe<Tpolygone>().nbSommets, nbSommetsMax);
    EXPECT_FALSE(grand->indefini);
}

TEST_F(Creation, pointsAimantes)
{
    for (const char* n : {"A", "B", "C"}) creerPointNomme(f(), n, 0, 0, 0, 0, 0);
    struct {
        const char* noms;
        int nb;
        int premier;
    } const cas[] = {
        {"A B X", 2, 1},
        {"X C", 1, 3},
        {"", 0, 0},
        {"A B C A B C A B C A B C", 10, 1},
        {"  B", 1, 2},
    };
    for (const auto& c : cas) {
        fixerPointsAimantes(f(), c.noms);
        EXPECT_EQ(f().nbPointsAimantes, c.nb) << c.noms;
        if (c.nb) {
            EXPECT_EQ(f().pointsAimantes[1], c.premier) << c.noms;
        }
    }
    EXPECT_EQ(f().nbObjets, 3);
}

} // namespace
