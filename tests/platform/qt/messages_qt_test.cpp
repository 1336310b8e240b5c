#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QtGlobal>
#include <cstdlib>
#include <string>

#include "platform/qt/dossier_execution.h"
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

// Run by the build, where the session gives no runtime folder, a tool gets one of its own, and
// Qt has nothing to warn about.
TEST(DossierExecution, sansDossierDeSessionQtNeDitRien)
{
    const char* avant = std::getenv("XDG_RUNTIME_DIR");
    const std::string session = avant ? avant : "";
    unsetenv("XDG_RUNTIME_DIR");
    {
        const DossierExecution dossier;
        testing::internal::CaptureStderr();
        const QString chemin = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(chemin, QFile::decodeName(std::getenv("XDG_RUNTIME_DIR")));
    }
    if (avant) setenv("XDG_RUNTIME_DIR", session.c_str(), 1);
}
