#!/usr/bin/env python3
"""The layer order check on small trees made for each case."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "layer_order.py")


class LayerOrderCheck(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = self.folder.name
        for layer in ("base", "time", "image", "skin", "ui", "app", "skin_check"):
            self.write(f"src/{layer}/{layer}_thing.h", "#pragma once\n")

    def tearDown(self):
        self.folder.cleanup()

    def write(self, name, text):
        path = os.path.join(self.root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as out:
            out.write(text)

    def check(self):
        run = subprocess.run([sys.executable, CHECK, self.root], capture_output=True, text=True)
        return run.returncode, run.stdout.splitlines()

    def assert_each_refused(self, cases):
        """Each (file, include, rule) alone in the tree fails, naming the file, its line and the rule."""
        for name, include, rule in cases:
            with self.subTest(name):
                self.write(name, f"#pragma once\n\n{include}\n")
                code, lines = self.check()
                self.assertEqual(code, 1)
                self.assertIn(f"{name}:3: {include}: {rule}", lines)
                os.remove(os.path.join(self.root, name))

    def test_includes_of_the_own_and_lower_layers_pass(self):
        self.write("src/skin/face.cpp", '#include "skin/skin_thing.h"\n#include "time/time_thing.h"\n'
                   '#include "image/image_thing.h"\n#include "base/base_thing.h"\n#include <vector>\n')
        self.write("src/app/main.cpp", '#include "ui/ui_thing.h"\n#include "skin/skin_thing.h"\n')
        self.write("src/time/clock.cpp", '#include "clock.h"\n')
        self.assertEqual(self.check(), (0, ["every include follows the layer order"]))

    def test_a_wrong_include_names_the_file_the_line_the_include_and_the_rule(self):
        cases = [
            ("src/time/dialog.h", '#include "app/app_thing.h"', "time/ may use base/"),
            ("src/time/zone.cpp", '#include "image/image_thing.h"', "time/ may use base/"),
            ("src/image/draw.cpp", '#include "time/time_thing.h"', "image/ may use base/"),
            ("src/base/owner.h", '#include "skin/skin_thing.h"', "base/ may use no other layer"),
            ("src/skin/frame.h", '#include <app/app_thing.h>', "skin/ may use base/, time/, image/"),
            ("src/ui/tips.cpp", '#include "../app/app_thing.h"', "ui/ may use base/, time/, image/, skin/"),
            ("tests/image/text_test.cpp", '#include "skin/skin_thing.h"', "image/ may use base/"),
        ]
        self.assert_each_refused(cases)

    def test_the_skin_checker_stands_on_skin_and_only_the_tools_use_it(self):
        self.write("src/skin_check/check.cpp", '#include "skin_check/skin_check_thing.h"\n#include "skin/skin_thing.h"\n'
                   '#include "time/time_thing.h"\n#include "image/image_thing.h"\n#include "base/base_thing.h"\n')
        self.write("tests/skin_check/check_test.cpp", '#include "skin_check/skin_check_thing.h"\n'
                   '#include "skin/skin_thing.h"\n')
        self.write("tools/skin_tool.cpp", '#include "skin_check/skin_check_thing.h"\n')
        self.assertEqual(self.check(), (0, ["every include follows the layer order"]))

        used = '#include "skin_check/skin_check_thing.h"'
        tools_only = "; skin_check/ is for the tools alone, the clock does not check skins"
        cases = [
            ("src/base/owner.h", used, "base/ may use no other layer" + tools_only),
            ("src/time/zone.cpp", used, "time/ may use base/" + tools_only),
            ("src/image/draw.cpp", used, "image/ may use base/" + tools_only),
            ("src/skin/skin_loader.cpp", used, "skin/ may use base/, time/, image/" + tools_only),
            ("src/ui/tips.cpp", used, "ui/ may use base/, time/, image/, skin/" + tools_only),
            ("src/app/main_window_win32.cpp", used, "app/ may use base/, time/, image/, skin/, ui/" + tools_only),
            ("tests/app/skin_switch_test.cpp", used, "app/ may use base/, time/, image/, skin/, ui/" + tools_only),
            ("src/skin_check/report.cpp", '#include "ui/ui_thing.h"', "skin_check/ may use base/, time/, image/, skin/"),
            ("src/skin_check/fonts.cpp", '#include "app/app_thing.h"', "skin_check/ may use base/, time/, image/, skin/"),
        ]
        self.assert_each_refused(cases)

    def test_every_wrong_include_is_listed_at_once(self):
        self.write("src/time/a.h", '#include "app/app_thing.h"\n#include "ui/ui_thing.h"\n')
        self.write("src/image/b.h", '#include "skin/skin_thing.h"\n')
        code, lines = self.check()
        self.assertEqual(code, 1)
        self.assertEqual(len(lines), 4)
        self.assertIn("3 include(s) against the layer order", lines[-1])

    def test_a_support_file_counts_with_the_layers_it_uses(self):
        self.write("tests/support/storage.h", '#include "support/base_storage.h"\n')
        self.write("tests/support/base_storage.h", '#include "app/app_thing.h"\n')
        self.write("tests/support/clock.h", '#include "time/time_thing.h"\n')
        self.write("tests/app/settings_test.cpp", '#include "support/storage.h"\n')
        self.write("tests/time/watch_test.cpp", '#include "support/clock.h"\n')
        self.assertEqual(self.check()[0], 0)

        self.write("tests/skin/loader_test.cpp", '#include "support/clock.h"\n#include "support/storage.h"\n')
        code, lines = self.check()
        self.assertEqual(code, 1)
        self.assertEqual(lines[:-1], ['tests/skin/loader_test.cpp:2: #include "support/storage.h": '
                                      "that support file uses app/; skin/ may use base/, time/, image/"])

    def test_programs_on_top_may_include_any_layer(self):
        self.write("tools/skin_tool.cpp", '#include "app/app_thing.h"\n')
        self.write("bench/blend_bench.cpp", '#include "app/app_thing.h"\n')
        self.write("tests/gui/guard.cpp", '#include "app/app_thing.h"\n')
        self.assertEqual(self.check()[0], 0)

    def test_a_folder_outside_the_order_is_refused(self):
        self.write("src/net/socket.cpp", '#include "base/base_thing.h"\n')
        self.write("tests/misc/odd_test.cpp", "\n")
        self.write("src/time/x.cpp", '#include "net/socket.h"\n')
        code, lines = self.check()
        self.assertEqual(code, 1)
        self.assertIn("src/net/: not a layer of the order (base, time, image, skin, ui, app, skin_check)", lines)
        self.assertIn("tests/misc/: neither a layer's tests, support/ nor a program on top", lines)
        self.assertIn('src/time/x.cpp:1: #include "net/socket.h": net/ is no layer; time/ may use base/', lines)


if __name__ == "__main__":
    unittest.main()
