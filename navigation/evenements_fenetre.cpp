// The main window's keys, tree clicks, buttons, tabs and timers.

#include "engine/text/primitives.h"
#include "exercise/cycle_exercice.h"
#include "exercise/horloge.h"
#include "navigation/couleurs_pages.h"
#include "navigation/fenetre_principale.h"
#include "navigation/imagiciels.h"
#include "navigation/info.h"
#include "navigation/pages_cours.h"
#include "navigation/suivre_lien.h"

namespace {

// The owner-drawn tabs, in the order of the pages.
struct Tonglet {
    const char* titre;
    TColor couleur;
};
constexpr Tonglet onglets[] = {
    {"Sommaire", couleurSommaire}, {"Cours", couleurCours}, {"Exercices", couleurExercices},
    {"Imagiciels", couleurImagiciels}, {"Index", couleurIndex},
};

}  // namespace

void dessinerOnglet(Canevas& canevas, TColor couleur, const std::string& titre, const TRect& rect)
{
    canevas.Font.Color = couleur;
    remplirRectangle(canevas, couleur, rect.left + 1, rect.top, rect.right - 1, rect.bottom + 6);
    remplirRectangleArrondi(canevas, 0xFFFFFF, rect.left + 7, rect.top + 4, rect.right - 7, rect.top + 36);
    canevas.TextOut((rect.left + rect.right - canevas.TextWidth(titre)) / 2, rect.top + 2, titre);
    remplirRectangle(canevas, couleur, rect.left + 1, rect.top, rect.right - 1, rect.top + 6);
    remplirRectangle(canevas, couleur, rect.left + 1, rect.top + 35, rect.right - 1, rect.top + 40);
}

void TfenetrePrincipale::Edit1KeyDown(int touche)
{
    if (touche == VK_RETURN) validerReponse(d_);
    if (touche == VK_DOWN && d_.nbChamps > 1) c_.Edit2->SetFocus();
}

void TfenetrePrincipale::Edit2KeyDown(int touche)
{
    if (touche == VK_RETURN) validerReponse(d_);
    if (touche == VK_UP) c_.Edit1->SetFocus();
    if (touche == VK_DOWN && d_.nbChamps > 2) c_.Edit3->SetFocus();
}

void TfenetrePrincipale::Edit3KeyDown(int touche)
{
    if (touche == VK_RETURN) validerReponse(d_);
    if (touche == VK_UP) c_.Edit2->SetFocus();
}

// Return on a tree's selected leaf opens it, as a click on it does.
void TfenetrePrincipale::ArbreChoixExerciceKeyDown(int touche)
{
    // Down goes to the next node in pre-order, shown or not.
    Arbre& arbre = *c_.ArbreChoixExercice;
    const int choisi = arbre.Selected();
    if (touche == VK_DOWN && choisi >= 0 && choisi < arbre.Count() - 1) arbre.Select(choisi + 1);
    if (touche == VK_RETURN) ArbreChoixExerciceMouseDown(choisi);
}

void TfenetrePrincipale::ArbreChoixCoursKeyDown(int touche)
{
    if (touche == VK_RETURN) ArbreChoixCoursMouseDown(c_.ArbreChoixCours->Selected());
}

void TfenetrePrincipale::ArbreChoixImagicielKeyDown(int touche)
{
    if (touche == VK_RETURN) ArbreChoixImagicielMouseDown(c_.ArbreChoixImagiciel->Selected());
}

void TfenetrePrincipale::ArbreParThemeKeyDown(int touche)
{
    if (touche == VK_RETURN) ArbreParThemeMouseDown(c_.ArbreParTheme->Selected());
}

void TfenetrePrincipale::ArbreAlphabetiqueKeyDown(int touche)
{
    if (touche == VK_RETURN) ArbreAlphabetiqueMouseDown(c_.ArbreAlphabetique->Selected());
}

bool TfenetrePrincipale::feuilleChoisie(const Arbre& arbre, int index) const
{
    return index >= 0 && index < arbre.Count() && !arbre.HasChildren(index) && arbre.Selected() == index;
}

void TfenetrePrincipale::ArbreChoixExerciceMouseDown(int index)
{
    c_.ArbreChoixExercice->SetFocus();
    if (!feuilleChoisie(*c_.ArbreChoixExercice, index)) return;
    c_.BoutonBilan->setEnabled(true);
    lancerExercice(d_, index);
}

void TfenetrePrincipale::ArbreChoixCoursMouseDown(int index)
{
    if (feuilleChoisie(*c_.ArbreChoixCours, index)) afficherPageCours(d_, 1000 + index);
}

void TfenetrePrincipale::ArbreChoixImagicielMouseDown(int index)
{
    c_.ArbreChoixImagiciel->SetFocus();
    if (!feuilleChoisie(*c_.ArbreChoixImagiciel, index)) return;
    d_.imagiciel = 1500 + index;
    lancerImagiciel(d_);
}

