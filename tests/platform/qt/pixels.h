#pragma once
// What the tests that paint with the real canvas read from their pictures, and how they show them.

#include <QDir>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>

// Pixels of the box x1 ≤ x < x2, y1 ≤ y < y2, within the image, whose colour passes the test.
template <class Test>
int compterSi(const QImage& image, Test test, int x1, int y1, int x2, int y2)
{
    int n = 0;
    for (int y = std::max(0, y1); y < std::min(image.height(), y2); ++y)
        for (int x = std::max(0, x1); x < std::min(image.width(), x2); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// Pixels of exactly that colour in the box.
inline int compter(const QImage& image, QRgb couleur, int x1, int y1, int x2, int y2)
{
    return compterSi(image, [couleur](QRgb p) { return p == couleur; }, x1, y1, x2, y2);
}

// With VASTRELLE_PNG naming a folder, the picture is saved there as <nom>.png for a look, enlarged
// when asked so that single pixels can be seen.
inline void enregistrerPourVoir(const QImage& image, const char* nom, int agrandissement = 1)
{
    const char* dossier = std::getenv("VASTRELLE_PNG");
    if (!dossier) return;
    const QImage vue = agrandissement == 1 ? image
                                           : image.scaled(image.size() * agrandissement,
                                                          Qt::IgnoreAspectRatio,
                                                          Qt::FastTransformation);
    vue.save(QDir(QString::fromLocal8Bit(dossier))
                 .filePath(QString::fromLatin1(nom) + QStringLiteral(".png")));
}
