// The three language choices over every window and every message box: with
// --lang en no text holds a CJK character, with --lang ja no English word is
// left but those kept on purpose, and the designed mix shows every designed
// text byte for byte, with the messages Corvane adds itself in Japanese. In
// each, every text fits its control and the method window's marks sit in
// their gaps. Also: the pictures' words, the catalogs, the remembered
// choice and the settings file, and the command line without a display.
#include "StartFlowFixtures.h"

#include "assets/Pictures.h"
#include "qtsurface/Fonts.h"
#include "state/BeamDataFault.h"
#include "state/MessageText.h"
#include "state/SystemErrorText.h"
#include "windows/ApplicationStart.h"
#include "windows/BeamDataMessages.h"
#include "windows/ChartWindowMessages.h"
#include "windows/ChartWindowTools.h"
#include "windows/DataTableMessages.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/LanguageChoice.h"
#include "windows/PrintChart.h"
#include "windows/PrinterMessages.h"
#include "windows/ProfilesWindow.h"
#include "windows/ProgramOptions.h"
#include "windows/ProgramSettings.h"

#include <QAbstractScrollArea>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>

#include <cerrno>
#include <clocale>
#include <optional>
#include <sys/stat.h>

using namespace corvane;
using namespace corvane::testing;

Q_DECLARE_METATYPE(corvane::Language)

