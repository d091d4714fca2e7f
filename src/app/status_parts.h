#pragma once
// The four parts of the main window's status bar, at their designed places from the left (right edges
// 190, 300, 413, 480). A part whose text does not fit grows to the text, moving the parts after it; a
// window narrower than the parts cuts them off at its right edge instead of squeezing them, and a part
// cut so shows its whole text as tooltip.
#include <QWidget>
#include <array>

class QLabel;

inline constexpr int kStatusParts = 4;

class StatusParts : public QWidget {
 public:
  explicit StatusParts(QWidget* parent);
  QLabel* label(int part) const { return labels_[part]; }
  void setText(int part, const QString& text);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void layOut();

  std::array<QLabel*, kStatusParts> labels_{};
};
