#include "engine/text/liens.h"

#include <algorithm>
#include <array>
#include <span>

#include "engine/base/chaine_courte.h"
#include "engine/text/zones_liens.h"

namespace {

struct TnomLien {
    int code;
    const char* nom;
};

// In increasing code order, so that the first match is the lowest code.
constexpr std::array<TnomLien, 8> nomsPagesCours = {{
    {1013, "02_C1"},
    {1014, "02_C2"},
    {1015, "02_C3"},
    {1016, "02_C4"},
    {1018, "02_SF1"},
    {1019, "02_SF2"},
    {1020, "02_SF3"},
    {1021, "02_SF4"},
}};

// No exercise page is reached by name.
constexpr std::array<TnomLien, 0> nomsPagesExercice = {};

// Information-window topics.
constexpr std::array<TnomLien, 7> nomsOutils = {{
    {2744, "troncarr"},
    {2745, "divid"},
    {2746, "numden"},
    {2747, "cridivi"},
    {2748, "prodcroix"},
    {2751, "strilar"},
    {2763, "outils"},
}};

constexpr std::size_t longueurNomLien = 10;

// Every named code lies in its kind's range (course pages 1000..1999, exercise pages 0..999,
// tools 2000..2763): a table lookup is the scan of the range.
std::string nomDansTable(std::span<const TnomLien> noms, int code)
{
    for (const TnomLien& n : noms)
        if (n.code == code) return n.nom;
    return {};
}

int codeDansTable(std::span<const TnomLien> noms, const std::string& nom)
{
    if (nom.size() < 2) return 0;
    const std::string reste = nom.substr(1);
    for (const TnomLien& n : noms)
        if (reste == n.nom) return n.code;
    return 0;
}

struct TchapitreCours {
    int premiere;
    int derniere;
};

// Chapter indices 2..14.
constexpr int premierIndexChapitre = 2;
constexpr std::array<TchapitreCours, 13> pagesParChapitre = {{
    {1002, 1010},
    {1013, 1021},
    {1024, 1032},
    {1035, 1043},
    {1046, 1054},
    {1057, 1065},
    {1068, 1074},
    {1077, 1085},
    {1088, 1095},
    {1098, 1105},
    {1108, 1116},
    {1119, 1128},
    {1131, 1139},
}};

// A page below each threshold belongs to the chapter index of its rank plus 2; the gaps between
// chapters go to the next one.
constexpr std::array<int, 12> seuilsChapitres = {1011, 1022, 1033, 1044, 1055, 1066,
                                                 1075, 1086, 1096, 1106, 1117, 1129};

const TchapitreCours* chapitreCours(int indexChapitre)
{
    // Widened so that indices near the ends of int cannot overflow the subtraction.
    const long long rang = static_cast<long long>(indexChapitre) - premierIndexChapitre;
    if (rang < 0 || rang >= static_cast<long long>(pagesParChapitre.size())) return nullptr;
    return &pagesParChapitre[static_cast<std::size_t>(rang)];
}

}  // namespace

int numeroLien(const std::string& nom)
{
    const std::string cut = courte(nom, longueurNomLien);
    if (cut.empty()) return 0;
    switch (cut.front()) {
    case genreLienCours: return numeroPageCours(cut);
    case genreLienExercice: return numeroPageExercice(cut);
    case genreLienOutil: return numeroOutil(cut);
    default: return 0;
    }
}

int numeroPageCours(const std::string& nom)
{
    return codeDansTable(nomsPagesCours, nom);
}

int numeroPageExercice(const std::string& nom)
{
    return codeDansTable(nomsPagesExercice, nom);
}

int numeroOutil(const std::string& nom)
{
    return codeDansTable(nomsOutils, nom);
}

std::string nomPageCours(int code)
{
    return nomDansTable(nomsPagesCours, code);
}

std::string nomPageExercice(int code)
{
    return nomDansTable(nomsPagesExercice, code);
}

std::string nomOutil(int code)
{
    return nomDansTable(nomsOutils, code);
}

int premierePageChapitre(int indexChapitre)
{
    const TchapitreCours* c = chapitreCours(indexChapitre);
    return c ? c->premiere : 0;
}

int dernierePageChapitre(int indexChapitre)
{
    const TchapitreCours* c = chapitreCours(indexChapitre);
    return c ? c->derniere : 0;
}

int chapitreDePage(int page)
{
    const auto seuil = std::upper_bound(seuilsChapitres.begin(), seuilsChapitres.end(), page);
    return premierIndexChapitre + static_cast<int>(seuil - seuilsChapitres.begin());
}
