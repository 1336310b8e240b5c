// Turns the window's vector drawings into pictures at the size each drawing gives itself, once,
// when the program is built. A picture is written as the program draws it: its width and height
// (32-bit words, little-endian), then its premultiplied ARGB pixels row by row, so that starting
// the program decodes nothing.
// Usage: rendu_dessins DESSIN.svg IMAGE

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

#include "platform/qt/dossier_execution.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: rendu_dessins DESSIN.svg IMAGE\n");
        return 2;
    }
    const DossierExecution dossier;
    QGuiApplication application(argc, argv);
    QSvgRenderer rendu(QString::fromLocal8Bit(argv[1]));
    if (!rendu.isValid()) {
        std::fprintf(stderr, "rendu_dessins: %s is no drawing\n", argv[1]);
        return 1;
    }
    QImage image(rendu.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    rendu.render(&peintre);
    peintre.end();
    QFile sortie(QString::fromLocal8Bit(argv[2]));
    if (!sortie.open(QIODevice::WriteOnly)) return 1;
    QByteArray donnees;
    for (quint32 mot : {quint32(image.width()), quint32(image.height())})
        for (int i = 0; i < 4; ++i) donnees.append(char((mot >> (8 * i)) & 0xFF));
    for (int y = 0; y < image.height(); ++y)
        donnees.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return sortie.write(donnees) == donnees.size() ? 0 : 1;
}
