#!/usr/bin/env python3
"""Turns a playthrough's step list into a replay file for RERIZUVA2 --replay.

Step lines (one a line, '#' starts a comment):
    wait N              no key for N turns
    hold KEYS N         hold KEYS (joined by '+') for N turns, then let them go
    tap KEYS            hold KEYS for 2 turns
    expect WHAT...      a check of the state at the end of the turn the steps so far reach,
                        written as the comment '# expect TURN WHAT...' that the playthrough
                        test reads: 'map N', 'status ENTRY VALUE', 'some TYPE', 'none TYPE',
                        'hero X Y' (centre in screen pixels, give or take 8; the
                        headless screen is 960 x 540, 1.2 times the design's x), 'end' (the
                        program has ended by itself before the last turn)
Key names: left right up down space esc p enter, or a scan code (0x39).
Every step starts at the turn the previous one ended; a final comment names the last turn.

    make_replay.py playthrough.steps > playthrough.replay
"""
import sys

KEYS = {"left": 0xCB, "right": 0xCD, "up": 0xC8, "down": 0xD0, "space": 0x39,
        "esc": 0x01, "p": 0x19, "enter": 0x1C}


def code(name):
    return KEYS[name] if name in KEYS else int(name, 0)


def convert(lines):
    out, turn = [], 1
    for number, raw in enumerate(lines, 1):
        words = raw.split("#", 1)[0].split()
        if not words:
            continue
        verb = words[0]
        if verb == "expect" and len(words) >= 2:
            # The dump of turn T is the state after T: the last turn the steps so far ran.
            out.append(f"# expect {turn - 1} " + " ".join(words[1:]))
            continue
        if verb == "wait" and len(words) == 2:
            turn += int(words[1])
            continue
        if verb == "tap" and len(words) == 2:
            words = ["hold", words[1], "2"]
        if words[0] != "hold" or len(words) != 3:
            raise SystemExit(f"line {number}: cannot read '{raw.strip()}'")
        keys = [code(k) for k in words[1].split("+")]
        length = int(words[2])
        for k in keys:
            out.append(f"{turn} key down 0x{k:02X}")
        turn += length
        for k in keys:
            out.append(f"{turn} key up 0x{k:02X}")
    out.append(f"# last turn {turn}")
    return out


if __name__ == "__main__":
    with open(sys.argv[1], encoding="utf-8") as steps:
        print("\n".join(convert(steps.readlines())))
