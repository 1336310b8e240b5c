#include "platform/double/controles_enregistres.h"

namespace {

const Controle* focus = nullptr;

}  // namespace

const Controle* controleFocalise()
{
    return focus;
}

void focaliser(const Controle* controle)
{
    focus = controle;
}

const Garde& gardeOuverte()
{
    static const Garde garde = [] {
        Garde g;
        g.ouvrir();
        return g;
    }();
    return garde;
}

void ZoneDessinEnregistree::peindre()
{
    canevas_.effacer();
    canevas_.Font = TFont{};
    canevas_.Brush.Color = Color();
    if (OnPaint) OnPaint();
}

void ZoneDessinEnregistree::appuyer(BoutonSouris bouton, int x, int y)
{
    if (OnMouseDown) OnMouseDown(bouton, x, y);
}

void ZoneDessinEnregistree::deplacer(int x, int y)
{
    if (OnMouseMove) OnMouseMove(x, y);
}

void ZoneDessinEnregistree::relacher(BoutonSouris bouton, int x, int y)
{
    if (OnMouseUp) OnMouseUp(bouton, x, y);
}

void ChampEditionEnregistre::taper(int touche)
{
    if (OnKeyDown) OnKeyDown(touche);
}

void ArbreEnregistre::remplir(std::span<const TLigneArbre> lignes)
{
    noeuds_.clear();
    selection_ = -1;
    for (const TLigneArbre& ligne : lignes) {
        const int precedent = noeuds_.empty() ? -1 : noeuds_.back().niveau;
        noeuds_.push_back(Noeud{niveauAdmis(ligne.niveau, precedent), ligne.texte, false});
    }
}

std::string ArbreEnregistre::TexteNoeud(int index) const
{
    return existe(index) ? noeuds_[static_cast<std::size_t>(index)].texte : std::string();
}

int ArbreEnregistre::NiveauNoeud(int index) const
{
    return existe(index) ? noeuds_[static_cast<std::size_t>(index)].niveau : -1;
}

// In pre-order a node's first child, if any, comes right after it, one level deeper.
bool ArbreEnregistre::HasChildren(int index) const
{
    return existe(index) && existe(index + 1) &&
           noeuds_[static_cast<std::size_t>(index) + 1].niveau >
               noeuds_[static_cast<std::size_t>(index)].niveau;
}

void ArbreEnregistre::Expand(int index, bool recurse)
{
    if (!HasChildren(index)) return;
    noeuds_[static_cast<std::size_t>(index)].deplie = true;
    if (!recurse) return;
    const int niveau = NiveauNoeud(index);
    for (int i = index + 1; i < Count() && NiveauNoeud(i) > niveau; ++i)
        if (HasChildren(i)) noeuds_[static_cast<std::size_t>(i)].deplie = true;
}

void ArbreEnregistre::Collapse(int index)
{
    if (existe(index)) noeuds_[static_cast<std::size_t>(index)].deplie = false;
}

bool ArbreEnregistre::Expanded(int index) const
{
    return HasChildren(index) && noeuds_[static_cast<std::size_t>(index)].deplie;
}

void ArbreEnregistre::Select(int index)
{
    if (index == -1) {
        selection_ = -1;
        return;
    }
    if (!existe(index)) return;
    selection_ = index;
    // The ancestors are the nearest nodes before it of each lower level.
    int niveau = NiveauNoeud(index);
    for (int i = index - 1; i >= 0 && niveau > 0; --i) {
        if (NiveauNoeud(i) < niveau) {
            noeuds_[static_cast<std::size_t>(i)].deplie = true;
            niveau = NiveauNoeud(i);
        }
    }
}

void ArbreEnregistre::cliquer(int index)
{
    if (OnClick) OnClick(index);
    if (existe(index)) Select(index);
}

void ArbreEnregistre::taper(int touche)
{
    if (OnKeyDown) OnKeyDown(touche);
}

void ClasseurPagesEnregistre::ajouterPage(Controle& page)
{
    pages_.push_back(Page{&page, true});
    if (!active_)
        active_ = &page;
    else
        page.setVisible(false);
}

int ClasseurPagesEnregistre::indexPage(const Controle* page) const
{
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i].controle == page) return static_cast<int>(i);
    return -1;
}

void ClasseurPagesEnregistre::setActivePage(Controle* page)
{
    if (indexPage(page) < 0) return;
    for (const Page& p : pages_) p.controle->setVisible(p.controle == page);
    active_ = page;
}

bool ClasseurPagesEnregistre::TabVisible(Controle* page) const
{
    const int index = indexPage(page);
    return index >= 0 && pages_[static_cast<std::size_t>(index)].ongletVisible;
}

void ClasseurPagesEnregistre::setTabVisible(Controle* page, bool visible)
{
    const int index = indexPage(page);
    if (index >= 0) pages_[static_cast<std::size_t>(index)].ongletVisible = visible;
}

void ClasseurPagesEnregistre::choisirOnglet(Controle& page)
{
    // A hidden tab cannot be clicked.
    if (active_ == &page || !TabVisible(&page)) return;
    setActivePage(&page);
    if (OnChange) OnChange();
}

bool MinuteurEnregistre::declencher()
{
    if (!actif_ || intervalle_ <= 0 || !OnTimer) return false;
    OnTimer();
    return true;
}
