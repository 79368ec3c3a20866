// The save query Tprtquery: save the picture as a brand new one, or replace the older picture it
// was opened from (shown beside the choice).
#pragma once

namespace pd {

// Shows the query modally; DialogResult is 1 when the child chose to replace CurrentPictureName.
void ShowSaveQuery();

}  // namespace pd
