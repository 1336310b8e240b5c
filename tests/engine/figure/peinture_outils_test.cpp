// The instruments as the painter draws them, read from a recording canvas; and the layered paint
// of a drag, which draws the still parts once and then only what moves.

#include <cmath>
#include <map>

#include <gtest/gtest.h>

#include "engine/figure/creation_lignes.h"
#include "engine/figure/creation_points.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/glissement.h"
#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "engine/figure/souris.h"
#include "platform/double/calque_enregistre.h"
#include "surface_de_test.h"
#include "traces_peinture.h"

namespace {

class PeintureOutils : public SurfaceDeTest {
protected:
    PeintureOutils()
    {
        zone.OnPaint.lier(gardeOuverte(), [this] { dessinerFigure(f()); });
    }

    CanevasEnregistre& k() { return zone.canevas(); }
    Toutil& sortir(int t, TgenreOutil genre)
    {
        f().nbOutils = std::max(f().nbOutils, t);
        Toutil& o = f().outils[static_cast<std::size_t>(t)];
        o.genre = genre;
        o.x = o.y = 0;
        return o;
    }
    // Lines drawn, by pen colour.
    std::map<TColor, int> traitsParCouleur()
    {
        std::map<TColor, int> n;
        for (const Appel& a : k().appels(GenreAppel::LineTo)) ++n[a.pen.Color];
        return n;
    }
};

TEST_F(PeintureOutils, chaqueInstrument)
{
    const struct {
        TgenreOutil genre;
        int grisFonce, grisClair, rouges, verts, cercles;
    } cas[] = {
        // Disc and outline, then: the cross (2 red lines), the circle, the second arm.
        {outilRegle, 0, 0, 2, 0, 2},
        {outilEquerre, 0, 0, 2, 3, 2},
        {outilCompas, 0, 0, 2, 0, 3},
        {outilGabarit, 0, 0, 2, 1, 2},
        {outilRegleGraduee, 28, 112, 2, 0, 2},
        {outilEquerreGraduee, 28 + 28, 112 + 110, 2, 3, 2},
        {outilCompasGradue, 28, 112, 2, 0, 3},
        {outilRapporteur, 35, 144, 2, 1, 3},
    };
    for (const auto& c : cas) {
        reinitialiserFigure(f());
        sortir(1, c.genre);
        zone.peindre();
        std::map<TColor, int> n = traitsParCouleur();
        EXPECT_EQ(n[0x808080], c.grisFonce) << int(c.genre);
        EXPECT_EQ(n[0xC0C0C0], c.grisClair) << int(c.genre);
        EXPECT_EQ(n[0x0000FF], c.rouges) << int(c.genre);
        EXPECT_EQ(n[0x008000], c.verts) << int(c.genre);
        EXPECT_EQ(k().nombre(GenreAppel::Ellipse), static_cast<std::size_t>(c.cercles)) << int(c.genre);
    }
}

TEST_F(PeintureOutils, rangeCroixEtBras)
{
    Toutil& o = sortir(1, outilRange);
    zone.peindre();
    EXPECT_EQ(k().nombre(GenreAppel::Ellipse), 0u);
    EXPECT_EQ(k().nombre(GenreAppel::LineTo), 0u);

    // The compass's cross is short; the ruler's runs 14 units each way.
    const auto longueurCroix = [&](TgenreOutil genre) {
        o.genre = genre;
        zone.peindre();
        const Appel a = k().appels(GenreAppel::LineTo).at(0);
        return std::abs(a.arguments[0] - a.position.x);
    };
    EXPECT_EQ(longueurCroix(outilCompas), 24);
    EXPECT_EQ(longueurCroix(outilRegle), 2 * 14 * 29);

    o.genre = outilGabarit;
    o.brasReglable = false;
    zone.peindre();
    EXPECT_EQ(traitsParCouleur()[0x008000], 0);
}

TEST_F(PeintureOutils, chaqueEtapePourTousAvantLaSuivante)
{
    sortir(1, outilRegle);
    Toutil& second = sortir(2, outilRegle);
    second.couleur = 0x123456;
    zone.peindre();
    int disqueSecond = -1, premiereCroix = -1;
    const auto& appels = k().appels();
    for (std::size_t i = 0; i < appels.size(); ++i) {
        if (appels[i].genre == GenreAppel::Ellipse && appels[i].brush.Color == 0x123456 && disqueSecond < 0)
            disqueSecond = static_cast<int>(i);
        if (appels[i].genre == GenreAppel::LineTo && appels[i].pen.Color == 0x0000FF && premiereCroix < 0)
            premiereCroix = static_cast<int>(i);
    }
    EXPECT_GE(disqueSecond, 0);
    EXPECT_LT(disqueSecond, premiereCroix);
}

class PeintureGlissement : public PeintureOutils {
protected:
    PeintureGlissement()
    {
        k().calquesPermis = true;
        zone.OnMouseDown.lier(gardeOuverte(), [this](BoutonSouris, int x, int y) { gererSouris(f(), x, y, 1); });
        zone.OnMouseUp.lier(gardeOuverte(), [this](BoutonSouris, int x, int y) { gererSouris(f(), x, y, 2); });
        zone.OnMouseMove.lier(gardeOuverte(), [this](int x, int y) { gererSouris(f(), x, y, 3); });
    }
};

TEST_F(PeintureGlissement, ensembleMobile)
{
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointMobile(f(), "A", 0, 2, 0);
    creerPointNomme(f(), "B", 0, 0, 2, 0, 0);
    creerSegmentTrait(f(), "O", "B", 0);
    creerMilieu(f(), "I", "O", "A", 0, 0, 0);
    creerPolygone(f(), "p", "O B I", 0);
    creerPointNomme(f(), "C", 0, 0, -2, 0, 0);
    creerTexte(f(), "t", 0, 1, 1);
    Tobjet* lecteur = creerPointNomme(f(), "E", 0, 3, 3, 0, 0);
    lecteur->point->modeEtiquette = 2;
    creerPointNomme(f(), "L1", 0, 0, 0, 0, 0);
    creerMilieu(f(), "L2", "A", "C", 0, 0, 0);
    zone.appuyer(BoutonSouris::gauche, 160 + 58, 145);
    ASSERT_TRUE(f().glissement);
    const Tglissement& g = *f().glissement;
    const bool attendus[] = {false, false, true, false, false, true, true, false, false, true, false, true};
    for (int i = 1; i <= f().nbObjets; ++i)
        EXPECT_EQ(g.mobiles[static_cast<std::size_t>(i)], attendus[i]) << f().objets[i]->nom;
    EXPECT_EQ(g.premierMobile, 6);
    EXPECT_EQ(g.premierPointMobile, 2);
}

TEST_F(PeintureGlissement, seulCeQuiBougeEstRepeintEntreLesCalques)
{
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 0, 2, 0, 0);
    creerSegmentTrait(f(), "O", "B", 0);
    creerBoutonLien(f(), 1013, "Cours", 10, 10, 60);
    creerPointMobile(f(), "A", 0, 2, 0);
    creerSegment(f(), "O", "A", 0x00FF00, 1, 1);
    zone.peindre();
    const TlisteZonesLiens zonesPleines = f().zonesLiens;