namespace {

// Han, kana, CJK punctuation and the full-width forms.
bool HasCjk(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if ((c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
            (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    return false;
}

// What stays in Latin letters in Japanese: units; the abbreviations of the
// field; names kept on purpose (the program, the OK button, the wedge "Non",
// the file formats PDF, PNG, SVG and CSV, and the printing protocol IPP); the symbols of the formula.
const QStringList KeptWords = {
    QStringLiteral("cm"),  QStringLiteral("mm"),  QStringLiteral("KiB"),  QStringLiteral("MiB"),
    QStringLiteral("TMR"), QStringLiteral("OCR"), QStringLiteral("SSD"),  QStringLiteral("STD"),
    QStringLiteral("SAD"), QStringLiteral("MV"),  QStringLiteral("TPR"),  QStringLiteral("Corvane"),
    QStringLiteral("OK"),  QStringLiteral("Non"), QStringLiteral("PDF"),  QStringLiteral("pdf"),
    QStringLiteral("IPP"), QStringLiteral("PNG"), QStringLiteral("png"),  QStringLiteral("SVG"),
    QStringLiteral("CSV"), QStringLiteral("csv"), QStringLiteral("PDD"),  QStringLiteral("svg"),
    QStringLiteral("Ad"),  QStringLiteral("dr"),  QStringLiteral("OPFr"), QStringLiteral("Sc"),
    QStringLiteral("Sp"),  QStringLiteral("Fw"),  QStringLiteral("eff")};

// The English words of `text`: runs of two or more Latin letters that are not
// kept on purpose. Quoted text (a file's name, a field, a printer's name) is
// data, not words of the program, and is passed over.
QStringList EnglishWords(QString text) {
    static const QRegularExpression quoted(QStringLiteral("\"(?:[^\"\\\\]|\\\\.)*\""));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    text.remove(quoted);
    QStringList found;
    for (auto match = word.globalMatch(text); match.hasNext();) {
        const QString w = match.next().captured();
        if (!KeptWords.contains(w)) found << w;
    }
    return found;
}

// The rule of a language for one text.
void VerifyLanguageOf(const QString& text, Language language, const QString& where) {
    const QString context = where + QStringLiteral(": ") + text;
    if (language == Language::English) QVERIFY2(!HasCjk(text), qPrintable(context));
    if (language == Language::Japanese)
        QVERIFY2(EnglishWords(text).isEmpty(),
                 qPrintable(context + QStringLiteral(" / ") + EnglishWords(text).join(u' ')));
}

// The designed texts of each window, as the code had them before the
// catalogs came: the title, then control by control in the order of
// ShownTexts.
const QStringList DesignedStartTexts = {QStringLiteral(" Corvane of 6 MV X-ray Beam"),
                                        QStringLiteral("高エネルギーX線 基本線量分布の計算法"),
                                        QStringLiteral("6 MV X線"),
                                        QStringLiteral("   Woo !  "),
                                        QStringLiteral("スタート"),
                                        QStringLiteral("計算方法の概説"),
                                        QStringLiteral(" bye "),
                                        QStringLiteral("Corvane project")};
const QStringList DesignedConditionsTexts = {QStringLiteral("Irradiate Condition"),
                                             QStringLiteral("6 MV X-ray  (SAD = 100 cm)"),
                                             QStringLiteral("Water phantom (thickness = 25 cm)"),
                                             QStringLiteral("Mode"),
                                             QStringLiteral("SSD (100cm)"),
                                             QStringLiteral("STD (100cm)"),
                                             QStringLiteral(" Depth and Field Size "),
                                             QStringLiteral("Depth of target"),
                                             QStringLiteral("cm"),
                                             QStringLiteral("Field Width at SAD"),
                                             QStringLiteral("cm"),
                                             QStringLiteral("Field Length at SAD"),
                                             QStringLiteral("cm"),
                                             QStringLiteral("Wedge filter"),
                                             QStringLiteral("Non"),
                                             QStringLiteral("30"),
                                             QStringLiteral("45"),
                                             QStringLiteral("60"),
                                             QStringLiteral("°"),
                                             QStringLiteral("°"),
                                             QStringLiteral("°"),
                                             QStringLiteral("OK"),
                                             QStringLiteral("Exit"),
                                             QStringLiteral("   bye   ")};
const QStringList DesignedChartTexts = {QStringLiteral("Corvane"),
                                        QStringLiteral("cursor position"),
                                        QStringLiteral("off center"),
                                        QStringLiteral("mm"),
                                        QStringLiteral("depth"),
                                        QStringLiteral("mm"),
                                        QStringLiteral("Dose"),
                                        QStringLiteral("%"),
                                        QStringLiteral("Print Corvane"),
                                        QStringLiteral("Close"),
                                        QStringLiteral("Change mesh size")};
const QStringList DesignedTableTexts = {
    QStringLiteral("TMRs  &  OCRs"),
    QStringLiteral("Tissue-Maximum Ratio  and  Off-Center Ratio  Data Table"), QStringLiteral("Close")};
const QStringList DesignedMethodTexts = {
    QStringLiteral("Calculation Formula"),
    QStringLiteral("簡易二次元線量分布計算式"),
    QStringLiteral("照射野サイズ A，深さ d，中心軸から l の位置の任意点における"),
    QStringLiteral("線量 D(d,Ad,l) は、簡易的に次式で計算できる。"),
    QStringLiteral("ここで"),
    QStringLiteral("D(dr,10×10)：照射野10×10cmでの基準点(最大線量点)線量（Ｘ線出力）"),
    QStringLiteral("OPFr(A)：基準点出力係数（Sc×Sp）"),
    QStringLiteral("TMR(d,Ad)：組織最大線量比"),
    QStringLiteral("OCR(d,Ad,l)：軸外線量比"),
    QStringLiteral("Fw(l')：楔フィルタによる減弱補正係数（ l' における減弱率）"),
    QStringLiteral("中心軸を含むファントム断面をメッシュ状 (本計算では１mmメッシュ) に区切り、"),
    QStringLiteral("各メッシュ交点における線量を計算する。標的中心の線量を100%とした時の、"),
    QStringLiteral("ファントム断面における等線量点を結んで等線量曲線を作図する。"),
    QStringLiteral("TMR and OCR data"),
    QStringLiteral("6MVＸ線の代表的なTMR，OCRデータ"),
    QStringLiteral("長方形照射野の場合、等価正方形に換算してデータ表から値を求める。"),
    QStringLiteral("照射野、深さなどがデータ点と一致しない場合、内挿・外挿補間で値を求める。"),
    QStringLiteral("なお、本計算では楔フィルタを下記のとおり設定した。"),
    QStringLiteral("（本計算では Dynamic wedge は想定していない）"),
    QStringLiteral("楔フィルタは鉛製 simple wedge とし、物理的角度は以下の通りとした。"),
    QStringLiteral("30°：5.46°　45°：8.80°　60°：13.82°"),
    QStringLiteral("6MVＸ線に対する鉛の実効線減弱係数　　  = 0.5927 cm   とした。"),
    QStringLiteral("μ"),
    QStringLiteral("eff"),
    QStringLiteral("-1"),
    QStringLiteral("線源‐楔フィルタ間距離は 60 cmとした。"),
    QStringLiteral("照射ジオメトリを示す模式図"),
    QStringLiteral("Close")};

// The designed messages among those driven below.
const QStringList DesignedMessages = {
    QStringLiteral("  線量分布が正しく計算できませんでした  "),
    QStringLiteral("  照射野サイズが大きすぎるものと思われます  "),
    QStringLiteral("   Is the printer ready ?   "),
};

// Where the glyphs of a label land, in the label's coordinates: its text
// drawn as the label draws it, in its font and faces that stand in for
// missing glyphs, but without the label's clipping.
QRect TextInk(const QLabel* label) {
    constexpr int Margin = 64;
    // The label's own text rectangle: inside its frame, margin and indent.
    QRect contents =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    if (label->indent() > 0) {
        if (label->alignment() & Qt::AlignLeft) contents.setLeft(contents.left() + label->indent());
        if (label->alignment() & Qt::AlignRight) contents.setRight(contents.right() - label->indent());
        if (label->alignment() & Qt::AlignTop) contents.setTop(contents.top() + label->indent());
        if (label->alignment() & Qt::AlignBottom) contents.setBottom(contents.bottom() - label->indent());
    }
    QImage image(contents.size() + QSize(2 * Margin, 2 * Margin), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(label->font());
    painter.setPen(Qt::black);
    const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
    painter.drawText(QRect(QPoint(Margin, Margin), contents.size()),
                     label->alignment() | Qt::TextDontClip | wrap, label->text());
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ink |= QRect(x, y, 1, 1);
    return ink.translated(contents.topLeft() - QPoint(Margin, Margin));
}

QRect InWindow(const QWidget* control, const QWidget* window) {
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

// Every text fits its control, and no label's text runs into another's, a
// picture, a button, a list or a text box, or out of the window. `inGaps`
// are set into gaps of another label's text and are checked apart.
void VerifyTextsFit(QWidget* window, const QList<const QLabel*>& inGaps = {}) {
    const QString name = window->objectName() + window->windowTitle();
    QList<QRect> inks;
    QList<QRect> obstacles;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window || !control->isVisibleTo(window)) continue;
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label != nullptr && !label->pixmap().isNull()) obstacles << InWindow(label, window);
        if (qobject_cast<QPushButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QAbstractScrollArea*>(control))
            obstacles << InWindow(control, window);
    }
    for (const ShownText& shown : ShownTexts(window)) {
        QWidget* control = shown.control;
        if (control == window || shown.text == control->toolTip()) continue;
        const QString what = name + QStringLiteral(" / ") + shown.text;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            // Nothing of the text is cut off by the label's own edges.
            const QRect ink = TextInk(label);
            QVERIFY2(label->rect().contains(ink), qPrintable(what));
            if (inGaps.contains(label)) continue;
            const QRect inWindow = ink.translated(label->mapTo(window, QPoint(0, 0)));
            QVERIFY2(window->rect().contains(inWindow), qPrintable(what));
            for (const QRect& other : std::as_const(inks))
                QVERIFY2(!inWindow.intersects(other), qPrintable(what));
            for (const QRect& obstacle : std::as_const(obstacles))
                QVERIFY2(!inWindow.intersects(obstacle), qPrintable(what));
            inks << inWindow;
        } else if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
            QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(what));
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            const int needed = button->fontMetrics().horizontalAdvance(QString(shown.text).remove(u'&'));
            QVERIFY2(needed <= button->width() - 8, qPrintable(what));
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
            QVERIFY2(frame->fontMetrics().horizontalAdvance(shown.text) + 20 <= frame->width(),
                     qPrintable(what));
        }
    }
}

