#pragma once
// Qt's own messages (warnings about the session's runtime folder, the audio device, fonts...)
// are not for the pupil: the program reports its failures on screen or stays silent.

// Drops every Qt message but the fatal ones, which still end the program with their text.
// Called first thing at start, before the application object reports anything.
void taireMessagesQt();
