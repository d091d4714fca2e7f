#include "res/menus.h"

#include <utility>

#include "res/command_ids.h"

namespace {

MenuEntry Item(int command, const char* label, const char* shortcut = "", int state = kMenuEnabled) {
  return MenuEntry{MenuEntry::kItem, command, label, shortcut, state, {}};
}

MenuEntry Separator() {
  return MenuEntry{MenuEntry::kSeparator, 0, "", "", 0, {}};
}

MenuEntry Popup(const char* label, std::vector<MenuEntry> items) {
  return MenuEntry{MenuEntry::kPopup, 0, label, "", 0, std::move(items)};
}

MenuEntry ColumnWidthPopup() {
  return Popup("ｶﾗﾑ幅の最適化(&C)", {
                                        Item(kCmdFitAllColumns, "全て最適化"),
                                        Item(kCmdFitFileName, "ﾌｧｲﾙ名"),
                                        Item(kCmdFitSizeBytes, "ﾌｧｲﾙｻｲｽﾞ(Byte)"),
                                        Item(kCmdFitSizeMB, "ﾌｧｲﾙｻｲｽﾞ(MB)"),
                                        Item(kCmdFitSizeKB, "ﾌｧｲﾙｻｲｽﾞ(KB)"),
                                        Item(kCmdFitTitle, "動画ﾀｲﾄﾙ"),
                                        Item(kCmdFitVideoFormat, "動画ﾌｧｲﾙ形式"),
                                        Item(kCmdFitAudioFormat, "音声ﾌｧｲﾙ形式"),
                                        Item(kCmdFitVideoRate, "映像ﾚｰﾄ"),
                                        Item(kCmdFitAudioRate, "音声ﾚｰﾄ"),
                                        Item(kCmdFitFrameRate, "ﾌﾚｰﾑﾚｰﾄ"),
                                        Item(kCmdFitResolution, "動画ｻｲｽﾞ"),
                                        Item(kCmdFitPlayTime, "再生時間"),
                                        Item(kCmdFitGenre, "ｼﾞｬﾝﾙ"),
                                        Item(kCmdFitCreator, "製作者名"),
                                        Item(kCmdFitComment, "ｺﾒﾝﾄ"),
                                        Item(kCmdFitFolder, "ﾃﾞｨﾚｸﾄﾘﾊﾟｽ"),
                                        Item(kCmdFitVolume, "ﾎﾞﾘｭｰﾑﾗﾍﾞﾙ"),
                                    });
}

// The items the two menus share, with the main menu's initial state.
MenuEntry ScanItem() {
  return Item(kCmdScan, "ｽｷｬﾆﾝｸﾞ(&S)", "Ctrl+M");
}
MenuEntry EditEntryItem() {
  return Item(kCmdEditEntry, "ﾘｽﾄｴﾃﾞｨｯﾄ(&E)", "Ctrl+E", kMenuGreyed);
}
MenuEntry CutItem() {
  return Item(kCmdCut, "切り取り(&T)", "Ctrl+X", kMenuGreyed);
}
MenuEntry CopyItem() {
  return Item(kCmdCopy, "ｺﾋﾟｰ(&C)", "Ctrl+C", kMenuGreyed);
}
MenuEntry PasteItem() {
  return Item(kCmdPaste, "張り付け(&P)", "Ctrl+V");
}
MenuEntry DeleteItem() {
  return Item(kCmdDelete, "削除(&D)", "Del", kMenuGreyed);
}
MenuEntry ExtendedPopup() {
  return Popup("拡張機能(&E)", {
                                   Item(kCmdWriteInfo, "情報ﾃﾞｰﾀ書き込み", "Ctrl+W", kMenuGreyed),
                                   Item(kCmdClearChecks, "すべてのﾁｪｯｸを解除", "Ctrl+U", kMenuGreyed),
                                   Item(kCmdPlayMovie, "動画再生(&P)", "Ctrl+P", kMenuGreyed),
                               });
}

// One checked item per file kind; the kinds read through libavformat follow a separator.
MenuEntry ScanFilterPopup() {
  constexpr std::pair<int, const char*> kFilters[] = {
      {kCmdFilterAvi, "AVI形式"},      {kCmdFilterMpeg1, "MPEG1形式"},
      {kCmdFilterMpeg2, "MPEG2形式"},  {kCmdFilterAsf, "ASF形式"},
      {kCmdFilterRm, "RealVideo形式"}, {kCmdFilterQt, "QuickTime形式"},
      {kCmdFilterWave, "WAVE形式"},    {0, nullptr},
      {kCmdFilterMp4, "MP4形式"},      {kCmdFilterMkv, "Matroska形式"},
      {kCmdFilterTs, "MPEG-TS形式"},   {kCmdFilterFlv, "FLV形式"},
      {kCmdFilterOgg, "Ogg形式"},      {kCmdFilterAudio, "MP3･FLAC･AAC形式"},
      {kCmdFilterWm, "WMV･WMA形式"},
  };
  std::vector<MenuEntry> items;
  for (const auto& [command, label] : kFilters) {
    items.push_back(label ? Item(command, label, "", kMenuChecked) : Separator());
  }
  return Popup("ｽｷｬﾝﾌｨﾙﾀ(&E)", std::move(items));
}

}  // namespace

