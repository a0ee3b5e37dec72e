#include "shell/ui/Title.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace orv {

namespace {

constexpr int kPictureSizePx = 112;
constexpr int kTextWidthPx = 330;
constexpr double kNameFontScale = 2.0;

// The window's picture: a plain chart wheel, twelve houses round a hub.
class WheelPicture : public QWidget {
 public:
  explicit WheelPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureSizePx, kPictureSizePx);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double outer = width() / 2.0 - 4;
    const double inner = outer * 0.72;
    const double hub = outer * 0.22;
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.setBrush(QColor(255, 255, 224));
    painter.drawEllipse(centre, outer, outer);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, inner, inner);
    painter.drawEllipse(centre, hub, hub);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    for (int house = 0; house < 12; ++house) {
      const double angle = house * M_PI / 6.0;
      const QPointF dir(std::cos(angle), std::sin(angle));
      painter.drawLine(centre + dir * hub, centre + dir * outer);
    }
  }
};

QLabel* TextLabel(const char* objectName, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(objectName);
  // Plain text keeps the two blanks between the help pointer's sentences.
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

Title::Title(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("TITLE");
  setWindowTitle(kTitleProgramName);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* name = TextLabel("lblProgramName", kTitleProgramName, this);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * kNameFontScale);
  big.setBold(true);
  name->setFont(big);
  auto* version = TextLabel("lblVersion", kTitleVersion, this);
  auto* help = TextLabel("lblHelpPointer", kTitleHelpPointer, this);
  help->setWordWrap(true);
  help->setFixedWidth(kTextWidthPx);

  cmdOK_ = new QPushButton("Continue", this);
  cmdOK_->setObjectName("cmdOK");
  cmdOK_->setVisible(false);
  connect(cmdOK_, &QPushButton::clicked, this, &Title::cmdOK_Click);

  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(version);
  texts->addSpacing(8);
  texts->addWidget(help);
  texts->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(new WheelPicture(this), 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(texts);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK_);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addLayout(buttons);
  // Room for the button from the start, so the window does not jump.
  all->setSizeConstraint(QLayout::SetFixedSize);
  buttons->addStrut(cmdOK_->sizeHint().height());
}

void Title::ShowContinue() {
  cmdOK_->setVisible(true);
  cmdOK_->setDefault(true);
  cmdOK_->setFocus();
}

void Title::cmdOK_Click() {
  continued_ = true;
  close();
  emit Continued();
}

void Title::closeEvent(QCloseEvent* event) {
  event->accept();
  if (continued_) return;
  // Closing the window is taken as Continue, or start-up would wait forever.
  continued_ = true;
  emit Continued();
}

}  // namespace orv
