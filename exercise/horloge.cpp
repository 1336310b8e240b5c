#include "exercise/horloge.h"

#include "engine/base/nombres.h"
#include "engine/text/primitives.h"

namespace {

Thorloge instance;

constexpr int largeurBoite = 140;
constexpr int hauteurBoite = 100;
constexpr TColor couleurFond = 0x80FFFF;
constexpr TColor couleurContour = 0x008080;
constexpr TColor couleurChiffres = 0xFF0000;

bool enMarche()
{
    return !instance.arrete && !instance.enPause;
}

}  // namespace

Thorloge& horloge()
{
    return instance;
}

void creerHorloge()
{
    instance = Thorloge{};
}

void libererHorloge()
{
    instance = Thorloge{};
}

void placerHorloge(std::int32_t gauche, std::int32_t haut)
{
    instance.gauche = gauche;
    instance.haut = haut;
}

void demarrerHorloge(std::int32_t delai, std::int32_t duree)
{
    instance.compteInitial = duree;
    instance.compte = duree;
    instance.delai = delai;
    instance.arrete = false;
    instance.visible = true;
    instance.enPause = false;
}

void arreterHorloge()
{
    instance.enPause = true;
    instance.visible = false;
    instance.arrete = true;
}

void suspendreHorloge()
{
    instance.enPause = true;
}

void tickHorloge()
{
    if (!enMarche()) return;
    if (instance.delai >= 1)
        --instance.delai;
    else if (instance.compte > 0)
        --instance.compte;
}

bool horlogeTerminee()
{
    return enMarche() && instance.compte == 0;
}

void dessinerHorloge(Canevas& canevas)
{
    if (!instance.visible) return;
    Thorloge& h = instance;
    h.droite = h.gauche + largeurBoite;
    h.bas = h.haut + hauteurBoite;
    canevas.FondTransparent = true;
    remplirRectangleArrondi(canevas, couleurFond, h.gauche, h.haut, h.droite, h.bas);
    tracerRectangleArrondi(canevas, 2, couleurContour, h.gauche, h.haut, h.droite, h.bas);
    const std::string texte = reelVersChaine(h.compte);
    canevas.Font.Size = 72;
    canevas.Font.Name = "courrier new";
    canevas.Font.Style = fsBold;
    // Written once in the box's own colour, where it does not show, then centred in blue.
    canevas.Font.Color = couleurFond;
    canevas.TextOut(h.gauche, h.haut - 10, texte);
    canevas.Font.Color = couleurChiffres;
    const int x = arrondi((h.gauche + h.droite) / 2.0 - canevas.TextWidth(texte) / 2.0);
    canevas.TextOut(x, h.haut - 10, texte);
}
