#!/usr/bin/env python3
"""The check for ANSI Windows names on small trees and headers made for each case."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "wide_calls.py")
HEADERS = {
    "windows.h": "#include <winuser.h>\n",
    "winuser.h": "#define MessageBox __MINGW_NAME_AW(MessageBox)\n__MINGW_TYPEDEF_AW(NOTIFYICONDATA)\n"
                 "#ifdef UNICODE\n#define FindWindow FindWindowW\n#endif\n",
    "commctrl.h": "#define TTM_ADDTOOL __MINGW_NAME_AW(TTM_ADDTOOL)\n",
}


class WideCallsCheck(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = os.path.join(self.folder.name, "tree")
        self.headers = os.path.join(self.folder.name, "include")
        for name, text in HEADERS.items():
            self.write(os.path.join(self.headers, name), text)

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, text):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)

    def check(self):
        run = subprocess.run([sys.executable, CHECK, self.root, self.headers], capture_output=True, text=True)
        return run.returncode, [line.split(": an ANSI")[0] for line in run.stdout.splitlines()]

    def test_wide_names_and_lookalikes_pass(self):
        self.write(os.path.join(self.root, "src/ui/box_win32.cpp"),
                   'MessageBoxW(nullptr, L"Zürich", L"東京", MB_OK);\nNOTIFYICONDATAW nid;\n'
                   'AC_SRC_ALPHA; WSADATA data; int FormulaA = 0; GetAddrInfoW(host, nullptr, &hints, &found);\n'
                   '// MessageBoxA in a comment\nconst char* s = "MessageBoxA";\n')
        self.assertEqual(self.check(), (0, ["every Windows call takes UTF-16 text"]))

    def test_every_ansi_name_and_code_page_use_is_listed(self):
        self.write(os.path.join(self.root, "src/app/main_win32.cpp"),
                   'MessageBoxA(nullptr, "a", "b", MB_OK);\nNOTIFYICONDATAA nid;\n'
                   'HWND w = FindWindowA(nullptr, nullptr);\nSendMessageW(w, TTM_ADDTOOLA, 0, 0);\n'
                   'MultiByteToWideChar(CP_ACP, 0, s, -1, w, n);\ngetaddrinfo(host, nullptr, &hints, &found);\n')
        self.write(os.path.join(self.root, "tools/tool.cpp"), "int main() { MessageBoxA(0, 0, 0, 0); }\n")
        code, lines = self.check()
        self.assertEqual(code, 1)
        self.assertEqual(lines, [
            "src/app/main_win32.cpp:1: MessageBoxA", "src/app/main_win32.cpp:2: NOTIFYICONDATAA",
            "src/app/main_win32.cpp:3: FindWindowA", "src/app/main_win32.cpp:4: TTM_ADDTOOLA",
            "src/app/main_win32.cpp:5: MultiByteToWideChar", "src/app/main_win32.cpp:5: CP_ACP",
            "src/app/main_win32.cpp:6: getaddrinfo",
            "tools/tool.cpp:1: MessageBoxA"])

    def test_without_the_headers_it_says_so(self):
        run = subprocess.run([sys.executable, CHECK, self.root, os.path.join(self.folder.name, "none")],
                             capture_output=True, text=True)
        self.assertEqual(run.returncode, 2)
        self.assertIn("the Windows headers (mingw-w64) were not found", run.stderr)


if __name__ == "__main__":
    unittest.main()
