#include "platform/system/standard_streams.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orbweave {
namespace {

bool IsDevNull(int descriptor) {
    struct stat opened{}, null{};
    return ::fstat(descriptor, &opened) == 0 && ::stat("/dev/null", &null) == 0 && S_ISCHR(opened.st_mode) &&
           opened.st_rdev == null.st_rdev;
}

// In a child process, since the test's own streams must stay: standard input
// and error closed, output open on a pipe. The closed ones come back on
// /dev/null, writable; the open one is left alone; nothing else is opened.
TEST(StandardStreams, ClosedOnesOpenOnDevNullAndOpenOnesStay) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        ::dup2(pipeEnds[1], 1);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        // The lowest number free above the three streams.
        const int spare = ::dup(1);
        ::close(spare);
        ::close(0);
        ::close(2);
        OpenClosedStandardStreams();
        const bool sound = IsDevNull(0) && IsDevNull(2) && !IsDevNull(1) && ::write(2, "x", 1) == 1 &&
                           ::dup(1) == spare;
        ::_exit(sound ? 0 : 1);
    }
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace orbweave
