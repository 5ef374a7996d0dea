#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The pieces of dist/windows/gather-notices.py that read the linker's map, Ninja's build file and
Qt's attribution entries, on small made-up inputs shaped like the real ones."""
import importlib.util
import os
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
FOUND = importlib.util.spec_from_file_location(
    "gather_notices", os.path.join(HERE, "..", "..", "dist", "windows", "gather-notices.py"))
notices = importlib.util.module_from_spec(FOUND)
FOUND.loader.exec_module(notices)

# GNU ld's map: a member's referrer on its own line or on the member's line, then the next part.
MAP = """Archive member included to satisfy reference by file (symbol)

ui/libvz_ui.a(Forms.cpp.obj)  app/main.cpp.obj (Forms::UnloadAll())
/q/lib/libQt6Gui.a(qimage.cpp.obj)
                              ui/libvz_ui.a(Forms.cpp.obj) (QImage::QImage())
/usr/lib/gcc/x86_64-w64-mingw32/12-posix/../../../../x86_64-w64-mingw32/lib/libkernel32.a(d1.o)
                              /q/lib/libQt6Core.a(qfile.cpp.obj) (Sleep)

Discarded input sections

LOAD /q/lib/objects-Release/Gui_resources_1/.rcc/qrc_qpdf.cpp.obj
LOAD /q/lib/libQt6Gui.a
"""


class GatherNotices(unittest.TestCase):
    def test_map_gives_members_and_loaded_objects(self):
        with tempfile.NamedTemporaryFile("w", suffix=".map", delete=False) as f:
            f.write(MAP)
        try:
            members, objects = notices.linked_inputs(f.name)
        finally:
            os.unlink(f.name)
        self.assertEqual(members, [
            ("ui/libvz_ui.a", "Forms.cpp.obj"),
            ("/q/lib/libQt6Gui.a", "qimage.cpp.obj"),
            ("/usr/x86_64-w64-mingw32/lib/libkernel32.a", "d1.o")])
        self.assertEqual(objects, ["/q/lib/objects-Release/Gui_resources_1/.rcc/qrc_qpdf.cpp.obj"])

    def test_build_statements_split_into_outputs_and_inputs(self):
        cases = [
            ("a.obj: CXX /s/a.cpp || order", ["a.obj"], ["/s/a.cpp"]),
            ("a$ b.obj | ${cmake_ninja_workdir}a$ b.obj: CXX c$:/x.cpp | h.h || o",
             ["a b.obj", "a b.obj"], ["c:/x.cpp", "h.h"]),
            ("lib/libQt6Gui.a: LINK x.obj y.obj", ["lib/libQt6Gui.a"], ["x.obj", "y.obj"]),
        ]
        for statement, outputs, inputs in cases:
            with self.subTest(statement):
                self.assertEqual(notices.split_statement(statement), (outputs, inputs))

    def test_attribution_covers_its_files_its_path_or_its_folder(self):
        compiled = {"/q/3rd/png/png.c", "/q/gui/painting/qregion.cpp", "/q/3rd/ft/src/gzip/zip.c"}
        cases = [
            ("/q/3rd/png", {}, True),
            ("/q/3rd/tiff", {}, False),
            ("/q/gui/painting", {"Files": "qimagescale.cpp qregion.cpp"}, True),
            ("/q/gui/painting", {"Files": "qimagescale.cpp, qgrayraster.c"}, False),
            ("/q/3rd/ft", {"Path": "src/gzip"}, True),
            ("/q/3rd/ft", {"Path": "src/bdf"}, False),
            ("/q/3rd", {"Path": "png/png.c"}, True),
        ]
        for folder, entry, covered in cases:
            with self.subTest(folder=folder, entry=entry):
                self.assertEqual(notices.covers(folder, entry, compiled), covered)

    def test_licence_follows_the_texts_it_names_beside_it(self):
        with tempfile.TemporaryDirectory() as folder:
            os.makedirs(os.path.join(folder, "docs"))
            files = {"LICENSE.txt": "Pick `docs/FTL.TXT` or `docs/GPLv2.TXT`.\n",
                     "docs/FTL.TXT": "The FreeType Project LICENSE\n"}
            for name, text in files.items():
                with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
                    f.write(text)
            self.assertEqual(notices.licence_texts(folder, {"LicenseFile": "LICENSE.txt"}),
                             ["Pick `docs/FTL.TXT` or `docs/GPLv2.TXT`.",
                              "The FreeType Project LICENSE"])


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    unittest.main()
