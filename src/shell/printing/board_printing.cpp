#include "shell/printing/board_printing.h"

#include "board/board_painter.h"
#include "board/board_window.h"
#include "core/guarded_file.h"
#include "core/puzzle.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "shell/printing/print_session.h"
#include "shell/printing/print_settings.h"
#include "shell/printing/print_system.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QStandardPaths>

#include <optional>

namespace printing {
namespace {

const QString kDocName = QStringLiteral("Quarrow");

void paintFitted(QPainter& painter, const QRectF& page, const QSizeF& content,
                 const BoardModel& model, BoardInk ink) {
    const QRectF target = fitCentred(content, page);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / content.width(), target.height() / content.height());
    paintBoardModel(painter, model, ink);
    painter.restore();
}

// The pages as a PDF, made in memory and written as any file of the program is. PDF needs no
// print system, so nothing here can wait on one.
std::optional<QByteArray> pdfPages(const BoardWindow& board, const Puzzle& puzzle,
                                   const PrintSettings& settings, const PrintOptions& options) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setPageLayout(pageLayout(settings));
    writer.setTitle(kDocName);
    writer.setCreator(kDocName);
    QPainter painter;
    if (!painter.begin(&writer)) return std::nullopt;
    // The painter's origin is the top left of the printable area.
    const QRectF page(QPointF(0, 0),
                      writer.pageLayout().paintRectPixels(writer.resolution()).size());
    const QSizeF content = board.clientSizePixels();
    const BoardInk ink = options.inkSaving ? BoardInk::Paper : BoardInk::Screen;
    paintFitted(painter, page, content, board.model(), ink);
    if (options.answerPage) {
        writer.newPage();
        paintFitted(painter, page, content, answerModel(board.model(), puzzle), ink);
    }
    if (!painter.end()) return std::nullopt;
    return pdf.data();
}

QString pdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void reportFailure(Dialogs& dialogs) {
    dialogs.message(
        QStringLiteral("The puzzle could not be printed. Check the printer, or choose a file "
                       "in a folder you can write to, and try again."),
        QStringLiteral("Print Error"), MsgButtons::Ok, MsgIcon::Critical);
}

// The job's file outlives this call: the print system removes it once it has read it. Empty
// when it could not be written.
QString spoolFile(const QByteArray& pdf) {
    QString spool;
    return guarded_file::createUnique(QDir::tempPath() + QStringLiteral("/quarrow-"),
                                      QStringLiteral(".pdf"), pdf, spool) == 0
               ? spool
               : QString();
}

}  // namespace

BoardModel answerModel(const BoardModel& shown, const Puzzle& puzzle) {
    BoardModel answers = shown;
    for (int i = 1; i <= kMaxWords; ++i) {
        BoardLine& line = answers.lines[i];
        BoardEntry& entry = answers.entries[i];
        line = BoardLine{};
        if (!puzzle.isSlot(i)) continue;
        const PuzzleWord& word = puzzle.word(i);
        line = {true, board_geometry::cellCentre(word.first), board_geometry::cellCentre(word.last),
                DrawMode::MaskPen, i};
        entry.caption = word.word;
        entry.struck = false;
        entry.color = QColor(0, 0, 0);
    }
    return answers;
}

QRectF fitCentred(const QSizeF& content, const QRectF& page) {
    if (content.isEmpty() || page.isEmpty()) return {page.center(), QSizeF(0, 0)};
    const QSizeF size = content.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.left() + (page.width() - size.width()) / 2,
            page.top() + (page.height() - size.height()) / 2, size.width(), size.height()};
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

PrintResult printBoard(Services& services, const BoardWindow& board, const Puzzle& puzzle,
                       PrintSession& session, const PrintOptions& options) {
    const PrintSettings& settings = session.settings();
    if (settings.printer.isEmpty()) {
        const QString path =
            services.dialogs.savePdf(suggestedPdfPath(pdfFolder(), services.state.puzzleTitle));
        if (path.isEmpty()) return PrintResult::Cancelled;
        const auto pdf = pdfPages(board, puzzle, settings, options);
        if (pdf && guarded_file::replace(withPdfExtension(path), *pdf) == 0)
            return PrintResult::Printed;
        reportFailure(services.dialogs);
        return PrintResult::Failed;
    }

    const auto pdf = pdfPages(board, puzzle, settings, options);
    const QString spool = pdf ? spoolFile(*pdf) : QString();
    if (spool.isEmpty()) {
        reportFailure(services.dialogs);
        return PrintResult::Failed;
    }
    Dialogs* dialogs = &services.dialogs;
    session.system().submit({settings.printer, settings.copies, kDocName, spool}, &session,
                            [dialogs](bool accepted) {
                                if (!accepted) reportFailure(*dialogs);
                            });
    return PrintResult::Printed;
}

}  // namespace printing
