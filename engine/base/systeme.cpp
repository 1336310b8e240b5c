#include "engine/base/systeme.h"

#include "platform/plateforme.h"

bool pointDansRectangle(int x, int y, const TRect& r)
{
    return pointDansCadre(x, y, r.left, r.right, r.top, r.bottom);
}

bool pointDansCadre(int x, int y, int gauche, int droite, int haut, int bas)
{
    return gauche < x && x < droite && haut < y && y < bas;
}

bool positionCurseur(TPoint& point) { return plateforme().positionCurseur(point); }

void afficherMessage(const std::string& texte, const std::string& titre)
{
    plateforme().afficherMessage(texte, titre);
}

void bip() { plateforme().bip(MB_ICONHAND); }

bool ouvrirDocument(const std::string& fichier) { return plateforme().ouvrirDocument(fichier); }

std::string repertoireSysteme() { return plateforme().repertoireSysteme(); }
