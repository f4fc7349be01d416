#include "platform/progress/creating_puzzle_window.h"

#include "core/generator.h"
#include "core/random_source.h"
#include "core/theme_file.h"
#include "platform/progress/creating_puzzle_ui.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

QByteArray themeBytes(std::initializer_list<const char*> words) {
    QByteArray bytes = "Animals\r\n!Me\r\n#" + QByteArray::number(int(words.size())) + "W\r\n";
    for (const char* word : words) bytes += QByteArray(word) + "\r\n";
    return bytes;
}

}  // namespace

TEST(CreatingPuzzleWindowTest, DesignedControlsWithTheCounterOutOfSight) {
    CreatingPuzzleWindow window(CreatingPuzzleWindow::Use::FontUpdate);
    auto* label = window.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), "Creating Puzzle ..");
    auto* bar = window.findChild<QProgressBar*>(QStringLiteral("PB1"));
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->maximum(), 20);
    EXPECT_EQ(bar->value(), 0);
    auto* counter = window.findChild<QLabel*>(QStringLiteral("attempt_add"));
    ASSERT_TRUE(counter);
    EXPECT_EQ(counter->text(), "1");
    EXPECT_GE(counter->geometry().top(), window.height());
    EXPECT_FALSE(window.findChild<QPushButton*>());
    EXPECT_EQ(window.windowModality(), Qt::NonModal);

    window.setLabelText(QStringLiteral("Updating fonts"));
    EXPECT_EQ(window.labelText(), "Updating fonts");
    EXPECT_EQ(window.addFailedCycle(), 2);
    EXPECT_EQ(window.attemptAddText(), "2");
}

// Values come faster than frames: the bar shows the first at once, holds back its repaints
// for the rest of the frame, and shows the latest value once the frame is over.
TEST(CreatingPuzzleWindowTest, BarCatchesUpWithValuesSetWithinOneFrame) {
    CreatingPuzzleWindow window(CreatingPuzzleWindow::Use::PuzzleGeneration);
    window.show();
    auto* bar = window.findChild<QProgressBar*>(QStringLiteral("PB1"));
    auto* frame = window.findChild<QTimer*>();
    ASSERT_TRUE(bar && frame);
    const auto endFrame = [frame] {
        ASSERT_TRUE(frame->isActive());
        frame->stop();  // as a single-shot timer is when it fires
        QMetaObject::invokeMethod(frame, "timeout");
    };
    window.setProgressValue(1);
    EXPECT_TRUE(bar->updatesEnabled());
    for (int value = 2; value <= 20; ++value) window.setProgressValue(value);
    EXPECT_EQ(window.progressValue(), 20);
    EXPECT_FALSE(bar->updatesEnabled());

    endFrame();
    EXPECT_TRUE(bar->updatesEnabled());
    EXPECT_EQ(bar->value(), 20);
    endFrame();  // a frame with no new value
    EXPECT_FALSE(frame->isActive());
    window.setProgressValue(5);
    EXPECT_TRUE(bar->updatesEnabled()) << "a value after a quiet frame shows at once";
}

TEST(CreatingPuzzleWindowTest, CaptionedAndCentredOverItsOwner) {
    QWidget owner;
    owner.setGeometry(200, 150, 800, 600);
    owner.show();
    auto* window = new CreatingPuzzleWindow(CreatingPuzzleWindow::Use::PuzzleGeneration, &owner);
    window->setLabelText(QStringLiteral("Creating Puzzle"));
    window->show();
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowTitle(), "Creating Puzzle");
    EXPECT_LE((window->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
              4);  // rounding of two centres
}

TEST(CreatingPuzzleWindowTest, GenerationOffersStopAndBlocksTheRestOfTheProgram) {
    CreatingPuzzleWindow window(CreatingPuzzleWindow::Use::PuzzleGeneration);
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
    auto* stop = window.findChild<QPushButton*>(QStringLiteral("stop"));
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->text(), "Stop");
    EXPECT_TRUE(window.rect().contains(stop->geometry()));
    EXPECT_FALSE(window.stopRequested());
    stop->click();
    EXPECT_TRUE(window.stopRequested());
    EXPECT_FALSE(stop->isEnabled());
}