// Mu with its subscript in the blank run before "=", the exponent after the
// " cm" that follows and before the text goes on.
void VerifyCoefficientSymbols(const Form5& method) {
    const QString sentence = method.Label16->text();
    const QFontMetrics metrics(method.Label16->font());
    const int x0 = method.Label16->x() + method.Label16->contentsMargins().left();
    const auto right = [&](qsizetype characters) {
        return x0 + metrics.horizontalAdvance(sentence.left(characters));
    };
    const auto ink = [](const QLabel* label) { return TextInk(label).translated(label->pos()); };
    const qsizetype equals = sentence.indexOf(u'=');
    qsizetype gapStart = equals;
    while (gapStart > 0 && sentence.at(gapStart - 1).isSpace()) --gapStart;
    QVERIFY2(equals > 0 && gapStart < equals, qPrintable(sentence));
    QVERIFY(ink(method.Label17).left() >= right(gapStart));
    QVERIFY(ink(method.Label18).right() <= right(equals));
    QVERIFY(ink(method.Label17).right() <= ink(method.Label18).left() + 1);

    const qsizetype cmEnd = sentence.indexOf(QStringLiteral(" cm"), equals) + 3;
    QVERIFY2(cmEnd > 3, qPrintable(sentence));
    qsizetype resumes = cmEnd;
    while (resumes < sentence.size() && sentence.at(resumes).isSpace()) ++resumes;
    QVERIFY(ink(method.Label19).left() >= right(cmEnd));
    if (resumes < sentence.size()) QVERIFY(ink(method.Label19).right() < right(resumes));
}

