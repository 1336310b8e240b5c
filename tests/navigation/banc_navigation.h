#pragma once
// A shared record wired to recording components: the page control with its pages, the three
// trees filled with rows of the window's shape, the course, animation and panel paint boxes with
// their surfaces, and a recording platform.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/figure/dossier_programme.h"
#include "engine/figure/figure.h"
#include "exercise/donnees_communes.h"
#include "navigation/arbres.h"
#include "navigation/info.h"
#include "platform/double/controles_enregistres.h"
#include "platform/double/fenetre_info_enregistree.h"
#include "platform/double/plateforme_enregistree.h"

class BancNavigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        *donneesCommunes = TdonneesCommunes{};
        initialiserDonneesCommunes(d);
        // The information window hears its events as under an open main window.
        d.gardeFenetre.ouvrir();
        installerPlateforme(&systeme);
        dossierProgramme = "/cours/";
        for (ControleEnregistre* page : {&pageMenu, &pageCours, &pageImagiciel, &pageExercice})
            classeur.ajouterPage(*page);
        d.PageControle = &classeur;
        d.PageMenu = &pageMenu;
        d.PageCours = &pageCours;
        d.PageImagiciel = &pageImagiciel;
        d.PageExercice = &pageExercice;
        classeur.setBounds(0, 30, 800, 570);

        arbreCours.remplir(lignesArbreChoixCours());
        arbreExercices.remplir(lignesArbreChoixExercice());
        arbreImagiciels.remplir(lignesArbreChoixImagiciel());
        d.ArbreChoixCours = &arbreCours;
        d.ArbreChoixExercice = &arbreExercices;
        d.ArbreChoixImagiciel = &arbreImagiciels;

        for (ControleEnregistre* b : {&suivant, &precedent, &pourSexercer, &retour, &avancer, &reculer})
            b->setBounds(0, 0, 90, 25);
        d.BoutonCoursSuivant = &suivant;
        d.BoutonCoursPrecedent = &precedent;
        d.BoutonPourSexercer = &pourSexercer;
        d.BoutonRetour = &retour;
        d.BoutonAvancer = &avancer;
        d.BoutonReculer = &reculer;
        d.LabelChapitreCours = &chapitreCours;
        d.LabelChapitreImagiciel = &chapitreImagiciel;
        d.LabelTitreImagiciel = &titreImagiciel;
        d.ScrollBoiteCours = &defilementCours;

        d.hauteurZoneCours = 485;
        zoneCours.setBounds(0, 0, 760, 485);
        creerFigure(&zoneCours, 760, 485, cours);
        zoneTexteImagiciel.setBounds(0, 0, 790, 485);
        creerFigure(&zoneTexteImagiciel, 790, 485, texteImagiciel);
        zoneFigureImagiciel.setBounds(400, 0, 388, 485);
        creerFigure(&zoneFigureImagiciel, 388, 485, figureImagiciel);
        zoneFigureEnonce.setBounds(0, 0, 320, 290);
        creerFigure(&zoneFigureEnonce, 320, 290, figureEnonce);
        d.surfaceCours = cours.get();
        d.surfaceImagiciel = texteImagiciel.get();
        d.surfaceFigureImagiciel = figureImagiciel.get();
        d.surfaceFigureEnonce = figureEnonce.get();
        d.ZoneOutilsDessin = &zoneOutils;
    }

    void TearDown() override
    {
        fermerInfo();
        traiterFermeturesEnAttente();
        installerPlateforme(nullptr);
        dossierProgramme.clear();
        *donneesCommunes = TdonneesCommunes{};
    }

    FenetreInfoEnregistree* fenetreInfo() const
    {
        return InfoObj ? static_cast<FenetreInfoEnregistree*>(InfoObj->fenetre.get()) : nullptr;
    }

    // The texts the window's topic draws, in order.
    std::vector<std::string> textesInfo()
    {
        std::vector<std::string> textes;
        FenetreInfoEnregistree* f = fenetreInfo();
        if (!f) return textes;
        f->peindre();
        for (const Appel& a : f->canevas().appels(GenreAppel::TextOut)) textes.push_back(a.texte);
        return textes;
    }

    TdonneesCommunes& d = *donneesCommunes;
    PlateformeEnregistree systeme;
    ClasseurPagesEnregistre classeur;
    ControleEnregistre pageMenu, pageCours, pageImagiciel, pageExercice;
    ArbreEnregistre arbreCours, arbreExercices, arbreImagiciels;
    ControleEnregistre suivant, precedent, pourSexercer, retour, avancer, reculer;
    ControleEnregistre chapitreCours, chapitreImagiciel, titreImagiciel, defilementCours;
    ZoneDessinEnregistree zoneCours, zoneTexteImagiciel, zoneFigureImagiciel, zoneFigureEnonce,
        zoneOutils;
    std::unique_ptr<Tfigure> cours, texteImagiciel, figureImagiciel, figureEnonce;
};
