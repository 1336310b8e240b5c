#include "shell/fenetre_principale.h"

#include "platform/qt/unicode.h"

TfenetrePrincipale::TfenetrePrincipale(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(versUnicode("Vastrelle 6e 2005"));
    setFixedSize(800, 600);
    move(0, 0);
}
