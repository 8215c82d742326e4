# SPDX-License-Identifier: MIT
"""What comes out of the loudspeaker: a recording of the null sink's monitor, cut into
sounds, each told apart by comparing its loudness curve with the program's WAVE files."""

import array
import os
import signal
import subprocess
import time
import wave

from session import Failure, check

RATE = 44100
FRAME = 0.010  # seconds per loudness value
LOUD = 1000  # a frame louder than this (of 32767) is sound
SILENT = 300  # every frame of a silent stretch stays below this
GAP = 15  # frames of quiet that separate two sounds


def loudness(samples, rate):
    """The peak of each FRAME of signed 16-bit samples."""
    out = []
    step = rate * FRAME
    i = 0
    while int((i + 1) * step) <= len(samples):
        chunk = samples[int(i * step):int((i + 1) * step)]
        out.append(max(max(chunk), -min(chunk)))
        i += 1
    return out


def wave_loudness(path):
    with wave.open(path, "rb") as w:
        check(w.getnchannels() == 1, "%s is not mono" % path)
        width = w.getsampwidth()
        data = w.readframes(w.getnframes())
        rate = w.getframerate()
    if width == 1:
        samples = [(b - 128) * 256 for b in data]
    else:
        samples = array.array("h")
        samples.frombytes(data[:len(data) // 2 * 2])
    return loudness(samples, rate)


class Sound:
    """One stretch of sound in a recording: where it starts and ends, in frames."""

    def __init__(self, start, end):
        self.start = start
        self.end = end

    def seconds(self):
        return self.start * FRAME

    def __repr__(self):
        return "Sound(%.2f s to %.2f s)" % (self.start * FRAME, self.end * FRAME)


class Recording:
    def __init__(self, samples):
        self.samples = samples
        self.curve = loudness(samples, RATE)

    def sounds(self, since=0):
        """The stretches of sound from sample index since on."""
        found = []
        quiet = GAP
        first = int(since / (RATE * FRAME))
        for i, level in enumerate(self.curve[first:], first):
            if level > LOUD:
                if quiet >= GAP:
                    found.append(Sound(i, i))
                found[-1].end = i
                quiet = 0
            else:
                quiet += 1
        return found

    def peak(self, since=0, until=None):
        first = int(since / (RATE * FRAME))
        last = len(self.curve) if until is None else int(until / (RATE * FRAME))
        return max(self.curve[first:last], default=0)

    def misfit(self, reference, start):
        """How far the recording from frame start on differs from a reference loudness
        curve: the mean difference over the reference's length, relative to its peak."""
        if start < 0 or start + len(reference) > len(self.curve):
            return 1.0
        seen = self.curve[start:start + len(reference)]
        return sum(abs(a - b) for a, b in zip(seen, reference)) / len(reference) / max(reference)

    def best_misfit(self, reference, first, last):
        return min(self.misfit(reference, start) for start in range(first, last + 1))


class Sounds:
    """The program's three sounds, by number, as loudness curves."""

    FIT = 0.12  # the most a recording may differ from the sound it is taken for

    def __init__(self, resources):
        self.curve = {n: wave_loudness(os.path.join(resources, "sounds", "%d.wav" % n))
                      for n in (1, 2, 3)}

    def misfits(self, recording, sound, anywhere):
        """Each sound's best fit starting at sound (give or take a few frames), or anywhere
        within it when a sound may have been cut short by the next."""
        last = sound.end if anywhere else sound.start + 3
        return {n: recording.best_misfit(curve, sound.start - 3, last)
                for n, curve in self.curve.items()}

    def identify(self, recording, sound, anywhere=False):
        """The number of the program sound heard at sound, or None if none fits."""
        misfits = self.misfits(recording, sound, anywhere)
        best = min(misfits, key=misfits.get)
        if misfits[best] < self.FIT and all(e > 2 * misfits[best] for n, e in misfits.items()
                                            if n != best):
            return best
        return None

    def expect(self, recording, sound, number, what, anywhere=False):
        got = self.identify(recording, sound, anywhere)
        misfits = {n: round(e, 3) for n, e in self.misfits(recording, sound, anywhere).items()}
        check(got == number, "%s: expected sound %d at %.2f s, heard %s (misfits %s)"
              % (what, number, sound.seconds(), got, misfits))


class Recorder:
    """Records the null sink's monitor from now until stop()."""

    def __init__(self, session):
        self.session = session
        self.path = os.path.join(session.dir, "record-%d.raw" % time.monotonic_ns())
        self.file = open(self.path, "wb")
        self.process = session.spawn(
            ["parecord", "--raw", "-d", "cap.monitor", "--format=s16le", "--rate=%d" % RATE,
             "--channels=1", "--latency-msec=10"], stdout=self.file)
        # Recording has begun once the monitor's (silent) samples arrive.
        session.wait_for(lambda: os.path.getsize(self.path) > 0, 10,
                         "parecord to deliver samples")

    def mark(self):
        """The sample index of this moment in the recording."""
        return os.path.getsize(self.path) // 2

    def stop(self, tail=0.3):
        time.sleep(tail)
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGINT)
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                raise Failure("parecord did not stop")
        self.file.close()
        with open(self.path, "rb") as f:
            data = f.read()
        samples = array.array("h")
        samples.frombytes(data[:len(data) // 2 * 2])
        return Recording(samples)