const std::vector<MenuEntry> TOP_MENUS = {
    Popup("ﾌｧｲﾙ(&F)",
          {
              Item(kCmdNewList, "新規作成(&N),", "Ctrl+N"),
              Item(kCmdOpenList, "既存ﾌｧｲﾙを開く", "Ctrl+O"),
              Separator(),
              Item(kCmdSaveAs, "名前をつけて保存(&S)", "", kMenuGreyed),
              Item(kCmdOverwriteSave, "上書き保存(&A)", "Ctrl+S", kMenuGreyed),
              Separator(),
              Item(kCmdExit, "終了(&Q)"),
          }),
    Popup("編集(&E)",
          {
              EditEntryItem(),
              Separator(),
              CutItem(),
              CopyItem(),
              PasteItem(),
              DeleteItem(),
              Separator(),
              Popup("ﾌｧｲﾙ名ｿｰﾄ(&S)",
                    {
                        Item(kCmdSortByName, "ﾌｧｲﾙ名(&F)", "", kMenuChecked),
                        Item(kCmdSortByExtension, "拡張子(&E)"),
                    }),
              ScanFilterPopup(),
          }),
    Popup("機能(&T)",
          {
              ScanItem(),
              Item(kCmdAutoScan, "ｵｰﾄｽｷｬﾆﾝｸﾞ(&A)", "Ctrl+A"),
              Separator(),
              Item(kCmdPlaybackCheck, "動画再生ﾁｪｯｸ(&M)", "Ctrl+T", kMenuGreyed),
              Separator(),
              ExtendedPopup(),
              Popup("MPEG関連",
                    {
                        Item(kCmdMpegTime, "時間を取得する(MPEG1)", "", kMenuChecked),
                        Item(kCmdMpeg4Rate, "MPEG4式ﾋﾞｯﾄﾚｰﾄ算出", "", kMenuChecked),
                    }),
          }),
    Popup("検索(&F)",
          {
              Item(kCmdFind, "検索(&F)", "Ctrl+F", kMenuGreyed),
              Item(kCmdFindNext, "次を検索(&N)", "F3", kMenuGreyed),
          }),
    Popup("ﾂｰﾙ(&T)",
          {
              ColumnWidthPopup(),
              Separator(),
              Item(kCmdToolBar, "ﾂｰﾙﾊﾞｰ(&T)", "", kMenuChecked),
              Item(kCmdStatusBar, "ｽﾃｰﾀｽﾊﾞｰ(&S)", "", kMenuChecked),
              Item(kCmdGridLines, "ｸﾞﾘｯﾄﾞﾗｲﾝ(&G)", "", kMenuChecked),
              Separator(),
              Item(kCmdCustomize, "ｶｽﾀﾏｲｽﾞ(&M)"),
              Separator(),
              Item(kCmdSaveStateAtExit, "終了時の状態を保存(&Q)", "", kMenuChecked),
          }),
    Popup("ﾍﾙﾌﾟ(&H)", {Item(kCmdVersion, "ﾊﾞｰｼﾞｮﾝ情報(&V)")}),
};

const MenuEntry POPUPMENU = Popup("POPUP", {
                                               ScanItem(),
                                               Separator(),
                                               EditEntryItem(),
                                               Separator(),
                                               CutItem(),
                                               CopyItem(),
                                               PasteItem(),
                                               DeleteItem(),
                                               Separator(),
                                               ColumnWidthPopup(),
                                               ExtendedPopup(),
                                           });

const MenuEntry* FindMenuItem(const std::vector<MenuEntry>& entries, int command) {
  for (const MenuEntry& entry : entries) {
    if (entry.kind == MenuEntry::kItem && entry.command == command) return &entry;
    if (entry.kind == MenuEntry::kPopup) {
      if (const MenuEntry* found = FindMenuItem(entry.items, command)) return found;
    }
  }
  return nullptr;
}
