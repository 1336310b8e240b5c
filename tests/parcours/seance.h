// A run of the program under the monkey: the program started on the X server, the events sent to
// its window, each kept with the wait before it, and after each event the checks that find a
// fault. A failing run writes the events it kept to a file, which a run plays again: the same
// events, with the same waits, wherever the program's timing leads them.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "clavier.h"
#include "programme_observe.h"

struct Point {
    int x, y;
};

// A fault of the program: the run stops there.
struct Panne {
    std::string raison;
};
// The window closed by the welcome screen's Quit: the program is started again.
struct Fermeture {};

class Seance {
public:
    Seance(Display* ecran, const Clavier& clavier, std::string programme, std::string journal, int attente);

    void demarrer();
    // The events, in the window's coordinates.
    void bouger(Point p);
    void bouton(unsigned numero, bool appuye);
    void frapper(const std::string& nom, bool controle = false, bool alt = false);
    // After each event: the window answers, or went away by the welcome screen's Quit (Fermeture).
    void apres();
    // As a window manager's close button, until the program stops with code 0 and a clean journal.
    void fermer();
    void verifierJournal() const;

    // Kept with the events, and among the last ones told with a fault.
    void noter(const std::string& evenement);
    void evenementSuivant() { ++evenement_; }
    int demarrages() const { return demarrages_; }

    // The program's message box, in the window's coordinates.
    std::optional<Cadre> boite() const;
    bool fenetreInfo() const { return programme_->fenetreInfo(); }
    // The screen's pixels of this rectangle of the window, row by row.
    std::vector<unsigned long> pixels(Point coin, int largeur, int hauteur) const;
    unsigned long pixel(Point p) const { return pixels(p, 1, 1).front(); }

    // The fault found where the run stood, what the program did then, the last events and the end
    // of its journal.
    void signaler(const std::string& ou, const std::string& raison);
    void ecrireEnvois(const std::string& chemin) const;
    // Starts the program and plays a file that ecrireEnvois wrote; ligneRejouee tells the line at
    // fault, 0 out of the file's lines. A file it cannot read throws std::runtime_error.
    void rejouer(const std::string& chemin);
    int ligneRejouee() const { return ligneRejouee_; }

private:
    using Horloge = std::chrono::steady_clock;

    // Kept with the time since the previous event; while a file is played, once its wait is over.
    void envoyer(const std::string& envoi);
    std::optional<std::string> attendreReponse();
    void retenir(const std::string& evenement);

    Display* ecran_;
    const Clavier& clavier_;
    std::string chemin_, journal_;
    int attente_;
    std::unique_ptr<ProgrammeObserve> programme_;
    int demarrages_ = 0, evenement_ = 0;
    std::deque<std::string> derniers_;
    // The events sent since the program first started, each after its wait in milliseconds.
    std::vector<std::string> envois_;
    Horloge::time_point dernierEnvoi_;
    // While a file is played: the wait its next event asks.
    std::optional<int> attenteRejouee_;
    bool rejeu_ = false;
    int ligneRejouee_ = 0;
    Point pointeur_{0, 0};
    Horloge::time_point appuiQuitter_{};
};
