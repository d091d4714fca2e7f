#include "probe/tag_write_reason.h"

#include <cerrno>

#include "platform/cp932.h"

namespace {

std::string SystemErrorText(int error_number) {
  switch (error_number) {
    case EACCES:
    case EPERM:
      return "書込みが許可されていません";
    case EROFS:
      return "読み取り専用のﾃﾞｨｽｸです";
    case ENOSPC:
    case EDQUOT:
      return "ﾃﾞｨｽｸの空き容量が足りません";
    case EFBIG:
      return "ﾌｧｲﾙｻｲｽﾞの上限を超えます";
    case EBUSY:
      return "前の書込みがまだ終わっていません";
    case EIO:
      return "ﾃﾞｨｽｸの読み書きに失敗しました";
    default:
      return "ｴﾗｰ番号 " + std::to_string(error_number);
  }
}

std::string TagWriteReasonUtf8(const InfoTagRowReport& report) {
  switch (report.outcome) {
    case InfoTagOutcome::kNotRegularFile:
      return "通常のﾌｧｲﾙではありません";
    case InfoTagOutcome::kAmbiguousName:
      return "同じ名前に読めるﾌｧｲﾙがﾌｫﾙﾀﾞに複数あります";
    case InfoTagOutcome::kMisalignedLine:
      return "ﾘｽﾄﾌｧｲﾙの行の項目がずれていたため、ﾌｧｲﾙを決められません";
    case InfoTagOutcome::kNotAtFileEnd:
      return "RIFFﾁｬﾝｸの後にﾃﾞｰﾀがあります (1GBを超えるAVIなど)";
    case InfoTagOutcome::kCutShort:
      return "ﾌｧｲﾙが途中で切れているか壊れています";
    case InfoTagOutcome::kNoIndex:
      return "idx1ﾁｬﾝｸがありません";
    case InfoTagOutcome::kDamagedHeader:
      return "ﾍｯﾀﾞが壊れています";
    case InfoTagOutcome::kDamagedInfoList:
      return "idx1の後のｲﾝﾌｫﾘｽﾄが壊れています";
    case InfoTagOutcome::kTooLarge:
      return "idx1の後のﾃﾞｰﾀが大きすぎます";
    case InfoTagOutcome::kNotReadBack:
      return "ﾌｧｲﾙ末尾の1024ﾊﾞｲﾄに収まらないため読み戻せません (文字が多すぎるか、idx1の後にﾁｬﾝｸがあります)";
    case InfoTagOutcome::kSameFile:
      return "同じﾌｧｲﾙを指す行の内容が異なります";
    case InfoTagOutcome::kChangedMeanwhile:
      return "書込み中にﾌｧｲﾙが変更されました";
    case InfoTagOutcome::kNoUndoRecord:
      return "元に戻すための記録を書けません (" + SystemErrorText(report.error_number) + ")";
    case InfoTagOutcome::kCannotRead:
      return "読み込めません (" + SystemErrorText(report.error_number) + ")";
    default:
      return SystemErrorText(report.error_number);
  }
}

}  // namespace

std::string TagWriteReason(const InfoTagRowReport& report) {
  return Utf8ToCp932(TagWriteReasonUtf8(report));
}
