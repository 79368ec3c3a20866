// Background music: one song after another.
#pragma once

namespace pd {

// Starts the background music from the first song (the first paint calls it).
void StartBackgroundMusic();
// Stops the song playing without starting the next one.
void StopBackgroundMusic();

}  // namespace pd
