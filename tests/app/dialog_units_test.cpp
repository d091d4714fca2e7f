#include "app/dialog_units.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

TEST(FitTemplateTexts, WidensTheWholeDialogUntilTemplateTextsFit) {
  enum : int { kButton = 1, kFilledText = 2 };
  QDialog dialog;
  const DialogUnits units(&dialog, 100, 40);
  const QSize designed = dialog.size();
  auto* label = new QLabel(QStringLiteral("検索する文字列(&N)"), &dialog);
  auto* buddy = new QPushButton(QStringLiteral("OK"), &dialog);
  label->setBuddy(buddy);
  units.Place(label, 0, 5, 5, 10, 8);  // far too narrow for its text
  units.Place(buddy, kButton, 50, 5, 40, 14);
  auto* filled = new QLabel(QString(200, QChar(u'x')), &dialog);
  units.Place(filled, kFilledText, 5, 20, 10, 8);

  FitTemplateTexts(&dialog, 100, 40, {kFilledText});
  const QFontMetrics metrics(dialog.font());
  EXPECT_GE(label->width(), metrics.horizontalAdvance(QStringLiteral("検索する文字列(N)")));
  // Everything scales alike: the button keeps its place to the right of the label, the filled text its
  // template width, and the height is untouched.
  EXPECT_GT(buddy->x(), label->geometry().right());
  EXPECT_EQ(filled->width(), label->width());
  EXPECT_GT(dialog.width(), designed.width());
  EXPECT_EQ(dialog.height(), designed.height());

  // Texts that fit already leave the layout as placed.
  QDialog roomy;
  const DialogUnits roomy_units(&roomy, 100, 40);
  auto* ok = new QPushButton(QStringLiteral("OK"), &roomy);
  roomy_units.Place(ok, 1, 50, 5, 40, 14);
  const QRect placed = ok->geometry();
  const QSize roomy_size = roomy.size();
  FitTemplateTexts(&roomy, 100, 40);
  EXPECT_EQ(ok->geometry(), placed);
  EXPECT_EQ(roomy.size(), roomy_size);
}

}  // namespace
