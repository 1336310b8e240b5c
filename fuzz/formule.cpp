// Any bytes drawn as a formula on an 11-point canvas, and read as a table description.

#include <cstdint>
#include <string>

#include "engine/text/formule.h"
#include "engine/text/tableau_formule.h"
#include "fuzz/cible.h"
#include "platform/double/canevas_enregistre.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte = texteDe(donnees, taille);
    CanevasEnregistre canevas;
    canevas.Font.Size = 11;
    dessinerFormule(canevas, texte, 10, 40);
    // Nested systems and tables stay a bounded amount of drawing.
    verifier(canevas.appels().size() < 100000);

    std::string reste = texte;
    Tconstruction construction;
    while (chercherConstruction(reste, construction))
        verifier(construction.p + construction.n <= reste.size());

    TtableauAdessiner tableau;
    tableau.source = texte;
    lireTableau(tableau);
    verifier(tableau.lignes <= dimensionTableauMax && tableau.colonnes <= dimensionTableauMax);
    verifier(tableau.largeurTotale >= 0 && tableau.largeurTotale <= 255);
    return 0;
}
