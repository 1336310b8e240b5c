// The keys the monkey strikes, named as X names them ("eacute", "Return", "U1F600"): those the
// server's keyboard lacks are given free key codes, before the program reads the keyboard.
#pragma once

#include <X11/Xlib.h>

#include <map>
#include <string>

class Clavier {
public:
    Clavier(Display* ecran, const char* const* noms, int nombre);
    // The key, with Shift when the symbol needs it, Control and Alt when asked, as XTest events.
    void frapper(const std::string& nom, bool controle, bool alt) const;

private:
    struct Touche {
        KeyCode code;
        bool majuscule;
    };
    Display* ecran_;
    std::map<std::string, Touche> touches_;
    KeyCode majuscule_, controle_, alt_;
};