    zone.appuyer(BoutonSouris::gauche, 160 + 58, 145);
    for (int pas = 1; pas <= 3; ++pas) {
        zone.deplacer(160 + 58, 145 - 10 * pas);
        zone.peindre();
        const auto draws = k().appels(GenreAppel::Draw);
        ASSERT_EQ(draws.size(), 2u);
        // The moving segment, and no still one; the moving point's label, and no other.
        const auto traits = k().appels(GenreAppel::LineTo);
        ASSERT_EQ(traits.size(), 1u);
        EXPECT_EQ(traits[0].pen.Color, 0x00FF00);
        const auto textes = k().appels(GenreAppel::TextOut);
        ASSERT_EQ(textes.size(), 1u);
        EXPECT_EQ(textes[0].texte, "A");
        EXPECT_EQ(f().zonesLiens.nbZones, zonesPleines.nbZones);
        EXPECT_EQ(f().zonesLiens.zones[1].numero, 1013);
    }
    EXPECT_EQ(k().nbCalquesCrees, 2);
    const auto& dessous = dynamic_cast<const CalqueEnregistre&>(*f().glissement->dessous);
    EXPECT_EQ(dessous.canevas.nombre(GenreAppel::LineTo), 1u);
    const int repeints = zone.nbRepaint;
    zone.relacher(BoutonSouris::gauche, 160 + 58, 115);
    EXPECT_FALSE(f().glissement);
    EXPECT_EQ(zone.nbRepaint, repeints + 1);
    zone.peindre();
    EXPECT_EQ(k().nombre(GenreAppel::Draw), 0u);
    EXPECT_EQ(k().nombre(GenreAppel::LineTo), 2u);
}

