#pragma once
// The program's one main window: a fixed 800 × 600 window whose components stand at fixed places.

#include <QWidget>

class TfenetrePrincipale : public QWidget {
    Q_OBJECT
public:
    explicit TfenetrePrincipale(QWidget* parent = nullptr);
};
