#!/usr/bin/env python3
"""Fails on any use of the ANSI ("A") form of a Windows function, structure, message or class
name in the programs' sources, and on any use of the ANSI code page (host names included): every name the clock hands
to Windows must keep letters that the system's code page lacks.

The names that come in an "A" and a "W" form are read from the Windows headers themselves
(the mingw-w64 headers mark each such pair), so a new call of any of them is caught.

Usage: wide_calls.py ROOT [HEADERS]   (the source tree, the Windows headers' folder; exits 1
and lists every use, 2 when the headers cannot be found)
"""
import os
import re
import sys

CHECKED = ["src", "tools"]
SOURCE_SUFFIXES = (".h", ".cpp")
HEADER_FOLDERS = ["/usr/share/mingw-w64/include", "/usr/i686-w64-mingw32/include", "/usr/x86_64-w64-mingw32/include"]
# __MINGW_NAME_AW(MessageBox), __MINGW_TYPEDEF_AW(NOTIFYICONDATA), #define FindWindow FindWindowW, ...
PAIR_MARKS = [
    re.compile(r"__MINGW_(?:NAME|TYPEDEF)_U?AW(?:_EXT)?\(\s*(\w+)"),
    re.compile(r"#\s*define\s+(\w+)\s+(\w+)W\b"),
]
# The code page itself, and the Winsock calls that read a host name in it (GetAddrInfoW does not).
CODE_PAGE = re.compile(r"\b(CP_ACP|CP_THREAD_ACP|GetACP|MultiByteToWideChar|WideCharToMultiByte|getaddrinfo|gethostbyname)\b")
IDENTIFIER = re.compile(r"\b\w+\b")
LINE_COMMENT = re.compile(r"//.*")
STRING = re.compile(r'"(?:\\.|[^"\\])*"')


def paired_names(headers):
    names = set()
    for folder, _, files in os.walk(headers):
        for name in files:
            if not name.endswith(".h"):
                continue
            with open(os.path.join(folder, name), encoding="latin-1") as f:
                text = f.read()
            for mark in PAIR_MARKS:
                for m in mark.finditer(text):
                    if mark.groups == 2 and m.group(1) != m.group(2):
                        continue
                    names.add(m.group(1))
    return names


def ansi_uses(root, path, ansi_names):
    found = []
    with open(os.path.join(root, path), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            code = STRING.sub('""', LINE_COMMENT.sub("", line))
            for word in IDENTIFIER.findall(code):
                if word in ansi_names or CODE_PAGE.fullmatch(word):
                    found.append(f"{path}:{number}: {word}")
    return found


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = sys.argv[1]
    candidates = sys.argv[2:] or HEADER_FOLDERS
    headers = next((h for h in candidates if os.path.isfile(os.path.join(h, "windows.h"))), None)
    if not headers:
        print("the Windows headers (mingw-w64) were not found in " + ", ".join(candidates), file=sys.stderr)
        return 2
    ansi_names = {name + "A" for name in paired_names(headers)}
    found = []
    for tree in CHECKED:
        for folder, _, files in sorted(os.walk(os.path.join(root, tree))):
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    found += ansi_uses(root, os.path.relpath(os.path.join(folder, name), root), ansi_names)
    for line in found:
        print(line + ": an ANSI name; use its \"W\" form and the text conversions of base/")
    if found:
        return 1
    print("every Windows call takes UTF-16 text")
    return 0


if __name__ == "__main__":
    sys.exit(main())
