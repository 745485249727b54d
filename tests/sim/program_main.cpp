// SPDX-License-Identifier: GPL-3.0-or-later
// The program tests start processes and sockets, which want an application.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
