// corvane-chart convert: the beam data file to two CSV files a spreadsheet
// opens, and two such files back to a data file.
#include "CommandLine.h"
#include "DataFileOption.h"

#include "state/AtomicFileWrite.h"
#include "state/BeamDataCsv.h"
#include "state/BoundedFileRead.h"
#include "state/MessageText.h"
#include "state/SystemErrorText.h"

#include <ostream>
#include <string>

namespace corvane::cli {
namespace {

constexpr const char* Name = "corvane-chart convert: ";

// A CSV table of the beam data is a few kilobytes.
constexpr std::size_t CsvSizeLimit = 1024 * 1024;

const char* const ConvertUsage =
    "  convert [--data FILE] --to-csv DIR\n"
    "  convert --tmr T.csv --ocr O.csv --heading TEXT --out FILE\n"
    "                       converts between the beam data file and two CSV files: the\n"
    "                       TMR table (header depth_mm,4,6,8,10,12,15,20,25,30,35) and\n"
    "                       the OCR table (header x,0,15,30). --to-csv writes\n"
    "                       DIR/tmr.csv and DIR/ocr.csv; --out writes a data file with\n"
    "                       TEXT as its first line\n";

std::string Help() {
    return "Usage: corvane-chart convert [--data FILE] --to-csv DIR\n"
           "  or:  corvane-chart convert --tmr T.csv --ocr O.csv --heading TEXT --out FILE\n\n" +
           std::string(ConvertUsage) +
           "\nOptions:\n" + DataOptionHelp() +
           "  --to-csv DIR         the existing folder for tmr.csv and ocr.csv\n"
           "  --tmr T.csv          the TMR table: the header, then 37 rows of the depth in mm\n"
           "                       and the TMRs of the ten square fields, depths ascending\n"
           "  --ocr O.csv          the OCR table: the header, then 21 rows of x = 0, 0.1, ...,\n"
           "                       2.0 (1 = field edge) and the OCRs at 0, 15 and 30 cm depth\n"
           "  --heading TEXT       the data file's first line: one line of text\n"
           "  --out FILE           the data file to write\n"
           "\nCSV files: fields separated by commas, not quoted, \".\" as the decimal point;\n"
           "lines ending in CR LF or LF; a UTF-8 byte order mark is skipped. Numbers are\n"
           "written in the shortest form that reads back exactly, so a round trip keeps\n"
           "every number. Every file is written whole or not at all; when ocr.csv cannot\n"
           "be written, tmr.csv is put back as it was.\n"
           "\nExit codes: 0 success; 2 bad usage, a data file that does not load, or a CSV\n"
           "file that does not fit its format (with its line and column); 3 a file could\n"
           "not be written.\n";
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) on "literal" + a temporary string.
std::string Quoted(const std::filesystem::path& path) {
    std::string text(1, '"');
    text += PathForMessage(path.string());
    text += '"';
    return text;
}

std::string ReadFailure(const FileReadFault& read) {
    switch (read.failure) {
    case FileReadFailure::Missing: return "was not found";
    case FileReadFailure::NotRegular: return "is not a regular file";
    case FileReadFailure::CannotOpen: return "cannot be opened: " + SystemErrorText(read.systemError);
    case FileReadFailure::ReadFailed: break;
    }
    return "could not be read: " + SystemErrorText(read.systemError);
}

void ReportCsvFault(const CsvFault& fault, const std::filesystem::path& file, std::ostream& err) {
    err << Name << Quoted(file);
    if (fault.line > 0) err << ", line " << fault.line << ", column " << fault.column;
    err << ": " << fault.reason << '\n';
}

int ToCsv(const Options& options, std::ostream& err) {
    const std::string folder = options.get("to-csv", "");
    if (folder.empty()) {
        err << Name << "--to-csv needs a folder\n";
        return ExitUsage;
    }
    const Outcome<LoadedBeamData, UsageFault> loaded = LoadDataFileOption(options, Name, err);
    if (!loaded) {
        err << Name << loaded.error() << '\n';
        return ExitUsage;
    }
    const Outcome<void, CsvWriteFailure> written = WriteCsvPair(folder, NumbersOf(loaded->data, loaded->source));
    if (written) return ExitSuccess;
    const CsvWriteFailure& failure = written.error();
    err << Name << "cannot write " << Quoted(failure.file) << ": " << failure.reason;
    if (failure.file.filename() == OcrCsvName)
        err << (failure.tmrKept ? "; tmr.csv is as it was" : "; tmr.csv was written and could not be put back");
    err << '\n';
    return ExitOutputFailure;
}

int FromCsv(const Options& options, std::ostream& err) {
    for (const char* name : {"tmr", "ocr", "heading", "out"}) {
        if (!options.has(name)) {
            err << Name << "--" << name << " is required with --tmr, --ocr, --heading and --out\n";
            return ExitUsage;
        }
    }
    if (options.has("data")) {
        err << Name << "--data goes with --to-csv; the data file is made from --tmr and --ocr\n";
        return ExitUsage;
    }
    const std::string heading = options.get("heading", "");
    if (const Outcome<void, std::string> fits = CheckHeading(heading); !fits) {
        err << Name << fits.error() << '\n';
        return ExitUsage;
    }

    BeamDataNumbers numbers;
    const std::filesystem::path tmrFile = options.get("tmr", ""), ocrFile = options.get("ocr", "");
    for (const auto& [table, file] : {std::pair{CsvTable::Tmr, tmrFile}, std::pair{CsvTable::Ocr, ocrFile}}) {
        const Outcome<FileBytes, FileReadFault> read = ReadRegularFile(file, CsvSizeLimit);
        if (!read || read->moreFollows) {
            err << Name << Quoted(file) << ' '
                << (read ? "is larger than 1 MiB; a CSV table of the beam data is a few kilobytes"
                         : ReadFailure(read.error()))
                << '\n';
            return ExitUsage;
        }
        if (const Outcome<void, CsvFault> tableRead = ReadCsv(table, read->bytes, numbers); !tableRead) {
            ReportCsvFault(tableRead.error(), file, err);
            return ExitUsage;
        }
    }

    const Outcome<std::string, CsvFault> made = MakeBeamDataFile(heading, numbers);
    if (!made) {
        ReportCsvFault(made.error(), made.error().table == CsvTable::Tmr ? tmrFile : ocrFile, err);
        return ExitUsage;
    }
    const std::filesystem::path out = options.get("out", "");
    if (const Outcome<void, WriteFault> written = WriteFileAtomically(out, *made); !written) {
        err << Name << "cannot write " << Quoted(out) << ": " << written.error().reason << '\n';
        return ExitOutputFailure;
    }
    return ExitSuccess;
}

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Outcome<Options, UsageFault> parsed = ParseOptions(args, {"data", "to-csv", "tmr", "ocr", "heading", "out"});
    if (!parsed) {
        err << Name << parsed.error() << '\n';
        return ExitUsage;
    }
    if (parsed->help) {
        out << Help();
        return ExitSuccess;
    }
    const Options& options = *parsed;
    const bool fromCsv = options.has("tmr") || options.has("ocr") || options.has("heading") || options.has("out");
    if (options.has("to-csv") == fromCsv) {
        err << Name << (fromCsv ? "--to-csv does not go with --tmr, --ocr, --heading or --out"
                                : "give --to-csv DIR, or --tmr, --ocr, --heading and --out")
            << '\n';
        return ExitUsage;
    }
    return fromCsv ? FromCsv(options, err) : ToCsv(options, err);
}

const CommandRegistration registration{"convert", ConvertUsage, RunConvert};

}  // namespace
}  // namespace corvane::cli
