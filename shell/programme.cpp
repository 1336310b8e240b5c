#include "shell/programme.h"

#include "chapters/chapitres.h"
#include "exercise/horloge.h"
#include "platform/plateforme.h"
#include "platform/qt/polices_substituees.h"
#include "platform/qt/textes_qt.h"

Programme::Programme()
{
    installerPolicesSubstituees();
    installerTextesFrancaisQt();
    installerPlateforme(&systeme_);
    creerHorloge();
    installerChapitres();
}

Programme::~Programme()
{
    libererHorloge();
    installerPlateforme(nullptr);
}
