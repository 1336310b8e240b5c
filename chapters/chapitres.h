#pragma once
// The chapters' part in the exercise cycle.

// Enters every chapter's dispatchers and hooks in the exercise cycle; once, at start.
void installerChapitres();
