"""Checks a piano roll against the report of the same run: the SVG parses, it
holds one ghost for each input note and one note for each output note, every
roll has a velocity lane and bar numbers from 1 on, and each drawn controller
the filter touched has its lane.

    check_piano_roll.py ROLL.svg REPORT.json
"""
import json
import sys
import xml.etree.ElementTree as ElementTree

SVG = "{http://www.w3.org/2000/svg}"
LANE_CONTROLLERS = {1: "1", 10: "10", 11: "11", "wheel": "-1"}


def having(root, tag, name):
    return [e for e in root.iter(SVG + tag) if name in e.get("class", "").split()]


def main(svg_path, report_path):
    root = ElementTree.parse(svg_path).getroot()
    with open(report_path, encoding="utf-8") as report_file:
        report = json.load(report_file)
    problems = []

    ghosts, notes = len(having(root, "rect", "ghost")), len(having(root, "rect", "note"))
    if ghosts != report["notes"]["before"] or notes != report["notes"]["after"]:
        problems.append(f"{ghosts} ghosts and {notes} notes for {report['notes']['before']} notes before "
                        f"and {report['notes']['after']} after")

    rolls = len(having(root, "text", "title"))
    if rolls == 0 or len(having(root, "g", "velocity-lane")) != rolls:
        problems.append(f"{rolls} rolls but {len(having(root, 'g', 'velocity-lane'))} velocity lanes")
    bars = [int(e.text) for e in having(root, "text", "bar-number")]
    if not bars or len(bars) % rolls or sorted(set(bars)) != list(range(1, max(bars) + 1)):
        problems.append(f"bar numbers {bars}")
    if not having(root, "text", "key-name"):
        problems.append("no key names")

    lanes = {lane.get("data-controller") for lane in having(root, "g", "controller-lane")}
    for controller in report["controllers"]:
        lane = LANE_CONTROLLERS.get(controller["controller"])
        if lane and (controller["added"] or controller["removed"]) and lane not in lanes:
            problems.append(f"no lane for {controller['name']}, which the filter changed")
    if not lanes:
        problems.append("no controller lane")

    for problem in problems:
        print(f"{svg_path}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
