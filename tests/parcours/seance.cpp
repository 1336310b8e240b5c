#include "seance.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

constexpr std::size_t evenementsRetenus = 40;
constexpr auto delaiFermeture = std::chrono::seconds(10);

// The welcome screen's Quit button: the one place where the window may close.
bool surQuitter(Point p) { return 700 <= p.x && p.x <= 779 && 532 <= p.y && p.y <= 566; }

}  // namespace

Seance::Seance(Display* ecran, const Clavier& clavier, std::string programme, std::string journal, int attente)
    : ecran_(ecran), clavier_(clavier), chemin_(std::move(programme)), journal_(std::move(journal)), attente_(attente)
{
}

void Seance::demarrer()
{
    programme_.reset();
    programme_ = std::make_unique<ProgrammeObserve>(ecran_, chemin_, journal_);
    ++demarrages_;
    appuiQuitter_ = {};
    noter("démarrage du programme");
    if (auto raison = programme_->demarrer(attente_)) throw Panne{*raison};
    dernierEnvoi_ = Horloge::now();
}

void Seance::envoyer(const std::string& envoi)
{
    if (attenteRejouee_) std::this_thread::sleep_until(dernierEnvoi_ + std::chrono::milliseconds(*attenteRejouee_));
    const auto maintenant = Horloge::now();
    const auto attente = std::chrono::duration_cast<std::chrono::milliseconds>(maintenant - dernierEnvoi_);
    envois_.push_back(std::to_string(attente.count()) + ' ' + envoi);
    dernierEnvoi_ = maintenant;
}

void Seance::bouger(Point p)
{
    envoyer("bouger " + std::to_string(p.x) + ' ' + std::to_string(p.y));
    pointeur_ = p;
    const Cadre f = programme_->fenetre();
    XTestFakeMotionEvent(ecran_, DefaultScreen(ecran_), f.x + p.x, f.y + p.y, CurrentTime);
}

void Seance::bouton(unsigned numero, bool appuye)
{
    envoyer("bouton " + std::to_string(numero) + ' ' + (appuye ? '1' : '0'));
    // The welcome screen's pictures answer every button of the mouse, not its wheel.
    if (appuye && numero <= 3 && surQuitter(pointeur_)) appuiQuitter_ = Horloge::now();
    XTestFakeButtonEvent(ecran_, numero, appuye, CurrentTime);
    XFlush(ecran_);
}

void Seance::frapper(const std::string& nom, bool controle, bool alt)
{
    envoyer("touche " + nom + ' ' + (controle ? '1' : '0') + ' ' + (alt ? '1' : '0'));
    clavier_.frapper(nom, controle, alt);
}

// A window that does not answer is stopped so that the sanitizer shows where.
std::optional<std::string> Seance::attendreReponse()
{
    auto raison = programme_->repond(attente_);
    if (raison && programme_->fenetreExiste() && programme_->enMarche()) {
        programme_->interrompre();
        throw Panne{*raison};
    }
    return raison;
}

// The window may go away only by the welcome screen's Quit, pressed less than a few seconds before:
// the program may finish what it was doing before it closes.
void Seance::apres()
{
    envoyer("reponse");
    const auto raison = attendreReponse();
    if (!raison) return;
    if (Horloge::now() - appuiQuitter_ > delaiFermeture) throw Panne{*raison};
    if (auto arret = programme_->arretPropre(attente_)) throw Panne{"après Quitter sur l'accueil, " + *arret};
    noter("fermé par Quitter, redémarrage");
    throw Fermeture{};
}

// From a page back to the welcome screen, from there the end. A message box is answered first.
void Seance::fermer()
{
    try {
        for (int essai = 0; essai < 10 && programme_->enMarche() && programme_->fenetreExiste(); ++essai) {
            if (auto b = boite()) {
                bouger({b->x + b->largeur / 2, b->y + b->hauteur / 2});
                frapper("Escape");
                apres();
                continue;
            }
            noter("fermeture demandée");
            envoyer("fermeture");
            programme_->demanderFermeture();
            attendreReponse();
        }
    } catch (const Fermeture&) {
        // Closed cleanly by a Quit pressed just before.
        return;
    }
    if (auto raison = programme_->arretPropre(attente_)) throw Panne{"à la fermeture, " + *raison};
}

