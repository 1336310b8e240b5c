#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <memory>

#include "platform/qt/textes_qt.h"

// A right click in an answer field opens Qt's own edit menu: the pupil reads it in French.
TEST(TextesQt, leMenuDUnChampDeReponseEstEnFrancais)
{
    installerTextesFrancaisQt();
    QLineEdit champ;
    const std::unique_ptr<QMenu> menu(champ.createStandardContextMenu());
    QStringList textes;
    for (const QAction* action : menu->actions()) textes << action->text().remove('&');
    EXPECT_TRUE(textes.join('|').contains("Coller")) << textes.join('|').toStdString();
    EXPECT_FALSE(textes.join('|').contains("Paste")) << textes.join('|').toStdString();
}
