#pragma once

#include "core/theme_file.h"
#include "editor/editor_box_colours.h"
#include "editor/editor_checks.h"
#include "editor/word_list.h"

#include <QWidget>

#include <array>

struct Services;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The puzzle editor Create_list: twenty word boxes, twenty question boxes, title and author.
// "Create Puzzle File" saves a theme file and closes the window; "Cancel" and the close box
// close it, asking first when a word was typed. Every box it opens belongs to it.
class CreateListWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CreateListWindow(Services& services, QWidget* parent = nullptr);

    // Fills the boxes from a theme read by the loader.
    void loadTheme(const EditorTheme& theme);
    EditorEntries entries() const;
    // Puts a word list into the word boxes from `firstRow` on and says what the editor would
    // refuse in it.
    void placeWordList(const std::vector<ListedWord>& list, int firstRow);

    // Command1, Command2 and "Import Words...", public so tests can press them without clicking.
    void createPuzzleFile();
    void cancel();
    void importWordList();

    QLineEdit* wordBox(int i) const { return words_[i]; }          // pa_word, 1..20
    QLineEdit* questionBox(int i) const { return questions_[i]; }  // pa_quest, 1..20
    QLineEdit* titleBox() const { return title_; }                 // puz_name
    QLineEdit* authorBox() const { return author_; }               // a_name
    QCheckBox* questionsCheck() const { return check_; }           // Check1
    QPushButton* createButton() const { return create_; }          // Command1
    QPushButton* cancelButton() const { return cancel_; }          // Command2
    QPushButton* importButton() const { return import_; }
    const EditorBoxColours& colours() const { return colours_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QLineEdit* addBox(const char* name, int row, double left, double top);
    void buildDecoration();
    void setQuestionsOn(bool on);
    void applyColours();
    bool mayLeave();  // asks Cancel's question when a word box holds text
    void closeWithoutAsking();
    void showEntries(const EditorEntries& entries);
    bool pasteWordList(int row);  // false when the clipboard holds no list

    Services& services_;
    EditorBoxColours colours_;
    std::array<QLineEdit*, EditorEntries::kBoxes + 1> words_{};
    std::array<QLineEdit*, EditorEntries::kBoxes + 1> questions_{};
    QLineEdit* title_ = nullptr;
    QLineEdit* author_ = nullptr;
    QCheckBox* check_ = nullptr;
    QPushButton* create_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* import_ = nullptr;
    bool leaving_ = false;  // the window is closing on a decision already made
};

// Tools menu entries: an empty editor, or the editor filled from a theme the player picks.
// Both show the window owned by `owner` (the main window) and return at once.
void openPuzzleCreator(Services& services, QWidget* owner = nullptr);
void openPuzzleEditor(Services& services, QWidget* owner = nullptr);
// The editor filled from a named file (opened from the desktop or the command line): a theme
// file, or a plain word list put into the boxes with the file's name as the title.
void openPuzzleEditorOn(Services& services, const QString& path, QWidget* owner = nullptr);
