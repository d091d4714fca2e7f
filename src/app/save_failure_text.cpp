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

struct Reason {
  int error_number;
  const char* text;  // UTF-8
};

constexpr Reason kReasons[] = {
    {ENOENT, "保存先のﾌｫﾙﾀﾞがありません"},
    {ENOTDIR, "保存先のﾌｫﾙﾀﾞがありません"},
    {EACCES, "このﾌｫﾙﾀﾞへの保存は許可されていません"},
    {EPERM, "このﾌｫﾙﾀﾞへの保存は許可されていません"},
    {EROFS, "読み取り専用の場所です"},
    {ENOSPC, "ﾃﾞｨｽｸがいっぱいです"},
    {EDQUOT, "ﾃﾞｨｽｸがいっぱいです"},
    {EFBIG, "ﾌｧｲﾙが大きすぎます"},
    {ENAMETOOLONG, "ﾌｧｲﾙ名が長すぎます"},
    {EISDIR, "同じ名前のﾌｫﾙﾀﾞがあります"},
    {EINVAL, "通常のﾌｧｲﾙではありません"},
    {ENXIO, "通常のﾌｧｲﾙではありません"},
    {ENODEV, "通常のﾌｧｲﾙではありません"},
    {EIO, "ﾃﾞｨｽｸの読み書きに失敗しました"},
};

QString ReasonText(int error_number) {
  for (const Reason& reason : kReasons) {
    if (reason.error_number == error_number) return QString::fromUtf8(reason.text);
  }
  return QStringLiteral("原因不明のｴﾗｰです (番号 %1)").arg(error_number);
}

}  // namespace

QString SaveFailureText(const ListFileResult& result) {
  return QStringLiteral("%1\n%2: %3\nﾘｽﾄﾌｧｲﾙの保存に失敗しました")
      .arg(QFile::decodeName(result.path.c_str()), StepText(result.what), ReasonText(result.error_number));
}
