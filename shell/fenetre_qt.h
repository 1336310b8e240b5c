#pragma once
// The main window on Qt widgets: it builds the components at their places and hands them to the
// program's window (TfenetrePrincipale), which binds their events; its own showing, resizing and
// closing reach the program as the events of the window's interface.

#include <QWidget>
#include <memory>
#include <string>

#include "navigation/fenetre_principale.h"
#include "platform/qt/bouton_qt.h"
#include "platform/qt/controle_qt.h"
#include "platform/qt/lecteur_son_qt.h"
#include "platform/qt/minuteur_qt.h"
#include "shell/illustrations.h"

class ArbreQt;
class ChampEditionQt;
class ClasseurPagesQt;
class ZoneDessinQt;

class FenetreQt final : public ControleQt<Fenetre, QWidget> {
public:
    // The path of the running program, in the system's own bytes.
    explicit FenetreQt(const std::string& cheminExecutable);
    ~FenetreQt() override;

    TfenetrePrincipale& fenetre() { return *fenetre_; }

protected:
    void showEvent(QShowEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    struct Composants;

    void construirePages(TcomposantsFenetre& c);
    void construirePageMenu(TcomposantsFenetre& c);
    void construirePageCours(TcomposantsFenetre& c);
    void construirePageExercice(TcomposantsFenetre& c);
    void construirePageImagiciel(TcomposantsFenetre& c);
    void construirePageIndex(TcomposantsFenetre& c);
    // Lays out the components that fill their parent or one of its sides, as the parent's size
    // changes; the others keep the places the program gives them.
    void disposer();

    Illustrations illustrations_;
    MinuteurQt timer_;
    MinuteurQt timerAnimationAccueil_;
    LecteurSonQt mediaPlayerErreur_;
    std::unique_ptr<Composants> w_;
    std::unique_ptr<TfenetrePrincipale> fenetre_;
    bool montree_ = false;
    bool enDisposition_ = false;
};
