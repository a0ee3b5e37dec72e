#include "shell/ui/About.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Process.h"

namespace orv {

namespace {

constexpr const char* kProgramName = "Orvanta8";
constexpr double kLetteringPoints = 24;
constexpr int kShadowCopies = 100;
// Where the first copy's top-left corner sits, in twips (1440 to the inch).
constexpr double kLetteringLeftTwips = 400;
constexpr double kLetteringTopTwips = 75;
constexpr double kTwipsPerInch = 1440;

QFont LetteringFont(QFont font) {
  font.setPointSizeF(kLetteringPoints);
  font.setBold(true);
  return font;
}

}  // namespace

Lettering::Lettering(QWidget* parent) : QWidget(parent) {
  const QFontMetrics metrics(LetteringFont(font()));
  const double twip = logicalDpiX() / kTwipsPerInch;
  const double shadow = (kShadowCopies + 1) * twip;
  setFixedSize(
      int(kLetteringLeftTwips * twip + metrics.horizontalAdvance(kProgramName) + shadow) + 8,
      int(kLetteringTopTwips * logicalDpiY() / kTwipsPerInch + metrics.height() + shadow) + 4);
}

void Lettering::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(LetteringFont(font()));
  const double twipX = logicalDpiX() / kTwipsPerInch;
  const double twipY = logicalDpiY() / kTwipsPerInch;
  // Text is placed by its top-left corner, as the window's print did.
  const double ascent = painter.fontMetrics().ascent();
  const auto at = [&](int copy) {
    return QPointF((kLetteringLeftTwips + copy) * twipX,
                   (kLetteringTopTwips + copy) * twipY + ascent);
  };
  painter.setPen(Qt::black);
  for (int copy = 0; copy < kShadowCopies; ++copy) painter.drawText(at(copy), kProgramName);
  painter.setPen(QColor(255, 255, 0));
  painter.drawText(at(kShadowCopies), kProgramName);
}

About::About(ProjectAddresses addresses, QWidget* parent) : QDialog(parent) {
  setObjectName("About");
  setWindowTitle("About Orvanta8");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new Lettering(this), 0, Qt::AlignHCenter);
  auto* version = new QLabel(kVersionText, this);
  version->setObjectName("lblVersion");
  layout->addWidget(version, 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel("An astrology workbench for the desktop", this), 0,
                    Qt::AlignHCenter);

  if (!addresses.email.empty()) {
    auto* email = new QLabel(QString::fromStdString(addresses.email), this);
    email->setObjectName("lblEmail");
    email->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(email, 0, Qt::AlignHCenter);
  }
  if (!addresses.webPage.empty()) {
    const QString page = QString::fromStdString(addresses.webPage);
    auto* web = new QLabel(
        QString("<a href=\"%1\">%2</a>").arg(page.toHtmlEscaped(), page.toHtmlEscaped()), this);
    web->setObjectName("Label3");
    web->setTextFormat(Qt::RichText);
    web->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(web, &QLabel::linkActivated, this,
            [](const QString& link) { ShellOpen(link.toStdString()); });
    layout->addWidget(web, 0, Qt::AlignHCenter);
  }

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addSpacing(8);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void About::mousePressEvent(QMouseEvent* event) {
  event->accept();
  accept();
}

}  // namespace orv
