#pragma once
// Fonts the program asks for by names this system does not have.

// Maps each of them onto a font the install script brings; called once at start.
void installerPolicesSubstituees();
