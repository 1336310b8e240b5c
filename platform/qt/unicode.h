#pragma once
// The one crossing between the program's Windows-1252 texts and Qt's Unicode strings.

#include <QString>
#include <string>

QString versUnicode(const std::string& texte);
// Characters that Windows-1252 cannot hold become '?'.
std::string depuisUnicode(const QString& texte);

// Paths are not texts: the program holds them in the system's own bytes, as the system gave them,
// so that a folder named with any character is found again.
QString versChemin(const std::string& chemin);
std::string depuisChemin(const QString& chemin);
