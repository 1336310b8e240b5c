#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/figure/dossier_programme.h"
#include "engine/figure/objets_par_nom.h"
#include "exercise/horloge.h"
#include "navigation/info.h"
#include "platform/double/fenetre_info_enregistree.h"
#include "tests/navigation/fenetre_de_test.h"

namespace {

bool visible(const Tfigure& figure, const std::string& nom)
{
    const Tobjet* o = objetNomme(figure, nom);
    return o && o->visible;
}

}  // namespace

TEST(FenetrePrincipale, demarreSurLAccueilAvecSesSurfacesEtSesBoutonsCaches)
{
    FenetreDeTest t;
    EXPECT_EQ(t.fenetre.Caption(), "Vastrelle 6e 2005");
    EXPECT_EQ(t.fenetre.Width(), 800);
    EXPECT_EQ(t.fenetre.Height(), 600);
    EXPECT_TRUE(t.BoiteAccueil.Visible());
    EXPECT_FALSE(t.PageControle.Visible());
    EXPECT_EQ(t.PageControle.ActivePage(), &t.PageMenu);

    const std::pair<Tfigure*, ZoneDessin*> surfaces[] = {
        {t.d.surfaceFigureEnonce, &t.zoneFigureEnonce}, {t.d.surfaceFigureSolution, &t.zones[0]},
        {t.d.surfaceEnonce, &t.zoneTexteEnonce},       {t.d.surfaceSolution, &t.zones[1]},
        {t.d.surfaceCours, &t.ZoneTexteCours},         {t.d.surfaceImagiciel, &t.zones[2]},
        {t.d.surfaceFigureImagiciel, &t.zones[3]},     {t.d.surfaceAccueil, &t.ZoneFigureAccueil}};
    for (const auto& [surface, zone] : surfaces) {
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(surface->controle, zone);
    }

    for (Controle* cache : {t.c.BoutonValider, t.c.BoutonSolution, t.c.BoutonSuite, t.c.BoutonRetour})
        EXPECT_FALSE(cache->Visible());
    EXPECT_FALSE(t.c.BoutonBilan->Enabled());
    EXPECT_EQ(t.systeme.curseur, (TPoint{410, 515}));
    EXPECT_EQ(t.c.PanelOutilsDessin->Left(), 230);
    EXPECT_EQ(t.c.PanelOutilsDessin->Width(), 547);
    EXPECT_EQ(t.d.ZoneOutilsDessin, t.c.ZoneOutilsDessin);
    EXPECT_EQ(t.d.champsReponse[2].edition, &t.Edit2);
    EXPECT_EQ(t.Edit3.Left(), 300);

    // The program's folder, its sound, and the course tree opened on its chapters.
    EXPECT_EQ(dossierProgramme, "/home/h\xC3\xA9l\xC3\xA8ne/Maths 6e/");
    EXPECT_EQ(t.d.cheminProgramme, std::string_view("/home/h\xC3\xA9l\xC3\xA8ne/Maths 6e/"));
    EXPECT_EQ(t.son.fichierOuvert, "/home/h\xC3\xA9l\xC3\xA8ne/Maths 6e/erreur.wav");
    for (int chapitre : {0, 11, 129}) EXPECT_TRUE(t.ArbreChoixCours.Expanded(chapitre));
    EXPECT_EQ(t.ArbreChoixExercice.Count(), 464);
}

TEST(FenetrePrincipale, leDossierDuProgrammeSeCoupeApresSonDernierSeparateur)
{
    const std::pair<std::string, std::string> cas[] = {
        // Paths are the system's bytes: UTF-8 here, whatever the characters.
        {"/home/h\xC3\xA9l\xC3\xA8ne/Maths 6\xE1\xB5\x89/vastrelle", "/home/h\xC3\xA9l\xC3\xA8ne/Maths 6\xE1\xB5\x89/"},
        {"/opt/a:b/vastrelle", "/opt/a:b/"},
        {"/vastrelle", "/"},
        {"vastrelle", ""},
        {"", ""},
    };
    for (const auto& [chemin, dossier] : cas) EXPECT_EQ(dossierDuChemin(chemin), dossier) << chemin;
}

