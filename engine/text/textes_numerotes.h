#pragma once
// Program texts by number: button captions and chapter titles (the title of chapter index i is
// text 501 + i).

#include <string>

// "???" for a number that has no text.
std::string texteNumero(int numero);