// One fault of every kind, and the file types a file may wrongly be.
std::vector<BeamDataFault> SampleFaults() {
    std::vector<BeamDataFault> faults;
    BeamDataFault fault;
    fault.file = "/tmp/beam data/6MVTMROCR.dat";
    fault.line = 6;
    fault.block = DataBlock::Tmr;
    fault.row = 3;
    fault.rowCount = 37;
    fault.number = 2;
    fault.numbersPerRow = 11;
    fault.field = "0.43x0";
    fault.depthMm = 30;
    fault.previousDepthMm = 40;
    fault.systemError = EACCES;
    for (int kind = 0; kind <= static_cast<int>(BeamDataFaultKind::TableTooShallow); ++kind) {
        fault.kind = static_cast<BeamDataFaultKind>(kind);
        faults.push_back(fault);
    }
    fault.kind = BeamDataFaultKind::NotRegularFile;
    for (FileType type : {FileType::Folder, FileType::Fifo, FileType::CharacterDevice, FileType::BlockDevice,
                          FileType::Socket, FileType::Other}) {
        fault.fileType = type;
        faults.push_back(fault);
    }
    // A fault in a block of text lines, and the names of the other blocks.
    fault.kind = BeamDataFaultKind::EndsEarly;
    fault.block = DataBlock::Heading;
    fault.numbersPerRow = 0;
    faults.push_back(fault);
    for (DataBlock block : {DataBlock::Separator, DataBlock::Ocr, DataBlock::None}) {
        fault.kind = BeamDataFaultKind::MoreNumbersThanRows;
        fault.block = block;
        fault.numbersPerRow = 4;
        faults.push_back(fault);
    }
    return faults;
}

std::vector<MisplacedOcrRow> SampleMisplacedRows(int count) {
    std::vector<MisplacedOcrRow> rows;
    for (int k = 0; k < count; ++k) rows.push_back({45 + k, 2 + k, "0." + std::to_string(k)});
    return rows;
}

// The messages no test can bring about here, worded as the code words them:
// every fault of the data file, the data table's unreadable file, and the
// printer's problems, which need a printer that fails.
QStringList WordedMessages() {
    QStringList texts;
    for (const BeamDataFault& fault : SampleFaults()) texts << BeamDataMessages::fault(fault);
    texts << BeamDataMessages::misplacedOcrRows("6MVTMROCR.dat", SampleMisplacedRows(5));
    texts << DataTableMessages::notFound(QStringLiteral("6MVTMROCR.dat"), 66)
          << DataTableMessages::cannotRead(QStringLiteral("6MVTMROCR.dat"),
                                           BeamDataMessages::systemReason(EIO))
          << DataTableMessages::noCurves(BeamDataMessages::fault(SampleFaults().front()));
    const QString printer = QStringLiteral("Office-PDF");
    const QString reason = BeamDataMessages::systemReason(EIO);
    texts << PrinterMessages::tracingFailed(reason) << PrinterMessages::noDefaultPrinter()
          << PrinterMessages::cannotBegin(printer) << PrinterMessages::drawingFailed(printer, reason)
          << PrinterMessages::errorAtEnd(printer)
          << PrinterMessages::notAccepted(printer, PrinterMessages::ippStatus(0x0507))
          << PrinterMessages::paperTooSmall(printer, 199.9, 287.0, 200, 286)
          << PrinterMessages::offerPdf(PrinterMessages::noDefaultPrinter())
          << PrinterMessages::pdfNotWritten(QStringLiteral("/home/user/corvane-chart.pdf"), reason);
    // A long name and a long answer still make a message of at most
    // MessageCharacterLimit characters.
    const QString longName(200, u'p');
    const QString longAnswer(400, u'0');
    texts << PrinterMessages::notAccepted(longName, longAnswer)
          << PrinterMessages::offerPdf(PrinterMessages::drawingFailed(longName, longAnswer))
          << PrinterMessages::pdfNotWritten(QStringLiteral("/corvane-chart.pdf"), longAnswer)
          << DataTableMessages::cannotRead(QStringLiteral("6MVTMROCR.dat"), longAnswer);
    const QString saved = QStringLiteral("/home/user/ssd-5cm-10x10-w45.png");
    texts << ChartWindowMessages::chartNotAChartFile(saved) << ChartWindowMessages::alreadyExists(saved)
          << ChartWindowMessages::chartNotSaved(saved, reason)
          << ChartWindowMessages::profilesNotSaved(QString(200, u'p'), longAnswer)
          << ChartWindowMessages::referenceCleared(longAnswer)
          << ChartWindowMessages::chartNotRedrawn(reason);
    return texts;
}

