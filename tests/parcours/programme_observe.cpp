#include "programme_observe.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

// What the sanitizers print first when they find something.
constexpr std::array<const char*, 4> marquesSanitizer = {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer",
                                                         "runtime error:", "AddressSanitizer:DEADLYSIGNAL"};

Atom atome(Display* ecran, const char* nom) { return XInternAtom(ecran, nom, False); }

// The first item of a window's property, or 0 when the window or the property is gone.
unsigned long propriete(Display* ecran, Window fenetre, Atom nom)
{
    Atom type;
    int format;
    unsigned long nombre, reste;
    unsigned char* donnees = nullptr;
    unsigned long valeur = 0;
    if (XGetWindowProperty(ecran, fenetre, nom, 0, 1, False, AnyPropertyType, &type, &format, &nombre, &reste,
                           &donnees) == Success &&
        donnees && nombre > 0 && format == 32)
        valeur = *reinterpret_cast<unsigned long*>(donnees);
    if (donnees) XFree(donnees);
    return valeur;
}

// A message of the window manager's protocol, to the window's owner; the ping comes back with
// its number.
void envoyerProtocole(Display* ecran, Window fenetre, const char* protocole, long numero)
{
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = fenetre;
    e.xclient.message_type = atome(ecran, "WM_PROTOCOLS");
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(atome(ecran, protocole));
    e.xclient.data.l[1] = numero;
    e.xclient.data.l[2] = static_cast<long>(fenetre);
    XSendEvent(ecran, fenetre, False, NoEventMask, &e);
    XFlush(ecran);
}

std::string titre(Display* ecran, Window fenetre)
{
    Atom type;
    int format;
    unsigned long nombre, reste;
    unsigned char* donnees = nullptr;
    std::string texte;
    if (XGetWindowProperty(ecran, fenetre, XA_WM_NAME, 0, 256, False, AnyPropertyType, &type, &format, &nombre,
                           &reste, &donnees) == Success &&
        donnees && format == 8)
        texte.assign(reinterpret_cast<char*>(donnees), nombre);
    if (donnees) XFree(donnees);
    return texte;
}

std::vector<Window> fenetresDuHaut(Display* ecran)
{
    Window racine, parent, *enfants = nullptr;
    unsigned nombre = 0;
    std::vector<Window> liste;
    if (XQueryTree(ecran, DefaultRootWindow(ecran), &racine, &parent, &enfants, &nombre) && enfants)
        liste.assign(enfants, enfants + nombre);
    if (enfants) XFree(enfants);
    return liste;
}

std::string lireFichier(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << f.rdbuf();
    return contenu.str();
}

std::size_t premiereMarque(const std::string& texte)
{
    std::size_t premiere = std::string::npos;
    for (const char* marque : marquesSanitizer) premiere = std::min(premiere, texte.find(marque));
    return premiere;
}

}  // namespace

ProgrammeObserve::ProgrammeObserve(Display* ecran, std::string chemin, std::string journal)
    : ecran_(ecran), chemin_(std::move(chemin)), journal_(std::move(journal))
{
    // The windows' ends reach the root window's listeners, and so do the ping's answers (Qt sends
    // them to those of the root's own structure).
    XSelectInput(ecran_, DefaultRootWindow(ecran_), StructureNotifyMask | SubstructureNotifyMask);
}

