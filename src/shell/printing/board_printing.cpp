#include "shell/printing/board_printing.h"

#include "board/board_window.h"
#include "core/game_state.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <memory>

namespace printing {
namespace {

bool paintPage(const BoardWindow& board, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The painter's origin is the top left of the printable area.
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const QSizeF content = board.clientSizePixels();
    const QRectF target = fitCentred(content, page);
    painter.translate(target.topLeft());
    painter.scale(target.width() / content.width(), target.height() / content.height());
    board.paintBoard(painter);
    return painter.end();
}

// A PDF printer of its own, laid out like the chosen printer, so the file name the player
// gives is not remembered for the next print.
std::unique_ptr<QPrinter> pdfPrinter(const QPrinter& like, const QString& path) {
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(path);
    pdf->setPageLayout(like.pageLayout());
    pdf->setDocName(like.docName());
    return pdf;
}

QString pdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

QRectF fitCentred(const QSizeF& content, const QRectF& page) {
    if (content.isEmpty() || page.isEmpty()) return {page.center(), QSizeF(0, 0)};
    const QSizeF size = content.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.left() + (page.width() - size.width()) / 2,
            page.top() + (page.height() - size.height()) / 2, size.width(), size.height()};
}

bool needsPdfFile(const QPrinter& printer, bool printersInstalled) {
    if (!printer.outputFileName().isEmpty()) return false;
    return !printersInstalled || printer.outputFormat() == QPrinter::PdfFormat;
}

QString suggestedPdfPath(const QString& folder, const QString& title) {
    QString name;
    for (const QChar c : title.trimmed())
        name += c.isLetterOrNumber() || c == ' ' || c == '-' || c == '_' ? c : QChar('_');
    if (name.isEmpty()) name = QStringLiteral("Quarrow");
    return folder + '/' + name + QStringLiteral(".pdf");
}

QString withPdfExtension(const QString& path) {
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
               ? path
               : path + QStringLiteral(".pdf");
}

PrintResult printBoard(Services& services, const BoardWindow& board, QPrinter& printer) {
    printer.setDocName(QStringLiteral("Quarrow"));
    bool printed = false;
    if (needsPdfFile(printer, !QPrinterInfo::availablePrinterNames().isEmpty())) {
        const QString path =
            services.dialogs.savePdf(suggestedPdfPath(pdfFolder(), services.state.puzzleTitle));
        if (path.isEmpty()) return PrintResult::Cancelled;
        printed = paintPage(board, *pdfPrinter(printer, withPdfExtension(path)));
    } else {
        printed = paintPage(board, printer);
    }
    if (printed) return PrintResult::Printed;
    services.dialogs.message(
        QStringLiteral("The puzzle could not be printed. Check the printer, or choose a file "
                       "in a folder you can write to, and try again."),
        QStringLiteral("Print Error"), MsgButtons::Ok, MsgIcon::Critical);
    return PrintResult::Failed;
}

}  // namespace printing
