#pragma once
// A tree view on a QTreeWidget, its nodes addressed by absolute pre-order index.

#include <QTreeWidget>
#include <vector>

#include "platform/qt/controle_qt.h"

class ArbreQt final : public ControleQt<Arbre, QTreeWidget> {
public:
    explicit ArbreQt(QWidget* parent = nullptr);

    void remplir(std::span<const TLigneArbre> lignes) override;
    int Count() const override { return static_cast<int>(noeuds_.size()); }
    std::string TexteNoeud(int index) const override;
    int NiveauNoeud(int index) const override;
    bool HasChildren(int index) const override;
    void Expand(int index, bool recurse) override;
    void Collapse(int index) override;
    bool Expanded(int index) const override;
    int Selected() const override;
    void Select(int index) override;

    // The widget's item of a node, null out of range: for the shell's own settings of the view.
    QTreeWidgetItem* element(int index) const;

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;

private:
    int indexSous(const QMouseEvent* evenement) const;

    // In pre-order, with each node's level.
    std::vector<QTreeWidgetItem*> noeuds_;
    std::vector<int> niveaux_;
};
