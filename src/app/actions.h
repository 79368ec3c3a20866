// The actions of the tool buttons: what a button runs at once instead of selecting a tool.
#pragma once

#include "app/tooltable.h"

namespace pd {

// Runs the action of slot. The button's common handling (sound, snapshot, marker) has run
// before, and the option panels are drawn after.
void RunAction(const ToolSlot& slot);

}  // namespace pd
