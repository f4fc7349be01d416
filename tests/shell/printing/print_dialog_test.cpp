#include "shell/printing/print_dialog.h"
#include "board/board_window.h"
#include "shell/printing/printer_summary.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPrinter>

#include <memory>

namespace {

class PrintAct : public ::testing::Test {
  protected:
    PrintAct() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setCopyCount(3);
    }
    std::unique_ptr<PrintDialog> open() {
        auto dialog = std::make_unique<PrintDialog>(env.services, board, printer);
        dialog->show();
        return dialog;
    }
    TestEnv env;
    BoardWindow board{env.services};
    QPrinter printer{QPrinter::HighResolution};
};

}  // namespace

TEST(PrinterSummary, OrientationNumbersAndCaptions) {
    EXPECT_EQ(printing::orientationNumber(QPageLayout::Portrait), 1);
    EXPECT_EQ(printing::orientationNumber(QPageLayout::Landscape), 2);
    EXPECT_EQ(printing::orientationCaption(1), "Portrait");
    EXPECT_EQ(printing::orientationCaption(2), "Landscape");
    EXPECT_EQ(printing::orientationCaption(0), "Landscape");
}

TEST_F(PrintAct, ShowsThePrinterAsItWasWhenOpened) {
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), "Print WordSearch");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label7")->text(), " Selected Printer");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label5")->text(), " Print Copies");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label3")->text(), " Print Oreintation");
    EXPECT_EQ(dialog->copies()->text(), "3");
    EXPECT_EQ(dialog->orientation()->text(), "Portrait");
    EXPECT_FALSE(dialog->printerName()->text().isEmpty());

    // The set-up dialog turns the page; the open dialog keeps its labels.
    env.dialogs.onNextBox(
        [this](const auto&) { printer.setPageOrientation(QPageLayout::Landscape); });
    dialog->setup();
    EXPECT_EQ(env.dialogs.last().kind, ScriptedDialogs::Shown::Kind::PrinterSetup);
    EXPECT_EQ(dialog->orientation()->text(), "Portrait");
    EXPECT_TRUE(dialog->isVisible());

    EXPECT_EQ(open()->orientation()->text(), "Landscape");
}

TEST_F(PrintAct, CancelClosesWithoutPrinting) {
    auto dialog = open();
    dialog->cancel();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(env.dialogs.shown().empty());
}

TEST_F(PrintAct, PrintNowClosesThenPrints) {
    auto dialog = open();
    const QString pdf = env.dir.path() + "/printed.pdf";
    env.dialogs.onNextBox([&dialog](const auto&) { EXPECT_FALSE(dialog->isVisible()); });
    env.dialogs.answerFile(pdf);
    dialog->printNow();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_GT(QFile(pdf).size(), 1000);
}

TEST_F(PrintAct, PrintSetupKeepsItsChangesInThePrinter) {
    env.dialogs.onNextBox([this](const auto&) { printer.setCopyCount(5); });
    printSetup(env.services, printer);
    EXPECT_EQ(env.dialogs.last().kind, ScriptedDialogs::Shown::Kind::PrinterSetup);
    EXPECT_EQ(open()->copies()->text(), "5");
}
