// The data table's reading of the beam data file: line ends, encodings, and
// what it says when lines or the whole file are missing.
#include "windows/DataTableListing.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using corvane::DataTableLineCount;
using corvane::DecodeDataFileText;
using corvane::ReadDataTableListing;
using corvane::SplitDataFileLines;

namespace {
QByteArray NumberedLines(int count, const char* lineEnd) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i) bytes += "line " + QByteArray::number(i) + lineEnd;
    return bytes;
}

std::filesystem::path WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return std::filesystem::path(path.toStdString());
}
}  // namespace

class DataTableListingTest : public QObject {
    Q_OBJECT
private slots:
    void splitsEveryKindOfLineEnd_data();
    void splitsEveryKindOfLineEnd();
    void decodesUtf8ShiftJisAndLatin1();
    void bundledFileGivesItsFirst66LinesExactly();
    void laterLinesNeverAppear();
    void shortFileListsWhatItHasAndSaysWhatIsMissing_data();
    void shortFileListsWhatItHasAndSaysWhatIsMissing();
    void emptyLastLineCountsAsLine66();
    void missingFileIsReportedByName();
};

void DataTableListingTest::splitsEveryKindOfLineEnd_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QStringList abc{"a", "b", "c"};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\nc\r\n") << abc;
    QTest::newRow("LF") << QByteArray("a\nb\nc\n") << abc;
    QTest::newRow("CR") << QByteArray("a\rb\rc\r") << abc;
    QTest::newRow("mixed") << QByteArray("a\rb\nc\r\n") << abc;
    QTest::newRow("no end after the last line") << QByteArray("a\r\nb\r\nc") << abc;
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("blanks and empty lines as read") << QByteArray("  0, 0.43 ,\t1 \r\n\r\n   \r\nlast")
                                                    << QStringList{"  0, 0.43 ,\t1 ", "", "   ", "last"};
}

void DataTableListingTest::splitsEveryKindOfLineEnd() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitDataFileLines(QString::fromLatin1(bytes), 66), lines);
}

void DataTableListingTest::decodesUtf8ShiftJisAndLatin1() {
    const QString japanese = QStringLiteral("6MV X線 TMR・OCR データ");
    QStringEncoder toShiftJis("Shift_JIS");
    QVERIFY(toShiftJis.isValid());
    const QByteArray shiftJis = toShiftJis.encode(japanese);
    QVERIFY(!toShiftJis.hasError());

    QCOMPARE(DecodeDataFileText(japanese.toUtf8()), japanese);
    QCOMPARE(DecodeDataFileText(shiftJis), japanese);
    // "é" alone is neither valid UTF-8 nor a Shift_JIS sequence.
    QCOMPARE(DecodeDataFileText(QByteArray("caf\xe9 \xb0", 6)), QStringLiteral("café °"));
    // A byte order mark is not part of the first line.
    QCOMPARE(DecodeDataFileText(QByteArray("\xef\xbb\xbfhead")), QStringLiteral("head"));
    // One bad byte anywhere decides for the whole file, as a file has one encoding.
    const QByteArray mixed = shiftJis + "\r\n" + QByteArray(100, 'x');
    QCOMPARE(SplitDataFileLines(DecodeDataFileText(mixed), 1).value(0), japanese);
}

