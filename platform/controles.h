#pragma once
// The window components the program drives, in the terms its own code uses. The shell implements
// them on real widgets; tests drive recording doubles.

#include <algorithm>
#include <span>
#include <string>

#include "platform/canevas.h"
#include "platform/evenement.h"
#include "platform/types.h"

// Standard cursor numbers of the toolkit.
enum : int { crDefault = 0, crCross = -3, crSizeNS = -7, crHandPoint = -21 };

// Key codes of the keys the program answers to; the components report no other key.
enum : int { VK_RETURN = 13, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40 };

class Controle {
public:
    virtual ~Controle() = default;

    // The component's own flag: a control inside a hidden parent keeps Visible() true.
    virtual bool Visible() const = 0;
    virtual void setVisible(bool v) = 0;
    virtual bool Enabled() const = 0;
    virtual void setEnabled(bool v) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void setBounds(int left, int top, int width, int height) = 0;
    // The size inside the control's border.
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual TColor Color() const = 0;
    virtual void setColor(TColor c) = 0;
    // The text the control shows: a label's or a button's caption, an edit field's text.
    virtual std::string Caption() const = 0;
    virtual void setCaption(const std::string& texte) = 0;
    virtual bool Focused() const = 0;
    // A control that cannot be seen or is disabled does not take the focus.
    virtual void SetFocus() = 0;
    virtual void Repaint() = 0;

    void setLeft(int v) { setBounds(v, Top(), Width(), Height()); }
    void setTop(int v) { setBounds(Left(), v, Width(), Height()); }
    void setWidth(int v) { setBounds(Left(), Top(), v, Height()); }
    void setHeight(int v) { setBounds(Left(), Top(), Width(), v); }
};

// A push button: OnMouseDown as it goes down, OnClick once it is released over the button, or
// pressed by the keyboard.
class Bouton : public Controle {
public:
    Evenement<> OnClick;
    Evenement<> OnMouseDown;
};

// The main window: its caption, bounds, colour and client size, and its own events.
class Fenetre : public Controle {
public:
    // The first time the window shows.
    Evenement<> OnShow;
    Evenement<> OnResize;
    // The pupil or the system asks the window to close: a handler may refuse by clearing the flag,
    // which starts true. OnClose follows when no handler refused.
    Evenement<bool&> OnCloseQuery;
    Evenement<> OnClose;
};

enum class BoutonSouris { gauche, droit, milieu };

// A paint box: a control whose canvas the program paints, with a cursor and mouse events in pixels
// of the box. Like the toolkit's paint box it fills no background of its own: at each paint the
// canvas starts with the default font and a brush of the box's Color, and the pen keeps its state
// from the paint before.
class ZoneDessin : public Controle {
public:
    // The canvas painted on while OnPaint runs. Outside a paint it only measures texts: what is
    // drawn on it then is lost.
    virtual Canevas& canvas() = 0;
    virtual int Cursor() const = 0;
    virtual void setCursor(int curseur) = 0;

    Evenement<> OnPaint;
    // A double click reports a second mouse down. Moves come with or without a button held, and
    // while a button is held they keep coming when the mouse leaves the box.
    Evenement<BoutonSouris, int, int> OnMouseDown;
    Evenement<int, int> OnMouseMove;
    Evenement<BoutonSouris, int, int> OnMouseUp;
};

class ChampEdition : public Controle {
public:
    // The text the pupil typed, in Windows-1252; signs the code page lacks read as '?'.
    virtual std::string Text() const = 0;
    virtual void setText(const std::string& texte) = 0;
    virtual bool ReadOnly() const = 0;
    virtual void setReadOnly(bool v) = 0;
    virtual void SelectAll() = 0;
    // The most characters the pupil may type; a longer text given is cut to it.
    virtual int MaxLength() const = 0;
    virtual void setMaxLength(int n) = 0;

    // Called before the field handles the key itself.
    Evenement<int> OnKeyDown;
};

// One row of a tree's contents, in pre-order: its level (0 for a root) and its text.
struct TLigneArbre {
    int niveau = 0;
    std::string texte;
};

// The level a row really takes: never negative and at most one below the row before it (-1 before
// the first row), so that any list of rows makes a tree.
inline int niveauAdmis(int niveau, int niveauPrecedent)
{
    return std::clamp(niveau, 0, niveauPrecedent + 1);
}

// A tree view whose nodes are numbered by their absolute pre-order index, whether shown or not.
// Calls with an index out of range do nothing and answer empty, -1 or false.
class Arbre : public Controle {
public:
    // Replaces the nodes by the rows, all collapsed, none selected.
    virtual void remplir(std::span<const TLigneArbre> lignes) = 0;
    virtual int Count() const = 0;
    virtual std::string TexteNoeud(int index) const = 0;
    virtual int NiveauNoeud(int index) const = 0;
    virtual bool HasChildren(int index) const = 0;
    // With recurse, every descendant is expanded too.
    virtual void Expand(int index, bool recurse) = 0;
    virtual void Collapse(int index) = 0;
    virtual bool Expanded(int index) const = 0;
    // -1 when no node is selected.
    virtual int Selected() const = 0;
    // Selecting a node expands its ancestors so that it shows; -1 clears the selection.
    virtual void Select(int index) = 0;

    // A mouse button went down on the tree, with the index of the node under the mouse (-1 for
    // none), before the click selects anything: a handler sees the selection the pupil clicked on.
    // A double click reports a second press.
    Evenement<int> OnClick;
    // Called before the tree moves its selection by the key; a handler that selects a node itself
    // makes that the whole movement of the key.
    Evenement<int> OnKeyDown;
};

// A page control: pages with one tab each.
class ClasseurPages : public Controle {
public:
    virtual Controle* ActivePage() const = 0;
    // A page that is not one of this control's pages changes nothing.
    virtual void setActivePage(Controle* page) = 0;
    virtual bool TabVisible(Controle* page) const = 0;
    virtual void setTabVisible(Controle* page, bool visible) = 0;

    // The pupil chose another tab; setting ActivePage does not call it.
    Evenement<> OnChange;
    // Owner-drawn tabs: paints the tab of the page of this index (counting every page, hidden tabs
    // included) within its rectangle on the tab row's canvas.
    Evenement<Canevas&, int, const TRect&, bool> OnDrawTab;
};

class Minuteur {
public:
    virtual ~Minuteur() = default;
    // A timer with an interval of 0 never fires, enabled or not.
    virtual bool Enabled() const = 0;
    virtual void setEnabled(bool v) = 0;
    virtual int Interval() const = 0;
    // Restarts the count of a running timer.
    virtual void setInterval(int millisecondes) = 0;

    Evenement<> OnTimer;
};

// Plays one sound file. A missing file or a machine without sound plays nothing and never blocks.
class LecteurSon {
public:
    virtual ~LecteurSon() = default;
    virtual void setFileName(const std::string& chemin) = 0;
    virtual std::string FileName() const = 0;
    // Loads FileName; Play plays what was last opened, from its start.
    virtual void Open() = 0;
    virtual void Play() = 0;
};
