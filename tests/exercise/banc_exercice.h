#pragma once
// The exercise page on recording doubles, wired into the shared record as the main window wires
// it: the four surfaces on their paint boxes, the three answer fields, the buttons, the pages,
// the exercise tree, the timer, the sound and the result pictures. A test plays the pupil by
// typing in the fields, clicking the statement zone and pressing the buttons' procedures.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/figure/figure.h"
#include "exercise/cases_choix.h"
#include "exercise/chapitres_exercice.h"
#include "exercise/donnees_communes.h"
#include "exercise/horloge.h"
#include "platform/double/controles_enregistres.h"
#include "platform/double/image_enregistree.h"
#include "platform/double/plateforme_enregistree.h"

class BancExercice : public ::testing::Test {
protected:
    void SetUp() override
    {
        *donneesCommunes = TdonneesCommunes{};
        initialiserDonneesCommunes(d);
        creerHorloge();
        for (int code = 2; code <= 14; ++code) inscrireChapitre(code, {});
        installerPlateforme(&systeme);

        lier(zoneFigureEnonce, 0, 5, 320, 290, surfaceFigureEnonce);
        lier(zoneFigureSolution, 540, 0, 248, 155, surfaceFigureSolution);
        lier(zoneTexteEnonce, 0, 0, 780, 271, surfaceEnonce);
        lier(zoneTexteSolution, 0, 0, 528, 155, surfaceSolution);
        d.surfaceFigureEnonce = surfaceFigureEnonce.get();
        d.surfaceFigureSolution = surfaceFigureSolution.get();
        d.surfaceEnonce = surfaceEnonce.get();
        d.surfaceSolution = surfaceSolution.get();

        ChampEditionEnregistre* editions[] = {nullptr, &edit1, &edit2, &edit3};
        for (int k = 1; k <= nbChampsMax; ++k) {
            editions[k]->setBounds(300, 0, 121, 21);
            editions[k]->setVisible(false);
            d.champsReponse[k].edition = editions[k];
        }
        d.LabelChapitreExercice = &labelChapitre;
        d.LabelTitreExercice = &labelTitre;
        d.ZoneScoreExercice = &zoneScore;
        d.Timer = &timer;
        d.BoutonRevoirCours = &boutonRevoirCours;
        d.BoutonValider = &boutonValider;
        d.BoutonSolution = &boutonSolution;
        d.BoutonAide = &boutonAide;
        d.BoutonReessayer = &boutonReessayer;
        d.BoutonSommaire = &boutonSommaire;
        d.BoutonSuite = &boutonSuite;
        d.PanelOutilsDessin = &panneauOutils;
        for (Controle* c : {static_cast<Controle*>(&boutonValider), static_cast<Controle*>(&boutonSolution),
                            static_cast<Controle*>(&boutonSuite), static_cast<Controle*>(&boutonReessayer)})
            c->setVisible(false);
        pages.ajouterPage(pageMenu);
        pages.ajouterPage(pageExercice);
        d.PageControle = &pages;
        d.PageMenu = &pageMenu;
        d.PageExercice = &pageExercice;
        arbre.remplir(lignesArbre());
        d.ArbreChoixExercice = &arbre;
        d.cheminProgramme = "/programme/";
        d.MediaPlayerErreur = &son;
        d.ImageExacte = &imageExacte;
        d.ImageAcceptee = &imageAcceptee;
        d.ImageFausse = &imageFausse;
        d.ImageIncorrecte = &imageIncorrecte;
        d.ImageCMincorrect = &imageCMincorrect;
        d.ImageDepasse = &imageDepasse;
        d.ImageSolution = &imageSolution;
    }

    void TearDown() override
    {
        installerPlateforme(nullptr);
        for (int code = 2; code <= 14; ++code) inscrireChapitre(code, {});
        *donneesCommunes = TdonneesCommunes{};
        creerHorloge();
    }

    // The pupil clicks the statement zone at a pixel.
    void cliquerEnonce(int x, int y)
    {
        d.sourisX = x;
        d.sourisY = y;
        cliquerZoneEnonce(d);
    }

    // The middle of a choice cell.
    void cliquerCase(int n)
    {
        const TcaseChoix& c = d.casesChoix[n];
        cliquerEnonce(static_cast<int>((c.gauche + c.droite) / 2), static_cast<int>((c.haut + c.bas) / 2));
    }

    // The result pictures on the solution surface, in order.
    std::vector<const Image*> imagesResultat() const
    {
        std::vector<const Image*> images;
        for (int i = 1; i <= surfaceSolution->nbObjets; ++i) {
            const Tobjet& o = *surfaceSolution->objets[i];
            if (o.genre == genreImageInterne) images.push_back(o.donneesDe<TimageInterne>().image);
        }
        return images;
    }

    // The texts of a surface, in order.
    static std::vector<std::string> textes(const Tfigure& f)
    {
        std::vector<std::string> t;
        for (int i = 1; i <= f.nbObjets; ++i)
            if (f.objets[i]->genre == genreTexte) t.push_back(f.objets[i]->donneesDe<Ttexte>().texte);
        return t;
    }

    TdonneesCommunes& d = *donneesCommunes;
    PlateformeEnregistree systeme;
    ZoneDessinEnregistree zoneFigureEnonce, zoneFigureSolution, zoneTexteEnonce, zoneTexteSolution;
    std::unique_ptr<Tfigure> surfaceFigureEnonce, surfaceFigureSolution, surfaceEnonce, surfaceSolution;
    ChampEditionEnregistre edit1, edit2, edit3;
    ControleEnregistre labelChapitre, labelTitre, zoneScore;
    ControleEnregistre boutonRevoirCours, boutonValider, boutonSolution, boutonAide, boutonReessayer,
        boutonSommaire, boutonSuite, panneauOutils;
    ControleEnregistre pageMenu, pageExercice;
    ClasseurPagesEnregistre pages;
    ArbreEnregistre arbre;
    MinuteurEnregistre timer;
    LecteurSonEnregistre son;
    ImageEnregistree imageExacte{40, 40}, imageAcceptee{40, 40}, imageFausse{40, 40}, imageIncorrecte{40, 40},
        imageCMincorrect{40, 40}, imageDepasse{40, 40}, imageSolution{40, 40};

private:
    static void lier(ZoneDessinEnregistree& zone, int gauche, int haut, int largeur, int hauteur,
                     std::unique_ptr<Tfigure>& figure)
    {
        zone.setBounds(gauche, haut, largeur, hauteur);
        creerFigure(&zone, largeur, hauteur, figure);
    }

    // 464 nodes: the chapter nodes at the top level, every other node an exercise under them.
    static std::vector<TLigneArbre> lignesArbre()
    {
        std::vector<TLigneArbre> lignes(464, TLigneArbre{1, "exercice"});
        for (const std::int32_t n : noeudsChapitres) lignes[static_cast<std::size_t>(n)] = {0, "chapitre"};
        return lignes;
    }
};
