#pragma once
// The checks made on the ink of a painted lesson: what a pupil would find cut, crossed or hidden.
// Each error names the source line of what is at fault and a pixel of the picture where it is.

#include <QImage>

#include "cours/page_lecon.h"

// Anything darker than this in one channel is ink; lighter is the white page and its JPEG noise.
bool estEncre(QRgb p);

// The line at fault for ink at the pixel (x, y) of the picture: an object of a figure there, else
// an object of the page, else the figure there, for its instruments.
int ligneDeLEncre(TpageLecon& page, int x, int y);

// Everything of the figure that has an end is whole in its box (lines run to the edges of the box
// and are cut there on purpose).
void verifierFigure(TfigureLecon& figure, int rang);

// The ink rule on the whole page, its figures and the window's lines under its link frames: every
// text clear of all ink not its own, no fill over what it holds, nothing drawn without ink.
void verifierEncre(TpageLecon& page);

// The picture leaves blank the lines that the window draws under its link frames.
void verifierLignesDesLiens(TpageLecon& page, const QImage& image);
