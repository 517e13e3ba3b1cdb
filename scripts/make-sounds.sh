#!/bin/sh
# Regenerates the program's own sounds in res/: the built-in chime (chime.wav, 16-bit PCM, compiled
# into the program) and the About box's welcome sound (Welcome.wma). Needs python3 and ffmpeg.
# The results are committed; run this only to change them.
set -eu
RES="$(cd "$(dirname "$0")/.." && pwd)/res"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

python3 - "$RES/chime.wav" "$TMP/welcome.wav" <<'PY'
import math, struct, sys, wave

RATE = 44100

def bell(t, freq, decay):
    # A struck bell: a few inharmonic partials, the higher ones dying faster.
    partials = ((1.0, 1.0), (2.0, 0.45), (2.76, 0.25), (5.4, 0.08))
    value = 0.0
    for ratio, level in partials:
        value += level * math.exp(-t * decay * ratio) * math.sin(2 * math.pi * freq * ratio * t)
    attack = min(1.0, t / 0.004)  # a few milliseconds of attack avoid a click
    return attack * value

def render(notes, seconds, gain):
    frames = int(RATE * seconds)
    samples = []
    for i in range(frames):
        t = i / RATE
        value = sum(bell(t - start, freq, decay) for start, freq, decay in notes if t >= start)
        tail = min(1.0, (seconds - t) / 0.15)  # fade the last moments to silence
        samples.append(max(-32767, min(32767, int(value * gain * tail * 32767))))
    return samples

def write(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples))

# The chime: two soft strikes, a fifth apart, falling.
write(sys.argv[1], render([(0.0, 1318.5, 3.0), (0.32, 880.0, 2.6)], 1.6, 0.33))
# The welcome: three rising notes of a major chord.
write(sys.argv[2], render([(0.0, 523.25, 2.5), (0.18, 659.25, 2.5), (0.36, 783.99, 2.0)], 1.8, 0.3))
PY

ffmpeg -hide_banner -loglevel error -y -i "$TMP/welcome.wav" -c:a wmav2 -b:a 64k "$RES/Welcome.wma"
ls -l "$RES/chime.wav" "$RES/Welcome.wma"
