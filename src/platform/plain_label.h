#pragma once

#include <QLabel>

// A label for text from a theme file or the settings store: always plain text, so markup shows
// as typed and never loads anything, and where the text is wider than the label its start
// shows with an ellipsis instead of being clipped mid-letter. It wraps into at most
// `maximumLines` lines (one unless set), fewer if the label is not tall enough. Its size hint
// does not grow with the text, so a long title cannot widen a window.
class PlainLabel : public QLabel {
    Q_OBJECT

  public:
    explicit PlainLabel(QWidget* parent = nullptr);
    PlainLabel(const QString& text, QWidget* parent);

    void setMaximumLines(int lines);
    // What the label shows at its present size, line feeds between lines.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect textArea() const;
    int linesThatFit(int height) const;

    int maximumLines_ = 1;
};
