#include "windows/SaveChart.h"

#include "state/AtomicFileWrite.h"
#include "state/MessageText.h"
#include "windows/MessageBoxes.h"
#include "windows/SavePathDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QImage>
#include <QScopeGuard>

#include <exception>
#include <optional>
#include <string>

namespace corvane {

namespace {

constexpr int SavedPictureScale = 2;

QString ForMessage(const QString& path) { return QString::fromStdString(PathForMessage(path.toStdString())); }

}  // namespace

void SaveChart::saveAs(QWidget* parent, CalculationState& state, const ChartDrawing& shown) {
    SavePathRequest request;
    request.caption = tr("Save chart as");
    request.suggestedName = QStringLiteral("corvane-chart.png");
    request.filters = tr("PNG picture, twice the size (*.png)") + QStringLiteral(";;") +
                      tr("SVG picture (*.svg)") + QStringLiteral(";;") +
                      tr("PDF, the printed page at true scale (*.pdf)");
    // The question comes from the message boxes below, so that it is asked
    // once and for the name as it is finally written.
    request.dialogConfirmsOverwrite = false;
    QString path = SavePathDialog::choose(parent, request);
    if (path.isEmpty()) return;

    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    // The format follows the chosen file's extension.
    const std::optional<ChartFileFormat> format = ChartFileFormatOf(path.toStdString());
    if (!format) {
        MessageBoxes::show(
            parent,
            tr("The chart was not saved: \"%1\" does not end in .png, .svg or .pdf.").arg(ForMessage(path)),
            MessageIcon::Exclamation);
        return;
    }
    if (QFileInfo::exists(path) &&
        MessageBoxes::show(
            parent, tr("The file \"%1\" already exists.\nDo you want to replace it?").arg(ForMessage(path)),
            MessageIcon::Exclamation, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;

    QString error;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        try {
            const QByteArray bytes = ChartFileBytes(*format, state, shown, SavedPictureScale);
            const std::optional<std::string> failed = WriteFileAtomically(
                path.toStdString(),
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            if (failed) error = QString::fromStdString(*failed);
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        }
    }
    if (!error.isEmpty())
        MessageBoxes::show(parent,
                           tr("The chart could not be saved as \"%1\".\n(%2)").arg(ForMessage(path), error),
                           MessageIcon::Exclamation);
}

void SaveChart::copy(const QImage& picture) { QApplication::clipboard()->setImage(picture); }

}  // namespace corvane
