#pragma once
// The shared record wired to what showing a course page needs, on recording components: the page
// control with the menu and course pages, the course tree, the course buttons and labels, and the
// course paint box with its surface. For the programs that open course pages without a window.

#include <memory>

#include "engine/figure/figure.h"
#include "exercise/donnees_communes.h"
#include "navigation/arbres.h"
#include "platform/double/controles_enregistres.h"

struct TcoursEnregistre {
    explicit TcoursEnregistre(int hauteurZone)
    {
        initialiserDonneesCommunes(d);
        classeur.ajouterPage(menu);
        classeur.ajouterPage(cours);
        arbre.remplir(lignesArbreChoixCours());
        d.PageControle = &classeur;
        d.PageMenu = &menu;
        d.PageCours = &cours;
        d.ArbreChoixCours = &arbre;
        d.BoutonCoursSuivant = &boutons[0];
        d.BoutonCoursPrecedent = &boutons[1];
        d.BoutonPourSexercer = &boutons[2];
        d.BoutonRetour = &boutons[3];
        d.LabelChapitreCours = &boutons[4];
        d.ScrollBoiteCours = &boutons[5];
        d.hauteurZoneCours = hauteurZone;
        zone.setBounds(0, 0, 760, hauteurZone);
        creerFigure(&zone, 760, hauteurZone, surface);
        d.surfaceCours = surface.get();
    }

    TdonneesCommunes d;
    ClasseurPagesEnregistre classeur;
    ControleEnregistre menu, cours, boutons[6];
    ArbreEnregistre arbre;
    ZoneDessinEnregistree zone;
    std::unique_ptr<Tfigure> surface;
};