TEST(FenetrePrincipale, lesPagesRemplissentLaFenetreASaTailleHabituelle)
{
    FenetreDeTest t;
    EXPECT_EQ(t.PageControle.Left(), 0);
    EXPECT_EQ(t.PageControle.Top(), 0);
    EXPECT_EQ(t.PageControle.Width(), 800);
    EXPECT_EQ(t.PageControle.Height(), 600);
    // A larger window keeps the pages' size and centres them.
    t.fenetre.setBounds(0, 0, 1000, 700);
    t.f->FormResize();
    EXPECT_EQ(t.PageControle.Left(), 100);
    EXPECT_EQ(t.PageControle.Top(), 50);
    EXPECT_EQ(t.ZoneFigureAccueil.Left(), 100);
}

TEST(FenetrePrincipale, leGarconFaitSigneQuatreTopsSurTrente)
{
    FenetreDeTest t;
    const Tfigure& accueil = *t.d.surfaceAccueil;
    std::vector<int> tops;
    for (int top = 1; top <= 40; ++top) {
        t.TimerAnimationAccueil.declencher();
        EXPECT_NE(visible(accueil, "garcon1"), visible(accueil, "garcon2")) << top;
        if (visible(accueil, "garcon2")) tops.push_back(top);
    }
    EXPECT_EQ(tops, (std::vector<int>{5, 6, 7, 8, 35, 36, 37, 38}));
    EXPECT_GT(t.BoiteAccueil.nbRepaint, 0);

    // Behind the menu pages the animation stops.
    t.f->BoutonMenuClick();
    const int repeints = t.BoiteAccueil.nbRepaint;
    const int tick = accueil.parametres[1];
    t.TimerAnimationAccueil.declencher();
    EXPECT_EQ(accueil.parametres[1], tick);
    EXPECT_EQ(t.BoiteAccueil.nbRepaint, repeints);
}

TEST(FenetrePrincipale, lesImagesDeLAccueilSAllumentSousLaSourisBordsExclus)
{
    FenetreDeTest t;
    const Tfigure& accueil = *t.d.surfaceAccueil;
    struct Mouvement {
        int x, y;
        bool apropos, quitter, entree;
        int curseur;
    };
    const Mouvement mouvements[] = {
        {28, 540, false, false, false, crDefault},  // on the About picture's border
        {29, 540, true, false, false, crHandPoint},
        {60, 532, true, false, false, crHandPoint},
        {60, 531, false, false, false, crDefault},  // its top border is outside

        {400, 500, false, false, true, crHandPoint},
        {750, 550, false, true, false, crHandPoint},  // straight from Enter onto Quit: one lit at a time
        {200, 300, false, false, false, crDefault},
    };
    for (const Mouvement& m : mouvements) {
        t.ZoneFigureAccueil.deplacer(m.x, m.y);
        EXPECT_EQ(t.d.survolAPropos, m.apropos) << m.x << "," << m.y;
        EXPECT_EQ(t.d.survolQuitter, m.quitter) << m.x << "," << m.y;
        EXPECT_EQ(t.d.survolEntree, m.entree) << m.x << "," << m.y;
        EXPECT_EQ(visible(accueil, "A_propos_actif"), m.apropos);
        EXPECT_NE(visible(accueil, "A_propos_inactif"), m.apropos);
        EXPECT_EQ(visible(accueil, "Entree_actif"), m.entree);
        EXPECT_EQ(visible(accueil, "Quitter_actif"), m.quitter);
        EXPECT_EQ(t.ZoneFigureAccueil.Cursor(), m.curseur) << m.x << "," << m.y;
    }
}

