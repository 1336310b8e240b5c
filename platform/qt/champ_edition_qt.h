#pragma once
// An edit field on a QLineEdit; the keys the program answers to reach OnKeyDown first.

#include <QLineEdit>

#include "platform/qt/controle_qt.h"

class ChampEditionQt final : public ControleQt<ChampEdition, QLineEdit> {
public:
    explicit ChampEditionQt(QWidget* parent = nullptr) : ControleQt(parent) {}

    std::string Text() const override { return depuisUnicode(QLineEdit::text()); }
    void setText(const std::string& texte) override { QLineEdit::setText(versUnicode(texte)); }
    bool ReadOnly() const override { return QLineEdit::isReadOnly(); }
    void setReadOnly(bool v) override { QLineEdit::setReadOnly(v); }
    void SelectAll() override { QLineEdit::selectAll(); }
    int MaxLength() const override { return QLineEdit::maxLength(); }
    void setMaxLength(int n) override { QLineEdit::setMaxLength(n); }

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
};
