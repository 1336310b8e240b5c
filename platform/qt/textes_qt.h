#pragma once
// The few texts Qt writes itself (an answer field's edit menu: "Annuler", "Couper", "Coller"...)
// in French, as every other text the pupil reads.

// Installs Qt's French translation for the whole run; without it, Qt's own texts stay English.
void installerTextesFrancaisQt();
