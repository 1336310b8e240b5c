#include "shell/programme.h"

#include "chapters/chapitres.h"
#include "exercise/horloge.h"
#include "platform/plateforme.h"
#include "platform/qt/polices_substituees.h"

Programme::Programme()
{
    installerPolicesSubstituees();
    installerPlateforme(&systeme_);
    creerHorloge();
    installerChapitres();
}

Programme::~Programme()
{
    libererHorloge();
    installerPlateforme(nullptr);
}
