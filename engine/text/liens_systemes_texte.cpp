#include <algorithm>

#include "engine/base/chaine_courte.h"
#include "engine/text/etat_texte.h"
#include "engine/text/primitives.h"
#include "engine/text/systeme_formule.h"
#include "engine/text/texte_balise.h"
#include "engine/text/zones_liens.h"

// "$L" name ";" shown text ";": a link registers its zone in the list of the surface being
// painted; outside a paint nobody could click it, and it is left blank.
void codeLien(TetatTexte& etat, char)
{
    const std::string nom = courte(etat.lireJusqua(";"));
    // The shown text is drawn as a plain run, which reads no "$" code: the minus exchange that the
    // whole text went through is undone, so that "demi-droite" shows as written.
    std::string montre = courte(etat.lireJusqua(";"));
    echangerMoins(montre);
    Canevas& k = etat.canevas;
    const int x = etat.x, y = etat.y;
    etat.x = decaler(x, largeurSegmentTexte(k, montre));
    if (!listeZonesCourante) return;
    const int gauche = x - 1, haut = y, droite = etat.x + 2, bas = y + k.TextHeight(montre) + 2;
    if (enregistrerLien(*listeZonesCourante, nom, gauche, haut, droite, bas) != 0) {
        // Tool and information links are underlined; course links stand on a coloured ground.
        if (nom.starts_with(genreLienOutil)) {
            k.Font.Style = (k.Font.Style & fsBold) ? fsBold | fsUnderline : fsUnderline;
        } else {
            remplirRectangle(k, listeZonesCourante->couleurLiens, gauche, haut, droite, bas);
            k.Brush.Style = bsClear;
        }
    }
    dessinerSegmentTexte(k, x, y, montre);
    k.Font.Style = k.Font.Style == (fsBold | fsUnderline) ? fsBold : 0;
}

// "$s" description "$s": the lines of a system beside a left brace, the pen after the longest.
void codeSysteme(TetatTexte& etat, char)
{
    TsystemeAdessiner systeme;
    systeme.source = etat.lireJusqua("$s");
    lireSysteme(systeme);
    Canevas& k = etat.canevas;
    const double c = pasColonne(k), l = interligne(k);
    const int x = etat.x, y = etat.y;
    tracerAccoladeSysteme(k, systeme, x, y, l);
    double fin = x + c;
    for (std::size_t i = 1; i <= systeme.n; ++i)
        fin = std::max(fin, dessinerPartie(etat, systeme.lignes[i], x + c,
                                           y + l * systeme.decalages[i]));
    etat.x = arrondi(fin);
}
