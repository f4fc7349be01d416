#include "editor/create_list_window.h"

#include "editor/editor_banner.h"
#include "editor/editor_files.h"
#include "platform/owned_window.h"
#include "platform/services.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>
#include <vector>

namespace {

// Design layout, in twips.
constexpr double kClientWidth = 8880;
constexpr double kClientHeight = 6780;
constexpr double kBoxWidth = 1575;
constexpr double kBoxHeight = 285;
constexpr double kFirstRowTop = 840;
constexpr double kRowStep = 360;
constexpr double kWordLeft[2] = {600, 2280};
constexpr double kQuestionLeft[2] = {4680, 6360};
constexpr double kFieldLeft = 3240;
constexpr double kFieldWidth = 4935;
constexpr double kTitleTop = 5160;
constexpr double kAuthorTop = 5640;

const char* const kRowProperty = "editorRow";

double rowTop(int i) {
    return kFirstRowTop + kRowStep * ((i - 1) % 10);
}
int column(int i) {
    return (i - 1) / 10;
}

void setBackColour(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);  // every colour group, disabled included
    box->setPalette(palette);
}

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

CreateListWindow::CreateListWindow(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("Create_list"));
    setWindowTitle(QStringLiteral("Create Quarrow Puzzle"));
    setFixedSize(twips::toPixelsRounded(kClientWidth), twips::toPixelsRounded(kClientHeight));
    buildDecoration();

    for (int i = 1; i <= EditorEntries::kBoxes; ++i) {
        words_[i] = addBox("pa_word_%1", i, kWordLeft[column(i)], rowTop(i));
        words_[i]->setAccessibleName(QStringLiteral("Word %1").arg(i));
    }
    for (int i = 1; i <= EditorEntries::kBoxes; ++i) {
        questions_[i] = addBox("pa_quest_%1", i, kQuestionLeft[column(i)], rowTop(i));
        questions_[i]->setAccessibleName(QStringLiteral("Question %1").arg(i));
    }

    check_ = new QCheckBox(QStringLiteral("Add releated questions to QRW puzzle?"), this);
    check_->setObjectName(QStringLiteral("Check1"));
    check_->setGeometry(twips::rect(600, 4680, 7575, 300));
    connect(check_, &QCheckBox::toggled, this, &CreateListWindow::setQuestionsOn);

    addLabel(this, QStringLiteral("Puzzle Title :"), twips::rect(600, kTitleTop, 2520, 285));
    addLabel(this, QStringLiteral("Author :"), twips::rect(600, kAuthorTop, 2520, 285));
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("puz_name"));
    title_->setGeometry(twips::rect(kFieldLeft, kTitleTop, kFieldWidth, kBoxHeight));
    title_->setAccessibleName(QStringLiteral("Puzzle Title"));
    author_ = new QLineEdit(this);
    author_->setObjectName(QStringLiteral("a_name"));
    author_->setGeometry(twips::rect(kFieldLeft, kAuthorTop, kFieldWidth, kBoxHeight));
    author_->setAccessibleName(QStringLiteral("Author"));
    title_->installEventFilter(this);
    author_->installEventFilter(this);

    create_ = new QPushButton(QStringLiteral("Create Puzzle File"), this);
    create_->setObjectName(QStringLiteral("Command1"));
    create_->setGeometry(twips::rect(kFieldLeft, 6120, 2400, 435));
    connect(create_, &QPushButton::clicked, this, &CreateListWindow::createPuzzleFile);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Command2"));
    cancel_->setGeometry(twips::rect(kFieldLeft + kFieldWidth - 2400, 6120, 2400, 435));
    connect(cancel_, &QPushButton::clicked, this, &CreateListWindow::cancel);
    import_ = new QPushButton(QStringLiteral("Import Words..."), this);
    import_->setObjectName(QStringLiteral("import_words"));
    import_->setGeometry(twips::rect(600, 6120, 2400, 435));
    connect(import_, &QPushButton::clicked, this, &CreateListWindow::importWordList);

    // Words down both columns, then the questions, then title and author.
    std::vector<QWidget*> order(words_.begin() + 1, words_.end());
    order.insert(order.end(), questions_.begin() + 1, questions_.end());
    order.insert(order.end(), {title_, author_, check_, import_, create_, cancel_});
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    setQuestionsOn(false);
}

QLineEdit* CreateListWindow::addBox(const char* name, int row, double left, double top) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name).arg(row));
    box->setGeometry(twips::rect(left, top, kBoxWidth, kBoxHeight));
    box->setProperty(kRowProperty, row);
    box->installEventFilter(this);
    return box;
}

void CreateListWindow::buildDecoration() {
    auto* banner = new EditorBanner(this);
    banner->setGeometry(twips::rect(360, 120, 8160, 405));
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(twips::rect(360, 555, 8160, 3975));
    addLabel(this, QStringLiteral("Words"), twips::rect(600, 600, 3255, 225));
    addLabel(this, QStringLiteral("Questions"), twips::rect(4680, 600, 3255, 225));
}

