#include "platform/qt/classeur_pages_qt.h"

#include <QPainter>
#include <QSignalBlocker>

#include "platform/qt/canevas_qt.h"

class ClasseurPagesQt::Onglets final : public QTabBar {
public:
    explicit Onglets(ClasseurPagesQt& classeur) : classeur_(classeur) {}

    void fixerTaille(int largeur, int hauteur)
    {
        largeur_ = largeur;
        hauteur_ = hauteur;
        updateGeometry();
        update();
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        const QSize naturelle = QTabBar::tabSizeHint(index);
        return QSize(largeur_ > 0 ? largeur_ : naturelle.width(),
                     hauteur_ > 0 ? hauteur_ : naturelle.height());
    }

    void paintEvent(QPaintEvent* evenement) override
    {
        if (!classeur_.OnDrawTab) {
            QTabBar::paintEvent(evenement);
            return;
        }
        QPainter peintre(this);
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i)) continue;
            // Each tab starts from a fresh drawing state, as the toolkit gives it.
            CanevasQt canevas(peintre);
            const QRect r = tabRect(i);
            classeur_.OnDrawTab(canevas, i, TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                                i == currentIndex());
        }
    }

private:
    ClasseurPagesQt& classeur_;
    int largeur_ = 0;
    int hauteur_ = 0;
};

ClasseurPagesQt::ClasseurPagesQt(QWidget* parent) : ControleQt(parent), onglets_(new Onglets(*this))
{
    setTabBar(onglets_);
    // The program's own changes of page block the signal: only the pupil's choice reaches OnChange.
    QObject::connect(this, &QTabWidget::currentChanged, this, [this](int) {
        if (OnChange) OnChange();
    });
}

void ClasseurPagesQt::ajouterPage(QWidget* page, const std::string& titre)
{
    const QSignalBlocker silence(this);
    addTab(page, versUnicode(titre));
}

void ClasseurPagesQt::fixerTailleOnglets(int largeur, int hauteur)
{
    onglets_->fixerTaille(largeur, hauteur);
}

int ClasseurPagesQt::indexPage(Controle* page) const
{
    QWidget* widget = dynamic_cast<QWidget*>(page);
    return widget ? indexOf(widget) : -1;
}

Controle* ClasseurPagesQt::ActivePage() const
{
    return dynamic_cast<Controle*>(currentWidget());
}

void ClasseurPagesQt::setActivePage(Controle* page)
{
    const int index = indexPage(page);
    if (index < 0) return;
    const QSignalBlocker silence(this);
    setCurrentIndex(index);
}

bool ClasseurPagesQt::TabVisible(Controle* page) const
{
    const int index = indexPage(page);
    return index >= 0 && isTabVisible(index);
}

void ClasseurPagesQt::setTabVisible(Controle* page, bool visible)
{
    const int index = indexPage(page);
    if (index < 0) return;
    const QSignalBlocker silence(this);
    QTabWidget::setTabVisible(index, visible);
}
