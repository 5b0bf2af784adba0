#include "support/TestData.h"

#include "state/BeamDataLoader.h"
#include "state/WedgeOptions.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace corvane::test {

namespace fs = std::filesystem;

fs::path BundledDataFile() { return fs::path(CORVANE_TEST_DATA_FILE); }

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> BundledLines() {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(BundledDataFile()));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineEnd) {
    std::string text;
    for (const auto& line : lines) text += line + lineEnd;
    return text;
}

const BeamData& BundledBeamData() {
    static const BeamData data = [] {
        BeamDataLoad result = LoadBeamDataFile(BundledDataFile());
        if (!result.has_value()) throw std::runtime_error(DescribeBeamDataFault(result.error()));
        return result->data;
    }();
    return data;
}

IrradiationConditions ConditionsWithEntries(int setup, int wedgeKind, const std::string& depth,
                                            const std::string& width, const std::string& length) {
    IrradiationConditions conditions;
    conditions.Setup = static_cast<BeamSetup>(setup);
    SelectWedge(conditions, static_cast<WedgeFilter>(wedgeKind));
    ReadConditionEntries(conditions, depth, width, length);
    return conditions;
}

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "corvane-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path TemporaryFolder::write(const std::string& name, const std::string& content) const {
    const fs::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out << content;
    return file;
}

namespace {
std::string drain(int fd) {
    std::string text;
    char buffer[65536];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    close(fd);
    return text;
}
}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& extraEnvironment, const fs::path& workingDirectory,
                         const fs::path& standardOutput) {
    // Output goes to files rather than pipes, so a large standard output can
    // never block the child while the parent waits on the other stream.
    TemporaryFolder folder;
    const std::string outPath =
        standardOutput.empty() ? (folder.path() / "out").string() : standardOutput.string();
    const std::string errPath = (folder.path() / "err").string();

    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int outFd = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errFd = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(outFd, 1);
        dup2(errFd, 2);
        if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) _exit(126);
        for (const auto& assignment : extraEnvironment) putenv(const_cast<char*>(assignment.c_str()));
        std::vector<char*> args;
        for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (standardOutput.empty()) result.out = drain(open(outPath.c_str(), O_RDONLY));
    result.err = drain(open(errPath.c_str(), O_RDONLY));
    return result;
}

std::vector<std::string> UnderFileSizeLimit(const std::vector<std::string>& argv) {
    std::vector<std::string> shell{"/bin/sh", "-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\""};
    shell.insert(shell.end(), argv.begin(), argv.end());
    return shell;
}

}  // namespace corvane::test
