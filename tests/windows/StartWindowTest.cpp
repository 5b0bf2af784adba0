// The start window on its own: its frame, texts, pictures and tab order.
// What its buttons do is driven through the whole program in WindowFlowTest.
#include "StartFlowFixtures.h"

#include "qtsurface/Fonts.h"
#include "windows/Form1.h"

#include <QPushButton>

using namespace corvane;
using namespace corvane::testing;

class StartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterFontSubstitutions(); }
    void frameIsFixedAndCentred();
    void textsPicturesAndTipsAreTheDesigned();
    void tabOrderStartsOnStart();
};

void StartWindowTest::frameIsFixedAndCentred() {
    Form1 start;
    QCOMPARE(start.windowTitle(), QStringLiteral(" Corvane of 6 MV X-ray Beam"));
    QCOMPARE(start.size(), QSize(692, 606));
    QCOMPARE(start.minimumSize(), start.maximumSize());
    QCOMPARE(start.windowType(), Qt::Window);
    QVERIFY(!(start.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(start.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!start.windowIcon().isNull());
    const QRect screen = start.screen()->availableGeometry();
    QCOMPARE(start.x(), screen.x() + qMax(0, (screen.width() - start.width()) / 2));
    QCOMPARE(start.y(), screen.y() + qMax(0, (screen.height() - start.height()) / 2));
}

void StartWindowTest::textsPicturesAndTipsAreTheDesigned() {
    Form1 start;
    for (QLabel* title : {start.Label2, start.Label4}) {
        QCOMPARE(title->font().pointSizeF(), 18.0);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(QFontInfo(title->font()).family().contains(QStringLiteral("CJK")));
    }
    QCOMPARE(start.Command2->geometry(), QRect(616, 536, 33, 33));
    for (QPushButton* button : {start.Command1, start.Command2, start.Command4})
        QCOMPARE(button->palette().color(QPalette::Button), QColor(255, 255, 192));
    QCOMPARE(start.Command2->iconSize(), QSize(32, 32));
    QVERIFY(!start.Command2->icon().isNull());
    QCOMPARE(start.Command2->toolTip(), QStringLiteral(" bye "));

    QCOMPARE(start.Picture2->toolTip(), QStringLiteral("   Woo !  "));
    QCOMPARE(start.Picture2->geometry(), QRect(624, 40, 32, 32));
    QCOMPARE(start.Picture1->pixmap().size(), QSize(624, 428));

    QVERIFY(!start.Label1->text().isEmpty());
    QCOMPARE(start.Label1->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(start.Label1->font().pointSizeF(), 9.75);
    QVERIFY(QFontInfo(start.Label1->font()).family().contains(QStringLiteral("Liberation Serif")));

    VerifyLabelsReadable(&start);
    // The buttons' captions fit their faces.
    for (QPushButton* button : {start.Command1, start.Command4})
        QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->text()) < button->width() - 8);
    SaveScreenshot(&start, QStringLiteral("Form1"));
}

void StartWindowTest::tabOrderStartsOnStart() {
    Form1 start;
    VerifyTabChain(&start, start.Command1,
                   {start.Command2, start.Picture1, start.Command4, start.Picture2, start.Command1});
}

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
