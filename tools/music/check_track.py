#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
"""Measures the encoded music the way a player's ears would judge it.

    tools/music/check_track.py assets/stakko_remix.mp3 [RENDERED.wav]

Decodes the MP3 with `lame --decode` and prints its length, level, peak, DC
offset and clipped samples, then how smoothly its end runs into its start
compared with any other pair of neighbouring samples. Given the WAV it was
encoded from, it also compares the decoded start and end with the original.
Exits non-zero when the track is clipped, off-centre or has an audible seam.
Only the standard library is used.
"""

import array
import math
import operator
import os
import subprocess
import sys
import tempfile
import wave


def read_wav(path):
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 2:
            sys.exit(f"{path}: expected 16-bit stereo")
        rate = w.getframerate()
        data = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder != "little":
        data.byteswap()
    return rate, data[0::2], data[1::2]


def dbfs(x):
    return 20 * math.log10(max(x, 1e-9) / 32768)


def rms(samples):
    return math.sqrt(sum(map(operator.mul, samples, samples)) / len(samples))


def step_sizes(samples):
    return [abs(b - a) for a, b in zip(samples, samples[1:])]


def error_db(decoded, original):
    """How far below the music the coding error lies, in dB."""
    diff = [a - b for a, b in zip(decoded, original)]
    return 20 * math.log10(max(rms(original), 1e-9) / max(rms(diff), 1e-9))


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    mp3 = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        decoded = os.path.join(tmp, "decoded.wav")
        subprocess.run(["lame", "--silent", "--decode", mp3, decoded], check=True)
        rate, left, right = read_wav(decoded)

    frames = len(left)
    size = os.path.getsize(mp3)
    print(f"file      {size} bytes ({size / 1e6:.2f} MB), "
          f"{size * 8 / (frames / rate) / 1000:.0f} kbit/s")
    print(f"length    {frames} frames = {frames / rate:.2f} s at {rate} Hz")
    problems = []
    for name, ch in (("left", left), ("right", right)):
        peak = max(max(ch), -min(ch))
        clipped = sum(1 for s in ch if s >= 32767 or s <= -32768)
        dc = sum(ch) / frames
        print(f"{name:5}     RMS {dbfs(rms(ch)):6.2f} dBFS  peak {dbfs(peak):6.2f} dBFS  "
              f"DC {dc / 32768 * 100:+.4f} %  clipped {clipped}")
        if clipped:
            problems.append(f"{name}: {clipped} clipped samples")
        if abs(dc) / 32768 > 0.001:
            problems.append(f"{name}: DC offset")

        # The seam: the step from the last sample back to the first, against
        # the steps everywhere else.
        steps = sorted(step_sizes(ch))
        seam = abs(ch[0] - ch[-1])
        p99 = steps[int(0.99 * len(steps))]
        around = max(step_sizes(ch[-256:]) + step_sizes(ch[:256]))
        print(f"          seam step {seam}: largest step in the 256 samples either side "
              f"{around}, 99th percentile of all steps {p99}")
        if seam > p99 or seam > around:
            problems.append(f"{name}: the end does not run smoothly into the start")

    if len(sys.argv) == 3:
        _, src_left, src_right = read_wav(sys.argv[2])
        if len(src_left) != frames:
            problems.append(f"decoded length {frames} differs from the original {len(src_left)}")
        else:
            n = 4096
            middle = frames // 2
            for name, dec, src in (("left", left, src_left), ("right", right, src_right)):
                print(f"{name:5}     coding error below the music: "
                      f"first {n} {error_db(dec[:n], src[:n]):5.1f} dB, "
                      f"middle {error_db(dec[middle:middle + n], src[middle:middle + n]):5.1f} dB, "
                      f"last {n} {error_db(dec[-n:], src[-n:]):5.1f} dB")

    for p in problems:
        print("PROBLEM:", p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
