#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The main queue and the notification of finished refreshes need an application object.
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
