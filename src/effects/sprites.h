// The sprite animation tools: BOMB, TRAIN and BILLY BRUSH. Each plays a small picture's frames at
// the clicked point, leaves its mark on the canvas and returns when its animation has ended.
// TRAIN and BILLY BRUSH hold AnimationBusy for the whole run. A missing sprite sheet shows the
// reader's message; whatever was taken is given back and AnimationBusy is cleared again.
#pragma once

namespace pd {

// The steps of the animations, in milliseconds.
constexpr int kBombStepMs = 90;
constexpr int kSpriteStepMs = 100;
// How long BOMB's rings take to race out to their full size.
constexpr int kBombRingsMs = 450;

// Eight fuse frames of "a930.kvr" centred on (x, y), then 79 rings racing out to a radius of 320,
// then the whole canvas white.
void DropBomb(int x, int y);
// A train from "a931.kvr" that runs to the left laying two rails with ties, straight or sinking a
// pixel a step, until it leaves the canvas.
void LayTrack(int x, int y);
// Billy from "a932.kvr" skiing down to the bottom of the canvas in runs of turns, leaving a wavy
// track of width PenSize.
void SkiDown(int x, int y);

}  // namespace pd