// The catalogs, message by message: the source text and its translation.
struct CatalogEntry {
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<CatalogEntry> ReadCatalog(const QString& name) {
    QFile file(QStringLiteral(CORVANE_TRANSLATIONS_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<CatalogEntry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("message")) entries.append({context, {}, {}, {}});
        if (xml.name() == QLatin1String("source")) entries.last().source = xml.readElementText();
        if (xml.name() == QLatin1String("translation")) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<CatalogEntry>() : entries;
}

// The places %1 .. %99 of a text, in order of their numbers.
QStringList Places(const QString& text) {
    static const QRegularExpression place(QStringLiteral("%[0-9]{1,2}"));
    QStringList found;
    for (auto match = place.globalMatch(text); match.hasNext();) found << match.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyWindowAndMessageBox_data();
    void everyWindowAndMessageBox();
    void yesAndNoFollowTheChoice();
    void picturesSpeakTheChosenLanguage();
    void englishLoaderMessagesAreTheToolsWords();
    void catalogsAreCompleteAndKeepEveryPlace();
    void choiceIsRememberedUntilChanged();
    void commandLineAnswersWithoutADisplay();
};

void LanguageTest::initTestCase() {
    // Nothing here may read or write the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    RegisterFontSubstitutions();
}

void LanguageTest::everyWindowAndMessageBox_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("default") << Language::Default;
    QTest::newRow("en") << Language::English;
    QTest::newRow("ja") << Language::Japanese;
}

void LanguageTest::everyWindowAndMessageBox() {
    QFETCH(Language, language);
    InstallLanguage(language);
    const QString tag = QString::fromLatin1(LanguageName(language));
    DataFileDirectory data;
    ProgramHarness program;
    InstallPrintChart(program.module());
    program.yesNoAnswer = MessageAnswer::No;

    // Every window, as the road through the program makes it.
    Form1* start = program.module().form1();
    Form5* method = program.module().form5();
    Form4* table = program.module().form4();
    table->FillAndShow();
    Form3* chart = program.runToChart();
    QVERIFY(chart != nullptr && program.messages.empty());
    chart->Picture1_MouseMove(250.0f, 100.0f);
    Form2* conditions = program.conditions();
    if (language == Language::English) QCOMPARE(conditions->Option3->text(), QStringLiteral("None"));

    const struct {
        QWidget* window;
        const char* name;
        const QStringList& designed;
    } windows[] = {
        {start, "start", DesignedStartTexts},    {conditions, "conditions", DesignedConditionsTexts},
        {chart, "chart", DesignedChartTexts},    {table, "table", DesignedTableTexts},
        {method, "method", DesignedMethodTexts},
    };
    for (const auto& w : windows) {
        QStringList shown;
        for (const ShownText& text : ShownTexts(w.window)) {
            if (text.control != start->BeamDataButton) shown << text.text;  // added to the design
            VerifyLanguageOf(text.text, language, QString::fromLatin1(w.name));
        }
        if (language == Language::Default) {
            QCOMPARE(shown, w.designed);
        }
        VerifyTextsFit(w.window, {method->Label17, method->Label18, method->Label19});
        SaveScreenshot(w.window, QStringLiteral("%1-%2").arg(QString::fromLatin1(w.name), tag));
    }
    VerifyCoefficientSymbols(*method);

    // The windows Corvane adds to the design: the chart picture's menu and
    // the profiles window. Their source texts are English, the chart
    // window's language, so the default shows them as English does.
    QMenu* menu = program.rightClickChart();
    QVERIFY(menu != nullptr);
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) entries << action->text();
    menu->close();
    for (const QString& entry : std::as_const(entries))
        VerifyLanguageOf(entry, language, QStringLiteral("chart menu"));
    if (language != Language::Japanese)
        QCOMPARE(entries, QStringList({QStringLiteral("Profiles"), QStringLiteral("Hold as reference"),
                                       QStringLiteral("Clear reference"), QStringLiteral("Save chart as…"),
                                       QStringLiteral("Copy chart")}));
    QVERIFY(program.chooseFromChartMenu(entries.front()));
    ProfilesWindow* profiles = chart->tools()->profilesWindow();
    QVERIFY(profiles != nullptr && profiles->isVisible());
    for (const ShownText& text : ShownTexts(profiles))
        VerifyLanguageOf(text.text, language, QStringLiteral("profiles"));
    for (const QAction* action : profiles->contextMenu()->actions())
        VerifyLanguageOf(action->text(), language, QStringLiteral("profiles menu"));
    VerifyTextsFit(profiles, {});
    SaveScreenshot(profiles, QStringLiteral("profiles-%1").arg(tag));

