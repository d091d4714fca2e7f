#include "app/save_failure_text.h"

#include <QFile>
#include <cerrno>

namespace {

QString StepText(const std::string& what) {
  if (what == "create") return QStringLiteral("一時ﾌｧｲﾙを作れません");
  if (what == "write") return QStringLiteral("書き込めません");
  if (what == "rename") return QStringLiteral("保存したﾌｧｲﾙを置き換えられません");
  if (what == "open") return QStringLiteral("ﾌｧｲﾙを開けません");
  return QStringLiteral("保存できません");
}

QString ReasonText(int error_number) {
  switch (error_number) {
    case ENOENT:
    case ENOTDIR:
      return QStringLiteral("保存先のﾌｫﾙﾀﾞがありません");
    case EACCES:
    case EPERM:
      return QStringLiteral("このﾌｫﾙﾀﾞへの保存は許可されていません");
    case EROFS:
      return QStringLiteral("読み取り専用の場所です");
    case ENOSPC:
    case EDQUOT:
      return QStringLiteral("ﾃﾞｨｽｸがいっぱいです");
    case EFBIG:
      return QStringLiteral("ﾌｧｲﾙが大きすぎます");
    case ENAMETOOLONG:
      return QStringLiteral("ﾌｧｲﾙ名が長すぎます");
    case EISDIR:
      return QStringLiteral("同じ名前のﾌｫﾙﾀﾞがあります");
    case EINVAL:
    case ENXIO:
    case ENODEV:
      return QStringLiteral("通常のﾌｧｲﾙではありません");
    case EIO:
      return QStringLiteral("ﾃﾞｨｽｸの読み書きに失敗しました");
    default:
      return QStringLiteral("原因不明のｴﾗｰです (番号 %1)").arg(error_number);
  }
}

}  // namespace

QString SaveFailureText(const ListFileResult& result) {
  return QStringLiteral("%1\n%2: %3\nﾘｽﾄﾌｧｲﾙの保存に失敗しました")
      .arg(QFile::decodeName(result.path.c_str()), StepText(result.what), ReasonText(result.error_number));
}
