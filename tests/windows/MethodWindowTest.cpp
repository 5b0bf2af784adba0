// The method window "Calculation Formula" and the data table window
// "TMRs  &  OCRs", driven by clicks and keys.
#include "StartFlowFixtures.h"

#include "qtsurface/Fonts.h"
#include "windows/Form4.h"
#include "windows/Form5.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using namespace corvane;
using namespace corvane::testing;

class MethodWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterFontSubstitutions(); }
    void framesAreFixedDialogsOfTheirDesignedSize();
    void method_labelsShowTheirTextsInTheirFonts();
    void method_muAndTheExponentSitInTheGapsOfTheirSentence();
    void tabOrdersStartOnCloseAndOnTheList();
    void table_shortFileListsWhatItHasAndSaysWhatIsMissing();
    void table_showsAShiftJisHeading();
    void table_picturesComeFromTheListedFile();
};

void MethodWindowTest::framesAreFixedDialogsOfTheirDesignedSize() {
    QWidget start;
    auto* method = new Form5(&start);
    auto* table = new Form4(&start);
    QCOMPARE(method->windowTitle(), QStringLiteral("Calculation Formula"));
    QCOMPARE(table->windowTitle(), QStringLiteral("TMRs  &  OCRs"));
    QCOMPARE(method->size(), QSize(1228, 716));
    QCOMPARE(table->size(), QSize(1101, 631));
    for (QWidget* window : {static_cast<QWidget*>(method), static_cast<QWidget*>(table)}) {
        QVERIFY(window->isWindow());
        QCOMPARE(window->windowType(), Qt::Dialog);  // a dialog of its parent: no task bar entry
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        const QRect screen = window->screen()->availableGeometry();
        // Centred, or at the screen's edge where the screen is the smaller.
        QCOMPARE(window->x(), screen.x() + qMax(0, (screen.width() - window->width()) / 2));
        QCOMPARE(window->y(), screen.y() + qMax(0, (screen.height() - window->height()) / 2));
    }
}

void MethodWindowTest::method_labelsShowTheirTextsInTheirFonts() {
    Form5 method;
    QCOMPARE(method.Label3->font().pointSizeF(), 15.75);
    // Italics exactly on the texts set in italics, and nowhere else.
    const QList<QLabel*> italic{
        method.Label1,  method.Label2,  method.Label5,  method.Label6,  method.Label7,  method.Label8,
        method.Label9,  method.Label13, method.Label14, method.Label16, method.Label17, method.Label18,
        method.Label19, method.Label21, method.Label22, method.Label23, method.Label24};
    for (QLabel* label : method.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        QCOMPARE(label->font().italic(), italic.contains(label));
        QVERIFY(QFontInfo(label->font()).family().contains(QStringLiteral("CJK")));
    }
    QCOMPARE(method.Label18->font().pointSizeF(), 9.75);
    QCOMPARE(method.Label19->font().pointSizeF(), 9.75);
    QCOMPARE(method.Label18->y(), 648);  // set lower than mu

    QCOMPARE(method.Picture2->pixmap().size(), QSize(716, 70));
    QCOMPARE(method.Picture2->geometry(), QRect(32, 88, 716, 70));
    QCOMPARE(method.Picture1->geometry(), QRect(776, 88, 425, 492));
    VerifyLabelsReadable(&method, {method.Label17, method.Label18, method.Label19});
    SaveScreenshot(&method, QStringLiteral("Form5"));
}

void MethodWindowTest::method_muAndTheExponentSitInTheGapsOfTheirSentence() {
    Form5 method;
    const QString sentence = method.Label16->text();
    const QFontMetrics metrics(method.Label16->font());
    const int x0 = method.Label16->x();
    const int gapLeft = x0 + metrics.horizontalAdvance(sentence.left(sentence.indexOf(u'　')));
    const int gapRight = x0 + metrics.horizontalAdvance(sentence.left(sentence.indexOf(u'=')));
    QVERIFY(InkRect(method.Label17).left() >= gapLeft);
    QVERIFY(InkRect(method.Label18).right() <= gapRight);
    QVERIFY(InkRect(method.Label17).right() <= InkRect(method.Label18).left() + 1);
    const int cmRight =
        x0 + metrics.horizontalAdvance(sentence.left(sentence.indexOf(QStringLiteral("cm")) + 2));
    const int textResumes = x0 + metrics.horizontalAdvance(sentence.left(sentence.indexOf(u'と')));
    QVERIFY(InkRect(method.Label19).left() >= cmRight);
    QVERIFY(InkRect(method.Label19).right() < textResumes);
}

