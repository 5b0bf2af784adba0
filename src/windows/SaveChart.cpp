#include "windows/SaveChart.h"

#include "chart/ProfileTable.h"
#include "dose/CalculationFailure.h"
#include "state/AtomicFileWrite.h"
#include "state/ConditionsFileName.h"
#include "state/SystemErrorText.h"
#include "windows/ChartWindowMessages.h"
#include "windows/MessageBoxes.h"
#include "windows/SavePathDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QImage>
#include <QScopeGuard>

#include <exception>
#include <cerrno>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

namespace {

constexpr int SavedPictureScale = 2;

QString SuggestedName(const IrradiationConditions& conditions, const char* ending) {
    return QString::fromStdString(ConditionsFileName(conditions, ending));
}

// `path` with `extension` (".png") added where its file name has none.
QString WithDefaultExtension(const QString& path, const QString& extension) {
    return QFileInfo(path).suffix().isEmpty() ? path + extension : path;
}

// Whether `path` may be written: nothing stands there, or the user said Yes
// to replacing it. Asked here rather than by the dialog, so that it is asked
// once and for the name as it is finally written.
bool MayReplace(QWidget* parent, const QString& path) {
    if (!QFileInfo::exists(path)) return true;
    return MessageBoxes::show(parent, ChartWindowMessages::alreadyExists(path), MessageIcon::Exclamation,
                              MessageButtons::YesNo) == MessageAnswer::Yes;
}

// Makes the file's bytes with `make` and writes them to `path` whole or not
// at all, under the wait cursor. The fault is the reason: the system's, Qt's
// for a picture it could not make, or the drawing's failure.
using MadeBytes = Outcome<QByteArray, PictureFault>;
Outcome<void, QString> MakeAndWrite(const QString& path, const std::function<MadeBytes()>& make) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    try {
        const MadeBytes bytes = make();
        if (!bytes) return Fail(QString::fromStdString(bytes.error().reason));
        const Outcome<void, WriteFault> written = WriteFileAtomically(
            path.toStdString(), std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
        if (!written) return Fail(QString::fromStdString(written.error().reason));
    } catch (const CalculationFailure& failure) {
        // A chart drawn once draws again, so this is not expected; should it
        // happen, the user is told why and no file is left.
        return Fail(QString::fromLocal8Bit(failure.what()));
    } catch (const std::bad_alloc&) {
        return Fail(QString::fromStdString(SystemErrorText(ENOMEM)));
    }
    return {};
}

}  // namespace

void SaveChart::saveAs(QWidget* parent, const DoseCalculation& shownResult, const ChartDrawing& shown,
                       const QString& description) {
    SavePathRequest request;
    request.caption = tr("Save chart as");
    request.suggestedName = SuggestedName(shownResult.Conditions, ".png");
    request.filters = tr("PNG picture, twice the size (*.png)") + QStringLiteral(";;") +
                      tr("SVG picture (*.svg)") + QStringLiteral(";;") +
                      tr("PDF, the printed page at true scale (*.pdf)");
    request.dialogConfirmsOverwrite = false;  // MayReplace asks
    const QString chosen = SavePathDialog::choose(parent, request);
    if (chosen.isEmpty()) return;

    const QString path = WithDefaultExtension(chosen, QStringLiteral(".png"));
    // The format follows the chosen file's extension.
    const std::optional<ChartFileFormat> format = ChartFileFormatOf(path.toStdString());
    if (!format) {
        MessageBoxes::show(parent, ChartWindowMessages::chartNotAChartFile(path), MessageIcon::Exclamation);
        return;
    }
    if (!MayReplace(parent, path)) return;
    const Outcome<void, QString> written = MakeAndWrite(
        path, [&] { return ChartFileBytes(*format, shownResult, shown, SavedPictureScale, description); });
    if (!written)
        MessageBoxes::show(parent, ChartWindowMessages::chartNotSaved(path, written.error()),
                           MessageIcon::Exclamation);
}

void SaveChart::copy(const QImage& picture) { QApplication::clipboard()->setImage(picture); }

void SaveChart::saveProfilesAs(QWidget* parent, const IrradiationConditions& drawn, int column, int row,
                               const DoseMatrix& grid, const DoseMatrix* reference) {
    SavePathRequest request;
    request.caption = tr("Save profiles as CSV");
    request.suggestedName = SuggestedName(drawn, "-profiles.csv");
    request.filters = tr("CSV table (*.csv)");
    request.dialogConfirmsOverwrite = false;
    const QString chosen = SavePathDialog::choose(parent, request);
    if (chosen.isEmpty()) return;

    const QString path = WithDefaultExtension(chosen, QStringLiteral(".csv"));
    if (!MayReplace(parent, path)) return;
    const Outcome<void, QString> written = MakeAndWrite(
        path, [&] { return MadeBytes(QByteArray::fromStdString(TwoProfilesTable(',', column, row, grid, reference))); });
    if (!written)
        MessageBoxes::show(parent, ChartWindowMessages::profilesNotSaved(path, written.error()),
                           MessageIcon::Exclamation);
}

void SaveChart::copyProfileValues(int column, int row, const DoseMatrix& grid, const DoseMatrix* reference) {
    QApplication::clipboard()->setText(
        QString::fromStdString(TwoProfilesTable('\t', column, row, grid, reference)));
}

}  // namespace corvane
