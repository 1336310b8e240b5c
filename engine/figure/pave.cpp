#include "engine/figure/pave.h"

#include <algorithm>

#include "engine/base/nombres.h"

namespace {

struct TsommetCellule {
    double x, y, z;
};

// Vertices 1..16 of the unit cell; z = 1 is the front, y = 1 the top.
constexpr TsommetCellule sommetsCellule[17] = {
    {0, 0, 0},   {0, 1, 1},   {1, 1, 1},   {1, 1, 0},   {0, 1, 0},   {0, 0, 1},
    {1, 0, 1},   {1, 0, 0},   {0, 0, 0},   {0, 0.5, 1}, {1, 0.5, 1}, {1, 0.5, 0},
    {0, 0.5, 0}, {0.5, 0, 0}, {0.5, 0, 1}, {0.5, 1, 0}, {0.5, 1, 1},
};

struct TfaceModele {
    const char* sommets;
    int codeCouleur;
};

struct Tmodele {
    int modele;
    const char* aretes;
    TfaceModele faces[facesPaveMax];
};

constexpr Tmodele modeles[] = {
    {1, "ABBCCDDAAEBFCGEFFG", {{"ABCD", 1}, {"AEFB", 2}, {"BFGC", 3}}},
    {6, "ABBCCDDAAEBFCGEFFG", {{"ABCD", 1}, {"AEFB", 2}, {"BFGC", 3}}},
    {2, "IJJKKLLIIEJFKGEFFG", {{"IJKL", 1}, {"IEFJ", 2}, {"JFGK", 3}}},
    {3, "DCCFFEEDFGGC", {{"EFCD", 4}, {"FGC", 3}, {nullptr, 0}}},
    {4, "DBBFFHHDBCCGFGDC", {{"DBFH", 5}, {"BCD", 1}, {"FGC", 3}}},
    {5, "ACCGGEEADADC", {{"ACGE", 6}, {"DAC", 1}, {nullptr, 0}}},
    {7, "ABBCCDDAAHHGGBGC", {{"ABGH", 7}, {"ABCD", 1}, {"BCG", 3}}},
};

struct TcouleursFace {
    int bleu[3];
    int rouge[3];
};

// By colour code 1..7: a blue shade and a red shade, lit by where the face looks.
constexpr TcouleursFace couleursFaces[8] = {
    {{0, 0, 0}, {0, 0, 0}},
    {{96, 96, 255}, {255, 96, 96}},
    {{64, 140, 255}, {255, 140, 64}},
    {{64, 192, 255}, {255, 192, 64}},
    {{64, 102, 255}, {255, 102, 64}},
    {{64, 102, 255}, {255, 102, 64}},
    {{80, 156, 255}, {255, 156, 96}},
    {{80, 156, 255}, {255, 156, 96}},
};

constexpr TColor couleurInconnue1 = 0xFFFF00;
constexpr TColor couleurInconnue2 = 0x0000FF;

} // namespace

int indiceLettre(char lettre)
{
    return static_cast<unsigned char>(lettre) - 64;
}

void lireAretes(Tpave& pave, const std::string& texte)
{
    pave.nbAretes = 0;
    for (std::size_t i = 0; i + 1 < texte.size() && pave.nbAretes < aretesPaveMax; i += 2) {
        ++pave.nbAretes;
        pave.aretesDebut[static_cast<std::size_t>(pave.nbAretes)] = indiceLettre(texte[i]);
        pave.aretesFin[static_cast<std::size_t>(pave.nbAretes)] = indiceLettre(texte[i + 1]);
    }
}

void lireFace(Tpave& pave, const std::string& texte, int codeCouleur)
{
    if (pave.nbFaces >= facesPaveMax) return;
    TfacePave& f = pave.faces[static_cast<std::size_t>(++pave.nbFaces)];
    f.nbSommets = static_cast<int>(std::min<std::size_t>(texte.size(), 4));
    for (int k = 1; k <= f.nbSommets; ++k)
        f.sommets[static_cast<std::size_t>(k)] =
            indiceLettre(texte[static_cast<std::size_t>(k - 1)]);
    if (codeCouleur >= 1 && codeCouleur <= 7) {
        const TcouleursFace& c = couleursFaces[codeCouleur];
        f.couleur1 = rvb(c.bleu[0], c.bleu[1], c.bleu[2]);
        f.couleur2 = rvb(c.rouge[0], c.rouge[1], c.rouge[2]);
    } else {
        f.couleur1 = couleurInconnue1;
        f.couleur2 = couleurInconnue2;
    }
}

void definirSolide(Tpave& pave)
{
    pave.nbFaces = 0;
    pave.nbAretes = 0;
    for (const Tmodele& m : modeles) {
        if (m.modele != pave.modeleSolide) continue;
        lireAretes(pave, m.aretes);
        for (const TfaceModele& f : m.faces)
            if (f.sommets) lireFace(pave, f.sommets, f.codeCouleur);
    }
}

void directionsVue(int sommet, double& z, double& x, double& y)
{
    const TsommetCellule& s = sommetsCellule[sommet >= 1 && sommet <= 16 ? sommet : 0];
    z = s.z;
    x = s.x;
    y = s.y;
}
