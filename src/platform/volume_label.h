#pragma once
// Volume labels: the label of the file system that holds a path.
#include <sys/types.h>

#include <string>

// The label of the file system holding path, as the file system stores it (normally UTF-8); empty when
// the path does not exist or its file system has no label. Asked of /dev/disk/by-label, then, when the
// program is built with libblkid, of the file system's superblock (readable by root or the disk group);
// nothing is ever written. Answers are cached per device, and the last path asked is
// remembered, so a scan of many files asks the system once per file system and stats once per folder;
// the cache lasts until ClearVolumeLabelCache.
std::string VolumeLabel(const std::string& path);

// The label under which a folder of links named by label (such as /dev/disk/by-label) leads to the
// device numbered device, with the "\xNN" escapes of those names decoded; empty when no link does.
std::string LabelFromLinkFolder(const std::string& folder, dev_t device);

// Forgets the cached labels; the folder scan does so at its start, so a medium relabelled or swapped
// since the last scan is asked again.
void ClearVolumeLabelCache();
