#include "scan/core_state_reset.h"

#include "edit/find_in_list.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "list/sort.h"
#include "list/status_totals.h"
#include "platform/file_write.h"
#include "platform/volume_label.h"
#include "probe/media_info.h"
#include "scan/scan_progress.h"
#include "settings/color_choice.h"
#include "settings/settings.h"

void ResetCoreStateForTesting() {
  ListResetForTesting();
  Columns() = MakeColumnState({}, {});  // the file name column alone, as before the settings are read
  ResetSortStateForTesting();
  ResetStatusTexts();
  ResetFindRequestForTesting();
  UseSettingsFileForTesting("");
  ResetColorChoiceForTesting();
  ClearWriteFaultForTesting();
  SetBeforeLengthCheckHookForTesting(nullptr);
  SetScanProgressSink({});
  ClearVolumeLabelCache();
  ClearMediaInfo();
}