ProgrammeObserve::~ProgrammeObserve()
{
    if (pid_ > 0 && enMarche()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

std::optional<std::string> ProgrammeObserve::demarrer(int attenteSecondes)
{
    // What the previous program's windows left is dropped: the new window may have the same id.
    XSync(ecran_, True);
    pid_ = fork();
    if (pid_ < 0) return "fork impossible";
    if (pid_ == 0) {
        const int f = open(journal_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (f >= 0) {
            dup2(f, STDOUT_FILENO);
            dup2(f, STDERR_FILENO);
        }
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(chemin_.c_str(), chemin_.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const Atom pidFenetre = atome(ecran_, "_NET_WM_PID");
    const auto fin = Horloge::now() + std::chrono::seconds(attenteSecondes);
    while (Horloge::now() < fin) {
        if (!enMarche()) return "le programme s'est arrêté au démarrage (" + codeSortie().value_or("code 0") + ")";
        for (Window w : fenetresDuHaut(ecran_)) {
            XWindowAttributes a;
            if (propriete(ecran_, w, pidFenetre) != static_cast<unsigned long>(pid_) ||
                titre(ecran_, w) != "Vastrelle 6e 2005" || !XGetWindowAttributes(ecran_, w, &a) ||
                a.map_state != IsViewable)
                continue;
            fenetre_ = w;
            cadre_ = {a.x, a.y, a.width, a.height};
            return repond(attenteSecondes);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return "pas de fenêtre « Vastrelle 6e 2005 » après " + std::to_string(attenteSecondes) + " s";
}

void ProgrammeObserve::lireEvenements()
{
    const Atom protocoles = atome(ecran_, "WM_PROTOCOLS"), ping = atome(ecran_, "_NET_WM_PING");
    while (XPending(ecran_)) {
        XEvent e;
        XNextEvent(ecran_, &e);
        if (e.type == ClientMessage && e.xclient.message_type == protocoles &&
            static_cast<Atom>(e.xclient.data.l[0]) == ping && e.xclient.data.l[1] == ping_)
            pingRecu_ = true;
        else if ((e.type == DestroyNotify && e.xdestroywindow.window == fenetre_) ||
                 (e.type == UnmapNotify && e.xunmap.window == fenetre_))
            fenetrePerdue_ = true;
    }
}

std::optional<std::string> ProgrammeObserve::repond(int attenteSecondes)
{
    lireEvenements();
    if (!fenetreExiste()) return "la fenêtre a disparu";
    pingRecu_ = false;
    envoyerProtocole(ecran_, fenetre_, "_NET_WM_PING", ++ping_);
    const auto fin = Horloge::now() + std::chrono::seconds(attenteSecondes);
    for (;;) {
        lireEvenements();
        if (pingRecu_) return std::nullopt;
        if (fenetrePerdue_) return "la fenêtre a disparu";
        if (!enMarche()) return "le programme s'est arrêté (" + codeSortie().value_or("code 0") + ")";
        if (Horloge::now() > fin)
            return "la fenêtre ne répond plus depuis " + std::to_string(attenteSecondes) + " s";
        pollfd attente{ConnectionNumber(ecran_), POLLIN, 0};
        poll(&attente, 1, 20);
    }
}

bool ProgrammeObserve::enMarche()
{
    if (arrete_) return false;
    if (waitpid(pid_, &statut_, WNOHANG) == pid_) arrete_ = true;
    return !arrete_;
}

std::optional<std::string> ProgrammeObserve::codeSortie() const
{
    if (!arrete_) return "toujours en marche";
    if (WIFEXITED(statut_))
        return WEXITSTATUS(statut_) == 0 ? std::nullopt
                                         : std::optional("code de sortie " + std::to_string(WEXITSTATUS(statut_)));
    return "arrêté par le signal " + std::to_string(WTERMSIG(statut_)) + " (" + strsignal(WTERMSIG(statut_)) + ")";
}

std::optional<std::string> ProgrammeObserve::rapportSanitizer() const
{
    const std::string texte = lireFichier(journal_);
    const std::size_t debut = premiereMarque(texte);
    if (debut == std::string::npos) return std::nullopt;
    return "rapport du sanitizer : " + texte.substr(debut, texte.find('\n', debut) - debut);
}

std::optional<std::string> ProgrammeObserve::arretPropre(int attenteSecondes)
{
    const auto fin = Horloge::now() + std::chrono::seconds(attenteSecondes);
    while (enMarche() && Horloge::now() < fin) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (enMarche()) return "le programme ne s'arrête pas en " + std::to_string(attenteSecondes) + " s";
    if (auto rapport = rapportSanitizer()) return rapport;
    return codeSortie();
}

void ProgrammeObserve::demanderFermeture() { envoyerProtocole(ecran_, fenetre_, "WM_DELETE_WINDOW", CurrentTime); }

std::optional<Cadre> ProgrammeObserve::autreFenetre(bool boite) const
{
    const Atom pidFenetre = atome(ecran_, "_NET_WM_PID"), type = atome(ecran_, "_NET_WM_WINDOW_TYPE"),
               dialogue = atome(ecran_, "_NET_WM_WINDOW_TYPE_DIALOG");
    for (Window w : fenetresDuHaut(ecran_)) {
        XWindowAttributes a;
        if (w != fenetre_ && propriete(ecran_, w, pidFenetre) == static_cast<unsigned long>(pid_) &&
            (propriete(ecran_, w, type) == dialogue) == boite && XGetWindowAttributes(ecran_, w, &a) &&
            a.map_state == IsViewable)
            return Cadre{a.x, a.y, a.width, a.height};
    }
    return std::nullopt;
}

std::optional<Cadre> ProgrammeObserve::boite() const { return autreFenetre(true); }

bool ProgrammeObserve::fenetreInfo() const { return autreFenetre(false).has_value(); }

void ProgrammeObserve::interrompre()
{
    // A segmentation fault sent to the main thread: AddressSanitizer prints that thread's stack.
    syscall(SYS_tgkill, pid_, pid_, SIGSEGV);
}

std::string ProgrammeObserve::finJournal() const
{
    const std::string texte = lireFichier(journal_);
    std::size_t debut = premiereMarque(texte);
    if (debut == std::string::npos) {
        // Its last 25 lines.
        debut = texte.size();
        for (int lignes = 0; lignes < 25 && debut > 0; ++lignes) {
            const std::size_t saut = texte.rfind('\n', debut - 1);
            debut = saut == std::string::npos ? 0 : saut;
        }
    }
    return texte.substr(debut, 12000);
}
