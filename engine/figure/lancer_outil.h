#pragma once
// The programs of the system that a link can start.

// The link code of the calculator.
constexpr int lienCalculatrice = 2764;

// Starts the tool of a link code: the system's calculator for lienCalculatrice, nothing for any
// other code. Whether it could be started is not looked at.
void lancerOutil(int code);