    // Every message box: the calculation's failure, the print question, the
    // data file's fault and warning, and the data table's short files.
    program.messages.clear();
    QTest::mouseClick(conditions->Option2, Qt::LeftButton);
    program.clickOk(QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("10"));
    QCOMPARE(program.messages.size(), std::size_t(2));
    QTest::mouseClick(conditions->Option1, Qt::LeftButton);
    program.clickOk(QStringLiteral("5.0"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    QTest::mouseClick(program.chart()->Command1, Qt::LeftButton);
    QCOMPARE(program.messages.size(), std::size_t(3));
    QStringList designed;
    for (const MessageRequest& request : program.messages) designed << request.text;

    program.messages.clear();
    QByteArray broken = data.read();
    broken.replace("0.4300", "0.43x0");
    data.write(broken);
    QVERIFY(!program.module().LoadBeamData());
    QByteArray duplicated = data.firstLines(55);
    duplicated += data.firstLines(55).mid(data.firstLines(54).size());
    duplicated += data.firstLines(66).mid(data.firstLines(56).size());
    data.write(duplicated);
    QVERIFY(program.module().LoadBeamData());
    for (const QByteArray& contents : {data.firstLines(65), data.firstLines(30), QByteArray()}) {
        data.write(contents);
        program.module().form4()->FillAndShow();
    }
    SaveScreenshot(program.module().form4(), QStringLiteral("table-empty-file-%1").arg(tag));

    // Data of the user's own, with values the check finds implausible: one
    // box, and the start and conditions windows that name the data.
    data.write(data.firstLines(66)
                   .replace("  15, 1.0000, 1.0000, 1.0000, 1.0000, 1.0000",
                            "  15, 1.0970, 1.0970, 1.0970, 1.0970, 1.0970")
                   .replace(" 0.00, 1.0000", " 0.00, 1.0500")
                   .replace("6 MV X-ray beam  TMR and OCR data  (SAD = 100 cm)", "Clinic X, linac 2, 2024"),
               QStringLiteral("clinic x.dat"));
    start->chooseDataFile(data.path(QStringLiteral("clinic x.dat")));
    QVERIFY(program.module().LoadBeamData());
    start->show();
    for (QWidget* window : std::initializer_list<QWidget*>{start, conditions}) {
        for (const ShownText& text : ShownTexts(window))
            VerifyLanguageOf(text.text, language, QStringLiteral("own"));
        VerifyTextsFit(window);
    }
    SaveScreenshot(start, QStringLiteral("own-data-start-%1").arg(tag));
    SaveScreenshot(conditions, QStringLiteral("own-data-conditions-%1").arg(tag));
    QCOMPARE(program.messages.size(), std::size_t(6));
    QStringList added = WordedMessages() + program.messages.back().details.split(u'\n');
    QCOMPARE(added.size() - WordedMessages().size(), 6);  // 3 + "and 2 more" above 1.05, a fall, the axis
    for (const MessageRequest& request : program.messages) added << request.text;

    if (language == Language::Default) QCOMPARE(designed, DesignedMessages);
    for (const QString& text : std::as_const(designed))
        VerifyLanguageOf(text, language, QStringLiteral("box"));
    // The messages Corvane adds itself are Japanese in the designed mix too.
    for (const QString& text : std::as_const(added)) {
        VerifyLanguageOf(text, language == Language::Default ? Language::Japanese : language,
                         QStringLiteral("box"));
        QVERIFY2(static_cast<std::size_t>(text.toUcs4().size()) <= MessageCharacterLimit, qPrintable(text));
    }
}

void LanguageTest::yesAndNoFollowTheChoice() {
    MessageBoxes::setHandler({});
    const struct {
        Language language;
        QString yes;
    } cases[] = {{Language::English, QStringLiteral("&Yes")},
                 {Language::Japanese, QStringLiteral("はい(&Y)")}};
    for (const auto& c : cases) {
        InstallLanguage(c.language);
        QString yes, no;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            yes = box->button(QMessageBox::Yes)->text();
            no = box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        });
        const QString question = QCoreApplication::translate("PrintChart", PrinterReadyQuestion);
        QCOMPARE(MessageBoxes::show(nullptr, question, MessageIcon::None, MessageButtons::YesNo),
                 MessageAnswer::No);
        QCOMPARE(yes, c.yes);
        VerifyLanguageOf(yes + u' ' + no + u' ' + question, c.language, QStringLiteral("box"));
    }
}

