#pragma once
// A timer on a QTimer.

#include <QTimer>

#include "platform/controles.h"

class MinuteurQt final : public Minuteur {
public:
    // Enabled with an interval of one second, as the toolkit's timer starts.
    MinuteurQt();

    bool Enabled() const override { return actif_; }
    void setEnabled(bool v) override;
    int Interval() const override { return intervalle_; }
    void setInterval(int millisecondes) override;

private:
    // The QTimer runs only while enabled with an interval: at 0 it would fire without end.
    void appliquer();

    QTimer minuterie_;
    bool actif_ = true;
    int intervalle_ = 1000;
};
