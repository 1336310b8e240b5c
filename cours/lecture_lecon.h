#pragma once
// A lesson file's UTF-8 bytes as the program's Windows-1252 text, line by line: a line with bytes
// that are not UTF-8, with a character Windows-1252 cannot hold, or with a control character that
// no page shows (a CR alone among them, which ends lines in some editors) stops the build at that
// line rather than show "?" or lose lines on the page.

#include <QByteArray>
#include <string>

std::string texteDeLecon(const QByteArray& octets);
