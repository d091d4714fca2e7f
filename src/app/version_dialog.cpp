#include "app/version_dialog.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "app/dialog_units.h"
#include "app/main_window.h"
#include "app/window_geometry.h"
#include "platform/help_page.h"

VersionDialog::VersionDialog(QWidget* owner) : QDialog(owner, kTemplateDialogFlags) {
  setObjectName("VERDIAG");
  setWindowTitle(QStringLiteral("ば～じょん情報"));
  const DialogUnits units(this, 159, 119);
  units.Place(CreateTemplateGroupBox(QString(), this), 0, 7, 7, 148, 87);
  auto* about = new QLabel(QStringLiteral("Tessaroll " TESSAROLL_VERSION "\n\n"
                                          "不具合情報・機能実装要望は以下へどうぞ"),
                           this);
  about->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  units.Place(about, 0, 15, 15, 128, 57);
  auto* support =
      AddTemplateButton(this, units, QStringLiteral("ｻﾎﾟｰﾄﾍﾟｰｼﾞ"), kVersionSupportPage, {35, 75, 94, 13});
  support->setFlat(true);
  auto* ok = AddTemplateButton(this, units, QStringLiteral("OK"), kVersionOk, {60, 100, 50, 14});
  ok->setDefault(true);
  FitTemplateTexts(this, 159, 119);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(support, &QPushButton::clicked, this, [] {
    const std::string page = HelpPagePath();
    if (!page.empty()) QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page)));
  });
}

void ShowVersionDialog() {
  VersionDialog dialog(MainWin());
  CentreOverMainWindow(&dialog);
  dialog.exec();
}
