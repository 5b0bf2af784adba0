// Shared helpers of the core and command-line tests.
#pragma once

#include "state/BeamData.h"
#include "state/Conditions.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

// What corvane-chart writes on standard error when the calculation fails:
// the two messages exactly, one per line.
inline const std::string ChartFailureText =
    "  線量分布が正しく計算できませんでした  \n  照射野サイズが大きすぎるものと思われます  \n";

// The bundled data file of the source tree.
std::filesystem::path BundledDataFile();
std::string ReadFile(const std::filesystem::path& path);
// The bundled file's lines, without their line ends.
std::vector<std::string> BundledLines();
// Joins lines with the given line end after each of them.
std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n");
// The bundled tables, loaded through the real loader.
const BeamData& BundledBeamData();
// The conditions as the conditions window leaves them for a calculation: the
// set-up (1 SSD, 2 STD) and the wedge kind (1 to 4) chosen, and the three
// entry texts read. The bundled tables go with them.
IrradiationConditions ConditionsWithEntries(int setup, int wedgeKind, const std::string& depth,
                                            const std::string& width, const std::string& length);

// A fresh folder under the system's temporary folder, removed on destruction.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path write(const std::string& name, const std::string& content) const;

private:
    std::filesystem::path path_;
};

// Runs a program with arguments (no shell) and collects what it wrote.
// With `standardOutput` (a file or a device such as /dev/full) the child's
// standard output goes there instead, and `out` stays empty.
struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& extraEnvironment = {},
                         const std::filesystem::path& workingDirectory = {},
                         const std::filesystem::path& standardOutput = {});

// The command line that runs `argv` with a file size limit of one block and
// SIGXFSZ ignored (which stays so across exec), so that a write beyond the
// limit fails with EFBIG as on a full disk, without root.
std::vector<std::string> UnderFileSizeLimit(const std::vector<std::string>& argv);

}  // namespace corvane::test
