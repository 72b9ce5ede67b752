#!/usr/bin/env python3
"""Fails when a folder under src/ is not named (as src/<folder>/) in the Layout section of
README.md, so the map a newcomer reads stays whole."""
import os
import re
import sys

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def layout_section(readme):
    match = re.search(r"^## Layout\n(.*?)(?=^## |\Z)", readme, re.M | re.S)
    return match.group(1) if match else ""


def source_folders(root):
    src = os.path.join(root, "src")
    for base, dirs, _ in os.walk(src):
        dirs[:] = sorted(d for d in dirs if not d.startswith("."))
        for d in dirs:
            yield os.path.relpath(os.path.join(base, d), root).replace(os.sep, "/") + "/"


def main():
    with open(os.path.join(ROOT, "README.md"), encoding="utf-8") as f:
        section = layout_section(f.read())
    if not section:
        print("README.md has no Layout section", file=sys.stderr)
        return 1
    named = set(re.findall(r"(?<![\w/])src/[\w/]*/", section))
    missing = [folder for folder in source_folders(ROOT) if folder not in named]
    for folder in missing:
        print(f"README.md, Layout: {folder} is not described", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
