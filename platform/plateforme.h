#pragma once
// The system services the program calls outside its window: message boxes, beeps, the mouse
// pointer, the desktop, pictures from files and the calculator. One implementation is installed
// at start; until then, and in tests that install none, a silent one answers.

#include <memory>
#include <string>

#include "platform/fenetre_info.h"
#include "platform/image.h"
#include "platform/types.h"

// Beep kinds, by the icon they go with.
enum : unsigned { MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20 };

class Plateforme {
public:
    virtual ~Plateforme() = default;

    // Modal message box with a single OK button; the focus returns where it was.
    virtual void afficherMessage(const std::string& texte, const std::string& titre) = 0;
    // Modal Yes/No question with the question icon; true for Yes.
    virtual bool demanderOuiNon(const std::string& texte, const std::string& titre) = 0;
    // A short sound of its kind, never waited for: the right-answer sound for MB_ICONHAND, the
    // refusal sound for MB_ICONQUESTION; silent when the system cannot play it.
    virtual void bip(unsigned genre) = 0;
    // Screen position of the mouse pointer; false when it cannot be read.
    virtual bool positionCurseur(TPoint& point) = 0;
    virtual void placerCurseur(int x, int y) = 0;
    virtual TRect rectangleBureau() = 0;
    // A picture decoded from a JPEG file; null when the file is missing or cannot be decoded.
    virtual std::unique_ptr<Image> chargerJpeg(const std::string& chemin) = 0;
    // Opens a document or starts a program; true when it was started.
    virtual bool ouvrirDocument(const std::string& chemin) = 0;
    // Starts the system calculator; false when the system has none.
    virtual bool lancerCalculatrice() = 0;
    // The folder holding the system's programs.
    virtual std::string repertoireSysteme() = 0;
    // A new hidden note window; null when the system can show none.
    virtual std::unique_ptr<FenetreInfo> creerFenetreInfo() = 0;
};

Plateforme& plateforme();
// Installs the implementation the program runs on; null puts the silent one back.
void installerPlateforme(Plateforme* p);
