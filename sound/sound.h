// SPDX-License-Identifier: MIT
#pragma once

// The program-wide sound operation. Sounds 1, 2 and 3 are the WAVE images embedded as
// :/sounds/1.wav, :/sounds/2.wav and :/sounds/3.wav. One sound plays at a time: starting a
// sound cuts the one still playing. Without a usable audio device every call is silent.
// All three functions belong to the user-interface thread.
namespace sound {

// Starts sound 1, 2 or 3 and returns at once; opens the audio device first if warmUp()
// has not run yet. Any other number, or an image the device cannot play, gives silence.
void Play_sound(int sound);

// Opens the audio device so that the first sound starts without delay. Call it once the
// main window is on screen; calling it again does nothing.
void warmUp();

// Stops the sound playing and closes the audio device. Call it before the application
// object is destroyed; later calls of Play_sound stay silent.
void shutDown();

}  // namespace sound