void CreateListWindow::setQuestionsOn(bool on) {
    colours_.setQuestionsOn(on);
    for (int i = 1; i <= EditorEntries::kBoxes; ++i) questions_[i]->setEnabled(on);
    applyColours();
}

void CreateListWindow::applyColours() {
    for (int i = 1; i <= EditorEntries::kBoxes; ++i) {
        setBackColour(words_[i], colours_.wordColour(i));
        setBackColour(questions_[i], colours_.questionColour(i));
    }
}

bool CreateListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A box the player leaves shows the start of its text, as a loaded one does; not when
        // only a message box or menu took the focus for a moment.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            box->setCursorPosition(0);
    }
    // A list pasted into a word box fills that box and the ones below it.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        const int row = watched->property(kRowProperty).toInt();
        if (row > 0 && watched == words_[row] && pasteWordList(row)) return true;
    }
    if (event->type() == QEvent::FocusIn && colours_.questionsOn() &&
        watched->property(kRowProperty).isValid()) {
        colours_.focusRow(watched->property(kRowProperty).toInt());
        applyColours();
    }
    return QWidget::eventFilter(watched, event);
}

EditorEntries CreateListWindow::entries() const {
    EditorEntries entries;
    entries.title = title_->text();
    entries.author = author_->text();
    entries.questionsOn = check_->isChecked();
    for (int i = 1; i <= EditorEntries::kBoxes; ++i) {
        entries.words[i] = words_[i]->text();
        entries.questions[i] = questions_[i]->text();
    }
    return entries;
}

void CreateListWindow::loadTheme(const EditorTheme& theme) {
    EditorEntries loaded;
    loaded.title = theme.title;
    loaded.author = theme.author;
    loaded.questionsOn = theme.questionsOn;
    loaded.words = theme.words;
    loaded.questions = theme.questions;
    showEntries(loaded);
}

void CreateListWindow::showEntries(const EditorEntries& shown) {
    title_->setText(shown.title);
    author_->setText(shown.author);
    for (int i = 1; i <= EditorEntries::kBoxes; ++i) {
        words_[i]->setText(shown.words[i]);
        questions_[i]->setText(shown.questions[i]);
    }
    check_->setChecked(shown.questionsOn);
    // Long texts show their start, not their tail.
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->setCursorPosition(0);
}

void CreateListWindow::placeWordList(const std::vector<ListedWord>& list, int firstRow) {
    const editor::PlacedList placed = editor::placeWordList(entries(), list, firstRow);
    showEntries(placed.entries);
    if (placed.problem) editor::show(services_.dialogs, *placed.problem);
}

bool CreateListWindow::pasteWordList(int row) {
    const std::vector<ListedWord> list = parseWordList(QGuiApplication::clipboard()->text());
    if (!isWordList(list)) return false;
    placeWordList(list, row);
    return true;
}

void CreateListWindow::importWordList() {
    const QString path = services_.dialogs.openWordList(QDir::homePath());
    if (path.isEmpty()) return;
    if (const auto text = editor::readWordListFile(services_, path))
        placeWordList(parseWordList(*text), editor::rowAfterLastWord(entries()));
}

void CreateListWindow::createPuzzleFile() {
    EditorEntries current = entries();
    const editor::SaveOutcome outcome = editor::createPuzzleFile(services_, current);
    author_->setText(current.author);
    if (outcome == editor::SaveOutcome::Saved) closeWithoutAsking();
}

void CreateListWindow::cancel() {
    if (mayLeave()) closeWithoutAsking();
}

bool CreateListWindow::mayLeave() {
    if (!editor::cancelNeedsQuestion(entries())) return true;
    return editor::show(services_.dialogs, editor::cancelQuestion()) == MsgAnswer::Yes;
}

void CreateListWindow::closeWithoutAsking() {
    leaving_ = true;
    close();
}

void CreateListWindow::closeEvent(QCloseEvent* event) {
    // The close box asks Cancel's question too: typed words are never dropped silently.
    const bool decided = std::exchange(leaving_, false);
    if (decided || mayLeave())
        event->accept();
    else
        event->ignore();
}

void openPuzzleCreator(Services& services, QWidget* owner) {
    showOwnedWindow(new CreateListWindow(services, owner));
}

namespace {
void showEditorWith(Services& services, const std::optional<EditorTheme>& theme, QWidget* owner) {
    if (!theme) return;
    auto* window = new CreateListWindow(services, owner);
    window->loadTheme(*theme);
    showOwnedWindow(window);
}
}  // namespace

void openPuzzleEditor(Services& services, QWidget* owner) {
    showEditorWith(services, editor::pickPuzzleToEdit(services), owner);
}

void openPuzzleEditorOn(Services& services, const QString& path, QWidget* owner) {
    if (!editor::isWordListFile(path)) {
        showEditorWith(services, editor::loadPuzzleToEdit(services, path), owner);
        return;
    }
    const auto text = editor::readWordListFile(services, path);
    if (!text) return;
    auto* window = new CreateListWindow(services, owner);
    window->titleBox()->setText(QFileInfo(path).completeBaseName());
    showOwnedWindow(window);
    window->placeWordList(parseWordList(*text), 1);
}
