// Runs the widget tests inside one application object on the offscreen
// platform, so that no test needs a display.
#include <gtest/gtest.h>

#include "application.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qolvar::app::QolvarApplication app(argc, argv);
    // The program's own texts whatever the machine's language; the
    // language tests install translations themselves.
    qolvar::app::RemoveTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