TEST_F(PeintureGlissement, instrumentTenuSurLeFond)
{
    creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
    creerPointNomme(f(), "B", 0, 0, 2, 0, 0);
    creerSegmentTrait(f(), "O", "B", 0);
    sortir(1, outilRegle).x = -3;
    zone.appuyer(BoutonSouris::gauche, 160 - 87, 145);
    ASSERT_EQ(f().objetSaisi, -1);
    zone.deplacer(160 - 60, 145);
    zone.peindre();
    EXPECT_EQ(k().nombre(GenreAppel::Draw), 2u);
    EXPECT_EQ(k().nombre(GenreAppel::TextOut), 0u);
    EXPECT_EQ(k().nombre(GenreAppel::Ellipse), 2u);
}

// Whatever the program changes while a point is held shows at the next paint, on layers painted
// again once.
TEST_F(PeintureGlissement, unChangementPendantLeGlissementRepeintLesCalques)
{
    const struct {
        const char* quoi;
        void (*changer)(Tfigure&);
    } cas[] = {
        {"couleur d'un cercle immobile", [](Tfigure& g) { changerCouleur(g, "k", 0x00FF00); }},
        {"couleur d'un point immobile", [](Tfigure& g) { changerCouleur(g, "B", 0xFF0000); }},
        {"texte caché", [](Tfigure& g) { cacherObjet(g, "texte4"); }},
        {"point placé", [](Tfigure& g) { placerPoint(g, "B", -2, 2); }},
        {"point créé", [](Tfigure& g) { creerPointNomme(g, "C", 0, 1, 1, 0, 0); }},
    };
    for (const auto& c : cas) {
        reinitialiserFigure(f());
        creerPointNomme(f(), "O", 0, 0, 0, 0, 0);
        creerPointNomme(f(), "B", 0, 0, 2, 0, 0);
        creerCercle(f(), "k", "O", "B", 0x0000FF, 1, 1);
        creerTexte(f(), "Un texte", 0, 1, 1);
        creerPointMobile(f(), "A", 0, 2, 0);
        creerSegment(f(), "O", "A", 0x00FF00, 1, 1);
        zone.appuyer(BoutonSouris::gauche, 160 + 58, 145);
        zone.deplacer(160 + 58, 135);
        zone.peindre();
        c.changer(f());
        zone.deplacer(160 + 58, 125);
        zone.peindre();
        EXPECT_EQ(k().nombre(GenreAppel::Draw), 2u) << c.quoi;
        const auto parCalques = tracesPeinture(k());
        auto glissement = std::move(f().glissement);
        zone.peindre();
        f().glissement = std::move(glissement);
        EXPECT_EQ(premiereDifference(parCalques, tracesPeinture(k())), "") << c.quoi;
        zone.relacher(BoutonSouris::gauche, 160 + 58, 125);
    }
    // Twice for each of the five drags, no more.
    EXPECT_EQ(k().nbCalquesCrees, 5 * 2 * 2);
}

} // namespace
