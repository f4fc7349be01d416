#include "shell/main/about_window.h"

#include "platform/artwork/artwork.h"
#include "platform/pickable_label.h"
#include "platform/shell_opener.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

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

    auto* address = new PickableLabel(
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