TEST(FenetrePrincipale, entrerMeneAuSommaireEtFermerDepuisUnePageRameneALAccueil)
{
    FenetreDeTest t;
    // The click goes to the picture under it, even with no move heard before.
    t.ZoneFigureAccueil.appuyer(BoutonSouris::gauche, 400, 500);
    EXPECT_FALSE(t.BoiteAccueil.Visible());
    EXPECT_TRUE(t.PageControle.Visible());
    EXPECT_FALSE(t.d.survolEntree);
    EXPECT_TRUE(visible(*t.d.surfaceAccueil, "Entree_inactif"));
    EXPECT_EQ(t.ZoneFigureAccueil.Cursor(), crDefault);

    // The mouse on the hidden welcome screen lights nothing.
    t.ZoneFigureAccueil.deplacer(750, 550);
    EXPECT_FALSE(t.d.survolQuitter);

    t.f->fermer();
    EXPECT_FALSE(t.fermee);
    EXPECT_TRUE(t.BoiteAccueil.Visible());
    EXPECT_FALSE(t.PageControle.Visible());

    // Quit from the welcome screen: the window closes and frees all but the welcome surface.
    t.ZoneFigureAccueil.deplacer(750, 550);
    t.ZoneFigureAccueil.appuyer(BoutonSouris::gauche, 750, 550);
    EXPECT_TRUE(t.fermee);
    for (Tfigure* surface : {t.d.surfaceFigureEnonce, t.d.surfaceFigureSolution, t.d.surfaceEnonce,
                             t.d.surfaceSolution, t.d.surfaceCours, t.d.surfaceImagiciel,
                             t.d.surfaceFigureImagiciel})
        EXPECT_EQ(surface, nullptr);
    ASSERT_NE(t.d.surfaceAccueil, nullptr);
    t.ZoneFigureAccueil.peindre();
}

TEST(FenetrePrincipale, fermerAProposParUnClicSurEntreeLaisseEntrerAuClicSuivant)
{
    // The About window may hide the mouse's moves over the welcome screen, or not.
    for (const bool mouvementVu : {false, true}) {
        FenetreDeTest t;
        t.ZoneFigureAccueil.deplacer(60, 540);
        t.ZoneFigureAccueil.appuyer(BoutonSouris::gauche, 60, 540);
        ASSERT_TRUE(infoAffichee);

        if (mouvementVu) t.ZoneFigureAccueil.deplacer(400, 500);
        t.ZoneFigureAccueil.appuyer(BoutonSouris::gauche, 400, 500);
        EXPECT_FALSE(infoAffichee);
        EXPECT_TRUE(t.BoiteAccueil.Visible()) << "that click only closes the About window";
        EXPECT_FALSE(visible(*t.d.surfaceAccueil, "A_propos_actif")) << mouvementVu;
        EXPECT_TRUE(visible(*t.d.surfaceAccueil, "Entree_actif")) << mouvementVu;

        t.ZoneFigureAccueil.appuyer(BoutonSouris::gauche, 400, 500);
        EXPECT_FALSE(infoAffichee) << mouvementVu;
        EXPECT_FALSE(t.BoiteAccueil.Visible()) << mouvementVu;
    }
}

TEST(FenetrePrincipale, fermerLaFenetreFermeDAbordLaFenetreDInformation)
{
    FenetreDeTest t;
    t.ZoneFigureAccueil.deplacer(60, 540);
    t.ZoneFigureAccueil.appuyer(BoutonSouris::gauche, 60, 540);
    ASSERT_TRUE(infoAffichee);
    t.f->fermer();
    EXPECT_FALSE(infoAffichee);
    EXPECT_TRUE(t.fermee);
}

