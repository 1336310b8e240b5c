#pragma once
// What the program sets up before its window and takes down after it: the fonts it asks for by
// other names, Qt's own texts in French, the system services, the countdown clock and the
// chapters. Lives in main for the whole run.

#include "platform/qt/plateforme_qt.h"

class Programme {
public:
    // After the application object, before the main window.
    Programme();
    ~Programme();
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

private:
    PlateformeQt systeme_;
};
