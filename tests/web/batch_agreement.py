#!/usr/bin/env python3
"""Answers a generated batch file with the page's module in Node and with the native calculator's
--batch, and compares the answers and what each says on stderr byte for byte.

One kind of row alone may differ: a β on the strong branch just beyond θmax, whose Newton steps
wander until the iteration gives up after 1000 of them ("iterasyon 1000 adımda yakınsamadı") or
leave the range first. Which of the two happens turns on the last bit of the sines and tangents
along the way, which the C libraries give differently (and glibc differently again on a processor
with fused multiply-add); such a row is counted and shown, and must be rare.

    batch_agreement.py NATIVE NODE_RUNNER MODULE [ROWS] [SEED]
"""
import csv
import io
import os
import random
import subprocess
import sys
import tempfile


def number(rng, low, high, mark):
    """A number between low and high as a user might type it, or a text that is none."""
    roll = rng.random()
    if roll < 0.04:
        return rng.choice(["", "2abc", "-", ".", "1e400", "-1e400", "1e-400", "4.9e-324",
                           "2.2e-310", " 2 . 5", "2,5", "2;5", "&H1F", "&hFFFFFFFFFFFFFFFFFF",
                           "&O17", "&H" + "F" * 260, "1D1", "1.5E+1", "+3", "--2", "e5", "0", "-0",
                           "1" * 40, "0." + "0" * 30 + "1", '"2"', "x\ny"])
    value = rng.uniform(low, high)
    decimals = rng.randint(0, 9)
    text = f"{value:.{decimals}f}"
    if rng.random() < 0.05:
        text = f"{value:.{decimals}e}"
    return text.replace(".", mark) if rng.random() < 0.9 else text


def quoted(field, separator):
    if any(c in field for c in (separator, '"', "\n", "\r")):
        return '"' + field.replace('"', '""') + '"'
    return field


def requests(rng, rows, separator, gamma):
    mark = "," if separator == ";" else "."
    header = ["output", "M1", "Teta", "Beta", "branch"] + (["gamma"] if gamma else [])
    columns = header[:]
    rng.shuffle(columns)
    lines = [separator.join(f" {name.upper()} " if rng.random() < 0.2 else name
                            for name in columns)]
    for _ in range(rows):
        fields = {
            "output": rng.choice(["Beta", "Beta", "Teta", "M1", "beta", " Teta ", "", "Mach"]),
            "M1": number(rng, 0.5, 10, mark),
            "Teta": number(rng, -5, 50, mark),
            "Beta": number(rng, -10, 100, mark),
            "branch": rng.choice(["weak", "weak", "strong", "STRONG ", "", "middle"]),
            "gamma": rng.choice(["", "", "1.4", "1.3", "5/3", "1" + mark + "67", "3", "0.9"]),
        }
        record = [quoted(fields[name], separator) for name in columns]
        if rng.random() < 0.01:
            record = record[:-1]
        lines.append(separator.join(record))
        if rng.random() < 0.005:
            lines.append("")
    ending = rng.choice(["\n", "\r\n", "\r"])
    return ending.join(lines) + ending


def answered(command, requests_path):
    with open(requests_path, "rb") as stdin:
        run = subprocess.run(command, stdin=stdin, capture_output=True, check=False)
    return run.returncode, run.stdout, run.stderr


GAVE_UP = " iterasyon 1000 adımda yakınsamadı"


def compared(native, page):
    """The records of two answers files side by side: a description of the first pair that
    differs otherwise than by the iteration giving up, or None, and the rows that differ so."""
    if native == page:
        return None, []
    separator = ";" if native.split(b"\n", 1)[0].count(b";") else ","
    read = lambda data: list(csv.reader(io.StringIO(data.decode("utf-8"), newline=""),
                                        delimiter=separator))
    native_rows, page_rows = read(native), read(page)
    wandering = []
    for number, (a, b) in enumerate(zip(native_rows, page_rows)):
        if a == b:
            continue
        strip = lambda row: [field.replace(GAVE_UP + "\n", "") for field in row]
        if strip(a) == strip(b) and "detached" in a:
            wandering.append(number)
            continue
        return f"record {number}:\n  native: {a!r}\n  page:   {b!r}", wandering
    if len(native_rows) != len(page_rows):
        return f"{len(native_rows)} and {len(page_rows)} records", wandering
    return None, wandering


def first_difference(a, b):
    for number_, (x, y) in enumerate(zip(a.splitlines(), b.splitlines()), start=1):
        if x != y:
            return f"line {number_}:\n  native: {x!r}\n  page:   {y!r}"
    return f"lengths {len(a)} and {len(b)}"


def main():
    native, runner, module = sys.argv[1:4]
    rows = int(sys.argv[4]) if len(sys.argv) > 4 else 100000
    rng = random.Random(int(sys.argv[5]) if len(sys.argv) > 5 else 20070401)
    failed = 0
    files = [(",", False, rows), (";", True, rows // 10), (",", True, rows // 10)]
    with tempfile.TemporaryDirectory() as folder:
        for index, (separator, gamma, count) in enumerate(files):
            path = os.path.join(folder, f"requests-{index}.csv")
            with open(path, "w", encoding="utf-8", newline="") as out:
                out.write(requests(rng, count, separator, gamma))
            expected = answered([native, "--batch"], path)
            got = answered(["node", runner, module, path], path)
            name = f"{count} rows separated by {separator!r}" + (" with gamma" if gamma else "")
            differences = []
            if expected[0] != got[0]:
                differences.append(f"the exit status differs, {expected[0]} != {got[0]}")
            difference, wandering = compared(expected[1], got[1])
            if difference or len(wandering) > max(1, count // 20000):
                differences.append(f"the answers differ, {difference or wandering}")
            if expected[2] != got[2]:
                differences.append(f"stderr differs, {first_difference(expected[2], got[2])}")
            lines = expected[1].count(b"\n")
            print(f"{name}: {lines} answer lines compared" +
                  (f", rows {wandering} where the iteration wandered" if wandering else "")
                  if not differences else f"{name}: " + "; ".join(differences))
            failed += bool(differences)
    print(f"{len(files) - failed} passed, {failed} failed")
    return 1 if failed else 0

if __name__ == "__main__":
    sys.exit(main())
