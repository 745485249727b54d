// GoogleTest entry for tests that need Qt: the application is made after
// InitGoogleTest, and not at all when the tests are only listed (test
// discovery runs without the test environment and without a display).
#include "platform/events.h"
#include "platform/userint.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    telvar::InitCVIRTE(argc, argv);
    return RUN_ALL_TESTS();
}
