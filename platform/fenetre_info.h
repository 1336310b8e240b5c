#pragma once
// The small borderless window that shows a note beside the mouse. It paints nothing of its own:
// its whole client area is the program's to paint. A click in it, Escape, or its losing the
// focus, asks for it to be closed; the request is queued, so it reaches the program after the
// window's own handler has returned, and a request from a window already freed is dropped.

#include "platform/canevas.h"
#include "platform/evenement.h"
#include "platform/types.h"

class FenetreInfo {
public:
    virtual ~FenetreInfo() = default;

    // The window has no border: its size is its client size.
    virtual void setClientSize(int largeur, int hauteur) = 0;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    // The top-left corner in screen pixels.
    virtual void setPosition(int gauche, int haut) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual TColor Color() const = 0;
    virtual void setColor(TColor c) = 0;
    // Shows the window, not modal, in front of the others and with the focus.
    virtual void Show() = 0;
    virtual bool Visible() const = 0;
    virtual void Repaint() = 0;

    // Paints the client area; the canvas starts filled with Color.
    Evenement<Canevas&> OnPaint;
    // The queued close request.
    Evenement<> OnFermer;
};
