#include "clavier.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <set>
#include <vector>

Clavier::Clavier(Display* ecran, const char* const* noms, int nombre)
    : ecran_(ecran),
      majuscule_(XKeysymToKeycode(ecran, XK_Shift_L)),
      controle_(XKeysymToKeycode(ecran, XK_Control_L)),
      alt_(XKeysymToKeycode(ecran, XK_Alt_L))
{
    int premier, dernier, parCode;
    XDisplayKeycodes(ecran, &premier, &dernier);
    KeySym* table = XGetKeyboardMapping(ecran, static_cast<KeyCode>(premier), dernier - premier + 1, &parCode);
    const auto symbole = [&](int code, int i) { return i < parCode ? table[(code - premier) * parCode + i] : NoSymbol; };
    std::set<int> pris;
    int libre = premier;
    for (int n = 0; n < nombre; ++n) {
        const KeySym s = XStringToKeysym(noms[n]);
        if (s == NoSymbol) continue;
        bool trouve = false;
        for (int code = premier; code <= dernier && !trouve; ++code)
            for (int i = 0; i < 2 && !trouve; ++i)
                if (symbole(code, i) == s) {
                    touches_[noms[n]] = {static_cast<KeyCode>(code), i == 1};
                    trouve = true;
                }
        if (trouve) continue;
        // A key code without any symbol, lent to this one.
        const auto vide = [&](int code) {
            for (int i = 0; i < parCode; ++i)
                if (symbole(code, i) != NoSymbol) return false;
            return !pris.count(code);
        };
        while (libre <= dernier && !vide(libre)) ++libre;
        if (libre > dernier) continue;
        KeySym paire[2] = {s, s};
        XChangeKeyboardMapping(ecran, libre, 2, paire, 1);
        pris.insert(libre);
        touches_[noms[n]] = {static_cast<KeyCode>(libre), false};
    }
    XFree(table);
    XSync(ecran, False);
}

void Clavier::frapper(const std::string& nom, bool controle, bool alt) const
{
    const auto t = touches_.find(nom);
    if (t == touches_.end()) return;
    std::vector<KeyCode> tenues;
    if (controle) tenues.push_back(controle_);
    if (alt) tenues.push_back(alt_);
    if (t->second.majuscule) tenues.push_back(majuscule_);
    for (KeyCode c : tenues) XTestFakeKeyEvent(ecran_, c, True, CurrentTime);
    XTestFakeKeyEvent(ecran_, t->second.code, True, CurrentTime);
    XTestFakeKeyEvent(ecran_, t->second.code, False, CurrentTime);
    for (auto c = tenues.rbegin(); c != tenues.rend(); ++c) XTestFakeKeyEvent(ecran_, *c, False, CurrentTime);
    XFlush(ecran_);
}
