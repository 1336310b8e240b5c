#include "shell/illustrations.h"

#include <QResource>
#include <QString>
#include <cstdint>

namespace {

quint32 motLu(const uchar* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

// One of the pictures the build made from the program's drawings: its size, then its pixels. The
// picture is drawn straight from where the program holds it when those bytes can serve as a
// picture's rows; otherwise it is copied. A picture that cannot be read is empty: the window
// still works without it.
QImage dessin(const char* nom)
{
    const QResource ressource(QStringLiteral(":/dessins/") + QString::fromLatin1(nom) +
                              QStringLiteral(".pixels"));
    const uchar* octets = ressource.data();
    const qint64 taille = ressource.size();
    if (!octets || taille < 8 || ressource.compressionAlgorithm() != QResource::NoCompression) return {};
    const quint32 largeur = motLu(octets);
    const quint32 hauteur = motLu(octets + 4);
    if (largeur == 0 || hauteur == 0 || largeur > 4096 || hauteur > 4096 ||
        qint64(largeur) * hauteur * 4 != taille - 8)
        return {};
    const uchar* pixels = octets + 8;
    const QImage image(pixels, int(largeur), int(hauteur), int(largeur) * 4, QImage::Format_ARGB32_Premultiplied);
    return reinterpret_cast<std::uintptr_t>(pixels) % 4 == 0 ? image : image.copy();
}

}  // namespace

Illustrations::Illustrations()
    : ImageExacte(dessin("exacte")),
      ImageAcceptee(dessin("acceptee")),
      ImageFausse(dessin("fausse")),
      ImageIncorrecte(dessin("incorrecte")),
      ImageCMincorrect(dessin("cm_incorrect")),
      ImageDepasse(dessin("depasse")),
      ImageSolution(dessin("solution")),
      fondAccueil(dessin("fond_accueil")),
      garcon1(dessin("garcon1")),
      garcon2(dessin("garcon2")),
      AproposActif(dessin("a_propos_actif")),
      AproposNonActif(dessin("a_propos_inactif")),
      EntreeActif(dessin("entree_actif")),
      EntreeNonActif(dessin("entree_inactif")),
      QuitterActif(dessin("quitter_actif")),
      QuitterNonActif(dessin("quitter_inactif")),
      ImageCalculatrice(dessin("calculatrice"))
{
}
