#include "platform/double/fenetre_info_enregistree.h"

#include <algorithm>
#include <deque>

namespace {

std::deque<FenetreInfoEnregistree*> fermeturesEnAttente;

}  // namespace

FenetreInfoEnregistree::~FenetreInfoEnregistree()
{
    std::erase(fermeturesEnAttente, this);
}

void FenetreInfoEnregistree::setClientSize(int largeur, int hauteur)
{
    largeur_ = std::max(largeur, 1);
    hauteur_ = std::max(hauteur, 1);
}

void FenetreInfoEnregistree::setPosition(int gauche, int haut)
{
    gauche_ = gauche;
    haut_ = haut;
}

void FenetreInfoEnregistree::peindre()
{
    canevas_.effacer();
    canevas_.Font = TFont{};
    canevas_.Brush.Color = couleur_;
    if (OnPaint) OnPaint(canevas_);
}

void FenetreInfoEnregistree::cliquer() { fermeturesEnAttente.push_back(this); }

void FenetreInfoEnregistree::perdreFocus() { fermeturesEnAttente.push_back(this); }

int traiterFermeturesEnAttente()
{
    int n = 0;
    while (!fermeturesEnAttente.empty()) {
        FenetreInfoEnregistree* fenetre = fermeturesEnAttente.front();
        fermeturesEnAttente.pop_front();
        ++n;
        // The handler may free the window, and the handler with it: it runs from a copy.
        const Evenement<> fermer = fenetre->OnFermer;
        if (fermer) fermer();
    }
    return n;
}
