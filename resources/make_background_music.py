"""Makes BackgroundMusic: a gentle 20-second loop, encoded as MP3.

usage: make_background_music.py <output.mp3>

Eight bars in C major at 96 beats a minute over the progression
C - G - Am - F (twice): a soft pad on each chord, a plucked arpeggio in
eighth notes and a round bass on the beats. Every voice is rendered with
wrap-around, so the tail of the last bar rings into the first and the
music loops without a seam. The samples are computed in integer-exact
steps and encoded by `lame` with fixed settings, so every build gives the
same bytes.
"""

import math
import os
import struct
import subprocess
import sys
import wave

RATE = 22050
BEATS_PER_MINUTE = 96
BEATS_PER_BAR = 4
SAMPLES_PER_BEAT = RATE * 60 // BEATS_PER_MINUTE
SAMPLES_PER_BAR = SAMPLES_PER_BEAT * BEATS_PER_BAR

# MIDI note numbers of each chord (root position) and of its bass.
CHORDS = [
    ([60, 64, 67], 48),  # C
    ([59, 62, 67], 43),  # G (first inversion above B)
    ([57, 60, 64], 45),  # Am
    ([57, 60, 65], 41),  # F (second inversion)
]
PROGRESSION = CHORDS * 2

# Arpeggio figure over one bar: indices into the chord plus an octave flag.
ARPEGGIO = [(0, 0), (1, 0), (2, 0), (0, 1), (2, 0), (1, 0), (0, 0), (1, 0)]


def frequency(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def add_tone(buffer, start, length, note, level, shape):
    """Adds one note into the looped buffer, wrapping past its end."""
    total = len(buffer)
    step = 2.0 * math.pi * frequency(note) / RATE
    for i in range(length):
        buffer[(start + i) % total] += level * shape(i, length) * math.sin(step * i)


def pluck(i, length):
    attack = min(1.0, i / 40.0)
    return attack * math.exp(-4.5 * i / length)


def pad(i, length):
    rise = min(1.0, i / (0.35 * RATE))
    fall = min(1.0, (length - i) / (0.5 * RATE))
    return rise * fall


def bass(i, length):
    attack = min(1.0, i / 120.0)
    return attack * math.exp(-2.0 * i / length)


def render():
    total = SAMPLES_PER_BAR * len(PROGRESSION)
    buffer = [0.0] * total
    for bar, (chord, root) in enumerate(PROGRESSION):
        bar_start = bar * SAMPLES_PER_BAR
        pad_length = SAMPLES_PER_BAR + RATE // 2  # overlaps into the next bar
        for note in chord:
            add_tone(buffer, bar_start, pad_length, note, 0.055, pad)
            add_tone(buffer, bar_start, pad_length, note + 12, 0.015, pad)
        eighth = SAMPLES_PER_BEAT // 2
        for k, (index, octave) in enumerate(ARPEGGIO):
            note = chord[index] + 12 + 12 * octave
            add_tone(buffer, bar_start + k * eighth, RATE, note, 0.11, pluck)
        for beat in (0, 2):
            add_tone(buffer, bar_start + beat * SAMPLES_PER_BEAT, SAMPLES_PER_BEAT * 2, root, 0.16, bass)
    peak = max(abs(s) for s in buffer) or 1.0
    scale = 0.8 * 32767 / peak
    return b"".join(struct.pack("<h", int(round(s * scale))) for s in buffer)


def write_wave(path, frames):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    output = sys.argv[1]
    wave_path = output + ".wav"
    write_wave(wave_path, render())
    subprocess.run(
        ["lame", "--quiet", "--noreplaygain", "-m", "m", "-b", "64", "-q", "2", wave_path, output],
        check=True)
    os.remove(wave_path)


if __name__ == "__main__":
    main()
