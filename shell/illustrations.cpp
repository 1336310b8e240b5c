#include "shell/illustrations.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace {

// One drawing of the resources, rendered on a transparent picture of the size given. A drawing
// that cannot be read leaves the picture transparent: the window still works without it.
QImage dessin(const char* nom, int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer rendu(QStringLiteral(":/dessins/") + QString::fromLatin1(nom) + QStringLiteral(".svg"));
    if (rendu.isValid()) {
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing);
        rendu.render(&peintre);
    }
    return image;
}

}  // namespace

// The welcome pictures take the sizes of their hover rectangles; the result pictures stand left of
// the solution lines.
Illustrations::Illustrations()
    : ImageExacte(dessin("exacte", 88, 52)),
      ImageAcceptee(dessin("acceptee", 88, 52)),
      ImageFausse(dessin("fausse", 88, 52)),
      ImageIncorrecte(dessin("incorrecte", 88, 52)),
      ImageCMincorrect(dessin("cm_incorrect", 88, 52)),
      ImageDepasse(dessin("depasse", 88, 52)),
      ImageSolution(dessin("solution", 88, 52)),
      fondAccueil(dessin("fond_accueil", 690, 428)),
      garcon1(dessin("garcon1", 132, 196)),
      garcon2(dessin("garcon2", 132, 196)),
      AproposActif(dessin("a_propos_actif", 84, 31)),
      AproposNonActif(dessin("a_propos_inactif", 84, 31)),
      EntreeActif(dessin("entree_actif", 130, 66)),
      EntreeNonActif(dessin("entree_inactif", 130, 66)),
      QuitterActif(dessin("quitter_actif", 80, 35)),
      QuitterNonActif(dessin("quitter_inactif", 80, 35)),
      ImageCalculatrice(dessin("calculatrice", 44, 52))
{
}
