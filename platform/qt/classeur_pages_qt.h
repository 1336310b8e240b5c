#pragma once
// A page control on a QTabWidget, with owner-drawn tabs when OnDrawTab is set.

#include <QTabBar>
#include <QTabWidget>

#include "platform/qt/controle_qt.h"

class ClasseurPagesQt final : public ControleQt<ClasseurPages, QTabWidget> {
public:
    explicit ClasseurPagesQt(QWidget* parent = nullptr);

    // Adds a page, one of the program's controls, with its tab's caption.
    void ajouterPage(QWidget* page, const std::string& titre);
    // Fixed tab sizes, for tabs the program draws itself; 0 keeps the size the caption asks.
    void fixerTailleOnglets(int largeur, int hauteur);

    Controle* ActivePage() const override;
    void setActivePage(Controle* page) override;
    bool TabVisible(Controle* page) const override;
    void setTabVisible(Controle* page, bool visible) override;

private:
    class Onglets;

    // -1 when the control is not one of the pages.
    int indexPage(Controle* page) const;

    Onglets* onglets_;
};
