#include "platform/qt/arbre_qt.h"

#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/qt/clavier_qt.h"

namespace {

// Each item keeps its pre-order index, so that an item under the mouse gives its node at once.
constexpr int roleIndex = Qt::UserRole;

}  // namespace

ArbreQt::ArbreQt(QWidget* parent) : ControleQt(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // At 9 points the accent of a capital ("Écriture", "À même distance") is a grey dash on top
    // of the letter; at 10, with the font's own hinting as the canvas has it, it stands clear.
    QFont police(QStringLiteral("Arial"), 10);
    police.setHintingPreference(QFont::PreferFullHinting);
    setFont(police);
}

void ArbreQt::remplir(std::span<const TLigneArbre> lignes)
{
    clear();
    noeuds_.clear();
    niveaux_.clear();
    // The last node of each level down to the row being placed: its parent is the one before it.
    // The nodes are built apart from the view and handed to it at once, which is much quicker
    // than adding them one by one to a shown tree.
    std::vector<QTreeWidgetItem*> chemin;
    QList<QTreeWidgetItem*> racines;
    for (const TLigneArbre& ligne : lignes) {
        const int niveau = niveauAdmis(ligne.niveau, niveaux_.empty() ? -1 : niveaux_.back());
        chemin.resize(static_cast<std::size_t>(niveau));
        QTreeWidgetItem* noeud = chemin.empty() ? new QTreeWidgetItem() : new QTreeWidgetItem(chemin.back());
        if (chemin.empty()) racines.append(noeud);
        noeud->setText(0, versUnicode(ligne.texte));
        noeud->setData(0, roleIndex, static_cast<int>(noeuds_.size()));
        chemin.push_back(noeud);
        noeuds_.push_back(noeud);
        niveaux_.push_back(niveau);
    }
    addTopLevelItems(racines);
}

QTreeWidgetItem* ArbreQt::element(int index) const
{
    return index >= 0 && index < Count() ? noeuds_[static_cast<std::size_t>(index)] : nullptr;
}

std::string ArbreQt::TexteNoeud(int index) const
{
    const QTreeWidgetItem* noeud = element(index);
    return noeud ? depuisUnicode(noeud->text(0)) : std::string();
}

int ArbreQt::NiveauNoeud(int index) const
{
    return element(index) ? niveaux_[static_cast<std::size_t>(index)] : -1;
}

bool ArbreQt::HasChildren(int index) const
{
    const QTreeWidgetItem* noeud = element(index);
    return noeud && noeud->childCount() > 0;
}

void ArbreQt::Expand(int index, bool recurse)
{
    if (!HasChildren(index)) return;
    noeuds_[static_cast<std::size_t>(index)]->setExpanded(true);
    if (!recurse) return;
    const int niveau = niveaux_[static_cast<std::size_t>(index)];
    for (int i = index + 1; i < Count() && niveaux_[static_cast<std::size_t>(i)] > niveau; ++i)
        if (HasChildren(i)) noeuds_[static_cast<std::size_t>(i)]->setExpanded(true);
}

void ArbreQt::Collapse(int index)
{
    if (QTreeWidgetItem* noeud = element(index)) noeud->setExpanded(false);
}

bool ArbreQt::Expanded(int index) const
{
    return HasChildren(index) && element(index)->isExpanded();
}

int ArbreQt::Selected() const
{
    const QList<QTreeWidgetItem*> choisis = selectedItems();
    return choisis.isEmpty() ? -1 : choisis.first()->data(0, roleIndex).toInt();
}

void ArbreQt::Select(int index)
{
    if (index == -1) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    QTreeWidgetItem* noeud = element(index);
    if (!noeud) return;
    for (QTreeWidgetItem* parent = noeud->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    setCurrentItem(noeud);
    scrollToItem(noeud);
}

int ArbreQt::indexSous(const QMouseEvent* evenement) const
{
    const QTreeWidgetItem* noeud = itemAt(evenement->position().toPoint());
    return noeud ? noeud->data(0, roleIndex).toInt() : -1;
}

void ArbreQt::mousePressEvent(QMouseEvent* evenement)
{
    const int index = indexSous(evenement);
    if (OnClick) OnClick(index);
    // A click beside the nodes keeps the selection, as the program expects of a tree.
    if (index < 0) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QTreeWidget::mousePressEvent(evenement);
}

void ArbreQt::mouseDoubleClickEvent(QMouseEvent* evenement)
{
    // The view takes a double click for itself: its second press must still reach the program.
    if (OnClick) OnClick(indexSous(evenement));
    QTreeWidget::mouseDoubleClickEvent(evenement);
}

void ArbreQt::keyPressEvent(QKeyEvent* evenement)
{
    // Held on a leaf, Return opens it once.
    if (toucheRepetee(*evenement)) {
        evenement->accept();
        return;
    }
    const int touche = toucheVirtuelle(evenement->key());
    if (touche != 0 && OnKeyDown) {
        const int avant = Selected();
        OnKeyDown(touche);
        // The handler moved the selection itself: the key has done its work.
        if (Selected() != avant) return;
    }
    QTreeWidget::keyPressEvent(evenement);
}

void ArbreQt::keyReleaseEvent(QKeyEvent* evenement)
{
    noterRelachement(*evenement);
    QTreeWidget::keyReleaseEvent(evenement);
}
