#!/usr/bin/env python3
"""Every Windows program we ship starts on a Windows that has nothing of ours installed.

Reads the PE headers of the programs in each Windows tree's dist/ (what the zip and the set-up
program carry): each imports only DLLs that every supported Windows has, and none of those
that the clock loads when it first needs them, says in its header that it needs Windows Vista
(6.0), and carries no symbols or debug sections.
Usage: shipped_programs_test.py BUILD_DIR
"""
import glob
import os
import struct
import sys

# What every Windows from Vista on has in its system folder. Anything else (zlib1.dll, the
# compiler's runtime DLLs) would have to come with the program, and nothing does.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msimg32.dll", "msvcrt.dll",
    "ole32.dll", "oleaut32.dll", "shell32.dll", "user32.dll",
}
WINDOWS_FLOOR = (6, 0)  # Vista
# What the clock loads when it first needs it, not at start-up: the sound DLL at the first
# chime or beep, Winsock when the network layer starts. Imported, they would load before the
# window shows.
LOADED_WHEN_NEEDED = {"winmm.dll", "ws2_32.dll"}


class Pe:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        (pe_at,) = struct.unpack_from("<I", self.data, 0x3C)
        if self.data[pe_at:pe_at + 4] != b"PE\0\0":
            raise ValueError("not a Windows program")
        coff = pe_at + 4
        _, sections, _, self.symbol_table, self.symbols, optional_size, _ = struct.unpack_from(
            "<HHIIIHH", self.data, coff)
        opt = coff + 20
        (magic,) = struct.unpack_from("<H", self.data, opt)
        self.os_version = struct.unpack_from("<HH", self.data, opt + 40)
        self.subsystem_version = struct.unpack_from("<HH", self.data, opt + 48)
        directories = opt + (96 if magic == 0x10B else 112)
        self.directory = lambda n: struct.unpack_from("<II", self.data, directories + 8 * n)
        self.sections = []
        for i in range(sections):
            at = opt + optional_size + 40 * i
            name = self.data[at:at + 8].rstrip(b"\0").decode("latin-1")
            if name.startswith("/"):  # a long name (.eh_frame, .debug_info) in the string table
                strings = self.symbol_table + 18 * self.symbols
                name = self.c_string(strings + int(name[1:]))
            size, rva, raw_size, raw = struct.unpack_from("<IIII", self.data, at + 8)
            self.sections.append((name, rva, max(size, raw_size), raw))

    def offset(self, rva):
        for _, start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError("address %#x lies in no section" % rva)

    def c_string(self, at):
        return self.data[at:self.data.index(b"\0", at)].decode("latin-1")

    def text(self, rva):
        return self.c_string(self.offset(rva))

    def imported_dlls(self):
        """The DLLs of the import table and of the delay-load table."""
        names = []
        for directory, entry_size, name_field in ((1, 20, 12), (13, 32, 4)):
            rva, size = self.directory(directory)
            if not rva:
                continue
            at = self.offset(rva)
            while True:
                entry = self.data[at:at + entry_size]
                if entry == b"\0" * entry_size:
                    break
                (name,) = struct.unpack_from("<I", entry, name_field)
                names.append(self.text(name))
                at += entry_size
        return names

    def debug_leftovers(self):
        found = ["%d symbols" % self.symbols] if self.symbol_table and self.symbols else []
        return found + [n for n, *_ in self.sections if n.startswith(".debug")]


def problems_of(path):
    pe = Pe(path)
    name = os.path.relpath(path)
    for dll in pe.imported_dlls():
        if dll.lower() in LOADED_WHEN_NEEDED:
            yield "%s imports %s, which then loads at start-up although nothing needs it before" % (name, dll)
        elif dll.lower() not in SYSTEM_DLLS:
            yield "%s imports %s, which Windows does not have" % (name, dll)
    for what, version in (("operating system", pe.os_version), ("subsystem", pe.subsystem_version)):
        if version != WINDOWS_FLOOR:
            yield "%s claims %s version %d.%d, not the Windows it needs (%d.%d)" % (
                (name, what) + version + WINDOWS_FLOOR)
    leftovers = pe.debug_leftovers()
    if leftovers:
        yield "%s is not stripped: %s" % (name, ", ".join(leftovers))


def main(build):
    programs = sorted(glob.glob(os.path.join(build, "win*", "dist", "*.exe")))
    if not any(p.endswith(os.path.join("win32", "dist", "OrmelClock.exe")) for p in programs):
        print("no 32-bit OrmelClock.exe under %s/win32/dist: build it first" % build)
        return 1
    problems = [p for program in programs for p in problems_of(program)]
    for problem in problems:
        print(problem)
    print("%d programs read, %d problems" % (len(programs), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