void LanguageTest::picturesSpeakTheChosenLanguage() {
    const BeamDataLoad good = LoadBeamDataFile(CORVANE_TEST_DATA_FILE);
    QVERIFY(good.has_value());
    struct Drawn {
        QImage sketch, formula, tmr, ocr, sign;
    };
    const auto draw = [&](Language language) {
        InstallLanguage(language);
        const Drawn drawn{GeometrySketch().toImage(), FormulaPicture().toImage(),
                          TmrCurvesPicture(good, {}).toImage(), OcrCurvesPicture(good, {}).toImage(),
                          ExitSignPicture().toImage()};
        const QString tag = QString::fromLatin1(LanguageName(language));
        drawn.sketch.save(ScreenshotPath(QStringLiteral("sketch-%1.png").arg(tag)));
        drawn.tmr.save(ScreenshotPath(QStringLiteral("tmr-curves-%1.png").arg(tag)));
        drawn.ocr.save(ScreenshotPath(QStringLiteral("ocr-curves-%1.png").arg(tag)));
        drawn.sign.scaled(256, 256).save(ScreenshotPath(QStringLiteral("exit-sign-%1.png").arg(tag)));
        return drawn;
    };
    const Drawn designed = draw(Language::Default);
    const Drawn english = draw(Language::English);
    const Drawn japanese = draw(Language::Japanese);
    // The designed pictures have their words in English already, but for the
    // exit sign; the catalogs' test checks the words themselves.
    QCOMPARE(english.sketch, designed.sketch);
    QCOMPARE(english.tmr, designed.tmr);
    QCOMPARE(english.ocr, designed.ocr);
    QVERIFY(english.sign != designed.sign);
    QVERIFY(japanese.sketch != english.sketch);
    QVERIFY(japanese.tmr != english.tmr);
    QVERIFY(japanese.ocr != english.ocr);
    QCOMPARE(japanese.sign, designed.sign);
    // The formula is symbols only, the same in every language.
    QCOMPARE(english.formula, designed.formula);
    QCOMPARE(japanese.formula, designed.formula);
}

void LanguageTest::englishLoaderMessagesAreTheToolsWords() {
    InstallLanguage(Language::English);
    for (const BeamDataFault& fault : SampleFaults()) {
        // For a file of no known type the tool says "is not a regular file,
        // not a regular file"; the windows say it once.
        if (fault.kind == BeamDataFaultKind::NotRegularFile &&
            (fault.fileType == FileType::Other || fault.fileType == FileType::Regular))
            continue;
        QCOMPARE(BeamDataMessages::fault(fault), QString::fromStdString(DescribeBeamDataFault(fault)));
    }
    for (const std::string& file : {std::string("6MVTMROCR.dat"), std::string(100, 'p') + "/6MVTMROCR.dat"})
        for (int count : {1, 3, 5})
            QCOMPARE(BeamDataMessages::misplacedOcrRows(file, SampleMisplacedRows(count)).toStdString(),
                     DescribeMisplacedOcrRows(file, SampleMisplacedRows(count)));
    for (int error = 1; error < 134; ++error)
        QCOMPARE(BeamDataMessages::systemReason(error).toStdString(), SystemErrorText(error));
    // A long path and field are shortened as the tool shortens them.
    BeamDataFault fault = SampleFaults()[static_cast<int>(BeamDataFaultKind::NotDecimal)];
    fault.file = std::string(500, 'p') + "/6MVTMROCR.dat";
    fault.field = std::string(100, '9') + "\x1b[31m\"";
    QCOMPARE(BeamDataMessages::fault(fault), QString::fromStdString(DescribeBeamDataFault(fault)));
    // The millimetres keep their point under a locale that writes a comma.
    QVERIFY2(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), "scripts/install-deps.sh makes de_DE.UTF-8");
    fault.kind = BeamDataFaultKind::DepthsNotAscending;
    fault.depthMm = 2.5;
    const QString german =
        BeamDataMessages::fault(fault) + QString::fromStdString(DescribeBeamDataFault(fault));
    std::setlocale(LC_NUMERIC, "C");
    QVERIFY2(german.count(QLatin1String(" 2.5 mm after 40 mm.")) == 2, qPrintable(german));
}

void LanguageTest::catalogsAreCompleteAndKeepEveryPlace() {
    const struct {
        const char* file;
        Language language;
    } catalogs[] = {{"corvane_en.ts", Language::English}, {"corvane_ja.ts", Language::Japanese}};
    for (const auto& catalog : catalogs) {
        const QList<CatalogEntry> entries = ReadCatalog(QString::fromLatin1(catalog.file));
        QVERIFY2(!entries.isEmpty(), catalog.file);
        qInfo("%s: %lld texts", catalog.file, static_cast<long long>(entries.size()));
        for (const CatalogEntry& entry : entries) {
            const QString what = QStringLiteral("%1 %2: %3")
                                     .arg(QString::fromLatin1(catalog.file), entry.context, entry.source);
            QVERIFY2(entry.type.isEmpty() && !entry.translation.isEmpty(), qPrintable(what));
            // arg() fills the places in the order of their numbers: a
            // translation with a place more or less would shift them all.
            QCOMPARE(Places(entry.translation), Places(entry.source));
            // Every word the windows draw or show goes through the catalogs,
            // the pictures' and the save dialog's included.
            VerifyLanguageOf(entry.translation, catalog.language, what);
        }
    }
}

