#include "engine/figure/dossier_programme.h"

std::string dossierProgramme;
