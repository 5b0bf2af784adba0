// Runs the built corvane-chart as a user runs it, for the tests of its
// commands. Header-only: it needs CORVANE_CHART_EXECUTABLE, which only the
// test programs that run the tool define.
#pragma once

#include "support/TestData.h"

#include <filesystem>
#include <string>
#include <vector>

namespace corvane::test {

// The German locale, whose decimal comma must never reach the tool's output.
inline const std::vector<std::string> GermanLocale{"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"};

struct ChartToolOptions {
    // "--data <the bundled file>" right after the command.
    bool bundledData = true;
    // Extra "NAME=value" assignments; "NAME=" empties a variable.
    std::vector<std::string> environment{};
    // Where the tool runs; empty for the test's own working folder.
    std::filesystem::path workingDirectory{};
    // A file or device (such as /dev/full) for standard output instead of
    // collecting it; the result's `out` then stays empty.
    std::filesystem::path standardOutput{};
    // Under a file size limit of one block (see UnderFileSizeLimit).
    bool fileSizeLimit = false;
};

inline const ChartToolOptions WithoutBundledData{.bundledData = false};

// Runs `corvane-chart COMMAND [--data BUNDLED] ARGS...`. COMMAND is the first
// argument, whatever it is ("dose", or "--help" with WithoutBundledData).
inline ProcessResult RunChartTool(const std::string& command, const std::vector<std::string>& args = {},
                                  const ChartToolOptions& options = {}) {
    std::vector<std::string> argv{CORVANE_CHART_EXECUTABLE, command};
    if (options.bundledData) argv.insert(argv.end(), {"--data", BundledDataFile().string()});
    argv.insert(argv.end(), args.begin(), args.end());
    if (options.fileSizeLimit) argv = UnderFileSizeLimit(argv);
    return RunProcess(argv, options.environment, options.workingDirectory, options.standardOutput);
}

}  // namespace corvane::test
