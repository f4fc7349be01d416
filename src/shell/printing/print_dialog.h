#pragma once

#include <QWidget>

struct PrintOptions;
struct Services;
class BoardWindow;
struct Puzzle;
class PrintSession;
class QCheckBox;
class QLabel;
class QPushButton;

// The print dialog print_act: shows the printer's name, copies and orientation as they were
// when it opened, and offers set-up, printing the board, and cancel. Below them, two paper
// options the settings store remembers: ink-saving colours and an answer page.
class PrintDialog : public QWidget {
    Q_OBJECT
  public:
    PrintDialog(Services& services, BoardWindow& board, const Puzzle& puzzle, PrintSession& session,
                QWidget* parent = nullptr);

    // Command1, Command2, Command3, public so tests can press them without clicking.
    void setup();
    void printNow();
    void cancel();

    QLabel* printerName() const { return name_; }         // print_name
    QLabel* copies() const { return copies_; }            // print_copies
    QLabel* orientation() const { return orientation_; }  // print_oreintation
    QPushButton* setupButton() const { return setup_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* cancelButton() const { return cancel_; }
    QCheckBox* inkSavingBox() const { return inkSaving_; }
    QCheckBox* answerPageBox() const { return answerPage_; }
    PrintOptions options() const;

  private:
    void showPrinter();

    Services& services_;
    BoardWindow& board_;
    const Puzzle& puzzle_;
    PrintSession& session_;
    QLabel* name_ = nullptr;
    QLabel* copies_ = nullptr;
    QLabel* orientation_ = nullptr;
    QPushButton* setup_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QCheckBox* inkSaving_ = nullptr;
    QCheckBox* answerPage_ = nullptr;
};

// File > Print, once the main window has made sure a puzzle is on the board.
void openPrintDialog(Services& services, BoardWindow& board, const Puzzle& puzzle,
                     PrintSession& session, QWidget* owner = nullptr);
