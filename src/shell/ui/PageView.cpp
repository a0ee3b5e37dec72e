#include "shell/ui/PageView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstring>

namespace orv {

namespace {

constexpr int kMargin = 4;  // pixels left of the text, as a text box has
constexpr int kTabColumns = 8;

bool HasLineBreak(const std::string& line) {
  return std::memchr(line.data(), '\n', line.size()) != nullptr ||
         std::memchr(line.data(), '\r', line.size()) != nullptr;
}

// A line as shown: tabs reach the next multiple of eight columns.
QString Shown(std::string_view bytes) {
  QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
  if (!text.contains(QLatin1Char('\t'))) return text;
  QString out;
  for (const QChar c : text) {
    if (c != QLatin1Char('\t')) {
      out += c;
      continue;
    }
    out += QString(kTabColumns - out.size() % kTabColumns, QLatin1Char(' '));
  }
  return out;
}

bool IsWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

}  // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setBackgroundRole(QPalette::Base);
  verticalScrollBar()->setSingleStep(1);
}

void PageView::SetPage(SharedPage page) {
  page_ = std::move(page);
  rows_.clear();
  longestLine_ = 0;
  std::size_t lines = 0;
  if (page_) {
    const bool breaks = std::any_of(page_->begin(), page_->end(), HasLineBreak);
    if (breaks) {
      // Split as the page file is written: CR LF, LF or a lone CR.
      for (const std::string& entry : *page_) {
        const std::string_view text(entry);
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
          if (text[i] != '\r' && text[i] != '\n') continue;
          rows_.push_back(text.substr(start, i - start));
          if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
          start = i + 1;
        }
        rows_.push_back(text.substr(start));
      }
      for (const std::string_view row : rows_) longestLine_ = std::max(longestLine_, row.size());
      lines = rows_.size();
    } else {
      for (const std::string& line : *page_) longestLine_ = std::max(longestLine_, line.size());
      lines = page_->size();
    }
  }
  lineCount_ = page_ ? int(lines + 1) : 0;
  anchor_ = cursor_ = {};
  selecting_ = false;
  UpdateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

std::string_view PageView::RowBytes(int row) const {
  if (!page_ || row < 0 || row >= lineCount_ - 1) return {};  // the spare line is empty
  return rows_.empty() ? std::string_view((*page_)[std::size_t(row)]) : rows_[std::size_t(row)];
}

QString PageView::Line(int row) const { return Shown(RowBytes(row)); }

QString PageView::PlainText() const {
  QString text;
  for (int row = 0; row < lineCount_; ++row) {
    if (row > 0) text += QLatin1Char('\n');
    text += Line(row);
  }
  return text;
}

QString PageView::SelectedText() const {
  const Place from = std::min(anchor_, cursor_), to = std::max(anchor_, cursor_);
  QString text;
  for (int row = from.row; row <= to.row && row < lineCount_; ++row) {
    const QString line = Line(row);
    const int start = row == from.row ? from.column : 0;
    const int end = row == to.row ? to.column : int(line.size());
    text += line.mid(start, end - start);
    if (row < to.row) text += QLatin1Char('\n');
  }
  return text;
}

void PageView::SelectAll() {
  if (lineCount_ == 0) return;
  anchor_ = {};
  cursor_ = {lineCount_ - 1, int(Line(lineCount_ - 1).size())};
  OfferSelection();
  viewport()->update();
}

void PageView::Copy() const {
  if (HasSelection()) QGuiApplication::clipboard()->setText(SelectedText());
}

void PageView::OfferSelection() const {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (HasSelection() && clipboard->supportsSelection())
    clipboard->setText(SelectedText(), QClipboard::Selection);
}

int PageView::FirstVisibleLine() const { return verticalScrollBar()->value(); }

void PageView::UpdateScrollBars() {
  const QFontMetrics metrics(font());
  const int onScreen = std::max(1, viewport()->height() / metrics.lineSpacing());
  verticalScrollBar()->setRange(0, std::max(0, lineCount_ - onScreen));
  verticalScrollBar()->setPageStep(onScreen);
  // Bytes are at least as many as characters, so the longest line fits.
  const qint64 width =
      qint64(longestLine_) * metrics.horizontalAdvance(QLatin1Char('M')) + 2 * kMargin;
  horizontalScrollBar()->setRange(0, int(std::max<qint64>(0, width - viewport()->width())));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(metrics.horizontalAdvance(QLatin1Char('M')) * 2);
}

