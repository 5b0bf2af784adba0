// The start window on its own: its frame, texts, pictures and tab order.
// What its buttons do is driven through the whole program in WindowFlowTest.
#include "StartFlowFixtures.h"

#include "qtsurface/Fonts.h"
#include "state/DataFileLocation.h"
#include "windows/Form1.h"

#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>

using namespace corvane;
using namespace corvane::testing;

class StartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterFontSubstitutions(); }
    void frameIsFixedAndCentred();
    void textsPicturesAndTipsAreTheDesigned();
    void tabOrderStartsOnStart();
    void beamDataIsChosenByDialogMenuAndDrop();
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
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             start.Command1, start.Command2, start.Command4, start.BeamDataButton})
        QCOMPARE(button->palette().color(QPalette::Button), QColor(255, 255, 192));
    // The beam data's button in the free space under the start button.
    QVERIFY(QFontInfo(start.BeamDataButton->font()).family().contains(QStringLiteral("Liberation Serif")));
    QVERIFY(start.rect().contains(start.BeamDataButton->geometry()));
    for (QWidget* designed : std::initializer_list<QWidget*>{start.Command1, start.Picture1, start.Label1})
        QVERIFY(!start.BeamDataButton->geometry().intersects(designed->geometry()));
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
                   {start.Command2, start.Picture1, start.Command4, start.Picture2, start.BeamDataButton,
                    start.Command1});
}

void StartWindowTest::beamDataIsChosenByDialogMenuAndDrop() {
    ForgetSettings();  // and uses a settings file of this test's own
    QTemporaryDir dir;
    const QString own = dir.filePath(QStringLiteral("linac & co.dat"));
    QVERIFY(QFile::copy(QStringLiteral(CORVANE_TEST_DATA_FILE), own));
    Form1 start;
    QCOMPARE(start.BeamDataButton->text(), QStringLiteral("Beam data: bundled"));
    // A click opens the dialog, in the folder of the file used last.
    RememberBeamDataFile(QStringLiteral("/no/such/folder/old.dat"));
    RememberBeamDataFile(own);
    QString folder;
    BeamDataFileDialog::setChooser([&](QWidget*, const QString& in) { return folder = in, own; });
    QTest::mouseClick(start.BeamDataButton, Qt::LeftButton, {}, QPoint(8, 8));
    BeamDataFileDialog::setChooser({});
    QCOMPARE(folder, dir.path());
    QCOMPARE(start.dataChoice().chosen(), own);
    QCOMPARE(start.BeamDataButton->text(), QStringLiteral("Beam data: \"linac && co.dat\""));

    // The menu: the dialog, the files used last, newest first, and the bundled data.
    QMenu* menu = start.BeamDataButton->menu();
    menu->popup(start.BeamDataButton->mapToGlobal(QPoint(0, 0)));
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->text();
    QCOMPARE(entries, QStringList({QStringLiteral("Choose a file…"), QString(),
                                   QString(own).replace(u'&', QStringLiteral("&&")),
                                   QStringLiteral("/no/such/folder/old.dat"), QString(),
                                   QStringLiteral("Bundled data")}));
    menu->actions().last()->trigger();
    QVERIFY(start.dataChoice().isBundled());
    menu->actions()[3]->trigger();
    QCOMPARE(start.dataChoice().chosen(), QStringLiteral("/no/such/folder/old.dat"));

    // One file dropped is chosen; a folder, or two files, are not taken; the
    // bundled file chosen by its path stays the bundled data.
    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData mime;
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&start, &enter);
        QDropEvent dropped(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, {});
        if (enter.isAccepted()) QApplication::sendEvent(&start, &dropped);
        return enter.isAccepted();
    };
    QVERIFY(!drop({QUrl::fromLocalFile(dir.path())}));
    QVERIFY(!drop({QUrl::fromLocalFile(own), QUrl::fromLocalFile(own)}));
    QVERIFY(drop({QUrl::fromLocalFile(own)}));
    QCOMPARE(start.dataChoice().chosen(), own);
    start.chooseDataFile(QString::fromStdString(std::filesystem::absolute(LocateBeamDataFile()).string()));
    QVERIFY(start.dataChoice().isBundled());
}

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
