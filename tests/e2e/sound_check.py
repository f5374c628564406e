#!/usr/bin/env python3
"""Records what the program plays and compares it with what the script did.

    sound_check.py record RECORDING.wav READY_FILE
        Records the null sink's monitor (through parec) until SIGTERM or
        SIGINT, noting when each piece of sound arrives, so that every
        sample has a wall-clock time: the recording's own start lags its
        request by up to a second here. READY_FILE appears once sound flows.

    sound_check.py check RECORDING.wav EVENTS.txt MUSIC.wav
        EVENTS.txt holds "name seconds" lines (wall-clock times): "hover"
        and "click" (each must be heard within MAX_LATENCY), "play" (the
        media player's play button; the music that follows must begin at
        the file's beginning), "pause" and "resume" (the pause button, twice;
        the music must go on where it stopped) and "end". Prints the figures; exits 1 when a
        check fails.
"""
import array
import os
import signal
import subprocess
import sys
import time
import wave

MAX_LATENCY = 0.150    # s from the pointer event to the first audible sample
SEARCH = 0.450         # s after an event in which its sound is looked for
THRESHOLD = 200        # sample magnitude taken as audible (full scale 32767)
HOP = 0.010            # s between loudness envelope points
WINDOW = 0.050         # s over which each envelope point is taken
MATCH = 2.0            # s of music compared
MAX_SKIP = 0.150       # s of the piece's beginning that may be missing
MIN_CORRELATION = 0.9  # envelope likeness over the piece's first second
RATE = 44100
MAX_JITTER = 0.050     # s the arrival of the recording may vary from real time


