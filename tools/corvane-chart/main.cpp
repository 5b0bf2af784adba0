// corvane-chart: the dose grid and the chart of Corvane, without windows.
#include "CommandLine.h"

#include "OutputBuffer.h"
#include "state/MessageText.h"

#include "state/SystemErrorText.h"

#include <version/Version.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void printHelp(std::ostream& out) {
    auto commands = corvane::cli::RegisteredCommands();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    out << "Usage: corvane-chart COMMAND [OPTIONS]\n"
           "  or:  corvane-chart --help | --version\n\n"
           "Computes the dose distribution of the 6 MV beam in the 25 cm water phantom\n"
           "and its isodose chart, as the Corvane program does, without windows.\n\n"
           "Commands:\n";
    for (const auto& command : commands) out << command.usage << '\n';
    out << "Options of the commands that calculate (check-data and convert take --data\n"
           "only; see COMMAND --help):\n"
        << corvane::cli::CalculationOptionsHelp()
        << "\nExit codes: 0 success; 1 the calculation failed (its two messages go to\n"
           "standard error, one per line); 2 bad usage, or a data file that does not load;\n"
           "3 the output could not be written.\n";
}

// A run succeeds only when all it wrote reached standard output: a full disk,
// a file size limit or an I/O error must not pass for success. Closing
// standard output reports what a file system tells only on close. Standard
// output that was closed before the start and never written to is no fault.
int finishOutput(const std::string& who, std::ostream& out, const corvane::cli::OutputBuffer& buffer,
                 int code) {
    out.flush();
    int error = buffer.error();
    if (error == 0 && !out) error = EIO;
    // The commands write through `out` only; what a library wrote through
    // stdio would still sit in its buffer, so it goes out and is checked too.
    if (error == 0 && std::fflush(stdout) != 0) error = errno;
    if (::close(STDOUT_FILENO) != 0 && error == 0 && errno != EBADF) error = errno;
    if (error == 0) return code;
    std::cerr.tie(nullptr);
    std::cerr << who << ": cannot write the output: " << corvane::SystemErrorText(error) << '\n';
    return corvane::cli::ExitOutputFailure;
}

// What a command wrote to standard output comes before its messages on
// standard error when both go to one place.
class ErrorsAfterOutput {
public:
    explicit ErrorsAfterOutput(std::ostream& out) : previous_(std::cerr.tie(&out)) {}
    ~ErrorsAfterOutput() { std::cerr.tie(previous_); }
    ErrorsAfterOutput(const ErrorsAfterOutput&) = delete;
    ErrorsAfterOutput& operator=(const ErrorsAfterOutput&) = delete;

private:
    std::ostream* previous_;
};

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    corvane::cli::OutputBuffer buffer(STDOUT_FILENO);
    std::ostream out(&buffer);
    const ErrorsAfterOutput tie(out);

    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "corvane-chart: no command given; try --help\n";
        return corvane::cli::ExitUsage;
    }
    if (args.front() == "--help" || args.front() == "help") {
        printHelp(out);
        return finishOutput("corvane-chart", out, buffer, corvane::cli::ExitSuccess);
    }
    if (args.front() == "--version") {
        out << "corvane-chart " CORVANE_VERSION "\n" CORVANE_COPYRIGHT_LINES;
        return finishOutput("corvane-chart", out, buffer, corvane::cli::ExitSuccess);
    }
    for (const auto& command : corvane::cli::RegisteredCommands()) {
        if (command.name == args.front()) {
            std::vector<std::string> rest(args.begin() + 1, args.end());
            const int code = command.run(rest, out, std::cerr);
            return finishOutput("corvane-chart " + command.name, out, buffer, code);
        }
    }
    std::cerr << "corvane-chart: unknown command " << corvane::QuoteForMessage(args.front())
              << "; try --help\n";
    return corvane::cli::ExitUsage;
}
