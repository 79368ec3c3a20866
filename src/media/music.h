// Background music: MIDI songs "snd/pc1.mid" .. "snd/pc20.mid" of the asset directory, one after
// another and round again, through the media player of the sound seam (media/sound.h).
//
// All of it runs on the user-interface thread. MusicOn, MusicPlaying and SoundOn live with the
// rest of the shared state (app/state.h).
#pragma once

namespace pd {

constexpr int kSongCount = 20;

// The number of the song last started, 1..kSongCount; 0 before the first.
inline int SongNumber = 0;

// Opens and plays the next song: SongNumber moves on by one (after the last, back to the first).
// The song plays whatever MusicOn is; MusicOn decides only whether another follows it.
void StartNextSong();

// Closes the media player: the song stops at once and no other follows until StartNextSong.
void CloseMediaPlayer();

// The media player's report that the song played to its end (songs stopped, replaced or unable
// to play are never reported). With MusicOn set the next song starts; otherwise the music ends
// here.
void MediaPlayer1Notify();

// At the main window's first paint: the music starts from the first song and MusicPlaying is set.
void StartBackgroundMusic();
// At the end of the program: closes the media player and clears MusicPlaying.
void StopBackgroundMusic();

}  // namespace pd
