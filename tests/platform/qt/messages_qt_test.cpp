#include <gtest/gtest.h>

#include <QtGlobal>

#include "platform/qt/messages_qt.h"

// Qt's warnings about the session or the audio device would reach the pupil's terminal.
TEST(MessagesQt, lesMessagesDeQtNAtteignentPasLeTerminal)
{
    taireMessagesQt();
    testing::internal::CaptureStderr();
    qWarning("QStandardPaths: XDG_RUNTIME_DIR not set");
    qCritical("No audio device detected");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    qInstallMessageHandler(nullptr);
}
