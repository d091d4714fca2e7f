#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/command_set.h"
#include "app/dialog_units.h"
#include "app/version_dialog.h"
#include "res/command_ids.h"
#include "window_fixture.h"

namespace {

const QString kLatinLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

using VersionDialogTest = WindowTest;

TEST_F(VersionDialogTest, OnlyOkClosesIt) {
  StartWindow();
  bool answered = false;
  QTimer::singleShot(0, [&answered] {
    auto* dialog = qobject_cast<VersionDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "ば～じょん情報");
    bool names_product = false;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
      if (!label->text().contains("Tessaroll " TESSAROLL_VERSION)) continue;
      names_product = label->text().endsWith("不具合情報・機能実装要望は以下へどうぞ");
      // Laid out like the other dialogs: the last line fits its rectangle unwrapped.
      EXPECT_FALSE(label->wordWrap());
      EXPECT_GE(label->width(),
                label->fontMetrics().horizontalAdvance("不具合情報・機能実装要望は以下へどうぞ"));
    }
    EXPECT_TRUE(names_product);
    const QFontMetrics metrics(DialogTemplateFont());
    EXPECT_GE(dialog->width(), 159 * metrics.horizontalAdvance(kLatinLetters) / (4 * kLatinLetters.size()));
    EXPECT_NE(DialogControl<QPushButton>(dialog, kVersionSupportPage), nullptr);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    DialogControl<QPushButton>(dialog, kVersionOk)->click();
    answered = true;
  });
  HandleCommand(kCmdVersion);
  EXPECT_TRUE(answered);
}

}  // namespace
