// The program started as main starts it, measured at the first paint of its welcome screen.
// Argument: the program's path, so that it finds its folder's files as it would.

#include "bench/premiere_peinture.h"
#include "shell/fenetre_qt.h"
#include "shell/programme.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Programme programme;
    FenetreQt fenetre(argc > 1 ? argv[1] : "");
    PremierePeinture mesure(fenetre.findChild<QWidget*>("ZoneFigureAccueil"));
    fenetre.show();
    return application.exec();
}
