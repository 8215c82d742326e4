// SPDX-License-Identifier: MIT
#pragma once

// The program-wide sound operation. Sounds 1, 2 and 3 are the WAVE images embedded as
// :/sounds/1.wav, :/sounds/2.wav and :/sounds/3.wav. One sound plays at a time: starting a
// sound cuts the one still playing. Nothing of the sound path exists before the first sound;
// while a game runs it stays open between sounds, and otherwise it is let go again shortly
// after the last sound has ended. Without a usable sound system every call is silent, and
// the reason is logged once (category "trilet.sound"). The functions belong to the
// user-interface thread.
namespace sound {

// Starts sound 1, 2 or 3 and returns at once. Any other number, or an image the sound
// system cannot play, gives silence.
void Play_sound(int sound);

// Says whether a game runs: true when one starts, false when it ends. It opens nothing by
// itself; it only keeps a path that a sound opened from being let go between sounds.
void setGameRunning(bool running);

// Stops the sound playing and closes the sound path. Call it before the application object
// is destroyed; later calls of Play_sound stay silent.
void shutDown();

}  // namespace sound
