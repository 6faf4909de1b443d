// Test entry point for tests that need widgets: a QApplication on the
// offscreen platform unless the caller chose a platform.
#include "AppFonts.h"
#include "Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    AppFonts::install();
    return RUN_ALL_TESTS();
}
