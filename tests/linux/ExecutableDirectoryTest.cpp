#include "setbuild/ExecutableDirectory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "linux/HostPath.h"

namespace grinsmith {
namespace {

namespace fs = std::filesystem;

std::string outputOf(const fs::path& program) {
    std::string output;
    FILE* pipe = ::popen(("'" + program.string() + "'").c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[512];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, got);
    }
    ::pclose(pipe);
    return output;
}

TEST(ExecutableDirectoryTest, IsTheRunningExecutablesFolderEndingInABackslash) {
    const fs::path self = fs::canonical("/proc/self/exe");
    EXPECT_EQ(executableDirectory(), linuxhost::fromHostPath(self.parent_path().string() + "/"));
}

TEST(ExecutableDirectoryTest, ReadsAPathOfAnyLength) {
    fs::path deep = fs::temp_directory_path() / "grinsmith-deep";
    fs::remove_all(deep);
    for (int level = 0; level < 12; ++level) {
        deep /= "Uśmiechy-" + std::string(100, 'a' + level);
    }
    fs::create_directories(deep);
    fs::copy_file(GRINSMITH_PROBE_PATH, deep / "probe");

    const std::string expected = deep.string() + "/";
    ASSERT_GT(expected.size(), 1200u);
    std::string expectedSetPath = expected;
    std::replace(expectedSetPath.begin(), expectedSetPath.end(), '/', '\\');
    EXPECT_EQ(outputOf(deep / "probe"), expectedSetPath);
    fs::remove_all(fs::temp_directory_path() / "grinsmith-deep");
}

}  // namespace
}  // namespace grinsmith
