#pragma once
// The program's folder, ending with its separator, in the system's own bytes; every file the
// program opens is this folder followed by a fixed name. The main window sets it at start.

#include <string>

extern std::string dossierProgramme;