void MethodWindowTest::tabOrdersStartOnCloseAndOnTheList() {
    DataFileDirectory data;
    Form5 method;
    VerifyTabChain(&method, method.Command1,
                   {method.Picture1, method.Picture2, method.Command3, method.Command1});
    Form4 table;
    table.FillFromDataFile();
    VerifyTabChain(&table, table.List1, {table.Command1, table.Picture1, table.Picture2, table.List1});
    VerifyLabelsReadable(&table);
}

void MethodWindowTest::table_shortFileListsWhatItHasAndSaysWhatIsMissing() {
    DataFileDirectory data;
    data.write(data.firstLines(65));
    MessageLog messages;
    Form4 table;
    table.FillAndShow();
    QVERIFY(table.isVisible());
    QCOMPARE(table.List1->count(), 65);
    QCOMPARE(messages.requests.size(), std::size_t(1));
    QCOMPARE(messages.requests[0].caption, QStringLiteral("Corvane"));
    QVERIFY2(messages.requests[0].text.contains(QStringLiteral("line 66 is missing")),
             qPrintable(messages.requests[0].text));
    QVERIFY(messages.requests[0].text.contains(QStringLiteral("6MVTMROCR.dat")));

    // With the file whole again, the next press lists all 66 lines, without a box.
    data.write(data.firstLines(66));
    table.FillAndShow();
    QCOMPARE(table.List1->count(), 66);
    QCOMPARE(messages.requests.size(), std::size_t(1));
}

void MethodWindowTest::table_showsAShiftJisHeading() {
    DataFileDirectory data;
    MessageLog messages;
    const QString heading = QStringLiteral("６ＭＶ Ｘ線 ＴＭＲ・ＯＣＲ データ（測定値）");
    QStringEncoder toShiftJis("Shift_JIS");
    const QByteArray bytes = data.read();
    data.write(toShiftJis.encode(heading) + "\r\n" + bytes.mid(bytes.indexOf('\n') + 1));
    Form4 table;
    table.FillAndShow();
    QCOMPARE(table.List1->count(), 66);
    QCOMPARE(table.List1->item(0)->text(), heading);
    // The columns of numbers line up: every ASCII character has one width.
    const QFontMetrics metrics(table.List1->font());
    QCOMPARE(metrics.horizontalAdvance(u'i'), metrics.horizontalAdvance(u'M'));
    QCOMPARE(metrics.horizontalAdvance(u' '), metrics.horizontalAdvance(u'0'));
    table.List1->setCurrentRow(0);
    SaveScreenshot(&table, QStringLiteral("Form4-shift-jis-heading"));
}

void MethodWindowTest::table_picturesComeFromTheListedFile() {
    DataFileDirectory data;
    MessageLog messages;
    Form4 table;
    table.FillAndShow();
    QCOMPARE(table.Picture1->pixmap().size(), QSize(425, 290));
    QCOMPARE(table.Picture2->pixmap().size(), QSize(415, 245));
    const QImage goodTmr = table.Picture1->pixmap().toImage();
    const QImage goodOcr = table.Picture2->pixmap().toImage();
    SaveScreenshot(&table, QStringLiteral("Form4"));

    // A TMR value that is not a number: the list shows it as it stands, the
    // pictures say the file does not load and draw no curves.
    QByteArray broken = data.read();
    broken.replace("0.4300", "0.43x0");
    data.write(broken);
    table.FillAndShow();
    QCOMPARE(table.List1->count(), 66);
    QVERIFY(table.List1->item(3)->text().contains(QStringLiteral("0.43x0")));
    QVERIFY(table.Picture1->pixmap().toImage() != goodTmr);
    QVERIFY(table.Picture2->pixmap().toImage() != goodOcr);
    SaveScreenshot(&table, QStringLiteral("Form4-file-does-not-load"));

    data.write(data.firstLines(66));
    table.FillAndShow();
    QCOMPARE(table.Picture1->pixmap().toImage(), goodTmr);
}

QTEST_MAIN(MethodWindowTest)
#include "MethodWindowTest.moc"
