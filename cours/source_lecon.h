#pragma once
// A lesson source: one instruction per line, a word and the rest of the line, its words apart by
// blanks or TABs. Lines that begin with "#" are comments; blank lines are skipped; the
// indentation that shows the blocks is dropped. Texts are the program's Windows-1252 bytes.

#include <stdexcept>
#include <string>
#include <vector>

struct TinstructionLecon {
    int ligne = 0;  // in the source, from 1, for the messages
    std::string mot;
    std::string reste;
    // The whole line without its indentation: a text line when the word is no instruction.
    std::string texte;
};

// What is wrong with a source, and where.
class ErreurLecon : public std::runtime_error {
public:
    ErreurLecon(int ligne, const std::string& message);
    int ligne() const { return ligne_; }

private:
    int ligne_;
};

std::vector<TinstructionLecon> lireSourceLecon(const std::string& contenu);

// A TAB in a text the page shows would stand for a column the page does not have: the author
// who aligns words with it is told so, rather than see them a blank apart.
void exigerSansTabulation(const TinstructionLecon& instruction, const std::string& texte);

// The words of a text separated by blanks.
std::vector<std::string> motsDe(const std::string& texte);

// What a number of the source stands for: its name in the messages, its bounds, and whether it
// counts things.
struct TnombreLecon {
    const char* quoi;
    double min, max;
    bool entier = false;
};

// A number as the lessons write it: an optional minus sign, digits, and decimals after a point or
// a comma; whole when it must be, and within its bounds. An error at the instruction's line
// otherwise, that says why.
double nombreDe(const TinstructionLecon& instruction, const std::string& mot, const TnombreLecon& genre);
// The same for a whole number, whose bounds lie within those of an int.
int entierDe(const TinstructionLecon& instruction, const std::string& mot, const TnombreLecon& genre);
