#!/usr/bin/env python3
"""Writes the built-in challenge levels under challenges/: a track workspace and a task per level.

Tracks are drawn with the map's own line cells and brush segments (10 px wide); a few are the
tracks of examples/. Run from the repository's top folder; the output is stable, so a rerun
changes nothing unless this script did.
"""
import json
import math
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "challenges"
COLS, ROWS = 71, 41


def example(name):
    return json.loads((ROOT / "examples" / name).read_text(encoding="utf-8"))


# Four single sensors in a row at the front: the oval's robot, the one a learner starts with.
FOUR_SENSORS = example("oval.vemrik")["robot"]


class Track:
    def __init__(self, heading):
        self.map = [["0"] * COLS for _ in range(ROWS)]
        self.strokes = []
        self.heading = heading

    def cells(self, code, x0, y0, x1, y1):
        """A row or column of cells from (x0, y0) to (x1, y1), both ends included."""
        for x in range(min(x0, x1), max(x0, x1) + 1):
            for y in range(min(y0, y1), max(y0, y1) + 1):
                self.map[y][x] = code

    def path(self, points):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.strokes.append([round(x0), round(y0), round(x1), round(y1)])

    def arc(self, cx, cy, r, a0, a1, parts):
        """Brush segments along a circle; angles in degrees, 0 to the right, clockwise on screen."""
        self.path([(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / parts)),
                    cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / parts))) for i in range(parts + 1)])

    def workspace(self):
        return {"format": "vemrik-workspace", "version": 1, "robot": FOUR_SENSORS,
                "map": ["".join(row) for row in self.map], "strokes": self.strokes, "rules": [],
                "ruleAngle": 0, "startHeading": self.heading}


def from_example(name):
    ws = example(name)
    t = Track(ws["startHeading"])
    t.map = [list(row) for row in ws["map"]]
    t.strokes = ws["strokes"]
    return t


def straight():
    t = Track(90)
    t.cells("1", 5, 20, 65, 20)
    t.cells("4", 6, 20, 6, 20)
    t.cells("5", 64, 20, 64, 20)
    return t


def gentle_curve():
    t = Track(90)
    t.cells("1", 3, 35, 10, 35)
    t.cells("4", 4, 35, 4, 35)
    t.arc(105, -295, 650, 90, 38, 26)
    t.cells("5", 58, 14, 58, 14)
    return t


def sharp_corner():
    t = Track(90)
    t.cells("1", 4, 32, 40, 32)
    t.cells("1", 40, 4, 40, 32)
    t.cells("4", 5, 32, 5, 32)
    t.cells("5", 40, 5, 40, 5)
    return t


def crossing():
    t = Track(90)
    t.cells("1", 4, 20, 66, 20)
    for x in (150, 330, 510):
        t.path([(x - 90, 60), (x + 90, 350)])
    t.cells("4", 5, 20, 5, 20)
    t.cells("5", 65, 20, 65, 20)
    return t


def gap():
    t = Track(90)
    for x0, x1 in ((4, 20), (23, 40), (43, 66)):
        t.cells("1", x0, 20, x1, 20)
    t.cells("4", 5, 20, 5, 20)
    t.cells("5", 65, 20, 65, 20)
    return t


def zigzag():
    t = Track(90)
    t.path([(40, 205), (100, 205), (160, 170), (280, 240), (400, 170), (520, 240), (670, 240)])
    t.cells("4", 5, 20, 5, 20)
    t.cells("5", 66, 23, 66, 23)
    return t


def task(track, goal, success, steps, rules, extra=None):
    level = {"format": "vemrik-task", "version": 1,
             "tracks": [{"workspace": track}], "runs": 100, "maxSteps": 3000, "seed": 5489,
             "challenge": {"goal": goal, "success": success, "stepsForTwoStars": steps, "rulesForThreeStars": rules}}
    for key, value in (extra or {}).items():
        (level["challenge"] if key in ("maxRules", "maxSensors") else level)[key] = value
    return level


LEVELS = [
    ("01-straight", straight(), {"pl": "Dojedź prosto do mety.", "en": "Drive straight to the finish."},
     1.0, 250, 1, {}),
    ("02-gentle-curve", gentle_curve(), {"pl": "Jedź za linią po łagodnym łuku.", "en": "Follow the line along a gentle curve."},
     1.0, 300, 2, {}),
    ("03-sharp-corner", sharp_corner(), {"pl": "Skręć na ostrym zakręcie.", "en": "Turn at a sharp corner."},
     1.0, 300, 3, {}),
    ("04-crossing", crossing(), {"pl": "Przejedź prosto przez skrzyżowania.", "en": "Drive straight over the crossings."},
     1.0, 300, 3, {"noise": {"turn": 8}}),
    ("05-gap", gap(), {"pl": "Przejedź przez przerwy w linii.", "en": "Get across the gaps in the line."},
     1.0, 300, 3, {"noise": {"turn": 8}}),
    ("06-figure-eight", from_example("figure-eight.vemrik"), {"pl": "Przejedź ósemkę.", "en": "Drive the figure of eight."},
     0.95, 1000, 8, {}),
    ("07-zigzag", from_example("zigzag.vemrik"), {"pl": "Przejedź zygzak.", "en": "Drive the zigzag."},
     0.95, 400, 21, {}),
    ("08-noise", from_example("oval.vemrik"), {"pl": "Przejedź owal, choć czujniki czasem się mylą.",
                                               "en": "Drive the oval although the sensors are sometimes wrong."},
     0.9, 500, 8, {"noise": {"flip": 0.02, "turn": 5}, "robot": "08-noise.vemrik"}),
    ("09-four-rules", from_example("oval.vemrik"), {"pl": "Przejedź owal, mając najwyżej 4 reguły.",
                                                    "en": "Drive the oval with at most 4 rules."},
     0.95, 500, 3, {"maxRules": 4, "robot": "09-four-rules.vemrik"}),
    ("10-two-sensors", from_example("oval.vemrik"), {"pl": "Przejedź owal robotem z dwoma czujnikami.",
                                                     "en": "Drive the oval with a robot of two sensors."},
     0.95, 500, 3, {"maxSensors": 2}),
    ("11-picture", from_example("tape-loop.vemrik"), {"pl": "Przejedź tor zrobiony ze zdjęcia taśmy.",
                                                      "en": "Drive the track made from a picture of tape."},
     0.95, 500, 8, {"noise": {"flip": 0.1, "turn": 5}}),
    ("12-fast-lap", from_example("oval.vemrik"), {"pl": "Przejedź owal szybko.", "en": "Drive the oval fast."},
     0.95, 400, 3, {"maxSteps": 430}),
]


def write(path, data):
    path.write_text(json.dumps(data, ensure_ascii=False, indent=2) + "\n", encoding="utf-8")


def main():
    OUT.mkdir(exist_ok=True)
    for name, track, goal, success, steps, rules, extra in LEVELS:
        write(OUT / f"{name}.vemrik", track.workspace())
        write(OUT / f"{name}.vemrik-task", task(f"{name}.vemrik", goal, success, steps, rules, extra))


if __name__ == "__main__":
    main()
