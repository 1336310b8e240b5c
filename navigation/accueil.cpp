// The welcome screen: its pictures, the boy's animation, and the three pictures that light up
// under the mouse (About, Quit, Enter).

#include <cstddef>

#include "engine/base/systeme.h"
#include "engine/figure/creation_textes.h"
#include "engine/figure/objets_par_nom.h"
#include "navigation/fenetre_principale.h"
#include "navigation/info.h"

namespace {

// A picture that lights up: its two picture objects, its hover rectangle (bounds excluded) and the
// flag of the shared record that says it is lit.
struct TsurvolAccueil {
    const char* actif;
    const char* inactif;
    int gauche, droite, haut, bas;
    bool TdonneesCommunes::*allume;
};

// In the order the mouse tests them.
constexpr TsurvolAccueil survols[] = {
    {"A_propos_actif", "A_propos_inactif", 28, 111, 531, 561, &TdonneesCommunes::survolAPropos},
    {"Quitter_actif", "Quitter_inactif", 700, 779, 532, 566, &TdonneesCommunes::survolQuitter},
    {"Entree_actif", "Entree_inactif", 341, 470, 458, 523, &TdonneesCommunes::survolEntree},
};
constexpr std::size_t survolAPropos = 0, survolQuitter = 1, survolEntree = 2;

// The animation tick lives in the welcome surface's first parameter.
constexpr int parametreTick = 1;

void eteindre(Tfigure& accueil, TdonneesCommunes& donnees, const TsurvolAccueil& s)
{
    donnees.*s.allume = false;
    cacherObjet(accueil, s.actif);
    montrerObjet(accueil, s.inactif);
}

}  // namespace

void TfenetrePrincipale::preparerAccueil()
{
    Tfigure& accueil = *surfaceAccueil_;
    accueil.decalageColonnes = 0;
    accueil.parametres[parametreTick] = 0;
    struct TimageAccueil {
        const char* nom;
        const Image* image;
        double colonne;
        double ligne;
        bool cachee;
    };
    const double colonneFond =
        (c_.ZoneFigureAccueil->Width() - (c_.fondAccueil ? c_.fondAccueil->Width() : 0) - 50) / 2.0 / 8.0;
    const TimageAccueil images[] = {
        {"fond_accueil", c_.fondAccueil, colonneFond, 1, false},
        {"garcon1", c_.garcon1, 36, 12, false},
        {"garcon2", c_.garcon2, 36, 12, true},
        {"A_propos_actif", c_.AproposActif, 3.5, 29.5, true},
        {"A_propos_inactif", c_.AproposNonActif, 3.5, 29.5, false},
        {"Quitter_actif", c_.QuitterActif, 87.5, 532.0 / 18, true},
        {"Quitter_inactif", c_.QuitterNonActif, 87.5, 532.0 / 18, false},
        {"Entree_actif", c_.EntreeActif, 42.625, 458.0 / 18, true},
        {"Entree_inactif", c_.EntreeNonActif, 42.625, 458.0 / 18, false},
    };
    for (const TimageAccueil& i : images) {
        creerImageInterneNommee(accueil, i.nom, i.image, i.colonne, i.ligne);
        if (i.cachee) cacherObjet(accueil, i.nom);
    }
    d_.survolAPropos = d_.survolQuitter = d_.survolEntree = false;
}

void TfenetrePrincipale::animerAccueil()
{
    Tfigure& accueil = *surfaceAccueil_;
    int& tick = accueil.parametres[parametreTick];
    if (tick == 4) {
        cacherObjet(accueil, "garcon1");
        montrerObjet(accueil, "garcon2");
    }
    if (tick == 8) {
        cacherObjet(accueil, "garcon2");
        montrerObjet(accueil, "garcon1");
    }
    if (tick == 30) tick = 0;
    ++tick;
}

void TfenetrePrincipale::ZoneFigureAccueilMouseMove(int x, int y)
{
    if (c_.PageControle->Visible()) return;
    Tfigure& accueil = *surfaceAccueil_;
    for (const TsurvolAccueil& s : survols) {
        if (!pointDansCadre(x, y, s.gauche, s.droite, s.haut, s.bas)) continue;
        if (!(d_.*s.allume)) {
            d_.*s.allume = true;
            c_.ZoneFigureAccueil->setCursor(crHandPoint);
            montrerObjet(accueil, s.actif);
            cacherObjet(accueil, s.inactif);
            c_.BoiteAccueil->Repaint();
        }
        return;
    }
    // Outside the three pictures: one lit picture goes out at each move.
    for (const TsurvolAccueil& s : survols) {
        if (!(d_.*s.allume)) continue;
        eteindre(accueil, d_, s);
        c_.ZoneFigureAccueil->setCursor(crDefault);
        c_.BoiteAccueil->Repaint();
        return;
    }
}

void TfenetrePrincipale::ZoneFigureAccueilMouseDown(int, int)
{
    if (infoAffichee) {
        fermerInfo();
        return;
    }
    if (d_.*survols[survolAPropos].allume)
        afficherInfo(d_, 1998);
    else if (d_.*survols[survolQuitter].allume) {
        if (fermer) fermer();
    } else if (d_.*survols[survolEntree].allume)
        BoutonMenuClick();
}

void TfenetrePrincipale::BoutonMenuClick()
{
    c_.BoiteAccueil->setVisible(false);
    for (const TsurvolAccueil& s : survols)
        if (d_.*s.allume) eteindre(*surfaceAccueil_, d_, s);
    c_.ZoneFigureAccueil->setCursor(crDefault);
    c_.PageControle->setVisible(true);
}
