// The program's entry: the application, the system services, the main window, the message loop.

#include <QApplication>

#include "platform/plateforme.h"
#include "platform/qt/plateforme_qt.h"
#include "shell/fenetre_principale.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PlateformeQt systeme;
    installerPlateforme(&systeme);
    int code = 0;
    {
        TfenetrePrincipale fenetre;
        fenetre.show();
        code = application.exec();
    }
    installerPlateforme(nullptr);
    return code;
}
