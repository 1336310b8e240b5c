#pragma once
// Qt asks the session for its runtime folder when an application starts, and warns on the
// terminal when the session gives none, as in a build or on a bare virtual screen. The build's
// tools and the tests take a private folder for their run rather than silence Qt.

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

// Made before the application object, so that it outlives it.
class DossierExecution {
public:
    DossierExecution()
    {
        if (std::getenv("XDG_RUNTIME_DIR")) return;
        // Owned by the user alone, as Qt wants it.
        dossier_.emplace();
        if (dossier_->isValid()) setenv("XDG_RUNTIME_DIR", QFile::encodeName(dossier_->path()).constData(), 1);
    }

private:
    std::optional<QTemporaryDir> dossier_;
};
