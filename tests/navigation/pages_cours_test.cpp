#include "navigation/pages_cours.h"

#include <gtest/gtest.h>

#include "engine/figure/objets_par_nom.h"
#include "engine/figure/peinture.h"
#include "engine/text/textes_numerotes.h"
#include "engine/text/zones_liens.h"
#include "navigation/imagiciels.h"
#include "navigation/suivre_lien.h"
#include "tests/navigation/banc_navigation.h"

namespace {

class PagesCours : public BancNavigation {
protected:
    // What the surface shows: its texts, and its pictures by file name.
    std::vector<std::string> textes() const
    {
        std::vector<std::string> r;
        for (int i = 1; i <= cours->nbObjets; ++i)
            if (cours->objets[i]->genre == genreTexte)
                r.push_back(cours->objets[i]->donneesDe<Ttexte>().texte);
        return r;
    }
    int nbObjetsGenre(TgenreObjet genre) const
    {
        int n = 0;
        for (int i = 1; i <= cours->nbObjets; ++i) n += cours->objets[i]->genre == genre;
        return n;
    }
    void suivre(int code)
    {
        d.codeLien = code;
        suivreLien(d);
    }
};

// A page opened from the menu, then three links followed from page to page; the back button
// walks the same way back and hides itself with the last page of the history.
TEST_F(PagesCours, HistoriqueAllerRetour)
{
    afficherPageCours(d, 1002);
    EXPECT_EQ(classeur.ActivePage(), &pageCours);
    EXPECT_EQ(d.nbPagesHistorique, 0);
    EXPECT_FALSE(retour.Visible());
    for (const int page : {1013, 1049, 1110}) suivre(page);
    EXPECT_EQ(d.pageCours, 1110);
    EXPECT_EQ(d.nbPagesHistorique, 3);
    EXPECT_TRUE(retour.Visible());

    const struct {
        int page;
        int historique;
        bool retourVisible;
    } retours[] = {{1049, 2, true}, {1013, 1, true}, {1002, 0, false}};
    for (const auto& r : retours) {
        pageCoursRetour(d);
        EXPECT_EQ(d.pageCours, r.page);
        EXPECT_EQ(d.nbPagesHistorique, r.historique);
        EXPECT_EQ(retour.Visible(), r.retourVisible) << r.page;
        EXPECT_FALSE(d.retourEnCours);
    }
    pageCoursRetour(d);
    EXPECT_EQ(d.pageCours, 1002);

    // A link to the page shown only brings the course tab to the front.
    classeur.setActivePage(&pageMenu);
    suivre(1002);
    EXPECT_EQ(classeur.ActivePage(), &pageCours);
    EXPECT_EQ(d.nbPagesHistorique, 0);
}

// From another tab, or by the previous and next buttons, the history starts again.
TEST_F(PagesCours, HistoriqueEffacee)
{
    afficherPageCours(d, 1002);
    suivre(1013);
    suivre(1014);
    ASSERT_EQ(d.nbPagesHistorique, 2);
    classeur.setActivePage(&pageMenu);
    afficherPageCours(d, 1024);
    EXPECT_EQ(d.nbPagesHistorique, 0);
    suivre(1025);
    ASSERT_EQ(d.nbPagesHistorique, 1);
    pageCoursSuivante(d);
    EXPECT_EQ(d.nbPagesHistorique, 0);
    EXPECT_FALSE(retour.Visible());
    EXPECT_FALSE(d.navigationVoisine);
}

// The 101st page pushed forgets the oldest one; the 100 newest come back in order.
TEST_F(PagesCours, CentUniemePage)
{
    afficherPageCours(d, 1002);
    for (int i = 0; i < 101; ++i) suivre(i % 2 == 0 ? 1003 : 1004);
    EXPECT_EQ(d.nbPagesHistorique, nbPagesHistoriqueMax);
    // Pages left, oldest first: 1002, 1003, 1004, 1003, ... ; 1002 is gone.
    EXPECT_EQ(d.pilePages[1], 1003);
    EXPECT_EQ(d.pilePages[100], 1004);
    int n = 0;
    while (d.nbPagesHistorique > 0) {
        pageCoursRetour(d);
        ++n;
    }
    EXPECT_EQ(n, 100);
    EXPECT_EQ(d.pageCours, 1003);
}

// Previous and next within the chapters: headings skipped, disabled at the chapter's ends.
TEST_F(PagesCours, PrecedenteSuivante)
{
    const struct {
        int depuis;
        bool suivante;
        int page;
        bool precedentActif;
        bool suivantActif;
    } cas[] = {
        {1002, true, 1003, true, true},    {1005, true, 1007, true, true},
        {1007, false, 1005, true, true},   {1003, false, 1002, false, true},
        {1009, true, 1010, true, false},   {1138, true, 1139, true, false},
        {1136, false, 1134, true, true},   {1013, false, 1010, true, false},
        {1139, true, 1002, false, true},   {1002, false, 1139, true, false},
    };
    for (const auto& c : cas) {
        afficherPageCours(d, c.depuis);
        if (c.suivante)
            pageCoursSuivante(d);
        else
            pageCoursPrecedente(d);
        EXPECT_EQ(d.pageCours, c.page) << c.depuis;
        EXPECT_EQ(precedent.Enabled(), c.precedentActif) << c.depuis;
        EXPECT_EQ(suivant.Enabled(), c.suivantActif) << c.depuis;
    }
}

// The picture of a page from the program's folder; missing, it leaves its message.
TEST_F(PagesCours, ImagesEtMessages)
{
    systeme.enregistrerImage("/cours/V0505S1.jpg", 600, 400);
    systeme.enregistrerImage("/cours/V0505SF4.jpg", 600, 1200);
    afficherPageCours(d, 1046);
    EXPECT_EQ(systeme.jpegDemandes.back(), "/cours/V0505S1.jpg");
    EXPECT_EQ(zoneCours.Height(), 485);
    EXPECT_TRUE(textes().empty());
    const Tobjet* image = objetNomme(*cours, "Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->visible);
    // Column 3 − 5 with the offset 11, half a line down.
    EXPECT_EQ(image->donneesDe<Timage>().x, (3 - 5 + 11) * 8);
    EXPECT_EQ(image->donneesDe<Timage>().y, 9);
    EXPECT_TRUE(pourSexercer.Visible());
    EXPECT_EQ(pourSexercer.Top(), 216);
    EXPECT_EQ(pourSexercer.Left(), 662);
    EXPECT_EQ(d.exercicePourSexercer, 152);
    EXPECT_EQ(chapitreCours.Caption(), texteNumero(6 + 501));

    // A tall picture, shifted one line down: the box grows so that the scroll box scrolls.
    afficherPageCours(d, 1054);
    EXPECT_EQ(zoneCours.Height(), 1200 + 27 + 10);

    afficherPageCours(d, 1047);
    EXPECT_EQ(zoneCours.Height(), 485);
    EXPECT_EQ(textes(), (std::vector<std::string>{std::string(21, ' ') + "Fractions égales",
                                                  "La page de cours V0505S2.jpg est manquante."}));
    afficherPageCours(d, 1045);
    EXPECT_EQ(textes(), (std::vector<std::string>{std::string(21, ' ') + "Le cours",
                                                  std::string(21, ' ') + "Image non disponible"}));
    EXPECT_FALSE(pourSexercer.Visible());
    afficherPageCours(d, 1140);
    EXPECT_EQ(textes().size(), 2u);
}

// Frames and buttons over a picture, created after it even when the picture is missing.
TEST_F(PagesCours, CadresEtBoutonsDeLiens)
{
    const struct {
        int page;
        int cadres;
        int boutons;
    } cas[] = {{1070, 3, 2}, {1111, 10, 0}, {1084, 0, 1}, {1002, 0, 0}};
    for (const auto& c : cas) {
        afficherPageCours(d, c.page);
        int cadres = 0, boutons = 0;
        for (int i = 2; i <= cours->nbObjets; ++i) {
            const Tobjet& o = *cours->objets[i];
            if (o.genre != genreCadre) continue;
            // Frames are link lines (style 8), buttons style 11.
            cadres += o.donneesDe<Tcadre>().style == 8;
            boutons += o.donneesDe<Tcadre>().style == 11;
        }
        EXPECT_EQ(cadres, c.cadres) << c.page;
        EXPECT_EQ(boutons, c.boutons) << c.page;
    }
    afficherPageCours(d, 1070);
    dessinerFigure(*cours);
    EXPECT_EQ(lienSousPoint(cours->zonesLiens, 340, 135), 1057);
    EXPECT_EQ(lienSousPoint(cours->zonesLiens, 620, 440), 1501);
}

// The tree follows the page: its node selected, only its chapter left open.
TEST_F(PagesCours, ArbreSuitLaPage)
{
    for (const int c : noeudsChapitresCours) arbreCours.Expand(c, false);
    afficherPageCours(d, 1079);
    EXPECT_EQ(arbreCours.Selected(), 79);
    for (const int c : noeudsChapitresCours) EXPECT_EQ(arbreCours.Expanded(c), c == 75) << c;
    EXPECT_EQ(d.titrePageCours, "Droites perpendiculaires");
    EXPECT_EQ(d.chapitrePageCours, 9);
}

// Every range of link codes reaches its own action, the calculator's first.
TEST_F(PagesCours, SuivreLienParPlages)
{
    suivre(2764);
    EXPECT_EQ(systeme.lancementsCalculatrice, 1);
    EXPECT_EQ(InfoObj, nullptr);
    suivre(2000);
    EXPECT_TRUE(infoAffichee);
    fermerInfo();
    suivre(1503);
    EXPECT_EQ(d.imagiciel, 1503);
    EXPECT_EQ(classeur.ActivePage(), &pageImagiciel);
    suivre(7);
    EXPECT_EQ(arbreExercices.Selected(), 7);
    EXPECT_EQ(classeur.ActivePage(), &pageMenu);
    EXPECT_TRUE(arbreExercices.Focused());
    suivre(1);
    EXPECT_TRUE(arbreExercices.Expanded(1));
    suivre(1013);
    EXPECT_EQ(d.pageCours, 1013);
    EXPECT_EQ(classeur.ActivePage(), &pageCours);
}

}  // namespace
