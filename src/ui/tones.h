#pragma once

namespace velmora::ui {

// Plays a sine tone and returns when it has sounded; silent (and at once)
// on a machine without audio output.
void playTone(int frequencyHz, int durationMs);

}  // namespace velmora::ui
