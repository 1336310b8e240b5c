#include "platform/qt/messages_qt.h"

#include <QtGlobal>

namespace {

QtMessageHandler precedent = nullptr;

void filtrer(QtMsgType genre, const QMessageLogContext& contexte, const QString& message)
{
    if (genre == QtFatalMsg && precedent) precedent(genre, contexte, message);
}

}  // namespace

void taireMessagesQt()
{
    precedent = qInstallMessageHandler(filtrer);
}
