#pragma once
// The one crossing between the program's Windows-1252 texts and Qt's Unicode strings.

#include <QString>
#include <string>

QString versUnicode(const std::string& texte);
// Characters that Windows-1252 cannot hold become '?'.
std::string depuisUnicode(const QString& texte);
