#include "shell/printing/print_dialog.h"
#include "board/board_window.h"
#include "core/puzzle.h"
#include "fake_print_system.h"
#include "shell/printing/print_session.h"
#include "shell/printing/print_settings.h"
#include "shell/printing/print_setup_dialog.h"
#include "shell/printing/printer_summary.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <memory>

namespace {

class PrintAct : public ::testing::Test {
  protected:
    std::unique_ptr<PrintDialog> open() {
        auto dialog = std::make_unique<PrintDialog>(env.services, board, puzzle, session);
        dialog->show();
        return dialog;
    }
    // Answers the set-up dialog the next exec() shows: `choose` fills it in, then OK.
    void nextSetup(std::function<void(PrintSetupDialog&)> choose) {
        QTimer::singleShot(0, [choose] {
            auto* setup = qobject_cast<PrintSetupDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(setup, nullptr);
            choose(*setup);
            setup->accept();
        });
    }
    TestEnv env;
    BoardWindow board{env.state};
    Puzzle puzzle;
    FakePrintSystem* system = new FakePrintSystem;
    PrintSession session{std::unique_ptr<PrintSystem>(system)};
};

}  // namespace

TEST(PrinterSummary, OrientationNumbersAndCaptions) {
    EXPECT_EQ(printing::orientationNumber(QPageLayout::Portrait), 1);
    EXPECT_EQ(printing::orientationNumber(QPageLayout::Landscape), 2);
    EXPECT_EQ(printing::orientationCaption(1), "Portrait");
    EXPECT_EQ(printing::orientationCaption(2), "Landscape");
    EXPECT_EQ(printing::orientationCaption(0), "Landscape");
}

TEST(PrinterList, ReadsTheDefaultAndTheQueues) {
    const PrinterList list =
        printing::parsePrinterList("system default destination: PDF\nOffice\nPDF\n");
    EXPECT_EQ(list.names, QStringList({"Office", "PDF"}));
    EXPECT_EQ(list.defaultName, "PDF");
    EXPECT_TRUE(printing::parsePrinterList("no system default destination\n").names.isEmpty());
    EXPECT_TRUE(
        printing::parsePrinterList("no system default destination\nPDF\n").defaultName.isEmpty());
}

TEST(PrintOptionsStore, RememberedUnderTheirOwnKeys) {
    TestEnv env;
    EXPECT_FALSE(printing::readOptions(*env.settings).inkSaving);
    EXPECT_FALSE(printing::readOptions(*env.settings).answerPage);
    printing::writeOptions(*env.settings, {true, false});
    EXPECT_EQ(env.settings->read("Settings", "P_INKSAVE", ""), "True");
    EXPECT_EQ(env.settings->read("Settings", "P_ANSWERS", ""), "False");
    EXPECT_TRUE(printing::readOptions(*env.settings).inkSaving);
}

TEST_F(PrintAct, ShowsThePrinterAsItWasWhenOpened) {
    session.choose({QStringLiteral("Office"), QPageSize::A4, QPageLayout::Portrait, 3});
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), "Print WordSearch");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label7")->text(), " Selected Printer");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label5")->text(), " Print Copies");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label3")->text(), " Print Oreintation");
    EXPECT_EQ(dialog->printerName()->text(), "Office");
    EXPECT_EQ(dialog->copies()->text(), "3");
    EXPECT_EQ(dialog->orientation()->text(), "Portrait");
    // The paper options come below the designed controls.
    EXPECT_GT(dialog->inkSavingBox()->y(), dialog->printButton()->geometry().bottom());
    EXPECT_EQ(dialog->inkSavingBox()->text(), "Ink-saving print");
    EXPECT_EQ(dialog->answerPageBox()->text(), "Add answer page");

    // Set-up turns the page; the open dialog keeps its labels.
    nextSetup([](PrintSetupDialog& setup) { setup.landscapeButton()->setChecked(true); });
    dialog->setup();
    EXPECT_EQ(session.settings().orientation, QPageLayout::Landscape);
    EXPECT_EQ(dialog->orientation()->text(), "Portrait");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(open()->orientation()->text(), "Landscape");
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_TRUE(system->jobs.empty()) << "set-up never prints";
}

TEST_F(PrintAct, PaperOptionsAreRememberedAndUsed) {
    {
        auto dialog = open();
        EXPECT_FALSE(dialog->inkSavingBox()->isChecked());
        dialog->answerPageBox()->setChecked(true);
    }
    EXPECT_EQ(env.settings->read("Settings", "P_ANSWERS", ""), "True");
    auto dialog = open();
    EXPECT_TRUE(dialog->answerPageBox()->isChecked());
    EXPECT_FALSE(dialog->options().inkSaving);
    EXPECT_TRUE(dialog->options().answerPage);
}

TEST_F(PrintAct, ADefaultPrinterThatAppearsLaterIsPickedUpOnOpen) {
    auto dialog = open();
    EXPECT_EQ(dialog->printerName()->text(), "PDF file");
    system->answerLists({});  // no print server yet
    EXPECT_EQ(session.settings().printer, "");

    dialog = open();
    system->answerLists({{"PDF", "Office"}, "PDF"});
    EXPECT_EQ(dialog->printerName()->text(), "PDF");
    EXPECT_EQ(session.settings().printer, "PDF");

    // Once a printer is known, opening the dialog asks the print system nothing.
    open();
    EXPECT_TRUE(system->pendingLists.empty());
}

TEST_F(PrintAct, PdfFileChosenInSetupIsNotOverriddenByTheDefault) {
    nextSetup([](PrintSetupDialog& setup) { setup.printerBox()->setCurrentIndex(0); });
    printing::runPrintSetup(session, nullptr);
    system->answerLists({{"PDF"}, "PDF"});  // the set-up dialog's list
    open();
    EXPECT_TRUE(system->pendingLists.empty());
    EXPECT_EQ(session.settings().printer, "");
}

TEST_F(PrintAct, SetupOffersTheQueuesAndKeepsTheChoiceOnlyOnOk) {
    PrintSetupDialog setup(session);
    EXPECT_EQ(setup.printerBox()->count(), 1) << "PDF file until the system answers";
    system->answerLists({{"Office", "PDF"}, "PDF"});
    ASSERT_EQ(setup.printerBox()->count(), 3);
    EXPECT_EQ(setup.printerBox()->currentText(), "PDF") << "the default, nothing being chosen";
    setup.printerBox()->setCurrentIndex(setup.printerBox()->findText("Office"));
    setup.paperBox()->setCurrentIndex(setup.paperBox()->findText("Legal"));
    setup.copiesBox()->setValue(4);
    const PrintSettings chosen = setup.chosen();
    EXPECT_EQ(chosen.printer, "Office");
    EXPECT_EQ(chosen.paper, QPageSize::Legal);
    EXPECT_EQ(chosen.copies, 4);

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    const PrintSettings before = session.settings();
    printing::runPrintSetup(session, nullptr);  // cancelled
    EXPECT_EQ(session.settings().printer, before.printer);
    EXPECT_EQ(session.settings().copies, before.copies);
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

TEST_F(PrintAct, APrinterPickedBeforeTheListArrivesStays) {
    PrintSetupDialog setup(session);
    emit setup.printerBox()->activated(0);  // "PDF file", picked by the player
    system->answerLists({{"Office"}, "Office"});
    EXPECT_EQ(setup.printerBox()->currentText(), "PDF file");
}
