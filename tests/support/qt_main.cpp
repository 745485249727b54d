// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest entry for tests that need Qt: the application is made after
// InitGoogleTest, and not at all when the tests are only listed (test
// discovery runs without the test environment and without a display). The
// operator's folders (settings, data) are folders of the run's own, so that
// a test never reads or changes the files of whoever runs it, and the
// window speaks English.
#include "platform/events.h"
#include "platform/userint.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    const QTemporaryDir home;
    setenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit().constData(), 1);
    // The window follows the desktop's language: the tests' is English, whoever runs them.
    setenv("LANGUAGE", "en", 1);
    telvar::InitCVIRTE(argc, argv);
    return RUN_ALL_TESTS();
}
