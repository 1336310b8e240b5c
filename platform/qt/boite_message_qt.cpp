#include "platform/qt/boite_message_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>

#include "platform/qt/fenetre_info_qt.h"
#include "platform/qt/unicode.h"

namespace {

struct TtexteBouton {
    QMessageBox::StandardButton bouton;
    const char* texte;
};

// Qt names its standard buttons in English whatever the language of the system. The letter after
// "&" alone presses the button, as in English.
constexpr TtexteBouton textesBoutons[] = {
    {QMessageBox::Ok, "OK"},
    {QMessageBox::Yes, "&Oui"},
    {QMessageBox::No, "&Non"},
};

// The program's main window: the shown top-level window that is neither a note, a dialog nor a
// popup. A note closes itself when it loses the focus to the box, and would take a child box
// with it.
QWidget* fenetrePrincipale()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowType() == Qt::Window && w->isVisible() && !dynamic_cast<WidgetInfoQt*>(w))
            return w;
    return nullptr;
}

// Keeps from the box the keys the pupil did not press for it: the repeats of a key held down
// when it showed, and that key's release. Once pressed while the box shows, a key goes through.
class GardeTouches final : public QObject {
public:
    explicit GardeTouches(QWidget& boite) : boite_(boite) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        const QEvent::Type type = evenement->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
            return false;
        auto* widget = qobject_cast<QWidget*>(objet);
        if (!widget || (widget != &boite_ && !boite_.isAncestorOf(widget))) return false;
        auto* touche = static_cast<QKeyEvent*>(evenement);
        if (type != QEvent::KeyRelease && !touche->isAutoRepeat()) appuyees_.insert(touche->key());
        if (appuyees_.contains(touche->key())) return false;
        // Accepted, the override keeps the key from the box's shortcuts too.
        touche->accept();
        return true;
    }

private:
    QWidget& boite_;
    QSet<int> appuyees_;
};

}  // namespace

QMessageBox::StandardButton executerBoite(QMessageBox::Icon icone, const std::string& titre,
                                          const std::string& texte, QMessageBox::StandardButtons boutons)
{
    QMessageBox boite(icone, versUnicode(titre), versUnicode(texte), boutons, fenetrePrincipale());
    for (const TtexteBouton& b : textesBoutons)
        if (QAbstractButton* bouton = boite.button(b.bouton))
            bouton->setText(QString::fromLatin1(b.texte));
    boite.setWindowModality(Qt::ApplicationModal);
    const QPointer<QWidget> focus = QApplication::focusWidget();
    const GardeTouches garde(boite);
    boite.exec();
    if (focus) focus->setFocus();
    return boite.standardButton(boite.clickedButton());
}
