#include "board/reveal_word_dialog.h"

#include "board/reveal_rules.h"
#include "core/game_session.h"
#include "core/game_state.h"
#include "platform/design_font.h"
#include "platform/services.h"
#include "platform/sound/sound_player.h"
#include "platform/twips.h"
#include "platform/widget_colours.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr double kRowPitch = 240;  // twips

QColor rowColour(int i) {
    return i % 2 == 1 ? QColor(240, 240, 240) : QColor(255, 255, 255);
}

// Twenty bands of alternating grey and white behind the rows, also where no word is.
class RowList : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter bands(viewport());
            const int pitch = twips::toPixelsRounded(kRowPitch);
            for (int i = 1; i <= kMaxWords; ++i) {
                bands.fillRect(0, (i - 1) * pitch, viewport()->width(), pitch, rowColour(i));
            }
        }
        QListWidget::paintEvent(event);
    }
};
}  // namespace

RevealWordDialog::RevealWordDialog(Services& services, const GameSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), services_(services) {
    setWindowTitle(QStringLiteral("Reveal QRW Word"));
    setFixedSize(twips::rect(0, 0, 5065, 6615).size());

    auto* label = new QLabel(
        QStringLiteral("Please select the word you would like revealed from the list below"), this);
    label->setGeometry(twips::rect(120, 120, 4825, 495));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(designFont(8.25, true));
    setColours(label, Qt::white, QColor(128, 128, 128));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(twips::rect(120, 720, 4825, 5775));

    list_ = new RowList(frame);
    list_->setObjectName(QStringLiteral("rw_list"));
    list_->setAccessibleName(label->text());
    list_->setFrameShape(QFrame::NoFrame);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setUniformItemSizes(true);
    list_->viewport()->setAutoFillBackground(false);
    list_->setFont(designFont(8.25, true));
    list_->setGeometry(twips::rect(120, kRowPitch, 4585, kRowPitch * kMaxWords + 15));
    const QSize rowSize(list_->width(), twips::toPixelsRounded(kRowPitch));
    const auto rows = reveal::rows(session);
    for (int i = 1; i <= session.wordCount(); ++i) {
        auto* item = new QListWidgetItem(rows[i].caption, list_);
        item->setTextAlignment(Qt::AlignCenter);
        item->setSizeHint(rowSize);
        // Struck words keep their place in the list but are greyed and cannot be picked.
        if (!rows[i].enabled) item->setForeground(QColor(128, 128, 128));
        item->setData(Qt::AccessibleTextRole, rows[i].spoken);
        item->setData(Qt::UserRole, rows[i].enabled);
    }
    for (int i = 1; i <= session.wordCount(); ++i) {
        if (pickable(i)) {
            list_->setCurrentRow(i - 1);
            break;
        }
    }
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseRow(list_->row(item) + 1); });
    list_->installEventFilter(this);

    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), frame);
    cancelButton_->setObjectName(QStringLiteral("Command1"));
    cancelButton_->setGeometry(twips::rect(1800, 5220, 1215, 375));
    cancelButton_->setAutoDefault(true);  // Enter presses it while it has the focus
    connect(cancelButton_, &QPushButton::clicked, this, &RevealWordDialog::cancel);
    cancelButton_->setFocus();

    services_.state.loopSound = 1;
    services_.sound.tune(Sound::RevealTune, true);
}

QListWidgetItem* RevealWordDialog::row(int i) const {
    return i >= 1 && i <= list_->count() ? list_->item(i - 1) : nullptr;
}

bool RevealWordDialog::pickable(int i) const {
    const QListWidgetItem* item = row(i);
    return item && item->data(Qt::UserRole).toBool();
}

void RevealWordDialog::chooseRow(int index) {
    if (!pickable(index)) return;
    emit wordChosen(index);
}

void RevealWordDialog::cancel() {
    close();
}

void RevealWordDialog::closeEvent(QCloseEvent* event) {
    services_.sound.stopTune();
    event->accept();
}

void RevealWordDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cancel();
    } else {
        QWidget::keyPressEvent(event);
    }
}

bool RevealWordDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                chooseRow(list_->currentRow() + 1);
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
