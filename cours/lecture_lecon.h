#pragma once
// A lesson file's UTF-8 bytes as the program's Windows-1252 text, line by line: a line with bytes
// that are not UTF-8, or with a character Windows-1252 cannot hold, stops the build at that line
// rather than show "?" on the page.

#include <QByteArray>
#include <string>

std::string texteDeLecon(const QByteArray& octets);
