#include "board/reveal_word_dialog.h"

#include "board/reveal_rules.h"
#include "core/game_session.h"
#include "core/game_state.h"
#include "platform/design_font.h"
#include "platform/pickable_label.h"
#include "platform/services.h"
#include "platform/sound/sound_player.h"
#include "platform/twips.h"
#include "platform/widget_colours.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

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

    const auto captions = reveal::rows(session);
    for (int i = 1; i <= kMaxWords; ++i) {
        auto* row = new PickableLabel(
            QString(), [this, i] { chooseRow(i); }, frame);
        row->setGeometry(twips::rect(120, 240.0 * i, 4585, 255));
        row->setAlignment(Qt::AlignCenter);
        row->setFont(designFont(8.25, true));
        setBackgroundColour(row, i % 2 == 1 ? QColor(240, 240, 240) : QColor(255, 255, 255));
        row->setText(captions[i].caption);
        row->setEnabled(captions[i].enabled);
        rows_[i] = row;
    }

    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), frame);
    cancelButton->setObjectName(QStringLiteral("Command1"));
    cancelButton->setGeometry(twips::rect(1800, 5220, 1215, 375));
    connect(cancelButton, &QPushButton::clicked, this, &RevealWordDialog::cancel);

    services_.state.loopSound = 1;
    services_.sound.tune(Sound::RevealTune, true);
}

void RevealWordDialog::chooseRow(int index) {
    if (index < 1 || index > kMaxWords || !rows_[index]->isEnabled()) return;
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
