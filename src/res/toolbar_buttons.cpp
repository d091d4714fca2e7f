#include "res/toolbar_buttons.h"

#include "res/command_ids.h"

const std::array<ToolButtonDef, 14> kToolButtons = {{
    {0, nullptr, 0, true},
    {kCmdNewList, "document-new", 10, true},
    {kCmdOpenList, "document-open", 11, true},
    {kCmdSaveAs, "document-save-as", 12, false},
    {0, nullptr, 0, true},
    {kCmdScan, "edit-find", 13, true},
    {0, nullptr, 0, true},
    {kCmdCut, "edit-cut", 14, false},
    {kCmdCopy, "edit-copy", 15, false},
    {kCmdPaste, "edit-paste", 16, true},
    {0, nullptr, 0, true},
    {kCmdFind, "edit-find-replace", 17, false},
    {0, nullptr, 0, true},
    {kCmdCustomize, "document-properties", 18, true},
}};

const std::array<int, 4> kListToolCommands = {kCmdSaveAs, kCmdCut, kCmdCopy, kCmdFind};
