// corvane-chart render, run as the built tool.
#include "support/ChartTool.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using test::ProcessResult;
using test::RunChartTool;
using test::WithoutBundledData;
using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using ::testing::Not;

using test::ChartFailureText;

class RenderCommand : public ::testing::Test {
protected:
    test::TemporaryFolder folder;

    fs::path Out(const std::string& name) const { return folder.path() / name; }

    // render with the bundled data, writing the file `outName` in the test's folder.
    ProcessResult Render(const std::string& outName, std::vector<std::string> args = {},
                         std::vector<std::string> env = {}) {
        args.insert(args.begin(), {"--out", Out(outName).string()});
        return RunChartTool("render", args, {.environment = env});
    }

    // The PDF's text, as a reader would extract it.
    std::string PdfText(const fs::path& pdf) {
        const ProcessResult run = test::RunProcess({"/usr/bin/pdftotext", "-layout", pdf.string(), "-"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }
};

TEST_F(RenderCommand, PngIsTheChartPictureAtItsSizeOrScaled) {
    ProcessResult run = Render("chart.png");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    QImage image(QString::fromStdString(Out("chart.png").string()));
    EXPECT_EQ(image.size(), QSize(997, 685));

    run = Render("big.PNG", {"--scale", "2", "--mesh", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(QImage(QString::fromStdString(Out("big.PNG").string())).size(), QSize(1994, 1370));

    // Through a link its target is written, as a new file under the umask; the link stays.
    ::umask(022);
    fs::create_symlink("target.png", Out("link.png"));
    run = Render("link.png", {"--scale", "8"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(Out("link.png")));
    EXPECT_EQ(fs::status(Out("target.png")).permissions(), fs::perms(0644));
    EXPECT_EQ(QImageReader(QString::fromStdString(Out("target.png").string())).size(), QSize(7976, 5480));
}

TEST_F(RenderCommand, SvgParsesAndHoldsTheCaptions) {
    const ProcessResult run = Render("chart.svg", {"--wedge", "45", "--width", "10", "--length", "15"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QString path = QString::fromStdString(Out("chart.svg").string());
    EXPECT_TRUE(QSvgRenderer(path).isValid());

    QStringList texts;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("text"))
            texts << xml.readElementText();
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.contains(" 10 x 15 cm")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("SSD = 100 cm"));
    EXPECT_TRUE(texts.contains("Wedge filter : 45 degree"));
    EXPECT_TRUE(texts.contains(" 100 %"));
    EXPECT_TRUE(texts.contains("-20"));
}

TEST_F(RenderCommand, PdfHoldsThePrintedCaptions) {
    ProcessResult run = Render("page.pdf", {"--setup", "std", "--wedge", "30"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string text = PdfText(Out("page.pdf"));
    // The text extractor rebuilds blanks from the gaps, so the two blanks
    // after "=" may come out as one.
    EXPECT_THAT(text, ContainsRegex("Field size = +10 x 10 cm"));
    EXPECT_THAT(text, HasSubstr("STD = 100 cm"));
    EXPECT_THAT(text, HasSubstr("Wedge filter : 30 degree"));
    EXPECT_THAT(text, Not(HasSubstr("%"))) << "the page has no level labels";

    run = Render("plain.pdf");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    text = PdfText(Out("plain.pdf"));
    EXPECT_THAT(text, HasSubstr("SSD = 100 cm"));
    EXPECT_THAT(text, Not(HasSubstr("Wedge")));

    const ProcessResult info = test::RunProcess({"/usr/bin/pdfinfo", Out("plain.pdf").string()});
    EXPECT_THAT(info.out, HasSubstr("Pages:           1"));
    EXPECT_THAT(info.out, HasSubstr("(A4)"));
}

// On a 254 dpi rendering one pixel is 0.1 mm.
TEST_F(RenderCommand, PdfGridMeasuresTwoHundredByTwoHundredFiftyMillimetres) {
    const ProcessResult run = Render("page.pdf");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const ProcessResult raster =
        test::RunProcess({"/usr/bin/pdftoppm", "-r", "254", "-gray", "-png", "-singlefile",
                          Out("page.pdf").string(), Out("page").string()});
    ASSERT_EQ(raster.exitCode, 0) << raster.err;
    const QImage page(QString::fromStdString(Out("page.png").string()));
    // A4, give or take the rounding of the last pixel.
    ASSERT_NEAR(page.width(), 2100, 1);
    ASSERT_NEAR(page.height(), 2970, 1);
    auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 160; };

    // Along a row 5.5 mm below the surface (between two grid lines): the
    // outermost ink is the grid's left and right edge.
    int left = -1;
    int right = -1;
    for (int x = 0; x < page.width(); ++x)
        if (dark(x, 465)) {
            if (left < 0) left = x;
            right = x;
        }
    // Down a column 5.5 mm right of the grid's left edge: its top and bottom.
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        if (dark(105, y)) {
            if (top < 0) top = y;
            bottom = y;
        }
    EXPECT_NEAR(right - left, 2000, 5) << "200 mm wide";
    EXPECT_NEAR(bottom - top, 2500, 5) << "250 mm deep";
    // The drawable area starts 5 mm in: x = 150 there, y = 0 36 mm lower.
    EXPECT_NEAR(left, 50, 3);
    EXPECT_NEAR(top, 410, 3);
}

TEST_F(RenderCommand, AFailureWritesNoFileAndKeepsAnOldOne) {
    for (const std::string name : {"wide.png", "wide.svg"}) {
        const ProcessResult run = Render(name, {"--width", "40", "--length", "40"});
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, ChartFailureText);
        EXPECT_FALSE(fs::exists(Out(name))) << name;
        EXPECT_TRUE(fs::is_empty(folder.path())) << "no temporary file is left behind";
    }
    // A calculation failure leaves an existing file as it was.
    folder.write("old.png", "old picture");
    const ProcessResult run = Render("old.png", {"--depth", "25.1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(test::ReadFile(Out("old.png")), "old picture");
    // A picture of 175 MB in 150 MB of address space: the drawing fails.
    const ProcessResult big = test::RunProcess(
        {"/bin/sh", "-c", "ulimit -v 150000; exec \"$0\" \"$@\"", CORVANE_CHART_EXECUTABLE, "render", "--out",
         Out("old.png").string(), "--scale", "8", "--data", test::BundledDataFile().string()});
    EXPECT_EQ(big.exitCode, 1) << big.err;
    EXPECT_EQ(big.err,
              "corvane-chart render: the picture could not be made: not enough memory for the picture\n");
    EXPECT_EQ(test::ReadFile(Out("old.png")), "old picture");
}

TEST_F(RenderCommand, ThePrintedPageOfAFieldTooWideForTheScreenStillPrints) {
    const ProcessResult run = Render("wide.pdf", {"--width", "40", "--length", "40"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(PdfText(Out("wide.pdf")), ContainsRegex("Field size = +40 x 40 cm"));
}

TEST_F(RenderCommand, BadUsageExitsTwoAndWritesNothing) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {"chart.jpg", {}},
        {"chart", {}},
        {"chart.png.txt", {}},
        {"chart.pdf", {"--scale", "2"}},
        {"chart.svg", {"--scale", "1"}},
        {"chart.png", {"--scale", "0"}},
        {"chart.png", {"--scale", "9"}},
        {"chart.png", {"--scale", "2x"}},
        {"chart.png", {"--scale", "-1"}},
        {"chart.png", {"--scale", ""}},
        {"chart.png", {"--mesh", "2"}},
        {"chart.png", {"--mesh", ""}},
        {"chart.png", {"--wedge", "15"}},
        {"chart.png", {"--colour", "red"}},
        {"chart.png", {"--mesh=1"}},
        {"chart.png", {"--out", "again.png"}},
    };
    for (const auto& [name, args] : cases) {
        const ProcessResult run = Render(name, args);
        EXPECT_EQ(run.exitCode, 2) << name << " " << ::testing::PrintToString(args);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        EXPECT_TRUE(fs::is_empty(folder.path())) << name;
    }
    const ProcessResult noOut = RunChartTool("render", {}, WithoutBundledData);
    EXPECT_EQ(noOut.exitCode, 2);
    const ProcessResult missingData =
        RunChartTool("render", {"--data", Out("none.dat").string(), "--out", Out("chart.png").string()},
                     WithoutBundledData);
    EXPECT_EQ(missingData.exitCode, 2);
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

// Run in the test's folder, so that the messages name the short paths given.
ProcessResult RenderIn(const fs::path& folder, const std::string& out, bool limitFileSize = false) {
    // Qt sets the environment's locale; the reason stays in English.
    return RunChartTool(
        "render", {"--out", out},
        {.environment = test::GermanLocale, .workingDirectory = folder, .fileSizeLimit = limitFileSize});
}

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(RenderCommand, AnUnwritablePlaceExitsThreeWithAShortPlainPath) {
    // What is not a regular file the user may write is left as it is.
    fs::create_directory(Out("taken.png"));
    ASSERT_EQ(mkfifo(Out("fifo.png").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", Out("null.png"));
    fs::permissions(folder.write("readonly.png", "kept"), fs::perms(0444));
    const std::vector<std::string> entries{"fifo.png", "null.png", "readonly.png", "taken.png"};
    const std::string xs(100, 'x');
    const std::vector<std::pair<std::string, std::string>> cases{
        {"no/such/folder/chart.png", "no/such/folder/chart.png: No such file or directory"},
        {"taken.png", "taken.png: Is a directory"},
        {"fifo.png", "fifo.png: Is a named pipe (FIFO), not a regular file"},
        {"null.png", "null.png: Is a character device, not a regular file"},
        {"readonly.png", "readonly.png: Permission denied"},
        // Control characters escaped, the middle left out.
        {"no/a\nb\x1b[2J" + xs + ".png", "no/a\\x0Ab\\x1B[2J" + xs.substr(0, 13) + "…" + xs.substr(0, 26) +
                                             ".png: No such file or directory"},
    };
    for (const auto& [out, message] : cases) {
        const ProcessResult run = RenderIn(folder.path(), out);
        EXPECT_EQ(run.exitCode, 3) << out;
        EXPECT_EQ(run.err, "corvane-chart render: cannot write " + message + "\n");
        EXPECT_EQ(Entries(folder.path()), entries) << "no temporary left";
    }
    EXPECT_EQ(test::ReadFile(Out("readonly.png")), "kept");
    EXPECT_TRUE(fs::is_fifo(Out("fifo.png")) && fs::is_symlink(Out("null.png")));
    const ProcessResult help =
        RunChartTool("render", {"--help"}, {.bundledData = false, .standardOutput = "/dev/full"});
    EXPECT_EQ(help.exitCode, 3);
    EXPECT_EQ(help.err, "corvane-chart render: cannot write the output: No space left on device\n");
}

TEST_F(RenderCommand, AFullDiskLeavesNoFileAndKeepsAnOldOne) {
    folder.write("old.pdf", "old page");
    for (const std::string name : {"chart.png", "chart.svg", "old.pdf"}) {
        const ProcessResult run = RenderIn(folder.path(), name, true);
        EXPECT_EQ(run.exitCode, 3) << name;
        EXPECT_EQ(run.err, "corvane-chart render: cannot write " + name + ": File too large\n");
        EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"old.pdf"}) << name;
    }
    EXPECT_EQ(test::ReadFile(Out("old.pdf")), "old page");
}

TEST_F(RenderCommand, RunsWithoutADisplay) {
    // No platform named and no display: the tool picks the offscreen one itself.
    const ProcessResult run = Render("chart.png", {}, {"QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY="});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(fs::exists(Out("chart.png")));
}

}  // namespace
}  // namespace corvane
