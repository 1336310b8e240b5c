#pragma once
// Any widget as one of the program's controls. ControleQt<Interface, Widget> is the widget and the
// interface at once: the shell places it as a widget and hands it to the program as a control.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/controles.h"
#include "platform/qt/couleur_qt.h"
#include "platform/qt/unicode.h"

template <class Interface, class Widget>
class ControleQt : public Widget, public Interface {
public:
    template <class... Arguments>
    explicit ControleQt(Arguments&&... arguments) : Widget(std::forward<Arguments>(arguments)...)
    {
        // A caption is text, never markup, whatever it starts with.
        if constexpr (std::is_base_of_v<QLabel, Widget>) Widget::setTextFormat(Qt::PlainText);
    }

    // The widget's own flag: isVisible() would also answer for its ancestors.
    bool Visible() const override { return !this->isHidden(); }
    void setVisible(bool v) override { Widget::setVisible(v); }
    bool Enabled() const override { return Widget::isEnabled(); }
    void setEnabled(bool v) override { Widget::setEnabled(v); }
    int Left() const override { return this->x(); }
    int Top() const override { return this->y(); }
    int Width() const override { return this->width(); }
    int Height() const override { return this->height(); }
    void setBounds(int left, int top, int width, int height) override
    {
        this->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
    }
    int ClientWidth() const override { return this->contentsRect().width(); }
    int ClientHeight() const override { return this->contentsRect().height(); }

    TColor Color() const override { return depuisQColor(this->palette().color(roleFond)); }
    void setColor(TColor c) override
    {
        QPalette palette = this->palette();
        palette.setColor(roleFond, versQColor(c));
        this->setPalette(palette);
        // Edit fields, views and buttons paint their own background in their role.
        if constexpr (roleFond == QPalette::Window) this->setAutoFillBackground(true);
    }

    std::string Caption() const override
    {
        if constexpr (aUnTexte)
            return depuisUnicode(Widget::text());
        else
            return depuisUnicode(this->windowTitle());
    }
    void setCaption(const std::string& texte) override
    {
        if constexpr (aUnTexte)
            Widget::setText(versUnicode(texte));
        else
            this->setWindowTitle(versUnicode(texte));
    }

    bool Focused() const override { return this->hasFocus(); }
    void SetFocus() override
    {
        if (Widget::isEnabled() && this->isVisible()) this->setFocus(Qt::OtherFocusReason);
    }
    void Repaint() override
    {
        if constexpr (std::is_base_of_v<QAbstractScrollArea, Widget>) this->viewport()->update();
        this->update();
    }

private:
    static constexpr bool aUnTexte = requires(Widget& w) {
        w.setText(QString());
        w.text();
    };
    // The palette role the control's Color stands for.
    static constexpr QPalette::ColorRole roleFond =
        std::is_base_of_v<QLineEdit, Widget> || std::is_base_of_v<QAbstractScrollArea, Widget>
            ? QPalette::Base
            : std::is_base_of_v<QAbstractButton, Widget> ? QPalette::Button : QPalette::Window;
};

using EtiquetteQt = ControleQt<Controle, QLabel>;
using PanneauQt = ControleQt<Controle, QFrame>;
// A scroll box: the shell hands it the control to scroll with setWidget; it scrolls as that
// control grows.
using BoiteDefilementQt = ControleQt<Controle, QScrollArea>;
