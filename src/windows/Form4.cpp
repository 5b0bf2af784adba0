#include "windows/Form4.h"

#include "assets/Pictures.h"
#include "qtsurface/Fonts.h"
#include "state/BeamDataLoader.h"
#include "state/DataFileLocation.h"
#include "windows/BeamDataMessages.h"
#include "windows/BeamDataNames.h"
#include "windows/DataTableMessages.h"
#include "windows/DesignLayout.h"
#include "windows/MessageBoxes.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <string>

namespace corvane {

namespace {
// Parses exactly the bytes the list shows, so list and pictures always agree.
BeamDataLoad ParseListedContent(const DataTableListing& listing) {
    if (!listing.opened) return LoadBeamDataFile(listing.file);  // the loader's own fault
    const std::string_view bytes(listing.bytes.constData(), static_cast<std::size_t>(listing.bytes.size()));
    return ParseBeamData(bytes.substr(0, BeamDataSizeLimit), listing.file.string(),
                         bytes.size() > BeamDataSizeLimit);
}

QLabel* MakePicture(QWidget* parent, const QRect& frame) {
    auto* picture = new QLabel(parent);
    picture->setGeometry(frame);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFocusPolicy(Qt::TabFocus);
    return picture;
}
}  // namespace

Form4::Form4(QWidget* parent) : QWidget(parent) {
    setWindowTitle(tr("TMRs  &  OCRs"));
    // The title-bar close destroys the window; the next opening builds it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form4"));
    MakeFixedCentredWindow(this, TwipsSize(16515, 9465), true);

    // The heading stays above the list, however tall its text.
    const QRect listFrame = TwipsRect(240, 480, 9375, 8700);
    Label1 = new QLabel(tr("Tissue-Maximum Ratio  and  Off-Center Ratio  Data Table"), this);
    Label1->setFont(TimesFont(15.75));
    PlaceLabel(Label1, TwipsRect(960, 120, 7335, 345), listFrame.top());

    List1 = new QListWidget(this);
    List1->setGeometry(listFrame);
    List1->setFont(NamedFont(QStringLiteral("ＭＳ ゴシック"), 12));
    // Long lines scroll sideways rather than lose their ends.
    List1->setTextElideMode(Qt::ElideNone);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    Picture1 = MakePicture(this, TwipsRect(9840, 480, 6495, 4335));
    Picture2 = MakePicture(this, TwipsRect(9840, 4920, 6495, 3735));

    Command1 = new QPushButton(tr("Close"), this);
    Command1->setGeometry(TwipsRect(9840, 8760, 1455, 495));
    StyleButton(Command1, TimesFont(14.25));
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);

    PressButtonsOnEnter(this);
    setTabOrder(List1, Command1);
    setTabOrder(Command1, Picture1);
    setTabOrder(Picture1, Picture2);
    List1->setFocus();
}

void Form4::setDataFile(const BeamDataChoice& choice) {
    file_ = choice.isBundled() ? std::filesystem::path() : choice.file();
    setWindowTitle(choice.isBundled() ? tr("TMRs  &  OCRs")
                                      : BeamDataNames::tableCaption(tr("TMRs  &  OCRs"), choice.chosen()));
}

DataTableListing Form4::FillFromDataFile() {
    List1->clear();
    DataTableListing listing = ReadDataTableListing(file_.empty() ? LocateBeamDataFile() : file_);
    List1->addItems(listing.lines);

    const BeamDataLoad parsed = ParseListedContent(listing);
    const QString failure = parsed ? QString() : DataTableMessages::noCurves(BeamDataMessages::fault(parsed.error()));
    Picture1->setPixmap(TmrCurvesPicture(parsed, failure));
    Picture2->setPixmap(OcrCurvesPicture(parsed, failure));
    return listing;
}

void Form4::FillAndShow() {
    const DataTableListing listing = FillFromDataFile();
    show();
    raise();
    activateWindow();
    if (!listing.complete()) MessageBoxes::show(this, listing.problem, MessageIcon::Exclamation);
}

void Form4::Command1_Click() { hide(); }

}  // namespace corvane
