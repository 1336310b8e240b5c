#pragma once
// A laid-out lesson painted by the figure engine on the Qt canvas, as the picture of its page.

#include <QImage>

#include "cours/page_lecon.h"
#include "platform/jpeg/jpeg.h"

// The page surface, then each figure at its place, on white. Errors name what would be hidden,
// cut or crossed: a text that runs out of the picture, ink where the window puts a button or draws
// a link frame's line, and the checks of encre_lecon.h.
QImage peindreLecon(TpageLecon& page);
TimageRvb versImageRvb(const QImage& image);
