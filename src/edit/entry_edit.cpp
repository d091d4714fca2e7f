#include "edit/entry_edit.h"

#include "list/columns.h"
#include "list/list_model.h"
#include "list/shown_cell.h"
#include "list/text_utils.h"
#include "platform/cp932.h"

namespace {

constexpr size_t kCellCapacity = 256;

std::string SizeLine(int row) {
  std::string line;
  if (const auto kb = ShownCell(row, kColSizeKB)) {
    line = *kb + (TextRight(*kb, 2) == "KB" ? "/" : "KB/");
  } else {
    line = "None KB/";
  }
  if (const auto mb = ShownCell(row, kColSizeMB)) {
    line += *mb + (TextRight(*mb, 2) == "MB" ? "" : "MB");
  } else {
    line += "None MB";
  }
  return line;
}

std::string FormatLine(int row) {
  const auto video = ShownCell(row, kColVideoFormat);
  const auto video_rate = ShownCell(row, kColVideoRate);
  const auto audio = ShownCell(row, kColAudioFormat);
  const auto audio_rate = ShownCell(row, kColAudioRate);
  // The readers' cells already end in kbit; the unit is added only where a cell lacks it.
  const auto with_kbit = [](const std::string& rate) {
    return TextRight(rate, 4) == "kbit" ? rate : rate + "kbit";
  };
  return video.value_or("None") + (video_rate ? "(" + with_kbit(*video_rate) + ")/" : "(None kbit)/") +
         audio.value_or("None") + (audio_rate ? "(" + *audio_rate + ")" : "(None kbit/None Khz)");
}

std::string PictureLine(int row) {
  const auto resolution = ShownCell(row, kColResolution);
  const auto frame_rate = ShownCell(row, kColFrameRate);
  const auto play_time = ShownCell(row, kColPlayTime);
  return (resolution ? "Rezolution " + *resolution + "/" : "Rezolution None/") +
         (frame_rate ? "Frame " + *frame_rate + "fps/" : "Frame None/") +
         (play_time ? "Time " + *play_time : "Time None");
}

// Stores one field; true when it differs from the cell it replaces.
bool StoreField(int row, ColumnNo column, const std::optional<std::string>& field) {
  const int position = ColumnPosition(column);
  if (!field || position < 0) return false;
  const std::string before = ListGetCell(row, position, kCellCapacity);
  const std::string after = TextLeft(*field, static_cast<int>(kCellCapacity - 1));
  ListSetCell(row, position, after);
  return before != after;
}

}  // namespace

const std::array<std::string, 11>& GenreItems() {
  static const std::array<std::string, 11> kGenres{
      Utf8ToCp932("アニメ"), Utf8ToCp932("長編物"), Utf8ToCp932("劇場版"), Utf8ToCp932("特撮物"),
      Utf8ToCp932("ドラマ"), Utf8ToCp932("ＰＶ"),   Utf8ToCp932("ゲーム"), Utf8ToCp932("ＯＰ"),
      Utf8ToCp932("ＥＤ"),   Utf8ToCp932("ＯＶＡ"), Utf8ToCp932("その他"),
  };
  return kGenres;
}

EntryEditFacts MakeEntryEditFacts(int row) {
  static const std::string kEditSuffix = Utf8ToCp932("のｴﾃﾞｨｯﾄ");
  EntryEditFacts facts;
  facts.file_name = ListGetCell(row, ColumnPosition(kColFileName), kCellCapacity);
  facts.caption = TextLeft(facts.file_name, static_cast<int>(facts.file_name.size()) - 4) + kEditSuffix;
  facts.folder = ShownCell(row, kColFolder).value_or("");
  facts.size_line = SizeLine(row);
  facts.format_line = FormatLine(row);
  facts.picture_line = PictureLine(row);
  return facts;
}

EntryEditFields InitialEntryEditFields(int row) {
  EntryEditFields fields{ShownCell(row, kColTitle), ShownCell(row, kColGenre), ShownCell(row, kColCreator),
                         ShownCell(row, kColComment)};
  if (fields.genre && fields.genre->empty()) fields.genre = GenreItems()[0];
  return fields;
}

bool StoreEntryEditFields(int row, const EntryEditFields& fields) {
  // Every field is stored, so no short-circuit between them.
  const bool title = StoreField(row, kColTitle, fields.title);
  const bool genre = StoreField(row, kColGenre, fields.genre);
  const bool creator = StoreField(row, kColCreator, fields.creator);
  const bool comment = StoreField(row, kColComment, fields.comment);
  const bool changed = title || genre || creator || comment;
  if (changed) ListSetChecked(row, true);
  return changed;
}
