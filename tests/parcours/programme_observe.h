// The real program, started on the X server and watched by the monkey: does its window still
// exist and answer, is a message box of it open, did it stop, and how.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <optional>
#include <string>

struct Cadre {
    int x, y, largeur, hauteur;
};

class ProgrammeObserve {
public:
    // The program writes its output and its errors to JOURNAL.
    ProgrammeObserve(Display* ecran, std::string chemin, std::string journal);
    ~ProgrammeObserve();
    ProgrammeObserve(const ProgrammeObserve&) = delete;
    ProgrammeObserve& operator=(const ProgrammeObserve&) = delete;

    // Each returns what went wrong, or nothing.
    std::optional<std::string> demarrer(int attenteSecondes);
    // The window answers a ping of the window manager's protocol within the wait.
    std::optional<std::string> repond(int attenteSecondes);
    // A sanitizer report in the journal, while the program runs or after.
    std::optional<std::string> rapportSanitizer() const;
    // Asks the window to close as a window manager's close button does.
    void demanderFermeture();
    // After the window went away: the program stopped with code 0 and a clean journal.
    std::optional<std::string> arretPropre(int attenteSecondes);

    bool enMarche();
    bool fenetreExiste() const { return fenetre_ != None && !fenetrePerdue_; }
    // The program's message box on screen, in screen coordinates.
    std::optional<Cadre> boite() const;
    // Its borderless information window on screen.
    bool fenetreInfo() const;
    Cadre fenetre() const { return cadre_; }
    // The end of the journal, from its first sanitizer report if there is one.
    std::string finJournal() const;
    // Stops a program that no longer answers, so that the sanitizer prints where it stood.
    void interrompre();

private:
    // Another window of the program on screen, a message box or not.
    std::optional<Cadre> autreFenetre(bool boite) const;
    void lireEvenements();
    std::optional<std::string> codeSortie() const;

    Display* ecran_;
    std::string chemin_, journal_;
    pid_t pid_ = -1;
    int statut_ = 0;
    bool arrete_ = false;
    Window fenetre_ = None;
    bool fenetrePerdue_ = false;
    Cadre cadre_{0, 0, 0, 0};
    long ping_ = 0;
    bool pingRecu_ = false;
};
