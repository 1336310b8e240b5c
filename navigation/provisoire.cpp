// PROVISOIRE: stands in for the routines other branches bring.
#include "chapters/chapitres.h"
#include "engine/figure/peinture.h"
#include "engine/figure/souris.h"
#include "exercise/cases_choix.h"
#include "exercise/cycle_exercice.h"
#include "exercise/dessin_panneau_outils.h"
#include "exercise/horloge.h"
#include "navigation/imagiciels.h"
#include "navigation/info.h"
#include "navigation/pages_cours.h"
#include "navigation/suivre_lien.h"
void lancerExercice(TdonneesCommunes& d, int n) { d.numeroExercice = n; d.exerciceEnCours = true; }
void poserQuestion(TdonneesCommunes&, bool) {}
void validerReponse(TdonneesCommunes&) {}
void reessayer(TdonneesCommunes&) {}
void aide(TdonneesCommunes&) {}
void redessinerZonesExercice(TdonneesCommunes&) {}
void effacerZonesReponse(TdonneesCommunes&) {}
void dessinerChoix(TdonneesCommunes&) {}
void cliquerZoneEnonce(TdonneesCommunes&) {}
Thorloge& horloge() { static Thorloge h; return h; }
void tickHorloge() {}
bool horlogeTerminee() { return false; }
void dessinerHorloge(Canevas&) {}
void dessinerPanneauOutils(TdonneesCommunes&, Canevas&) {}
void cliquerPanneauOutils(TdonneesCommunes&, int, int, int) {}
void installerChapitres() {}
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
