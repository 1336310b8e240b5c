#include "platform/qt/messages_qt.h"

#include <QString>

namespace {

// The beginnings of the messages Qt writes on a machine it runs well on.
constexpr const char* bruitsConnus[] = {
    // No runtime folder in the session, or one shared with others.
    "QStandardPaths: ",
    // No sound device or sound server: the program is silent.
    "No audio device detected",
    "PulseAudioService: ",
    "QSoundEffect(",
    // What the offscreen platform cannot do with a window.
    "This plugin does not support ",
    // A Wayland session without Qt's Wayland plugin: the program shows through X11.
    "Could not find the Qt platform plugin \"wayland\"",
};

QtMessageHandler precedent = nullptr;

bool bruitConnu(const QString& message)
{
    for (const char* debut : bruitsConnus)
        if (message.startsWith(QLatin1String(debut))) return true;
    return false;
}

void filtrer(QtMsgType genre, const QMessageLogContext& contexte, const QString& message)
{
    if (genre == QtFatalMsg || (genre != QtDebugMsg && !bruitConnu(message)))
        precedent(genre, contexte, message);
}

}  // namespace

void taireMessagesQt()
{
    precedent = qInstallMessageHandler(filtrer);
}
