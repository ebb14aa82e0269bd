#!/usr/bin/python3
"""checkers_agree.py NATIVE_TOOL WINE_RUN WINDOWS_TOOL FOLDER...: the native `ormel-skin check` and
ormel-skin.exe under Wine give every skin folder the same verdict (exit code, numbers of errors and
warnings), list the same hands and buttons, and measure every label within a pixel of each other.
A label the native check could only estimate (its font is not in the skin), or that Windows measured
in a stand-in for a font it lacks, must be noted as such, and its box is not compared."""
import re
import subprocess
import sys

LABEL = re.compile(r'label "(\w+)": box \((-?\d+), (-?\d+), (-?\d+) x (-?\d+)\)(, its size estimated,)? for')
SUMMARY = re.compile(r': (?:no problems|(\d+) errors?, (\d+) warnings?)')


class Check:
    """What one `check --verbose` run said."""

    def __init__(self, command):
        run = subprocess.run(command, capture_output=True, text=True, errors="replace")
        self.exit_code = run.returncode
        self.output = run.stdout + run.stderr
        lines = run.stdout.splitlines()
        self.labels = {}  # id: ([left, top, width, height], estimated)
        for line in lines:
            m = LABEL.match(line)
            if m:
                self.labels[m.group(1)] = ([int(v) for v in m.group(2, 3, 4, 5)], bool(m.group(6)))
        self.described = [l for l in lines if l.startswith(("hand ", "button "))]
        self.notes = [l for l in lines if l.startswith("note: ")]
        summary = SUMMARY.search(lines[-1]) if lines else None
        self.counts = (int(summary.group(1) or 0), int(summary.group(2) or 0)) if summary else None


def differences(native, windows):
    found = []
    if native.exit_code != windows.exit_code:
        found.append(f"exit codes {native.exit_code} natively, {windows.exit_code} on Windows")
    if native.counts is None or native.counts != windows.counts:
        found.append(f"errors and warnings {native.counts} natively, {windows.counts} on Windows")
    if native.described != windows.described:
        found.append("hands or buttons listed differently")
    if set(native.labels) != set(windows.labels):
        found.append(f"labels {sorted(native.labels)} natively, {sorted(windows.labels)} on Windows")
    for label, (box, estimated) in native.labels.items():
        if label not in windows.labels:
            continue
        other, windows_estimated = windows.labels[label]
        if windows_estimated and not any(f'"{label}"' in note for note in windows.notes):
            found.append(f'label "{label}": measured in a stand-in font on Windows, but no note says so')
        if estimated:
            if not any(f'"{label}"' in note for note in native.notes):
                found.append(f'label "{label}": estimated natively, but no note says so')
        elif not windows_estimated and any(abs(a - b) > 1 for a, b in zip(box, other)):
            found.append(f'label "{label}": box {box} natively, {other} on Windows')
    return found


def main():
    native_tool, wine_run, windows_tool, *folders = sys.argv[1:]
    failed = False
    for folder in folders:
        native = Check([native_tool, "check", "--verbose", folder])
        windows = Check([wine_run, windows_tool, "check", "--verbose", "Z:" + folder])
        found = differences(native, windows)
        measured = sorted(id for id, (_, estimated) in native.labels.items() if not estimated)
        estimated = sorted(id for id, (_, estimated) in native.labels.items() if estimated)
        print(f"{folder}: exit {native.exit_code} natively, {windows.exit_code} on Windows; "
              f"measured natively: {', '.join(measured) or 'none'}; estimated natively: {', '.join(estimated) or 'none'}")
        if found:
            failed = True
            print("  disagree: " + "; ".join(found))
            print("  native check:\n" + native.output + "  ormel-skin.exe:\n" + windows.output)
    print("the checkers disagree" if failed else "the checkers agree on every folder")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
