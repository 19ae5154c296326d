#include <QGuiApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Core tests paint onto images, so they need a GUI application (offscreen platform).
int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale::c());
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
