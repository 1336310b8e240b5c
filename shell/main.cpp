// The program's entry: the application, the program's services, the main window and the message
// loop, which runs until the window closes. Of Qt's own messages, only its known noise is kept
// from the terminal.

#include <QApplication>

#include "platform/qt/messages_qt.h"
#include "platform/qt/unicode.h"
#include "shell/fenetre_qt.h"
#include "shell/programme.h"

int main(int argc, char** argv)
{
    taireMessagesQt();
    QApplication application(argc, argv);
    Programme programme;
    FenetreQt fenetre(depuisChemin(QCoreApplication::applicationFilePath()));
    fenetre.show();
    return application.exec();
}
