#include "shell/programme.h"

#include "chapters/chapitres.h"
#include "platform/plateforme.h"
#include "platform/qt/polices_substituees.h"

Programme::Programme()
{
    installerPolicesSubstituees();
    installerPlateforme(&systeme_);
    installerChapitres();
}

Programme::~Programme() { installerPlateforme(nullptr); }