// Closed with a page and a note on screen: neither the window's own events nor the note's reach
// the program any more.
TEST(FenetrePrincipale, fermeeNiLaFenetreNiSaNoteNEntendentPlusRien)
{
    FenetreDeTest t;
    t.ZoneFigureAccueil.appuyer(BoutonSouris::gauche, 400, 500);
    afficherInfo(t.d, 2001);
    ASSERT_TRUE(infoAffichee);
    auto& note = static_cast<FenetreInfoEnregistree&>(*InfoObj->fenetre);
    t.fenetre.OnClose();

    note.peindre();
    EXPECT_TRUE(note.canevas().appels(GenreAppel::TextOut).empty());
    note.cliquer();
    traiterFermeturesEnAttente();
    EXPECT_TRUE(infoAffichee) << "the note's close request";

    t.fenetre.setBounds(0, 0, 1000, 800);
    t.fenetre.OnShow();
    t.fenetre.OnResize();
    EXPECT_EQ(t.fenetre.Width(), 1000);
    EXPECT_EQ(t.PageControle.Left(), 0);
    bool peutFermer = true;
    t.fenetre.OnCloseQuery(peutFermer);
    EXPECT_TRUE(peutFermer);
    EXPECT_TRUE(t.PageControle.Visible());
    EXPECT_TRUE(infoAffichee);
    fermerInfo();
}

TEST(FenetrePrincipale, laFenetreQuiSeFermeNEntendPlusRien)
{
    FenetreDeTest t;
    t.ZoneFigureAccueil.deplacer(750, 550);
    t.ZoneFigureAccueil.appuyer(BoutonSouris::gauche, 750, 550);
    ASSERT_TRUE(t.fermee);
    const int repeints = t.BoiteAccueil.nbRepaint;

    // What the pupil may still send while the window goes. A tree acts on its second click.
    const auto deuxClics = [](ArbreEnregistre& arbre, int index) {
        arbre.cliquer(index);
        arbre.cliquer(index);
    };
    ZoneDessinEnregistree* zones[] = {&t.ZoneFigureAccueil, &t.zoneFigureEnonce, &t.zoneTexteEnonce, &t.ZoneTexteCours,
                                      &t.zones[0], &t.zones[1], &t.zones[2], &t.zones[3], &t.zones[4]};
    const std::pair<const char*, std::function<void()>> evenements[] = {
        {"Enter", [&] { t.ZoneFigureAccueil.appuyer(BoutonSouris::gauche, 400, 500); }},
        {"tab", [&] { t.PageControle.choisirOnglet(t.PageVocabulaire); }},
        {"Abscisse", [&] { deuxClics(t.ArbreAlphabetique, 1); }},
        {"Proportionnalité", [&] { deuxClics(t.ArbreParTheme, 2); }},
        {"course page", [&] { deuxClics(t.ArbreChoixCours, 2); }},
        {"exercise", [&] { deuxClics(t.ArbreChoixExercice, 2); }},
        {"animation", [&] { deuxClics(t.ArbreChoixImagiciel, 8); }},
        {"keys", [&] {
             for (ChampEditionEnregistre* champ : {&t.Edit1, &t.Edit2, &t.Edit3}) champ->taper(VK_RETURN);
             t.ArbreChoixExercice.taper(VK_DOWN);
         }},
        {"mouse and paint", [&] {
             for (ZoneDessinEnregistree* zone : zones) {
                 zone->appuyer(BoutonSouris::gauche, 20, 20);
                 zone->deplacer(30, 30);
                 zone->relacher(BoutonSouris::gauche, 30, 30);
                 zone->peindre();
             }
         }},
        {"timers", [&] {
             t.Timer.setEnabled(true);
             t.Timer.declencher();
             t.TimerAnimationAccueil.declencher();
         }},
        {"buttons", [&] {
             for (BoutonEnregistre& bouton : t.lesBoutons) {
                 bouton.OnMouseDown();
                 bouton.OnClick();
             }
         }},
    };
    for (const auto& [nom, envoyer] : evenements) {
        envoyer();
        EXPECT_TRUE(t.BoiteAccueil.Visible()) << nom;
        EXPECT_FALSE(t.PageControle.Visible()) << nom;
        EXPECT_FALSE(infoAffichee) << nom;
        EXPECT_EQ(t.d.pageCours, 0) << nom;
        EXPECT_EQ(t.d.imagiciel, 0) << nom;
        EXPECT_FALSE(t.d.exerciceEnCours) << nom;
        EXPECT_EQ(t.BoiteAccueil.nbRepaint, repeints) << nom;
    }
}

