// corvane-chart: the dose grid and the chart of Corvane, without windows.
#include "CommandLine.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace {

void printHelp(std::ostream& out) {
    auto commands = corvane::cli::RegisteredCommands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    out << "Usage: corvane-chart COMMAND [OPTIONS]\n\n"
           "Computes the dose distribution of the 6 MV beam in the 25 cm water phantom\n"
           "and its isodose chart, as the Corvane program does, without windows.\n\n"
           "Commands:\n";
    for (const auto& command : commands) out << command.usage << '\n';
    out << "Options of every command:\n"
        << corvane::cli::CalculationOptionsHelp()
        << "\nExit codes: 0 success; 1 the calculation failed (its two messages go to\n"
           "standard error, one per line); 2 bad usage, or a data file that does not load.\n";
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "corvane-chart: no command given; try --help\n";
        return corvane::cli::ExitUsage;
    }
    if (args.front() == "--help" || args.front() == "help") {
        printHelp(std::cout);
        return corvane::cli::ExitSuccess;
    }
    for (const auto& command : corvane::cli::RegisteredCommands()) {
        if (command.name == args.front()) {
            std::vector<std::string> rest(args.begin() + 1, args.end());
            const int code = command.run(rest, std::cout, std::cerr);
            std::cout.flush();
            return code;
        }
    }
    std::cerr << "corvane-chart: unknown command \"" << args.front() << "\"; try --help\n";
    return corvane::cli::ExitUsage;
}
