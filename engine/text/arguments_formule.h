#pragma once
// The arguments of a table or system description, separated by one character; a separator inside
// parentheses belongs to its argument, and the description's last character is never one.

#include <string>

// Cuts the source's next argument (at most 120 characters) and its separator from the source.
// False when no separator stands outside parentheses: the argument is then the whole source (cut
// to 120 characters), which is left as it was.
bool couperArgument(std::string& source, char separateur, std::string& argument);
