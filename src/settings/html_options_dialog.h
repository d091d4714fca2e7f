#pragma once
// The HTML options dialog HTMLEDIT ("HTML形式保存ｵﾌﾟｼｮﾝ"), opened when the list is saved as HTML. It
// starts from the stored options every time. "保存" writes the HTML list file to the target path with
// the options as they stand and accepts; "保存中止" (and Esc) rejects and writes nothing; "設定を保存"
// stores the options and leaves the dialog open. The dialog shows no message: whoever opens it reports
// a failed save (saveResult()).
#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "list/list_file_writer.h"
#include "settings/html_options.h"
#include "settings/html_options_dialog_ids.h"

class HtmlOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  // target_path: the list file to write (file-system bytes), kept as given whatever the choosers do.
  // choose_image: the image chooser of kHtmlBrowseOuterBackImage, giving the chosen file's path
  // (file-system bytes) or nothing when the user cancelled.
  HtmlOptionsDialog(QWidget* owner, std::string target_path,
                    std::function<std::optional<std::string>()> choose_image);

  // The options as the dialog holds them now: texts cut to 127 bytes; a radio group without checked
  // button gives -1.
  HtmlOptions CurrentOptions() const;

  // The outcome of "保存"; nothing while the dialog has not written.
  const std::optional<ListFileResult>& saveResult() const { return save_result_; }

 private:
  void CreateControls();
  void InitHtmlOptions();
  void HtmlOptionsCommand(int id);
  void CheckRadioButton(int id);
  void PaintSwatches();

  std::string target_path_;
  std::function<std::optional<std::string>()> choose_image_;
  HtmlOptions colors_;  // only the eight colours are used; every other value lives in its control
  std::optional<ListFileResult> save_result_;
};