void DataTableListingTest::bundledFileGivesItsFirst66LinesExactly() {
    const auto listing = ReadDataTableListing(CORVANE_TEST_DATA_FILE);
    QVERIFY2(listing.complete(), qPrintable(listing.problem));
    QVERIFY(listing.opened);
    QCOMPARE(listing.lines.size(), DataTableLineCount);

    QFile file(QStringLiteral(CORVANE_TEST_DATA_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> raw = file.readAll().split('\n');
    for (int i = 0; i < DataTableLineCount; ++i) {
        QByteArray expected = raw.at(i);
        if (expected.endsWith('\r')) expected.chop(1);
        QCOMPARE(listing.lines.at(i), QString::fromUtf8(expected));
    }
    QVERIFY(listing.lines.at(3).contains(QStringLiteral("0.4300")));
}

void DataTableListingTest::laterLinesNeverAppear() {
    QTemporaryDir dir;
    const auto listing = ReadDataTableListing(WriteFile(dir, "long.dat", NumberedLines(70, "\r\n")));
    QVERIFY(listing.complete());
    QCOMPARE(listing.lines.size(), 66);
    QCOMPARE(listing.lines.first(), QStringLiteral("line 1"));
    QCOMPARE(listing.lines.last(), QStringLiteral("line 66"));
}

void DataTableListingTest::shortFileListsWhatItHasAndSaysWhatIsMissing_data() {
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("saying");
    QTest::newRow("65 lines") << 65
                              << QStringLiteral("ends after line 65. The data table lists "
                                                "the file's first 66 lines, so line 66 is missing.");
    QTest::newRow("40 lines") << 40
                              << QStringLiteral("ends after line 40. The data table lists "
                                                "the file's first 66 lines, so lines 41 to 66 are missing.");
    QTest::newRow("empty") << 0 << QStringLiteral("is empty.");
}

void DataTableListingTest::shortFileListsWhatItHasAndSaysWhatIsMissing() {
    QFETCH(int, lineCount);
    QFETCH(QString, saying);
    QTemporaryDir dir;
    // A '%' in the name must not be taken for a placeholder of the message.
    const auto file = WriteFile(dir, "short%2.dat", NumberedLines(lineCount, "\n"));
    const auto listing = ReadDataTableListing(file);
    QVERIFY(listing.opened);
    QVERIFY(!listing.complete());
    QCOMPARE(listing.lines.size(), lineCount);
    QVERIFY2(listing.problem.contains(saying), qPrintable(listing.problem));
    QVERIFY2(listing.problem.contains(QString::fromStdString(file.string())), qPrintable(listing.problem));
}

void DataTableListingTest::emptyLastLineCountsAsLine66() {
    QTemporaryDir dir;
    const auto listing =
        ReadDataTableListing(WriteFile(dir, "trailer.dat", NumberedLines(65, "\r\n") + "\r\n"));
    QVERIFY2(listing.complete(), qPrintable(listing.problem));
    QCOMPARE(listing.lines.size(), 66);
    QCOMPARE(listing.lines.last(), QString());
}

void DataTableListingTest::missingFileIsReportedByName() {
    QTemporaryDir dir;
    const std::filesystem::path file = (dir.path() + "/6MVTMROCR.dat").toStdString();
    const auto listing = ReadDataTableListing(file);
    QVERIFY(!listing.opened);
    QVERIFY(listing.lines.isEmpty());
    QVERIFY(listing.problem.contains(QStringLiteral("was not found")));
    QVERIFY(listing.problem.contains(QString::fromStdString(file.string())));

    // A directory of that name is not a data file either.
    QVERIFY(QDir(dir.path()).mkdir("6MVTMROCR.dat"));
    QVERIFY(!ReadDataTableListing(file).opened);

    // A file whose path is too long to be shown whole is still read from
    // its real path; only the message shortens it.
    const QString deep = dir.path() + QStringLiteral("/a-folder-with-a-long-name-that-a-message-shortens");
    QVERIFY(QDir().mkpath(deep));
    const std::filesystem::path far = (deep + "/6MVTMROCR.dat").toStdString();
    QFile::copy(QStringLiteral(CORVANE_TEST_DATA_FILE), QString::fromStdString(far.string()));
    const auto found = ReadDataTableListing(far);
    QVERIFY2(found.complete(), qPrintable(found.problem));
    QCOMPARE(found.lines.size(), 66);
}

QTEST_GUILESS_MAIN(DataTableListingTest)
#include "DataTableListingTest.moc"
