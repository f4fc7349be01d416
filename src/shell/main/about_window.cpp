#include "shell/main/about_window.h"

#include "platform/artwork/artwork.h"
#include "platform/shell_opener.h"
#include "platform/twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {
class ArtworkPanel : public QWidget {
  public:
    explicit ArtworkPanel(QWidget* parent) : QWidget(parent) {
        setFixedSize(twips::toPixelsRounded(4500), twips::toPixelsRounded(900));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        artwork::paintTitle(painter, QRectF(rect()));
    }
};

// A label that reports a left click, for the home-page address.
class LinkLabel : public QLabel {
  public:
    LinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent), onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) onClick_();
    }

  private:
    std::function<void()> onClick_;
};
}  // namespace

AboutWindow::AboutWindow(ShellOpener& shell, QWidget* parent) : QDialog(parent), shell_(shell) {
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("About QRW"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new ArtworkPanel(this), 0, Qt::AlignHCenter);

    auto* version = new QLabel(QStringLiteral("Version 1.00"), this);
    version->setObjectName(QStringLiteral("version"));
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    layout->addWidget(version, 0, Qt::AlignHCenter);

    auto* address = new LinkLabel(
        web::kHomePage, [this] { openHomePage(); }, this);
    address->setObjectName(QStringLiteral("home_page"));
    address->setStyleSheet(
        QStringLiteral("QLabel { color: rgb(0,0,192); text-decoration: underline; }"));
    layout->addWidget(address, 0, Qt::AlignHCenter);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::openHomePage() {
    shell_.open(web::kHomePage);
}
