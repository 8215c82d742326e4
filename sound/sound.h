// SPDX-License-Identifier: MIT
#pragma once

// The program-wide sound operation. Sounds 1, 2 and 3 are the WAVE images embedded as
// :/sounds/1.wav, :/sounds/2.wav and :/sounds/3.wav. One sound plays at a time: starting a
// sound cuts the one still playing. Nothing of the sound path exists before the first sound,
// and it is let go again a few seconds after the last one has ended. Without a usable sound
// system every call is silent. Both functions belong to the user-interface thread.
namespace sound {

// Starts sound 1, 2 or 3 and returns at once. Any other number, or an image the sound
// system cannot play, gives silence.
void Play_sound(int sound);

// Stops the sound playing and closes the sound path. Call it before the application object
// is destroyed; later calls of Play_sound stay silent.
void shutDown();

}  // namespace sound
