#!/usr/bin/env python3
"""Lists which folders of src/ include which, and fails when a folder includes one that the Layout
section of README.md does not list above it (the Layout is the order of the layers, lowest first),
when the Layout does not name a folder of src/, when folders include each other in a loop, when a
file defines members of a class that is declared in another folder, or when a header is named like
a system header (it would be mistaken for one, or hide it, wherever both are included)."""
import os
import re
import sys

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
README = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "..", "README.md")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
CLASS = re.compile(r'^\s*(?:class|struct)\s+(\w+)\s*(?:final\s*)?[:{]', re.M)
MEMBER = re.compile(r'^[\w:<>,&\*\s]*?\b(\w+)::~?\w+\s*\(', re.M)
# Well-known headers of the C library, POSIX and Windows, compared without regard to case.
SYSTEM_HEADERS = {
    "assert.h", "ctype.h", "errno.h", "float.h", "limits.h", "locale.h", "math.h", "setjmp.h", "signal.h",
    "stdarg.h", "stddef.h", "stdint.h", "stdio.h", "stdlib.h", "string.h", "time.h", "wchar.h",
    "fcntl.h", "dirent.h", "pthread.h", "unistd.h", "strings.h", "poll.h", "dlfcn.h",
    "windows.h", "windowsx.h", "winsock.h", "winsock2.h", "ws2tcpip.h", "winbase.h", "winuser.h", "wingdi.h",
    "shlobj.h", "shellapi.h", "shlwapi.h", "commctrl.h", "commdlg.h", "mmsystem.h", "wininet.h", "objbase.h",
    "process.h", "io.h", "direct.h", "tchar.h",
}


def sources():
    for base, _, files in os.walk(ROOT):
        for name in files:
            if name.endswith((".h", ".cpp")):
                yield os.path.relpath(os.path.join(base, name), ROOT)


def folder_of(path):
    return os.path.dirname(path) or "."


def resolve(including, target):
    beside = os.path.normpath(os.path.join(folder_of(including), target))
    if os.path.exists(os.path.join(ROOT, beside)):
        return beside
    if os.path.exists(os.path.join(ROOT, target)):
        return os.path.normpath(target)
    return None


def read(path):
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        return f.read()


def layout_order():
    """The folders of src/ as README's Layout lists them, each at the start of its own line."""
    with open(README, encoding="utf-8") as f:
        match = re.search(r"^## Layout\n(.*?)(?=^## |\Z)", f.read(), re.M | re.S)
    entries = re.findall(r"^\s+src/([\w/]+)/", match.group(1), re.M) if match else []
    return {folder: rank for rank, folder in enumerate(entries)}


def source_folders():
    for base, dirs, _ in os.walk(ROOT):
        dirs[:] = sorted(d for d in dirs if not d.startswith("."))
        for d in dirs:
            yield os.path.relpath(os.path.join(base, d), ROOT).replace(os.sep, "/")


def find_cycle(edges):
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                return trail[trail.index(nxt):] + [nxt] if nxt in trail else [node, nxt]
            if nxt not in state:
                found = visit(nxt, trail + [nxt])
                if found:
                    return found
        state[node] = "done"
        return None

    for start in sorted(edges):
        if start not in state:
            found = visit(start, [start])
            if found:
                return found
    return None


def main():
    files = sorted(sources())
    edges = {}
    declared = {}
    for path in files:
        text = read(path)
        for target in INCLUDE.findall(text):
            resolved = resolve(path, target)
            if resolved and folder_of(resolved) != folder_of(path):
                edges.setdefault(folder_of(path), set()).add(folder_of(resolved))
        if path.endswith(".h"):
            for name in CLASS.findall(text):
                declared.setdefault(name, set()).add(folder_of(path))

    for source in sorted(edges):
        print(f"{source} -> {', '.join(sorted(edges[source]))}")

    failed = False
    for path in files:
        if os.path.basename(path).lower() in SYSTEM_HEADERS:
            print(f"{path} is named like a system header: give it a name that says what it is", file=sys.stderr)
            failed = True
    order = layout_order()
    for folder in source_folders():
        if folder not in order:
            print(f"README.md, Layout: src/{folder}/ is not described", file=sys.stderr)
            failed = True
    for source in sorted(edges):
        for target in sorted(edges[source]):
            if source in order and target in order and order[target] > order[source]:
                print(f"src/{source}/ includes src/{target}/, which README's Layout lists below it", file=sys.stderr)
                failed = True
    cycle = find_cycle(edges)
    if cycle:
        print("folders include each other in a loop: " + " -> ".join(cycle), file=sys.stderr)
        failed = True
    for path in files:
        if not path.endswith(".cpp"):
            continue
        for name in set(MEMBER.findall(read(path))):
            homes = declared.get(name)
            if homes and folder_of(path) not in homes:
                print(f"{path} defines members of {name}, declared in {', '.join(sorted(homes))}", file=sys.stderr)
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