TEST(CreatingPuzzleUiTest, DrivesTheWindowThroughAWholeGeneration) {
    TestEnv env;
    env.writeFile(
        QStringLiteral("data/animals.qrw"),
        themeBytes({"CAT", "DOG", "EEL", "FOX", "GNU", "HEN", "OWL", "PIG", "RAT", "YAK", "BEE"}));
    CreatingPuzzleWindow window(CreatingPuzzleWindow::Use::PuzzleGeneration);
    CreatingPuzzleUi ui(window, env.dialogs);
    SeededRandom random(4);

    const auto theme = readTheme(env.programFolder() + QStringLiteral("/data/animals.qrw"));
    ASSERT_TRUE(theme);
    const auto puzzle = generatePuzzle(*wordsToHide(*theme), Level::Expert, ui, random).puzzle;
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(window.progressMaximum(), 11);
    EXPECT_EQ(window.progressValue(), 11);
    EXPECT_TRUE(env.dialogs.shown().empty());
}

TEST(CreatingPuzzleUiTest, WaitQuestionAndFailureBoxHaveTheirExactTexts) {
    TestEnv env;
    CreatingPuzzleWindow window(CreatingPuzzleWindow::Use::PuzzleGeneration);
    CreatingPuzzleUi ui(window, env.dialogs);
    env.dialogs.answerMessage(MsgAnswer::Yes);
    EXPECT_TRUE(ui.askWait());
    EXPECT_FALSE(ui.askWait());  // unanswered: No
    showGenerationFailure(env.dialogs);

    const auto shown = env.dialogs.messages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text,
              "Due to the size of the words in this puzzle, QRW is having difficulty generating a "
              "puzzle. Do you want wait?");
    EXPECT_EQ(shown[0].title, "Puzzle Generation");
    EXPECT_EQ(shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(shown[2].text, "Could not generate puzzle!");
    EXPECT_EQ(shown[2].title, "Puzzle Error");
    EXPECT_EQ(shown[2].buttons, MsgButtons::Ok);
    EXPECT_EQ(shown[2].icon, MsgIcon::Exclamation);
}

// A theme that can never fit keeps cycling after Yes; a click on Stop, delivered while the
// generator lets events run, ends it through the failure path.
TEST(CreatingPuzzleUiTest, StopClickedDuringHopelessCyclesEndsGeneration) {
    TestEnv env;
    env.writeFile(QStringLiteral("data/long.qrw"),
                  themeBytes({"ABCDEFGHIJKLMNOPQRSTUVWXY", "CAT", "DOG", "EEL", "FOX", "GNU", "HEN",
                              "OWL", "PIG", "RAT"}));
    env.dialogs.answerMessage(MsgAnswer::Yes);
    CreatingPuzzleWindow window(CreatingPuzzleWindow::Use::PuzzleGeneration);
    window.show();
    auto* stop = window.findChild<QPushButton*>(QStringLiteral("stop"));
    // Pressed once the wait question has been answered.
    env.dialogs.onNextBox([stop](const ScriptedDialogs::Shown&) {
        QTimer::singleShot(0, stop, &QPushButton::click);
    });
    CreatingPuzzleUi ui(window, env.dialogs);
    ClockRandom random;

    // The placer would prove this theme impossible at once; without it the question comes.
    const auto theme = readTheme(env.programFolder() + QStringLiteral("/data/long.qrw"));
    ASSERT_TRUE(theme);
    const GenerationResult result = generatePuzzle(*wordsToHide(*theme), Level::Expert, ui, random,
                                                   std::chrono::milliseconds::zero());
    EXPECT_FALSE(result.puzzle);
    EXPECT_EQ(result.failure, GenerationFailure::Stopped);
    EXPECT_EQ(env.dialogs.messages().size(), 1u);
    // Seen at the start of the next cycle, before it could fail again.
    EXPECT_EQ(window.attemptAddText(), "10");
}
