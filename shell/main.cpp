// The program's entry: the application, the system services, the chapters, the main window and
// the message loop.

#include <QApplication>

#include "chapters/chapitres.h"
#include "platform/plateforme.h"
#include "platform/qt/plateforme_qt.h"
#include "platform/qt/polices_substituees.h"
#include "platform/qt/unicode.h"
#include "shell/fenetre_qt.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    installerPolicesSubstituees();
    PlateformeQt systeme;
    installerPlateforme(&systeme);
    installerChapitres();
    int code = 0;
    {
        FenetreQt fenetre(depuisChemin(QCoreApplication::applicationFilePath()));
        fenetre.show();
        code = application.exec();
    }
    installerPlateforme(nullptr);
    return code;
}
