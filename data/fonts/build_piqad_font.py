#!/usr/bin/python3
"""Builds the pIqaD font: build_piqad_font.py SOURCE.txt OUT.ttf"""
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import piqadfont  # noqa: E402


def main(argv):
    if len(argv) != 3:
        print("usage: build_piqad_font.py SOURCE.txt OUT.ttf", file=sys.stderr)
        return 2
    with open(argv[1], encoding="utf-8") as f:
        source = f.read()
    # Write beside the target and rename, so a failed build leaves no half font.
    tmp = argv[2] + ".tmp"
    try:
        piqadfont.build(source, tmp)
    except piqadfont.SourceError as e:
        print(f"{argv[1]}: {e}", file=sys.stderr)
        return 1
    os.replace(tmp, argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
