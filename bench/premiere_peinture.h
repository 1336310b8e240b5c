#pragma once
// Start-up measure shared by the program and the bare window it is compared with: at the end of
// the first paint of the watched widget, prints the wall-clock time in nanoseconds and the
// resident memory in kilobytes, then ends the application. The script that starts the program
// takes the time before it, so that the difference covers loading the libraries too.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

class PremierePeinture : public QObject {
public:
    explicit PremierePeinture(QWidget* surveille) { surveille->installEventFilter(this); }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint && !vue_) {
            vue_ = true;
            // The paint itself runs right after this filter: measure once it is done.
            QTimer::singleShot(0, [] {
                const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                    std::chrono::system_clock::now().time_since_epoch())
                                    .count();
                std::printf("%lld %ld\n", static_cast<long long>(ns), memoireResidente());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(objet, evenement);
    }

private:
    static long memoireResidente()
    {
        std::ifstream statut("/proc/self/status");
        std::string ligne;
        while (std::getline(statut, ligne))
            if (ligne.rfind("VmRSS:", 0) == 0) return std::stol(ligne.substr(6));
        return 0;
    }

    bool vue_ = false;
};