void TfenetrePrincipale::ArbreParThemeMouseDown(int index)
{
    if (feuilleChoisie(*c_.ArbreParTheme, index)) afficherInfo(d_, 2000 + index);
}

void TfenetrePrincipale::ArbreAlphabetiqueMouseDown(int index)
{
    if (feuilleChoisie(*c_.ArbreAlphabetique, index)) afficherInfo(d_, 2500 + index);
}

void TfenetrePrincipale::BoutonValiderClick() { validerReponse(d_); }

void TfenetrePrincipale::BoutonReessayerClick() { reessayer(d_); }

void TfenetrePrincipale::BoutonAideClick() { aide(d_); }

void TfenetrePrincipale::BoutonSolutionClick()
{
    if (d_.questionTerminee || !d_.solutionPermise) return;
    d_.solutionDemandee = true;
    ++d_.nbSolutionsDemandees;
    validerReponse(d_);
}

void TfenetrePrincipale::BoutonSuiteClick()
{
    if (d_.delaiBoutons < 1) poserQuestion(d_, true);
}

void TfenetrePrincipale::BoutonSommaireClick()
{
    if (d_.delaiBoutons >= 1) return;
    c_.PageControle->setActivePage(c_.PageMenu);
    c_.ArbreChoixExercice->SetFocus();
}

void TfenetrePrincipale::BoutonBilanMouseDown()
{
    if (infoAffichee)
        fermerInfo();
    else
        afficherInfo(d_, 1999);
}

void TfenetrePrincipale::BoutonQuitterPageControleClick()
{
    c_.BoiteAccueil->setVisible(true);
    c_.PageControle->setVisible(false);
}

void TfenetrePrincipale::BoutonCoursSuivantClick() { pageCoursSuivante(d_); }

void TfenetrePrincipale::BoutonCoursPrecedentClick() { pageCoursPrecedente(d_); }

void TfenetrePrincipale::BoutonRetourClick() { pageCoursRetour(d_); }

void TfenetrePrincipale::BoutonPourSexercerClick()
{
    d_.codeLien = d_.exercicePourSexercer;
    suivreLien(d_);
}

void TfenetrePrincipale::BoutonRevoirCoursClick()
{
    d_.codeLien = d_.lienCours;
    suivreLien(d_);
}

void TfenetrePrincipale::BoutonAvancerClick() { etapeSuivanteImagiciel(d_); }

void TfenetrePrincipale::BoutonReculerClick() { etapePrecedenteImagiciel(d_); }

void TfenetrePrincipale::PageControleDrawTab(Canevas& canevas, int index, const TRect& rect)
{
    canevas.Font.Size = 22;
    canevas.Font.Name = "Abadi MT Condensed Extra Bold";
    canevas.Font.Style = fsBold;
    if (index < 0 || index >= static_cast<int>(std::size(onglets))) return;
    dessinerOnglet(canevas, onglets[index].couleur, onglets[index].titre, rect);
}

void TfenetrePrincipale::PageControleChange()
{
    c_.fenetre->setColor(0xE0E0E0);
    c_.PageControle->Repaint();
    focaliserPageActive();
}

// Left to the toolkit, the focus would go to the page's first button, Quitter, and the next Enter
// would send the pupil back to the welcome screen.
void TfenetrePrincipale::focaliserPageActive()
{
    const Controle* page = c_.PageControle->ActivePage();
    if (page == c_.PageExercice) focaliserQuestion(d_);
    if (page == c_.PageImagiciel) focaliserImagiciel(d_);
    // On the index, Enter opens the entry chosen from A to Z.
    if (page == c_.PageVocabulaire) c_.ArbreAlphabetique->SetFocus();
}

void TfenetrePrincipale::PageMenuEnter() { c_.PageControle->SetFocus(); }

void TfenetrePrincipale::TimerTimer()
{
    if (d_.delaiBoutons >= 2) {
        --d_.delaiBoutons;
        return;
    }
    if (d_.delaiBoutons == 1) {
        d_.delaiBoutons = 0;
        if (c_.BoutonSuite->Visible()) c_.BoutonSuite->setEnabled(true);
        if (c_.BoutonSommaire->Visible()) c_.BoutonSommaire->setEnabled(true);
        focaliserQuestion(d_);
        c_.Timer->setEnabled(false);
        return;
    }
    const Thorloge& h = horloge();
    if (h.arrete || h.enPause) return;
    if (!horlogeTerminee()) {
        tickHorloge();
        redessinerZonesExercice(d_);
    }
    if (horlogeTerminee()) {
        d_.tempsEcoule = true;
        validerReponse(d_);
        if (d_.delaiBoutons == 0) c_.Timer->setEnabled(false);
    }
}

void TfenetrePrincipale::TimerAnimationAccueilTimer()
{
    if (!c_.BoiteAccueil->Visible()) return;
    animerAccueil();
    c_.BoiteAccueil->Repaint();
}
