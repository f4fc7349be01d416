#include "platform/dialog_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace {

// Sees the keys the window's controls leave unused, which Qt passes on to the window.
class DialogKeys : public QObject {
  public:
    DialogKeys(QWidget& window, QPushButton& defaultButton)
        : QObject(&window), window_(window), defaultButton_(defaultButton) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                defaultButton_.click();
                return true;
            case Qt::Key_Escape:
                window_.close();
                return true;
            default:
                return false;
        }
    }

  private:
    QWidget& window_;
    QPushButton& defaultButton_;
};

}  // namespace

void giveDialogKeys(QWidget& window, QPushButton& defaultButton) {
    defaultButton.setDefault(true);
    window.installEventFilter(new DialogKeys(window, defaultButton));
}
