#include <gtest/gtest.h>
#include <signal.h>

#include <QTest>

#include "winsupport/CloseRequestListener.h"

namespace qav {
namespace {

TEST(CloseRequestListenerTest, SigtermBecomesACloseRequestOnTheEventLoop) {
    int requests = 0;
    CloseRequestListener listener([&] { ++requests; });
    ASSERT_EQ(::raise(SIGTERM), 0);  // the process lives on: the handler only records the request
    EXPECT_EQ(requests, 0) << "never inside the signal handler";
    EXPECT_TRUE(QTest::qWaitFor([&] { return requests == 1; }, 2000));
    ::raise(SIGTERM);
    ::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return requests >= 2; }, 2000));
}

}  // namespace
}  // namespace qav
