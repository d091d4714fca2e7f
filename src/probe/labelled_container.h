#pragma once
// RealMedia, QuickTime and ASF files are listed by their family only.
#include "probe/container_sniff.h"

// Writes the container's family label into the video and audio formats of the media info record and
// empties the other five fields. Reads nothing from the file. Types other than RealMedia, QuickTime and
// ASF leave every field empty.
void ReadLabelledContainer(ContainerType type);
