#pragma once
// Qt's own messages: its noise (the session's runtime folder, the audio device, what a platform
// cannot do) is not for the pupil's terminal; what tells why the program failed or went away,
// as the display's connection broken, reaches it.

// Drops Qt's debug messages and its known noise; the others reach the terminal as Qt writes them,
// and the fatal ones still end the program. Called first thing at start, before the application
// object reports anything.
void taireMessagesQt();
