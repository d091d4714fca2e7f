#pragma once
// Whether a folder holds ordinary files: a chooser that lists a pseudo file system (/proc, /sys, /dev…)
// may meet files that block whoever touches them.
#include <string>

// True for an existing folder whose file system is not a kernel pseudo file system (proc, sysfs,
// devtmpfs, devpts, debugfs, tracefs, cgroup…), judged by the mount that holds it.
bool IsOrdinaryFolder(const std::string& path);
