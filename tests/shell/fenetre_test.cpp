#include <gtest/gtest.h>

#include "platform/qt/unicode.h"
#include "shell/fenetre_principale.h"

TEST(FenetrePrincipale, ouvreUneFenetreFixeDe800Sur600)
{
    TfenetrePrincipale fenetre;
    fenetre.show();
    EXPECT_EQ(fenetre.windowTitle(), QString::fromUtf8(u8"Vastrelle 6e 2005"));
    EXPECT_EQ(fenetre.size(), QSize(800, 600));
}
