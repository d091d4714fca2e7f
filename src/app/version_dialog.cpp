#include "app/version_dialog.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "app/dialog_units.h"
#include "app/main_window.h"
#include "app/window_geometry.h"
#include "platform/help_page.h"

namespace {

// Places a control from a rectangle in dialog units of the dialog's font.
void PlaceInDialogUnits(QWidget* control, const QFontMetrics& metrics, int x, int y, int width, int height) {
  const int unit_x = metrics.averageCharWidth();
  const int unit_y = metrics.height();
  control->setGeometry(x * unit_x / 4, y * unit_y / 8, width * unit_x / 4, height * unit_y / 8);
}

}  // namespace

VersionDialog::VersionDialog(QWidget* owner) : QDialog(owner, kTemplateDialogFlags) {
  setObjectName("VERDIAG");
  setWindowTitle(QStringLiteral("ば～じょん情報"));
  QFont dialog_font(QStringLiteral("ＭＳ Ｐゴシック"));
  dialog_font.setPointSize(9);
  setFont(dialog_font);
  const QFontMetrics metrics(dialog_font);

  auto* frame = new QGroupBox(this);
  PlaceInDialogUnits(frame, metrics, 7, 7, 148, 87);
  auto* about = new QLabel(QStringLiteral("Tessaroll " TESSAROLL_VERSION "\n\n"
                                          "不具合情報・機能実装要望は以下へどうぞ"),
                           this);
  about->setWordWrap(true);
  about->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PlaceInDialogUnits(about, metrics, 15, 15, 128, 57);
  auto* support = new QPushButton(QStringLiteral("ｻﾎﾟｰﾄﾍﾟｰｼﾞ"), this);
  support->setObjectName("1050");
  support->setFlat(true);
  support->setAutoDefault(false);
  PlaceInDialogUnits(support, metrics, 35, 75, 94, 13);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("1");
  ok->setDefault(true);
  PlaceInDialogUnits(ok, metrics, 60, 100, 50, 14);
  setFixedSize(159 * metrics.averageCharWidth() / 4, 119 * metrics.height() / 8);

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