qreal PageView::ColumnX(const QString& text, int column) const {
  return QFontMetricsF(font()).horizontalAdvance(text.left(column));
}

PageView::Place PageView::PlaceAt(QPoint point) const {
  if (lineCount_ == 0) return {};
  const int lineHeight = QFontMetrics(font()).lineSpacing();
  const int row = std::clamp(FirstVisibleLine() + point.y() / lineHeight - (point.y() < 0 ? 1 : 0),
                             0, lineCount_ - 1);
  const QString text = Line(row);
  const qreal x = point.x() + horizontalScrollBar()->value() - kMargin;
  // The character boundary nearest to x.
  int column = 0;
  qreal left = 0;
  while (column < text.size()) {
    const qreal right = ColumnX(text, column + 1);
    if (x < (left + right) / 2) break;
    left = right;
    ++column;
  }
  return {row, column};
}

void PageView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setFont(font());
  const QFontMetrics metrics(font());
  const int lineHeight = metrics.lineSpacing();
  const int first = FirstVisibleLine();
  const int last = std::min(lineCount_, first + viewport()->height() / lineHeight + 2);
  const qreal left = kMargin - horizontalScrollBar()->value();
  const Place from = std::min(anchor_, cursor_), to = std::max(anchor_, cursor_);
  const QPalette& colours = palette();
  for (int row = first; row < last; ++row) {
    const int top = (row - first) * lineHeight;
    const QString text = Line(row);
    const QPointF base(left, top + metrics.ascent());
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(base, text);
    if (!HasSelection() || row < from.row || row > to.row) continue;
    const qreal x0 = left + (row == from.row ? ColumnX(text, from.column) : 0);
    // A line break inside the selection shows as a space's width.
    const qreal x1 = left + (row == to.row ? ColumnX(text, to.column)
                                           : ColumnX(text, int(text.size())) +
                                                 metrics.horizontalAdvance(QLatin1Char(' ')));
    if (x1 <= x0) continue;
    const QRectF band(x0, top, x1 - x0, lineHeight);
    painter.fillRect(band, colours.brush(QPalette::Highlight));
    painter.save();
    painter.setClipRect(band);
    painter.setPen(colours.color(QPalette::HighlightedText));
    painter.drawText(base, text);
    painter.restore();
  }
}

void PageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void PageView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateScrollBars();
    viewport()->update();
  }
}

void PageView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::SelectAll) {
    SelectAll();
  } else if (event == QKeySequence::Copy) {
    Copy();
  } else if (event == QKeySequence::MoveToStartOfDocument) {
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
  } else if (event == QKeySequence::MoveToEndOfDocument) {
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
  } else {
    // Arrows and page keys scroll; any other key is left to the window.
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  event->accept();
}

void PageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  cursor_ = PlaceAt(event->position().toPoint());
  if (!(event->modifiers() & Qt::ShiftModifier)) anchor_ = cursor_;
  selecting_ = true;
  viewport()->update();
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
  if (!selecting_) return;
  const QPoint at = event->position().toPoint();
  // Dragging past the top or bottom scrolls on.
  if (at.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  if (at.y() > viewport()->height())
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  cursor_ = PlaceAt(at);
  viewport()->update();
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !selecting_) return;
  selecting_ = false;
  OfferSelection();
}

void PageView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || lineCount_ == 0) return;
  const Place at = PlaceAt(event->position().toPoint());
  const QString text = Line(at.row);
  int start = std::min(at.column, int(text.size())), end = start;
  while (start > 0 && IsWordCharacter(text[start - 1])) --start;
  while (end < text.size() && IsWordCharacter(text[end])) ++end;
  anchor_ = {at.row, start};
  cursor_ = {at.row, end};
  selecting_ = false;
  OfferSelection();
  viewport()->update();
}

}  // namespace orv
