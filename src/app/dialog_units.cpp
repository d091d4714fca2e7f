#include "app/dialog_units.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>

QFont DialogTemplateFont() {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPointSize(9);
  return font;
}

namespace {

const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

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
  control->setGeometry(X(x), Y(y), X(width), Y(height));
}

int DialogUnits::X(int units) const {
  return (units * alphabet_width_ + kAlphabet.size() * 2) / (kAlphabet.size() * 4);
}

int DialogUnits::Y(int units) const {
  return (units * char_height_ + 4) / 8;
}

QWidget* CreateTemplateGroupBox(const QString& title, QWidget* dialog) {
  auto* box = new QGroupBox(title, dialog);
  box->setStyleSheet(
      QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
                     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 5px;"
                     " padding: 0 2px; }"));
  return box;
}
