// A bare Qt window of the program's size, measured at its first paint: what start-up costs
// before the program does anything of its own.

#include "bench/premiere_peinture.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.resize(800, 600);
    PremierePeinture mesure(&fenetre);
    fenetre.show();
    return application.exec();
}
