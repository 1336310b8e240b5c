#pragma once
// The window components as plain objects for tests: they hold their state in members, count what
// cannot be seen otherwise (repaints, plays) and let a test play the pupil's part (a click, a key,
// a timer tick) without a window.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/controles.h"
#include "platform/double/canevas_enregistre.h"

// The doubles share one focus, as the controls of a window do: null when none has it.
const Controle* controleFocalise();
void focaliser(const Controle* controle);

template <class Interface>
class EtatControle : public Interface {
public:
    EtatControle() = default;
    EtatControle(const EtatControle&) = delete;
    EtatControle& operator=(const EtatControle&) = delete;
    ~EtatControle() override
    {
        if (this->Focused()) focaliser(nullptr);
    }

    bool Visible() const override { return visible_; }
    void setVisible(bool v) override
    {
        visible_ = v;
        perdreFocusSiInaccessible();
    }
    bool Enabled() const override { return enabled_; }
    void setEnabled(bool v) override
    {
        enabled_ = v;
        perdreFocusSiInaccessible();
    }
    int Left() const override { return cadre_.left; }
    int Top() const override { return cadre_.top; }
    int Width() const override { return cadre_.right - cadre_.left; }
    int Height() const override { return cadre_.bottom - cadre_.top; }
    void setBounds(int left, int top, int width, int height) override
    {
        cadre_ = TRect{left, top, left + std::max(width, 0), top + std::max(height, 0)};
    }
    // No border: the client area is the whole control.
    int ClientWidth() const override { return Width(); }
    int ClientHeight() const override { return Height(); }
    TColor Color() const override { return couleur_; }
    void setColor(TColor c) override { couleur_ = c; }
    std::string Caption() const override { return texte_; }
    void setCaption(const std::string& texte) override { texte_ = texte; }
    bool Focused() const override { return controleFocalise() == this; }
    void SetFocus() override
    {
        if (visible_ && enabled_) focaliser(this);
    }
    void Repaint() override { ++nbRepaint; }

    int nbRepaint = 0;

protected:
    std::string texte_;

private:
    void perdreFocusSiInaccessible()
    {
        if ((!visible_ || !enabled_) && Focused()) focaliser(nullptr);
    }

    bool visible_ = true;
    bool enabled_ = true;
    TRect cadre_;
    TColor couleur_ = 0xFFFFFF;
};

using ControleEnregistre = EtatControle<Controle>;
// A test presses them by calling their events.
using BoutonEnregistre = EtatControle<Bouton>;
using FenetreEnregistree = EtatControle<Fenetre>;

// For the components a test drives without a window: a guard always open.
const Garde& gardeOuverte();

class ZoneDessinEnregistree final : public EtatControle<ZoneDessin> {
public:
    // Outside a paint too, the drawing goes to the recording canvas.
    Canevas& canvas() override { return canevas_; }
    CanevasEnregistre& canevas() { return canevas_; }
    int Cursor() const override { return curseur_; }
    void setCursor(int curseur) override { curseur_ = curseur; }

    // Paints once: the canvas forgets the calls before, starts with the default font and a brush
    // of the box's Color, and records what OnPaint draws.
    void peindre();
    // The pupil's mouse, in pixels of the box; nothing happens without a handler.
    void appuyer(BoutonSouris bouton, int x, int y);
    void deplacer(int x, int y);
    void relacher(BoutonSouris bouton, int x, int y);

private:
    CanevasEnregistre canevas_;
    int curseur_ = crDefault;
};

// Its Caption is its Text, as for the toolkit's edit fields.
class ChampEditionEnregistre final : public EtatControle<ChampEdition> {
public:
    std::string Text() const override { return texte_; }
    void setText(const std::string& texte) override { texte_ = texte.substr(0, static_cast<std::size_t>(longueurMax_)); }
    bool ReadOnly() const override { return lectureSeule_; }
    void setReadOnly(bool v) override { lectureSeule_ = v; }
    void SelectAll() override { ++nbSelectAll; }
    int MaxLength() const override { return longueurMax_; }
    void setMaxLength(int n) override
    {
        longueurMax_ = std::max(n, 0);
        setText(texte_);
    }

    // The pupil presses a key in the field.
    void taper(int touche);

    int nbSelectAll = 0;

private:
    bool lectureSeule_ = false;
    // As the toolkit's edit field starts.
    int longueurMax_ = 32767;
};

class ArbreEnregistre final : public EtatControle<Arbre> {
public:
    void remplir(std::span<const TLigneArbre> lignes) override;
    int Count() const override { return static_cast<int>(noeuds_.size()); }
    std::string TexteNoeud(int index) const override;
    int NiveauNoeud(int index) const override;
    bool HasChildren(int index) const override;
    void Expand(int index, bool recurse) override;
    void Collapse(int index) override;
    bool Expanded(int index) const override;
    int Selected() const override { return selection_; }
    void Select(int index) override;

    // The pupil clicks node `index` (-1: beside the nodes): OnClick sees the selection before the
    // click, then the click selects the node.
    void cliquer(int index);
    // The pupil presses a key in the tree; the double has no movement of its own.
    void taper(int touche);

private:
    struct Noeud {
        int niveau;
        std::string texte;
        bool deplie;
    };
    bool existe(int index) const { return index >= 0 && index < Count(); }

    std::vector<Noeud> noeuds_;
    int selection_ = -1;
};

class ClasseurPagesEnregistre final : public EtatControle<ClasseurPages> {
public:
    // The first page added becomes the active page; every tab starts visible.
    void ajouterPage(Controle& page);

    Controle* ActivePage() const override { return active_; }
    // The active page shows, the others are hidden, as in a real page control.
    void setActivePage(Controle* page) override;
    bool TabVisible(Controle* page) const override;
    void setTabVisible(Controle* page, bool visible) override;

    // The pupil clicks the tab of a page: a shown tab of another page makes it active and calls
    // OnChange.
    void choisirOnglet(Controle& page);

private:
    struct Page {
        Controle* controle;
        bool ongletVisible;
    };
    // -1 when the control is not one of the pages.
    int indexPage(const Controle* page) const;

    std::vector<Page> pages_;
    Controle* active_ = nullptr;
};

class MinuteurEnregistre final : public Minuteur {
public:
    bool Enabled() const override { return actif_; }
    void setEnabled(bool v) override { actif_ = v; }
    int Interval() const override { return intervalle_; }
    void setInterval(int millisecondes) override { intervalle_ = millisecondes; }

    // One interval has passed: OnTimer runs when the timer is running. True when it ran.
    bool declencher();

private:
    bool actif_ = true;
    int intervalle_ = 1000;
};

class LecteurSonEnregistre final : public LecteurSon {
public:
    void setFileName(const std::string& chemin) override { fichier_ = chemin; }
    std::string FileName() const override { return fichier_; }
    void Open() override
    {
        fichierOuvert = fichier_;
        ++nbOpen;
    }
    void Play() override { ++nbPlay; }

    // The file name at the last Open.
    std::string fichierOuvert;
    int nbOpen = 0;
    int nbPlay = 0;

private:
    std::string fichier_;
};