void LanguageTest::choiceIsRememberedUntilChanged() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("Corvane.conf")), QSettings::IniFormat);
    const QString key = QString::fromLatin1(LanguageSettingKey);
    QCOMPARE(ResolveLanguage(settings, std::nullopt), Language::Default);
    QCOMPARE(ResolveLanguage(settings, Language::Japanese), Language::Japanese);
    QCOMPARE(ResolveLanguage(settings, std::nullopt), Language::Japanese);
    QCOMPARE(ResolveLanguage(settings, Language::English), Language::English);
    QCOMPARE(ResolveLanguage(settings, std::nullopt), Language::English);
    // --lang default goes back to the designed texts, and is remembered so.
    QCOMPARE(ResolveLanguage(settings, Language::Default), Language::Default);
    QCOMPARE(settings.value(key).toString(), QStringLiteral("default"));
    QCOMPARE(ResolveLanguage(settings, std::nullopt), Language::Default);
    // A value written by something else is no choice.
    settings.setValue(key, QStringLiteral("fr"));
    QCOMPARE(ResolveLanguage(settings, std::nullopt), Language::Default);
    // The file checked is QSettings' own; a FIFO is not opened (it would
    // block); a choice that cannot be saved (under a file) is said.
    QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Corvane", "Corvane").fileName(),
             ProgramSettingsPath());
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("fifo.conf")).constData(), 0600), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("fifo.conf\" is not a regular file"));
    QVERIFY(OpenProgramSettings(dir.filePath("fifo.conf")) == nullptr);
    QSettings unwritable(dir.filePath("Corvane.conf/x.conf"), QSettings::IniFormat);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("language could not be remembered"));
    QCOMPARE(ResolveLanguage(unwritable, Language::English), Language::English);
}

void LanguageTest::commandLineAnswersWithoutADisplay() {
    // Japanese remembered where the program keeps its settings.
    QTemporaryDir config;
    const QString settingsFile = config.filePath(QStringLiteral("Corvane/Corvane.conf"));
    {
        QSettings saved(settingsFile, QSettings::IniFormat);
        saved.setValue(QString::fromLatin1(LanguageSettingKey), QStringLiteral("ja"));
    }
    const auto run = [&](const QStringList& arguments, QByteArray& out, QByteArray& err) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CORVANE_PROGRAM), arguments);
        if (!program.waitForFinished(60000)) return -1;
        out = program.readAllStandardOutput();
        err = program.readAllStandardError();
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    };
    // Without a display and with no platform named: nothing here may reach
    // Qt's abort. Qt's own options pass; anything else is bad usage.
    const QString help = QString::fromStdString(ProgramHelpText());
    // Arguments, exit code, standard output, a part of the one line on standard error.
    const std::tuple<QStringList, int, QString, QString> runs[] = {
        {{"--help"}, 0, help, {}},
        {{"-h"}, 0, help, {}},
        {{"--lang", "en", "--help"}, 0, help, {}},
        {{"--version"}, 0, QString::fromStdString(ProgramVersionText()), {}},
        {{"--lang", "fr"}, 2, {}, "--lang takes en, ja or default, not \"fr\"; try --help"},
        {{"--lang"}, 2, {}, "--lang needs a value"},
        {{"--bogus"}, 2, {}, "corvane: unknown option \"--bogus\"; try --help"},
        {{"stray"}, 2, {}, "unexpected argument \"stray\""},
        {{"-platform"}, 2, {}, "\"-platform\" needs a value"},
        {{"--data"}, 2, {}, "corvane: --data needs a file; try --help"},
        {{"--data="}, 2, {}, "--data needs a file"},
        {{"--data", "no such.dat"}, 1, {}, QString::fromLatin1(NoDisplayLine)},
        {{}, 1, {}, QString::fromLatin1(NoDisplayLine)},
        {{"-style", "Fusion", "-reverse", "--qwindowtitle", "T"}, 1, {}, "-platform offscreen"},
    };
    for (const auto& [arguments, exitCode, expectedOut, expectedErr] : runs) {
        QByteArray out, err;
        QCOMPARE(run(arguments, out, err), exitCode);
        QCOMPARE(QString::fromUtf8(out), expectedOut);
        QVERIFY2(err.contains(expectedErr.toUtf8()) && err.count('\n') == (exitCode == 0 ? 0 : 1),
                 (arguments.join(' ').toUtf8() + ": " + err).constData());
    }
    // Qt's options reach Qt with their values, and only they.
    const ProgramOptions qt =
        ParseProgramOptions({"corvane", "-platform", "offscreen", "--lang", "en", "-stylesheet=x"});
    QCOMPARE(qt.qtArguments,
             (std::vector<std::string>{"corvane", "-platform", "offscreen", "-stylesheet=x"}));
    QCOMPARE(ParseProgramOptions({"corvane", "--data=a b.dat", "--data", "c.dat"}).dataFile, "c.dat");
    // The choice was not remembered by any of these runs.
    QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value(QString::fromLatin1(LanguageSettingKey)),
             QVariant(QStringLiteral("ja")));
}

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
