#include "app/toolkit_translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// Whatever the locale (the tests run under C.UTF-8), the toolkit's standard buttons read in Japanese.
TEST(ToolkitTranslations, StandardButtonsSpeakJapanese) {
  ASSERT_TRUE(LoadToolkitTranslations(*qApp)) << "qtbase_ja.qm is missing (qt6-translations-l10n)";
  QMessageBox box(QMessageBox::Question, "t", "t", QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
  EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
  QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().remove(QRegularExpression("\\(&.\\)")),
            QStringLiteral("保存"));
  EXPECT_TRUE(buttons.button(QDialogButtonBox::Cancel)->text().startsWith(QStringLiteral("キャンセル")));
}

}  // namespace
