#include "app/status_parts.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>

namespace {

constexpr std::array<int, kStatusParts> kStatusPartEdges = {190, 300, 413, 480};

}  // namespace

StatusParts::StatusParts(QWidget* parent) : QWidget(parent) {
  for (QLabel*& label : labels_) {
    label = new QLabel(this);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
  }
  setMinimumWidth(0);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void StatusParts::setText(int part, const QString& text) {
  labels_[part]->setText(text);
  layOut();
}

QSize StatusParts::sizeHint() const {
  return {kStatusPartEdges.back(), labels_[0]->sizeHint().height()};
}

QSize StatusParts::minimumSizeHint() const {
  return {0, labels_[0]->sizeHint().height()};
}

void StatusParts::resizeEvent(QResizeEvent*) {
  layOut();
}

void StatusParts::changeEvent(QEvent* event) {
  // The fonts are rebuilt after the settings dialog; the texts need their new widths.
  if (event->type() == QEvent::FontChange) layOut();
  QWidget::changeEvent(event);
}

void StatusParts::layOut() {
  int left = 0;
  int designed_left = 0;
  for (int part = 0; part < kStatusParts; ++part) {
    QLabel* label = labels_[part];
    const int width = std::max(kStatusPartEdges[part] - designed_left, label->sizeHint().width());
    label->setGeometry(left, 0, width, height());
    label->setToolTip(left + width > this->width() ? label->text() : QString());
    designed_left = kStatusPartEdges[part];
    left += width;
  }
}
