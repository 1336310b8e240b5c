// PROVISOIRE: stands in for the routines other branches bring.
#include "engine/figure/peinture.h"
#include "engine/figure/souris.h"
#include "exercise/dessin_panneau_outils.h"
#include "navigation/imagiciels.h"
#include "navigation/info.h"
#include "navigation/pages_cours.h"
#include "navigation/suivre_lien.h"
void dessinerPanneauOutils(TdonneesCommunes&, Canevas&) {}
void cliquerPanneauOutils(TdonneesCommunes&, int, int, int) {}
void gererSouris(Tfigure& f, int, int, int) { repeindreFigure(f); }
void suivreLien(TdonneesCommunes&) {}
void afficherPageCours(TdonneesCommunes& d, int code) { d.pageCours = code; }
void pageCoursSuivante(TdonneesCommunes&) {}
void pageCoursPrecedente(TdonneesCommunes&) {}
void pageCoursRetour(TdonneesCommunes&) {}
void afficherInfo(TdonneesCommunes&, int) {}
void fermerInfo() { infoAffichee = false; }
bool infoAffichee = false;
void lancerImagiciel(TdonneesCommunes&) {}
void etapeSuivanteImagiciel(TdonneesCommunes&) {}
void etapePrecedenteImagiciel(TdonneesCommunes&) {}
