#include "setbuild/ScopedFileHandle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "setbuild/RecordingPlatform.h"

namespace grinsmith {
namespace {

using ::grinsmith::fakes::RecordingPlatform;
using ::testing::ElementsAre;

TEST(ScopedFileHandleTest, ClosesAValidHandleExactlyOnce) {
    RecordingPlatform platform;
    {
        ScopedFileHandle file(platform, platform.createFile(u"C:\\a.xml"));
        EXPECT_TRUE(file.close());
        EXPECT_FALSE(file.valid());
        EXPECT_FALSE(file.close());
    }
    EXPECT_THAT(platform.calls, ElementsAre("createFile C:\\a.xml", "closeFile"));
}

TEST(ScopedFileHandleTest, ClosesWhenLeavingScopeAlsoOnUnwinding) {
    RecordingPlatform platform;
    try {
        ScopedFileHandle file(platform, platform.createFile(u"C:\\a.xml"));
        throw std::runtime_error("unwind");
    } catch (const std::runtime_error&) {
    }
    EXPECT_THAT(platform.calls, ElementsAre("createFile C:\\a.xml", "closeFile"));
}

TEST(ScopedFileHandleTest, NeverClosesTheInvalidHandle) {
    RecordingPlatform platform;
    { ScopedFileHandle file(platform, invalidFileHandle); }
    EXPECT_TRUE(platform.calls.empty());
}

TEST(ScopedFileHandleTest, MoveHandsOverTheOneClose) {
    RecordingPlatform platform;
    {
        ScopedFileHandle first(platform, platform.createFile(u"C:\\a.xml"));
        ScopedFileHandle second(std::move(first));
        EXPECT_FALSE(first.valid());
        ScopedFileHandle third(platform, invalidFileHandle);
        third = std::move(second);
        EXPECT_TRUE(third.valid());
    }
    EXPECT_THAT(platform.calls, ElementsAre("createFile C:\\a.xml", "closeFile"));
}

}  // namespace
}  // namespace grinsmith