void Seance::verifierJournal() const
{
    if (auto rapport = programme_->rapportSanitizer()) throw Panne{*rapport};
}

void Seance::retenir(const std::string& evenement)
{
    derniers_.push_back(evenement);
    if (derniers_.size() > evenementsRetenus) derniers_.pop_front();
}

void Seance::noter(const std::string& evenement)
{
    // A file played tells its own events: what the replay adds stands apart.
    const std::string texte = (rejeu_ ? "(rejeu) " : "#" + std::to_string(evenement_) + ' ') + evenement;
    retenir(texte);
    envois_.push_back("# " + texte);
}

std::optional<Cadre> Seance::boite() const
{
    auto b = programme_->boite();
    if (b) {
        const Cadre f = programme_->fenetre();
        b->x -= f.x;
        b->y -= f.y;
    }
    return b;
}

std::vector<unsigned long> Seance::pixels(Point coin, int largeur, int hauteur) const
{
    // White where the window is no longer on screen: no arrow, no page.
    std::vector<unsigned long> lus(static_cast<std::size_t>(largeur * hauteur), 0xFFFFFF);
    const Cadre f = programme_->fenetre();
    XImage* image = XGetImage(ecran_, DefaultRootWindow(ecran_), f.x + coin.x, f.y + coin.y,
                              static_cast<unsigned>(largeur), static_cast<unsigned>(hauteur), AllPlanes, ZPixmap);
    if (!image) return lus;
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            lus[static_cast<std::size_t>(y * largeur + x)] = XGetPixel(image, x, y) & 0xFFFFFF;
    XDestroyImage(image);
    return lus;
}

void Seance::signaler(const std::string& ou, const std::string& raison)
{
    std::string etat;
    if (programme_)
        if (auto arret = programme_->arretPropre(10)) etat = " ; puis " + *arret;
    std::cerr << "singe : ÉCHEC " << ou << " : " << raison << etat << "\nles derniers événements :\n";
    for (const std::string& e : derniers_) std::cerr << "  " << e << '\n';
    if (programme_) std::cerr << "la fin du journal du programme :\n" << programme_->finJournal() << '\n';
}

void Seance::ecrireEnvois(const std::string& chemin) const
{
    std::ofstream fichier(chemin);
    for (const std::string& e : envois_) fichier << e << '\n';
    if (!fichier.flush()) std::cerr << "singe : impossible d'écrire " << chemin << '\n';
}

void Seance::rejouer(const std::string& chemin)
{
    std::ifstream fichier(chemin);
    if (!fichier) throw std::runtime_error("impossible de lire " + chemin);
    rejeu_ = true;
    demarrer();
    std::string ligne;
    for (ligneRejouee_ = 1; std::getline(fichier, ligne); ++ligneRejouee_) {
        if (ligne.starts_with("# ")) {
            retenir(ligne.substr(2));
            verifierJournal();
            continue;
        }
        std::istringstream champs(ligne);
        int attente = 0;
        std::string verbe, nom;
        int a = 0, b = 0;
        champs >> attente >> verbe;
        attenteRejouee_ = attente;
        if (verbe == "bouger" && champs >> a >> b) {
            bouger({a, b});
        } else if (verbe == "bouton" && champs >> a >> b) {
            bouton(static_cast<unsigned>(a), b != 0);
        } else if (verbe == "touche" && champs >> nom >> a >> b) {
            frapper(nom, a != 0, b != 0);
        } else if (verbe == "reponse") {
            try {
                apres();
            } catch (const Fermeture&) {
                demarrer();
            }
        } else if (verbe == "fermeture") {
            envoyer(verbe);
            programme_->demanderFermeture();
            attendreReponse();
        } else {
            throw std::runtime_error(chemin + ", ligne " + std::to_string(ligneRejouee_) + " illisible : " + ligne);
        }
    }
    attenteRejouee_.reset();
    ligneRejouee_ = 0;
    verifierJournal();
}