TEST(FenetrePrincipale, unArbreNAgitQueSurLaFeuilleDejaChoisie)
{
    FenetreDeTest t;
    t.ArbreChoixExercice.cliquer(249);
    EXPECT_NE(t.d.numeroExercice, 249);
    EXPECT_FALSE(t.c.BoutonBilan->Enabled());
    t.ArbreChoixExercice.cliquer(249);
    EXPECT_EQ(t.d.numeroExercice, 249);
    EXPECT_TRUE(t.c.BoutonBilan->Enabled());

    // Chapter and group headings never act.
    t.d.numeroExercice = 0;
    t.ArbreChoixExercice.cliquer(246);
    t.ArbreChoixExercice.cliquer(246);
    t.ArbreChoixExercice.cliquer(247);
    t.ArbreChoixExercice.cliquer(247);
    EXPECT_EQ(t.d.numeroExercice, 0);

    t.ArbreChoixCours.cliquer(2);
    t.ArbreChoixCours.cliquer(2);
    EXPECT_EQ(t.d.pageCours, 1002);
    t.ArbreChoixImagiciel.cliquer(8);
    t.ArbreChoixImagiciel.cliquer(8);
    EXPECT_EQ(t.d.imagiciel, 1508);

    // Down moves to the next node in pre-order, up to the last one.
    t.ArbreChoixExercice.Select(34);
    t.ArbreChoixExercice.taper(VK_DOWN);
    EXPECT_EQ(t.ArbreChoixExercice.Selected(), 35);
    t.ArbreChoixExercice.Select(463);
    t.ArbreChoixExercice.taper(VK_DOWN);
    EXPECT_EQ(t.ArbreChoixExercice.Selected(), 463);
}

TEST(FenetrePrincipale, lesFlechesPassentDUnChampALAutreSansEnSortir)
{
    FenetreDeTest t;
    t.d.nbChamps = 2;
    t.Edit1.SetFocus();
    t.Edit1.taper(VK_UP);
    EXPECT_TRUE(t.Edit1.Focused());
    t.Edit1.taper(VK_DOWN);
    EXPECT_TRUE(t.Edit2.Focused());
    t.Edit2.taper(VK_DOWN);  // no third field
    EXPECT_TRUE(t.Edit2.Focused());
    t.Edit2.taper(VK_UP);
    EXPECT_TRUE(t.Edit1.Focused());
    t.d.nbChamps = 3;
    t.Edit3.SetFocus();
    t.Edit3.taper(VK_DOWN);
    EXPECT_TRUE(t.Edit3.Focused());
    t.Edit3.taper(VK_UP);
    EXPECT_TRUE(t.Edit2.Focused());
}

TEST(FenetrePrincipale, leDelaiDesBoutonsCompteLesTopsDuMinuteur)
{
    FenetreDeTest t;
    t.c.BoutonSuite->setVisible(true);
    t.c.BoutonSuite->setEnabled(false);
    t.c.BoutonSommaire->setVisible(false);
    t.c.BoutonSommaire->setEnabled(false);
    t.d.delaiBoutons = 2;
    t.Timer.setEnabled(true);

    t.Timer.declencher();
    EXPECT_EQ(t.d.delaiBoutons, 1);
    EXPECT_FALSE(t.c.BoutonSuite->Enabled());
    t.Timer.declencher();
    EXPECT_EQ(t.d.delaiBoutons, 0);
    EXPECT_TRUE(t.c.BoutonSuite->Enabled());
    EXPECT_FALSE(t.c.BoutonSommaire->Enabled());  // hidden buttons stay as they are
    EXPECT_FALSE(t.Timer.Enabled());
}

