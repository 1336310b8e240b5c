#pragma once
// The window components the program drives, in the terms its own code uses. The shell implements
// them on real widgets; tests drive recording doubles.

#include <functional>
#include <string>

#include "platform/canevas.h"
#include "platform/types.h"

// Standard cursor numbers of the toolkit.
enum : int { crDefault = 0, crCross = -3, crSizeNS = -7, crHandPoint = -21 };

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
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual TColor Color() const = 0;
    virtual void setColor(TColor c) = 0;
    virtual std::string Caption() const = 0;
    virtual void setCaption(const std::string& texte) = 0;
    virtual bool Focused() const = 0;
    virtual void SetFocus() = 0;
    virtual void Repaint() = 0;

    void setLeft(int v) { setBounds(v, Top(), Width(), Height()); }
    void setTop(int v) { setBounds(Left(), v, Width(), Height()); }
    void setWidth(int v) { setBounds(Left(), Top(), v, Height()); }
    void setHeight(int v) { setBounds(Left(), Top(), Width(), v); }
};

// Mouse buttons and phases as the paint boxes report them.
enum class BoutonSouris { gauche, droit, milieu };

// A paint box: a control whose canvas the program paints, with a cursor and mouse events.
class ZoneDessin : public Controle {
public:
    // The canvas is valid only while OnPaint runs.
    virtual Canevas& canvas() = 0;
    virtual int Cursor() const = 0;
    virtual void setCursor(int curseur) = 0;

    std::function<void()> OnPaint;
    std::function<void(BoutonSouris, int x, int y)> OnMouseDown;
    std::function<void(int x, int y)> OnMouseMove;
    std::function<void(BoutonSouris, int x, int y)> OnMouseUp;
};

class ChampEdition : public Controle {
public:
    virtual std::string Text() const = 0;
    virtual void setText(const std::string& texte) = 0;
    virtual bool ReadOnly() const = 0;
    virtual void setReadOnly(bool v) = 0;
    virtual void SelectAll() = 0;

    // Key codes of the keys the program answers to.
    enum : int { VK_RETURN = 13, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40 };
    std::function<void(int touche)> OnKeyDown;
};

// A tree view whose nodes are numbered by their absolute pre-order index.
class Arbre : public Controle {
public:
    virtual int Count() const = 0;
    virtual std::string TexteNoeud(int index) const = 0;
    virtual int NiveauNoeud(int index) const = 0;
    virtual bool HasChildren(int index) const = 0;
    virtual void Expand(int index) = 0;
    virtual void Collapse(int index) = 0;
    virtual bool Expanded(int index) const = 0;
    // -1 when no node is selected.
    virtual int Selected() const = 0;
    virtual void Select(int index) = 0;

    std::function<void(int index)> OnClick;
};

class ClasseurPages : public Controle {
public:
    virtual Controle* ActivePage() const = 0;
    virtual void setActivePage(Controle* page) = 0;
    virtual void setTabVisible(Controle* page, bool visible) = 0;
};

class Minuteur {
public:
    virtual ~Minuteur() = default;
    virtual bool Enabled() const = 0;
    virtual void setEnabled(bool v) = 0;
    virtual int Interval() const = 0;
    virtual void setInterval(int millisecondes) = 0;

    std::function<void()> OnTimer;
};

// Plays one sound file. A missing file or a machine without sound plays nothing and never blocks.
class LecteurSon {
public:
    virtual ~LecteurSon() = default;
    virtual void setFileName(const std::string& chemin) = 0;
    virtual std::string FileName() const = 0;
    virtual void Open() = 0;
    virtual void Play() = 0;
};
