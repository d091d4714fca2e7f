#include "app/option_items.h"

#include "res/command_ids.h"

const std::array<OptionItem, 16> kOptionItems = {{
    {"ExtAVI", &SettingsRecord::ExtAVI, kCmdFilterAvi},
    {"ExtMPEG1", &SettingsRecord::ExtMPEG1, kCmdFilterMpeg1},
    {"ExtASF", &SettingsRecord::ExtASF, kCmdFilterAsf},
    {"ExtRM", &SettingsRecord::ExtRM, kCmdFilterRm},
    {"ExtWAVE", &SettingsRecord::ExtWAVE, kCmdFilterWave},
    {"MPGTIME", &SettingsRecord::MPGTIME, kCmdMpegTime},
    {"MPG4RATE", &SettingsRecord::MPG4RATE, kCmdMpeg4Rate},
    {"ExtMPG2", &SettingsRecord::ExtMPG2, kCmdFilterMpeg2},
    {"ExtQT", &SettingsRecord::ExtQT, kCmdFilterQt},
    {"ExtMP4", &SettingsRecord::ExtMP4, kCmdFilterMp4},
    {"ExtMKV", &SettingsRecord::ExtMKV, kCmdFilterMkv},
    {"ExtTS", &SettingsRecord::ExtTS, kCmdFilterTs},
    {"ExtFLV", &SettingsRecord::ExtFLV, kCmdFilterFlv},
    {"ExtOGG", &SettingsRecord::ExtOGG, kCmdFilterOgg},
    {"ExtAUDIO", &SettingsRecord::ExtAUDIO, kCmdFilterAudio},
    {"ExtWM", &SettingsRecord::ExtWM, kCmdFilterWm},
}};
