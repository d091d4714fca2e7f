#include "app/tag_write_reasons.h"

#include <cerrno>

namespace {

QString SystemErrorText(int error_number) {
  switch (error_number) {
    case EACCES:
    case EPERM:
      return QStringLiteral("書込みが許可されていません");
    case EROFS:
      return QStringLiteral("読み取り専用のﾃﾞｨｽｸです");
    case ENOSPC:
    case EDQUOT:
      return QStringLiteral("ﾃﾞｨｽｸの空き容量が足りません");
    case EFBIG:
      return QStringLiteral("ﾌｧｲﾙｻｲｽﾞの上限を超えます");
    case EBUSY:
      return QStringLiteral("前の書込みがまだ終わっていません");
    case EIO:
      return QStringLiteral("ﾃﾞｨｽｸの読み書きに失敗しました");
    default:
      return QStringLiteral("ｴﾗｰ番号 %1").arg(error_number);
  }
}

}  // namespace

QString TagWriteReason(const InfoTagRowReport& report) {
  switch (report.outcome) {
    case InfoTagOutcome::kNotRegularFile:
      return QStringLiteral("通常のﾌｧｲﾙではありません");
    case InfoTagOutcome::kAmbiguousName:
      return QStringLiteral("同じ名前に読めるﾌｧｲﾙがﾌｫﾙﾀﾞに複数あります");
    case InfoTagOutcome::kMisalignedLine:
      return QStringLiteral("ﾘｽﾄﾌｧｲﾙの行の項目がずれていたため、ﾌｧｲﾙを決められません");
    case InfoTagOutcome::kNotAtFileEnd:
      return QStringLiteral("RIFFﾁｬﾝｸの後にﾃﾞｰﾀがあります (1GBを超えるAVIなど)");
    case InfoTagOutcome::kCutShort:
      return QStringLiteral("ﾌｧｲﾙが途中で切れているか壊れています");
    case InfoTagOutcome::kNoIndex:
      return QStringLiteral("idx1ﾁｬﾝｸがありません");
    case InfoTagOutcome::kDamagedHeader:
      return QStringLiteral("ﾍｯﾀﾞが壊れています");
    case InfoTagOutcome::kDamagedInfoList:
      return QStringLiteral("idx1の後のｲﾝﾌｫﾘｽﾄが壊れています");
    case InfoTagOutcome::kTooLarge:
      return QStringLiteral("idx1の後のﾃﾞｰﾀが大きすぎます");
    case InfoTagOutcome::kNotReadBack:
      return QStringLiteral(
          "ﾌｧｲﾙ末尾の1024ﾊﾞｲﾄに収まらないため読み戻せません (文字が多すぎるか、idx1の後にﾁｬﾝｸがあります)");
    case InfoTagOutcome::kSameFile:
      return QStringLiteral("同じﾌｧｲﾙを指す行の内容が異なります");
    case InfoTagOutcome::kChangedMeanwhile:
      return QStringLiteral("書込み中にﾌｧｲﾙが変更されました");
    case InfoTagOutcome::kNoUndoRecord:
      return QStringLiteral("元に戻すための記録を書けません (%1)").arg(SystemErrorText(report.error_number));
    case InfoTagOutcome::kCannotRead:
      return QStringLiteral("読み込めません (%1)").arg(SystemErrorText(report.error_number));
    default:
      return SystemErrorText(report.error_number);
  }
}
