// A course page's picture takes any bytes: whatever lies in the program's folder under the page's
// name, the page is shown with its picture and its link frame, or with the missing-page message,
// and the course box takes the height its picture asks, never a crash or a read out of bounds.

#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/figure/dossier_programme.h"
#include "engine/figure/peinture.h"
#include "fuzz/cible.h"
#include "navigation/pages_cours.h"
#include "platform/double/canevas_enregistre.h"
#include "platform/double/image_enregistree.h"
#include "platform/double/plateforme_enregistree.h"
#include "platform/jpeg/jpeg.h"
#include "tests/navigation/cours_enregistre.h"

namespace {

// The system's pictures as the program reads them: the file decoded by libjpeg.
class PlateformeJpeg final : public PlateformeEnregistree {
public:
    std::unique_ptr<Image> chargerJpeg(const std::string& chemin) override
    {
        const std::optional<TimageRvb> rvb = lireJpeg(chemin);
        if (!rvb) return nullptr;
        return std::make_unique<ImageEnregistree>(rvb->largeur, rvb->hauteur);
    }
};

// Page 1051 has a picture in the table, no shift, and one link frame.
constexpr int page = 1051;
constexpr const char* fichier = "V0505SF1.jpg";
constexpr int hauteurZone = 480;

struct TpageDeCours : TcoursEnregistre {
    TpageDeCours() : TcoursEnregistre(hauteurZone)
    {
        char modele[] = "/tmp/fuzz_page_coursXXXXXX";
        const char* dossier = mkdtemp(modele);
        verifier(dossier != nullptr);
        dossierProgramme = std::string(dossier) + "/";
        installerPlateforme(&systeme);
    }
    ~TpageDeCours()
    {
        std::remove((dossierProgramme + fichier).c_str());
        rmdir(dossierProgramme.c_str());
        installerPlateforme(nullptr);
    }

    PlateformeJpeg systeme;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static TpageDeCours p;
    const std::string chemin = dossierProgramme + fichier;
    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    verifier(f != nullptr);
    verifier(std::fwrite(donnees, 1, taille, f) == taille);
    std::fclose(f);

    // Shown from the menu each time, so that no history builds up between inputs.
    p.classeur.setActivePage(&p.menu);
    p.d.pageCours = 0;
    afficherPageCours(p.d, page);
    CanevasEnregistre canevas;
    dessinerFigure(*p.surface, canevas);

    const std::optional<TimageRvb> attendue = lireJpeg(chemin);
    const Tobjet* image = nullptr;
    for (int i = 1; i <= p.surface->nbObjets; ++i)
        if (p.surface->objets[i]->genre == genreImage) image = p.surface->objets[i].get();
    verifier(image != nullptr);
    verifier(image->visible == attendue.has_value());
    if (attendue) {
        const int demandee = attendue->hauteur + static_cast<int>(std::lround(0.5 * 18)) + 10;
        verifier(p.zone.Height() == (demandee > hauteurZone ? demandee : hauteurZone));
    } else {
        verifier(p.zone.Height() == hauteurZone);
        bool message = false;
        for (int i = 1; i <= p.surface->nbObjets; ++i) {
            const Tobjet& o = *p.surface->objets[i];
            message |= o.genre == genreTexte &&
                       o.donneesDe<Ttexte>().texte == std::string("La page de cours ") + fichier + " est manquante.";
        }
        verifier(message);
    }
    // The link frame is painted over the picture and found by the mouse.
    verifier(p.surface->zonesLiens.nbZones == 1 && p.surface->zonesLiens.zones[1].numero == 1005);
    return 0;
}