def record(path, ready):
    recorder = subprocess.Popen(["parec", "-d", "nullsink.monitor", f"--rate={RATE}", "--channels=1",
                                 "--format=s16le", "--latency-msec=10", "--raw"], stdout=subprocess.PIPE)
    signal.signal(signal.SIGTERM, lambda *_: recorder.terminate())
    signal.signal(signal.SIGINT, lambda *_: recorder.terminate())
    data = bytearray()
    arrivals = []
    while True:
        piece = os.read(recorder.stdout.fileno(), 65536)
        if not piece:
            break
        data += piece
        arrivals.append((time.time(), len(data) // 2))
        if len(arrivals) == 1:
            open(ready, "w").close()
    recorder.wait()
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(data[:len(data) // 2 * 2]))
    with open(path + ".arrivals", "w") as f:
        f.writelines(f"{t:.6f} {n}\n" for t, n in arrivals)


def sample_clock(path, rate):
    """Wall-clock time of the recording's first sample, and how far the
    arrivals stray from a steady flow. Each arrival bounds the first
    sample's time from above; the tightest bound is taken, so sounds can
    only seem later than they were, never earlier.
    A reader kept from the processor by a busy machine reads late, which
    only loosens a bound for a moment; lost samples move every later bound.
    So the steadiness is the spread of each second's tightest bound."""
    arrivals = [(float(t), int(n)) for t, n in (line.split() for line in open(path + ".arrivals"))]
    bounds = [t - (n - 1) / rate for t, n in arrivals]
    tightest = {}
    for (t, _), bound in zip(arrivals, bounds):
        second = int(t - arrivals[0][0])
        tightest[second] = min(bound, tightest.get(second, bound))
    return min(bounds), max(tightest.values()) - min(tightest.values())


def read_mono(path):
    with wave.open(path) as w:
        if w.getsampwidth() != 2:
            sys.exit(f"{path}: 16-bit samples expected")
        channels, rate = w.getnchannels(), w.getframerate()
        samples = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        samples.byteswap()
    if channels > 1:
        samples = array.array("h", (int(sum(samples[i:i + channels]) / channels)
                                    for i in range(0, len(samples), channels)))
    return samples, rate


def first_audible(samples, rate, start, stop):
    """Seconds of the first audible sample in [start, stop), or None."""
    for i in range(max(0, int(start * rate)), min(len(samples), int(stop * rate))):
        if abs(samples[i]) > THRESHOLD:
            return i / rate
    return None


def last_audible(samples, rate, start, stop):
    """Seconds of the last audible sample in [start, stop), or None."""
    for i in range(min(len(samples), int(stop * rate)) - 1, max(0, int(start * rate)) - 1, -1):
        if abs(samples[i]) > THRESHOLD:
            return i / rate
    return None


def envelope(samples, rate, start, length):
    """Root-mean-square loudness every HOP seconds over `length` seconds."""
    window, hop = int(WINDOW * rate), int(HOP * rate)
    first = int(start * rate)
    points = []
    for k in range(int(length / HOP)):
        chunk = samples[first + k * hop:first + k * hop + window]
        points.append((sum(x * x for x in chunk) / len(chunk)) ** 0.5 if len(chunk) == window else 0.0)
    return points


def correlation(a, b):
    n = min(len(a), len(b))
    a, b = a[:n], b[:n]
    ma, mb = sum(a) / n, sum(b) / n
    num = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    den = (sum((x - ma) ** 2 for x in a) * sum((y - mb) ** 2 for y in b)) ** 0.5
    return num / den if den else 0.0


def check(recording_path, events_path, music_path):
    recording, rate = read_mono(recording_path)
    events = [(line.split()[0], float(line.split()[1])) for line in open(events_path) if line.strip()]
    music, music_rate = read_mono(music_path)
    origin, jitter = sample_clock(recording_path, rate)
    print(f"recording: {len(recording) / rate:.2f} s at {rate} Hz, arrivals within {jitter * 1000:.0f} ms of a steady flow")
    failures = []
    if jitter > MAX_JITTER:
        failures.append("the recording did not flow steadily; its times cannot be trusted")

    for number, (name, when) in enumerate((e for e in events if e[0] in ("hover", "click")), 1):
        at = when - origin
        heard = first_audible(recording, rate, at, at + SEARCH)
        if heard is None:
            print(f"{name} {number}: silent")
            failures.append(f"{name} {number} was not heard")
            continue
        latency = heard - at
        print(f"{name} {number}: heard after {latency * 1000:.0f} ms")
        if latency > MAX_LATENCY:
            failures.append(f"{name} {number} heard only after {latency * 1000:.0f} ms")

    times = dict(events)
    music_env = envelope(music, music_rate, 0.0, len(music) / music_rate)

    def piece_at(start, length):
        """The moment of the piece that the recording from `start` on
        matches best, and how well, over `length` seconds."""
        heard_env = envelope(recording, rate, start, length)
        steps = len(heard_env)
        scores = [correlation(heard_env, music_env[k:k + steps]) for k in range(len(music_env) - steps)]
        best = max(scores)
        return scores.index(best) * HOP, best

    play, pause = times["play"] - origin, times["pause"] - origin
    resume, end = times["resume"] - origin, times["end"] - origin
    heard = first_audible(recording, rate, play, pause)
    resumed = first_audible(recording, rate, resume, end)
    if heard is None:
        failures.append("the music was not heard")
    else:
        # Which moment of the piece is the first one heard: the recording
        # from then on is matched against the piece at every offset.
        # Only what was heard before the pause is compared.
        offset, score = piece_at(heard, max(HOP * 10, min(MATCH, pause - heard)))
        music_start = first_audible(music, music_rate, 0, len(music) / music_rate)
        skipped = offset - music_start
        first_second = correlation(envelope(recording, rate, heard, 1.0),
                                   envelope(music, music_rate, music_start, 1.0))
        print(f"music: heard {(heard - play) * 1000:.0f} ms after play; the first sound heard is the piece at "
              f"{offset:.2f} s (envelope correlation {score:.3f}); the piece itself begins at {music_start:.2f} s")
        print(f"music: {skipped:.2f} s of the beginning missing; first second's envelope correlation {first_second:.3f}")
        if skipped > MAX_SKIP:
            failures.append(f"the music skipped its first {skipped:.2f} s")
        if first_second < MIN_CORRELATION:
            failures.append(f"the music's first second does not match the file (correlation {first_second:.3f})")
        # Paused and resumed: it goes on where it stopped.
        # On a busy machine the pause's press can reach the program before
        # the recorder has delivered what was played just before it, so a
        # recording without sound there is noted, not failed; what is
        # checked is where the music goes on once both are heard.
        stopped = last_audible(recording, rate, pause, resume)
        if stopped is None:
            print("note: nothing was recorded between the pause button's press and the resume")
        elif resumed is None:
            print("note: the music was not recorded again after the resume")
        else:
            paused_at = stopped - heard + offset
            resumed_at, score = piece_at(resumed, MATCH)
            print(f"music: paused at {paused_at:.2f} s of the piece, heard again {(resumed - resume) * 1000:.0f} ms "
                  f"after resuming at {resumed_at:.2f} s (envelope correlation {score:.3f})")
            if abs(resumed_at - paused_at) > MAX_SKIP:
                failures.append(f"the music resumed at {resumed_at:.2f} s, not where it was paused ({paused_at:.2f} s)")

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "record":
        record(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 5 and sys.argv[1] == "check":
        sys.exit(check(*sys.argv[2:]))
    else:
        sys.exit(__doc__)
