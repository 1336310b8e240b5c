#include "engine/figure/lancer_outil.h"

#include "platform/plateforme.h"

void lancerOutil(int code)
{
    if (code == lienCalculatrice) plateforme().lancerCalculatrice();
}
