#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/qt/dossier_execution.h"

int main(int argc, char** argv)
{
    // Test listing runs without the test environment: choose the offscreen platform here.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const DossierExecution dossier;
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
