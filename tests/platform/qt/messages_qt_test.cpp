#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QtGlobal>
#include <cstdlib>
#include <string>

#include "platform/qt/dossier_execution.h"
#include "platform/qt/messages_qt.h"

// Qt's noise about the session, the audio device or a Wayland desktop stays off the pupil's
// terminal; what tells why the window went away reaches it.
TEST(MessagesQt, seulsLesMessagesUtilesAtteignentLeTerminal)
{
    const struct {
        const char *categorie, *message;
        bool montre;
    } cas[] = {
        {"default", "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'", false},
        {"default", "No audio device detected", false},
        {"qt.qpa.plugin", "Could not find the Qt platform plugin \"wayland\" in \"\"", false},
        {"default", "The X11 connection broke (error 1). Did the X11 server die?", true},
        {"qt.qpa.xcb", "could not connect to display :99", true},
    };
    taireMessagesQt();
    for (const auto& c : cas) {
        testing::internal::CaptureStderr();
        QMessageLogger(nullptr, 0, nullptr, c.categorie).warning("%s", c.message);
        const std::string ecrit = testing::internal::GetCapturedStderr();
        EXPECT_EQ(ecrit.find(c.message) != std::string::npos, c.montre) << c.message;
    }
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
