// The ABOUT window Taboutme.
#pragma once

namespace pd {

// Creates Taboutme and shows it modally.
void ShowAbout();

}  // namespace pd
