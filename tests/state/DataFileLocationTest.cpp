#include "state/DataFileLocation.h"

#include "support/TestData.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace corvane {
namespace {

namespace fs = std::filesystem;

// Changes the working directory for one test.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const fs::path& dir) : previous_(fs::current_path()) { fs::current_path(dir); }
    ~WorkingDirectory() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

TEST(DataFileLocation, WorkingDirectoryComesFirstThenTheExecutable) {
    const auto paths = BeamDataSearchPaths();
    ASSERT_GE(paths.size(), 3u);
    EXPECT_EQ(paths[0], fs::path("6MVTMROCR.dat"));
    EXPECT_EQ(paths[1].parent_path(), fs::read_symlink("/proc/self/exe").parent_path());
    EXPECT_EQ(paths[2].parent_path().filename(), "corvane");
}

TEST(DataFileLocation, PrefersTheFileInTheWorkingDirectory) {
    test::TemporaryFolder folder;
    folder.write("6MVTMROCR.dat", "local copy");
    WorkingDirectory cd(folder.path());
    EXPECT_EQ(LocateBeamDataFile(), fs::path("6MVTMROCR.dat"));
}

TEST(DataFileLocation, FallsBackToTheCopyBesideTheExecutable) {
    test::TemporaryFolder folder;
    WorkingDirectory cd(folder.path());
    const fs::path besideExecutable = fs::read_symlink("/proc/self/exe").parent_path() / "6MVTMROCR.dat";
    if (!fs::exists(besideExecutable)) GTEST_SKIP() << "the build tree has no copy beside the tests";
    EXPECT_EQ(LocateBeamDataFile(), besideExecutable);
}

}  // namespace
}  // namespace corvane
