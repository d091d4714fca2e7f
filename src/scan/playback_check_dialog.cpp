#include "scan/playback_check_dialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "app/dialog_units.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/selection_palette.h"
#include "list/list_model.h"
#include "settings/settings.h"

namespace {

// The dialog's size in dialog units, and the band below the check list that holds the buttons.
constexpr int kDialogWidth = 300;
constexpr int kDialogHeight = 180;
constexpr int kButtonBand = 32;

// A button in the band below the check list, x units from the left.
QPushButton* AddButton(QDialog* dialog, const DialogUnits& units, const QString& text, int id, int x) {
  return AddTemplateButton(dialog, units, text, id, {x, kDialogHeight - 22, 50, 14});
}

}  // namespace

PlaybackCheckDialog::PlaybackCheckDialog(QWidget* owner, const QFont& list_font,
                                         std::function<std::optional<std::string>()> choose_log)
    : QDialog(owner, kClosableTemplateDialogFlags), choose_log_(std::move(choose_log)) {
  setObjectName("MVCHECK");
  setWindowTitle(QStringLiteral("動画再生適性ﾃｽﾄ"));
  const DialogUnits units(this, kDialogWidth, kDialogHeight);
  auto* start = AddButton(this, units, QStringLiteral("ﾁｪｯｸ開始"), kPlaybackCheckStart, kDialogWidth - 165);
  start->setDefault(true);
  auto* log = AddButton(this, units, QStringLiteral("ﾛｸﾞ出力"), kPlaybackCheckWriteLog, kDialogWidth - 110);
  log->setEnabled(false);
  auto* close = AddButton(this, units, QStringLiteral("終了"), kPlaybackCheckClose, kDialogWidth - 55);
  FitTemplateTexts(this, kDialogWidth, kDialogHeight);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QString::number(kPlaybackCheckList));
  list_->setFont(list_font);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  // The selection stays visible while the buttons have the focus.
  KeepSelectionShownWhenInactive(list_);

  QStringList headers;
  for (const std::string& header : CheckListHeaders()) headers << ToQString(header);
  list_->setHeaderLabels(headers);
  list_->headerItem()->setTextAlignment(1, Qt::AlignCenter);
  list_->headerItem()->setTextAlignment(2, Qt::AlignCenter);
  QHeaderView* header = list_->header();
  header->setSectionsClickable(true);
  header->setSectionsMovable(false);
  header->setStretchLastSection(false);
  const int mark_width = CheckMarkColumnWidth(Settings().ListFontSize);
  const int widths[] = {200, mark_width, mark_width, 90, 100};
  int columns_width = 0;
  for (int column = 0; column < 5; ++column) {
    header->resizeSection(column, widths[column]);
    columns_width += widths[column];
  }
  connect(header, &QHeaderView::sectionClicked, this, &PlaybackCheckDialog::sortByColumn);

  // Wide enough for the five columns and a vertical scroll bar; the buttons keep to the right edge.
  const int scroll_bar = list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int grown = std::max(width(), columns_width + 2 * list_->frameWidth() + scroll_bar) - width();
  setFixedSize(width() + grown, height());
  for (QPushButton* button : {start, log, close}) {
    button->move(button->x() + grown, height() - kButtonBand + (kButtonBand - button->height()) / 2);
  }
  list_->setGeometry(0, 0, width(), height() - kButtonBand);

  connect(start, &QPushButton::clicked, this, &PlaybackCheckDialog::startCheck);
  connect(log, &QPushButton::clicked, this, &PlaybackCheckDialog::writeLog);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

namespace {

QTreeWidgetItem* CheckItem(const CheckRow& row) {
  QStringList texts;
  for (const std::string& text : row) texts << ToQString(text);
  auto* item = new QTreeWidgetItem(texts);
  item->setTextAlignment(1, Qt::AlignCenter);
  item->setTextAlignment(2, Qt::AlignCenter);
  return item;
}

}  // namespace

PlaybackCheckDialog::~PlaybackCheckDialog() {
  stopCheck();
}

void PlaybackCheckDialog::startCheck() {
  if (checkRunning()) return;
  DialogControl<QPushButton>(this, kPlaybackCheckStart)->setEnabled(false);
  // The list and the settings belong to this thread: what the worker needs is taken here.
  std::vector<PlannedCheck> planned;
  for (int row = 0, count = ListRowCount(); row < count; ++row) planned.push_back(PlanCheckRow(row));
  checked_.assign(planned.size(), CheckRow());
  rows_shown_ = 0;
  list_->clear();
  worker_ = std::thread([this, planned = std::move(planned), options = CurrentProbeOptions()] {
    RowFileResolver files;
    for (size_t row = 0; row < planned.size() && !stop_; ++row) {
      checked_[row] = FinishCheckRow(planned[row], files, options);
      rows_checked_ = row + 1;
    }
    finished_ = true;
  });
  setCursor(Qt::BusyCursor);
  poll_ = new QTimer(this);
  connect(poll_, &QTimer::timeout, this, &PlaybackCheckDialog::finishCheckWhenDone);
  poll_->start(20);
}

void PlaybackCheckDialog::finishCheckWhenDone() {
  // The rows checked so far are shown as they come, in the main list's order.
  QList<QTreeWidgetItem*> items;
  for (const size_t checked = rows_checked_; rows_shown_ < checked; ++rows_shown_)
    items << CheckItem(checked_[rows_shown_]);
  list_->addTopLevelItems(items);
  if (!finished_) return;
  worker_.join();
  delete poll_;
  poll_ = nullptr;
  unsetCursor();
  rows_ = std::move(checked_);
  showRows();
  DialogControl<QPushButton>(this, kPlaybackCheckWriteLog)->setEnabled(true);
}

void PlaybackCheckDialog::stopCheck() {
  if (!checkRunning()) return;
  stop_ = true;
  worker_.join();
}

void PlaybackCheckDialog::done(int result) {
  stopCheck();
  QDialog::done(result);
}

void PlaybackCheckDialog::sortByColumn(int column) {
  if (checkRunning()) return;  // the rows are not all in yet
  SortCheckRows(rows_, column);
  showRows();
}

void PlaybackCheckDialog::showRows() {
  list_->clear();
  QList<QTreeWidgetItem*> items;
  for (const CheckRow& row : rows_) items << CheckItem(row);
  list_->addTopLevelItems(items);
}

void PlaybackCheckDialog::writeLog() {
  const std::optional<std::string> path = choose_log_();
  if (!path) return;
  const WriteResult written = WriteCheckLog(*path, rows_);
  if (written.ok) return;
  MessageBoxRequest request;
  request.icon = QMessageBox::Warning;
  request.caption = QStringLiteral("ﾛｸﾞ出力失敗");
  request.text = QStringLiteral("ﾛｸﾞﾌｧｲﾙを作成できませんでした\n%1").arg(QString::fromStdString(*path));
  RunMessageBox(request);
}
