#include "app/dialog_units.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

QFont DialogTemplateFont() {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPointSize(9);
  return font;
}

namespace {

const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
constexpr char kTemplateRect[] = "template_rect";

// The text as drawn: a single "&" marks the mnemonic and is not shown, "&&" shows one "&".
QString ShownText(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

// Pixels across the control needs to show its template text whole; 0 for a control without one.
int TextWidthNeeded(const QWidget* control, const QFontMetrics& metrics) {
  const int margin = 2 * metrics.averageCharWidth();
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    int widest = 0;  // a text of several lines needs its widest line
    for (const QString& line : (label->buddy() ? ShownText(label->text()) : label->text()).split(u'\n'))
      widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(control))
    return metrics.horizontalAdvance(ShownText(group->title())) + margin;
  if (const auto* button = qobject_cast<const QPushButton*>(control))
    return metrics.horizontalAdvance(ShownText(button->text())) + margin;
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->sizeHint().width();
  if (const auto* list = qobject_cast<const QComboBox*>(control); list && !list->isEditable())
    return list->sizeHint().width();
  return 0;
}

}  // namespace

// The average character width is that of the 52 Latin letters, as the templates were measured; the
// font's own average (often its narrowest glyphs) would clip their texts.
DialogUnits::DialogUnits(QDialog* dialog, int width, int height) {
  dialog->setFont(DialogTemplateFont());
  const QFontMetrics metrics(dialog->font());
  alphabet_width_ = metrics.horizontalAdvance(kAlphabet);
  char_height_ = metrics.height();
  dialog->setFixedSize(X(width), Y(height));
}

void DialogUnits::Place(QWidget* control, int id, int x, int y, int width, int height) const {
  if (id != 0) control->setObjectName(QString::number(id));
  control->setProperty(kTemplateRect, QRect(x, y, width, height));
  control->setGeometry(X(x), Y(y), X(width), Y(height));
}

int DialogUnits::X(int units) const {
  return (units * alphabet_width_ + kAlphabet.size() * 2) / (kAlphabet.size() * 4);
}

int DialogUnits::Y(int units) const {
  return (units * char_height_ + 4) / 8;
}

void FitTemplateTexts(QDialog* dialog, int width, int height, std::initializer_list<int> filled_ids) {
  const QFontMetrics metrics(dialog->font());
  const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  // Pixels per four horizontal units, as the constructor measures them, widened where a text needs it.
  double char_width = metrics.horizontalAdvance(kAlphabet) / static_cast<double>(kAlphabet.size());
  for (const QWidget* control : controls) {
    const QRect rect = control->property(kTemplateRect).toRect();
    bool ok = false;
    const int id = control->objectName().toInt(&ok);
    if (rect.width() <= 0 || (ok && std::find(filled_ids.begin(), filled_ids.end(), id) != filled_ids.end()))
      continue;
    char_width = std::max(char_width, TextWidthNeeded(control, metrics) * 4.0 / rect.width());
  }
  const auto x = [char_width](int units) { return static_cast<int>(std::lround(units * char_width / 4)); };
  const auto y = [&metrics](int units) { return (units * metrics.height() + 4) / 8; };
  for (QWidget* control : controls) {
    const QRect rect = control->property(kTemplateRect).toRect();
    if (rect.isNull()) continue;
    control->setGeometry(x(rect.x()), y(rect.y()), x(rect.width()), y(rect.height()));
  }
  dialog->setFixedSize(x(width), y(height));
}

QWidget* CreateTemplateGroupBox(const QString& title, QWidget* dialog) {
  auto* box = new QGroupBox(title, dialog);
  box->setStyleSheet(
      QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
                     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 5px;"
                     " padding: 0 2px; }"));
  return box;
}

void PlaceTemplateTexts(QDialog* dialog, const DialogUnits& units, std::span<const TextTemplate> texts) {
  for (const TextTemplate& text : texts) {
    QWidget* control = text.group_box ? CreateTemplateGroupBox(QString::fromUtf8(text.text), dialog)
                                      : new QLabel(QString::fromUtf8(text.text), dialog);
    units.Place(control, 0, text.rect);
  }
}

QPushButton* AddTemplateButton(QDialog* dialog, const DialogUnits& units, const QString& text, int id,
                               const DialogRect& rect) {
  auto* button = new QPushButton(text, dialog);
  button->setAutoDefault(false);
  units.Place(button, id, rect);
  return button;
}

void SetTemplateTabOrder(QDialog* dialog, std::initializer_list<int> ids) {
  QWidget* previous = nullptr;
  for (int id : ids) {
    QWidget* control = DialogControl<QWidget>(dialog, id);
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}