TEST(FenetrePrincipale, lHorlogeDecompteAuxTopsPuisValideQuandLeTempsEstEcoule)
{
    FenetreDeTest t;
    creerHorloge();
    t.ArbreChoixExercice.cliquer(2);
    t.ArbreChoixExercice.cliquer(2);
    demarrerHorloge(2, 3);
    t.Timer.setEnabled(true);
    std::vector<int> comptes;
    for (int top = 1; top <= 4; ++top) {
        t.Timer.declencher();
        comptes.push_back(horloge().compte);
        EXPECT_FALSE(t.d.tempsEcoule) << top;
    }
    EXPECT_EQ(comptes, (std::vector<int>{3, 3, 2, 1}));
    // The tick that brings the count to 0 validates the answer as it stands.
    t.Timer.declencher();
    EXPECT_EQ(horloge().compte, 0);
    EXPECT_TRUE(t.d.tempsEcoule);
    EXPECT_TRUE(t.d.questionTerminee);
    // The settled question's button delay keeps the timer going for one more tick.
    EXPECT_EQ(t.d.delaiBoutons, 1);
    EXPECT_TRUE(t.Timer.Enabled());
    t.Timer.declencher();
    EXPECT_FALSE(t.Timer.Enabled());
    // A paused clock never finishes.
    demarrerHorloge(0, 0);
    suspendreHorloge();
    t.d.tempsEcoule = false;
    t.Timer.setEnabled(true);
    t.Timer.declencher();
    EXPECT_FALSE(t.d.tempsEcoule);
    libererHorloge();
}

TEST(FenetrePrincipale, unLienSousLaSourisDonneLaMainEtUnClicLeSuit)
{
    FenetreDeTest t;
    ajouterZoneLien(t.d.surfaceCours->zonesLiens, 1005, 10, 10, 60, 28);
    t.ZoneTexteCours.deplacer(20, 20);
    EXPECT_EQ(t.ZoneTexteCours.Cursor(), crHandPoint);
    EXPECT_EQ(t.d.codeLien, 1005);
    EXPECT_EQ(t.d.phaseSouris, 3);
    t.ZoneTexteCours.deplacer(100, 100);
    EXPECT_EQ(t.ZoneTexteCours.Cursor(), crDefault);
    EXPECT_EQ(t.d.codeLien, 0);
    t.ZoneTexteCours.appuyer(BoutonSouris::gauche, 20, 20);
    EXPECT_EQ(t.d.codeLien, 1005);
    EXPECT_EQ(t.d.phaseSouris, 1);
    EXPECT_EQ(t.d.sourisX, 20);
}

TEST(FenetrePrincipale, chaqueOngletADessineSonTitreDansSaCouleur)
{
    FenetreDeTest t;
    struct Onglet {
        int index;
        const char* titre;
        TColor couleur;
    };
    const Onglet onglets[] = {{0, "Sommaire", 0x0000FF}, {1, "Cours", 0x8CB92F}, {2, "Exercices", 0xB36600},
                              {3, "Imagiciels", 0xF6B200}, {4, "Index", 0x23D3F7}};
    for (const Onglet& o : onglets) {
        CanevasEnregistre canevas;
        t.PageControle.OnDrawTab(canevas, o.index, TRect{0, 0, 150, 40}, false);
        EXPECT_EQ(canevas.Font.Name, "Abadi MT Condensed Extra Bold");
        EXPECT_EQ(canevas.Font.Style, fsBold);
        EXPECT_EQ(canevas.Font.Color, o.couleur);
        const std::vector<Appel> textes = canevas.appels(GenreAppel::TextOut);
        ASSERT_EQ(textes.size(), 1u);
        EXPECT_EQ(textes[0].texte, o.titre);
    }
    CanevasEnregistre canevas;
    t.PageControle.OnDrawTab(canevas, 5, TRect{0, 0, 150, 40}, false);
    EXPECT_EQ(canevas.nombre(GenreAppel::TextOut), 0u);
}
