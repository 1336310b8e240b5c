#pragma once
// A push button as the program's platform has it: Return and Enter press the button that has the
// focus, as Space does, once however long they are held, and that button shows it with a dotted
// frame inside its edge. Its pressed signal is OnMouseDown, its clicked signal OnClick.

#include "platform/qt/controle_qt.h"

class BoutonQt final : public ControleQt<Bouton, QPushButton> {
public:
    explicit BoutonQt(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    bool focusNextPrevChild(bool suivant) override;
};
