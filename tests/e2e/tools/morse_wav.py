#!/usr/bin/env python3
"""A stereo Morse recording for the end-to-end tests: 16-bit PCM at 11025
frames per second, one text keyed on the left channel and another on the
right, so that a decoder reading the wrong channel shows the wrong text.

    morse_wav.py OUT --left TEXT [--right TEXT] [--cpm N] [--tone HZ]

Timing is International Morse on a 50-unit word: one unit lasts 6000 / cpm
ms; elements 1 unit apart, letters 3, words 7. Keying edges are raised
cosines of 5 ms; a little white noise (fixed seed) is added.
"""
import argparse
import math
import random
import struct
import wave

RATE_HZ = 11025
CODE = {
    "A": ".-", "B": "-...", "C": "-.-.", "D": "-..", "E": ".", "F": "..-.", "G": "--.",
    "H": "....", "I": "..", "J": ".---", "K": "-.-", "L": ".-..", "M": "--", "N": "-.",
    "O": "---", "P": ".--.", "Q": "--.-", "R": ".-.", "S": "...", "T": "-", "U": "..-",
    "V": "...-", "W": ".--", "X": "-..-", "Y": "-.--", "Z": "--..", "0": "-----",
    "1": ".----", "2": "..---", "3": "...--", "4": "....-", "5": ".....", "6": "-....",
    "7": "--...", "8": "---..", "9": "----.", "/": "-..-.", "?": "..--..", "=": "-...-",
}
EDGE_S = 0.005
LEAD_S = 1.0
TAIL_S = 1.5


def key_intervals(text, unit_s):
    """Key-down intervals in seconds from the start of the keying."""
    intervals, t = [], 0.0
    for w, word in enumerate(text.upper().split()):
        if w:
            t += 4 * unit_s  # 3 units already follow the last letter
        for letter in word:
            for element in CODE[letter]:
                length = unit_s if element == "." else 3 * unit_s
                intervals.append((t, t + length))
                t += length + unit_s
            t += 2 * unit_s
    return intervals, t


def envelope(t, intervals):
    for start, end in intervals:
        if start - EDGE_S <= t <= end + EDGE_S:
            rise = min(1.0, (t - start + EDGE_S) / (2 * EDGE_S))
            fall = min(1.0, (end + EDGE_S - t) / (2 * EDGE_S))
            x = max(0.0, min(rise, fall))
            return 0.5 - 0.5 * math.cos(math.pi * x)
    return 0.0


def channel(text, cpm, tone_hz, frames, rng):
    intervals, _ = key_intervals(text, 6.0 / cpm) if text else ([], 0.0)
    intervals = [(s + LEAD_S, e + LEAD_S) for s, e in intervals]
    samples, at = [], 0
    for n in range(frames):
        t = n / RATE_HZ
        while at < len(intervals) and intervals[at][1] + EDGE_S < t:
            at += 1
        level = envelope(t, intervals[at:at + 1])
        value = 9000.0 * level * math.sin(2 * math.pi * tone_hz * t) + rng.gauss(0.0, 150.0)
        samples.append(max(-32768, min(32767, int(round(value)))))
    return samples


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--left", required=True)
    parser.add_argument("--right", default="")
    parser.add_argument("--cpm", type=float, default=100.0)
    parser.add_argument("--tone", type=float, default=603.0)
    args = parser.parse_args()
    unit_s = 6.0 / args.cpm
    length_s = max(key_intervals(t, unit_s)[1] for t in (args.left, args.right or "E"))
    frames = int((LEAD_S + length_s + TAIL_S) * RATE_HZ)
    rng = random.Random(7)
    left = channel(args.left, args.cpm, args.tone, frames, rng)
    right = channel(args.right, args.cpm, args.tone, frames, rng)
    with wave.open(args.out, "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(RATE_HZ)
        out.writeframes(b"".join(struct.pack("<hh", l, r) for l, r in zip(left, right)))


if __name__ == "__main__":
    main()
