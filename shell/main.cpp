// The program's entry: the application, the main window, the message loop.

#include <QApplication>

#include "shell/fenetre_principale.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TfenetrePrincipale fenetre;
    fenetre.show();
    return application.exec();
}
