// The start window on its own: its frame, texts, pictures, tab order, and
// what its three buttons ask for.
#include "StartFlowFixtures.h"

#include "qtsurface/Fonts.h"
#include "windows/Form1.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace corvane;
using namespace corvane::testing;

class StartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterFontSubstitutions(); }
    void frameIsFixedAndCentred();
    void textsPicturesAndTipsAreTheDesigned();
    void tabOrderStartsOnStart();
    void eachButtonAsksForItsOwnAction();
    void titleBarCloseOnlyHides();
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
    QCOMPARE(start.Label2->text(), QStringLiteral("高エネルギーX線 基本線量分布の計算法"));
    QCOMPARE(start.Label4->text(), QStringLiteral("6 MV X線"));
    for (QLabel* title : {start.Label2, start.Label4}) {
        QCOMPARE(title->font().pointSizeF(), 18.0);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(QFontInfo(title->font()).family().contains(QStringLiteral("CJK")));
    }
    QCOMPARE(start.Label2->pos(), QPoint(112, 16));
    QCOMPARE(start.Label4->pos(), QPoint(280, 48));

    QCOMPARE(start.Command1->text(), QStringLiteral("スタート"));
    QCOMPARE(start.Command4->text(), QStringLiteral("計算方法の概説"));
    QCOMPARE(start.Command1->geometry(), QRect(72, 536, 225, 41));
    QCOMPARE(start.Command4->geometry(), QRect(344, 536, 225, 41));
    QCOMPARE(start.Command2->geometry(), QRect(616, 536, 33, 33));
    for (QPushButton* button : {start.Command1, start.Command2, start.Command4})
        QCOMPARE(button->palette().color(QPalette::Button), QColor(255, 255, 192));
    QCOMPARE(start.Command1->font().pointSizeF(), 14.25);
    QVERIFY(start.Command2->text().isEmpty());
    QCOMPARE(start.Command2->iconSize(), QSize(32, 32));
    QVERIFY(!start.Command2->icon().isNull());
    QCOMPARE(start.Command2->toolTip(), QStringLiteral(" bye "));

    QCOMPARE(start.Picture2->toolTip(), QStringLiteral("   Woo !  "));
    QCOMPARE(start.Picture2->geometry(), QRect(624, 40, 32, 32));
    QCOMPARE(start.Picture1->pixmap().size(), QSize(624, 428));
    QCOMPARE(start.Picture1->pos(), QPoint(32, 88));

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
    start.show();
    QVERIFY(QTest::qWaitForWindowActive(&start));
    QCOMPARE(QApplication::focusWidget(), start.Command1);
    const QList<QWidget*> expected{start.Command2, start.Picture1, start.Command4, start.Picture2,
                                   start.Command1};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void StartWindowTest::eachButtonAsksForItsOwnAction() {
    Form1 start;
    start.show();
    QSignalSpy started(&start, &Form1::startRequested);
    QSignalSpy method(&start, &Form1::methodWindowRequested);
    QSignalSpy exited(&start, &Form1::exitRequested);
    QTest::mouseClick(start.Command4, Qt::LeftButton);
    QTest::mouseClick(start.Command4, Qt::LeftButton);
    QCOMPARE(method.count(), 2);
    QTest::mouseClick(start.Command1, Qt::LeftButton);
    QCOMPARE(started.count(), 1);
    QTest::mouseClick(start.Command2, Qt::LeftButton);
    QCOMPARE(exited.count(), 1);
    QCOMPARE(started.count() + method.count(), 3);
    // Space on the focused start button starts, as a click does.
    start.Command1->setFocus();
    QTest::keyClick(start.Command1, Qt::Key_Space);
    QCOMPARE(started.count(), 2);
}

void StartWindowTest::titleBarCloseOnlyHides() {
    QPointer<Form1> start = new Form1;
    start->show();
    QVERIFY(start->close());
    QVERIFY(!start->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(start);  // kept, so the windows it parents live on
    delete start.data();
}

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
