#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The pieces of dist/windows/gather-notices.py that read the linker's map, Ninja's answers about
a build and Qt's attribution entries, on small made-up inputs shaped like the real ones."""
import importlib.util
import os
import sys
import tempfile
import unittest

from debian import copyright

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

# A build file of CMake's kind: files named relative to the build folder or absolute, Ninja's
# escapes, implicit outputs and inputs, order-only inputs.
NINJA = """cmake_ninja_workdir = {}/
rule CXX
  command = c
build a.obj: CXX /s/a.cpp || order
build a$ b.obj | ${{cmake_ninja_workdir}}c.obj: CXX c$:/x.cpp | h.h || o
build lib/libQt6Gui.a: CXX x.obj y.obj
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

    def test_build_statements_give_their_inputs_but_not_order_only_ones(self):
        with tempfile.TemporaryDirectory() as build:
            with open(os.path.join(build, "build.ninja"), "w", encoding="utf-8") as f:
                f.write(NINJA.format(build))
            built, h = notices.built_files(build), os.path.join(build, "h.h")
            self.assertEqual(notices.made_from(build, built, sorted(built)), {
                os.path.join(build, "a.obj"): ["/s/a.cpp"],
                os.path.join(build, "a b.obj"): [os.path.join(build, "c:/x.cpp"), h],
                os.path.join(build, "c.obj"): [os.path.join(build, "c:/x.cpp"), h],
                os.path.join(build, "lib/libQt6Gui.a"): [os.path.join(build, "x.obj"),
                                                         os.path.join(build, "y.obj")]})

    def test_attribution_covers_its_files_its_path_or_its_folder(self):
        compiled = {"/q/3rd/png/png.c", "/q/gui/painting/qregion.cpp", "/q/3rd/ft/src/gzip/zip.c"}
        cases = [
            ("/q/3rd/png", {}, True),
            ("/q/3rd/tiff", {}, False),
            ("/q/gui/painting", {"Files": "qimagescale.cpp qregion.cpp"}, True),
            ("/q/gui/painting", {"Files": "qimagescale.cpp, qgrayraster.c"}, False),
            ("/q/gui/painting", {"Files": ["qimagescale.cpp", "qregion.cpp"]}, True),
            ("/q/3rd/ft", {"Path": "src/gzip"}, True),
            ("/q/3rd/ft", {"Path": "src/bdf"}, False),
            ("/q/3rd", {"Path": "png/png.c"}, True),
        ]
        for folder, entry, covered in cases:
            with self.subTest(folder=folder, entry=entry):
                self.assertEqual(notices.covers(folder, entry, compiled), covered)

    def test_licence_is_its_files_alone_never_what_they_name(self):
        with tempfile.TemporaryDirectory() as folder:
            os.makedirs(os.path.join(folder, "docs"))
            files = {"LICENSE.txt": "Pick `docs/FTL.TXT`; gzip: see `zlib.h`.\n",
                     "docs/FTL.TXT": "The FreeType Project LICENSE\n", "zlib.h": "#define Z 1\n",
                     "BDF.txt": "BDF licence\n"}
            for name, text in files.items():
                with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
                    f.write(text)
            self.assertEqual(
                notices.licence_texts(folder, {"LicenseFiles": ["LICENSE.txt", "BDF.txt"]}),
                ["Pick `docs/FTL.TXT`; gzip: see `zlib.h`.", "BDF licence"])

    def test_toolchain_notices_keep_what_is_linked_with_its_licence_texts(self):
        gcc = ("Packaging.\n\nGCC is Copyright (C) 1986, 2019\nFree Software Foundation, Inc.\n\n"
               "Later: /usr/share/common-licenses/GPL-3.\n\nThe following runtime libraries are "
               "licensed under the GPL\nwith the Exception:\n\n - libgcc (libgcc/,\n   gcc/x.h).\n"
               " - libstdc++-v3\n\nThe libbacktrace library is BSD.\n\nGCC RUNTIME LIBRARY "
               "EXCEPTION\n\nVersion 3.1\n\n2. No Weakening.\n\nThe copyleft\nrequirements of the "
               "license of GCC.\n\n\nlibquadmath: LGPL.\n")
        mingw = ("Format: " + copyright._CURRENT_FORMAT +  # the one python3-debian knows
                 "\n\nFiles: *\nCopyright: mingw-w64\nLicense: ZPL-2.1\n ZPL text\n\n"
                 "Files: mingw-w64-crt/gdtoa/*\nCopyright: Lucent\nLicense: BSD-3-clause\n\n"
                 "Files: mingw-w64-crt/profile/gmon.c\nCopyright: UC\nLicense: Cygwin\n\n"
                 "Files: mingw-w64-headers/x.h\n       mingw-w64-crt/y.c\nCopyright: W\n"
                 "License: expat or ISC\n\nFiles: mingw-w64-headers/z.h\nCopyright: V\n"
                 "License: LGPL-2.1+\n\n\nLicense: BSD-3-clause\n BSD text\n\nLicense: LGPL-2.1+\n"
                 " See /usr/share/common-licenses/LGPL-2.1.\n\nLicense: ISC\n ISC text\n")
        cases = [
            ("g++-mingw-w64-x86-64-posix", gcc,
             "GCC is Copyright (C) 1986, 2019\nFree Software Foundation, Inc.\n\nThe following "
             "runtime libraries are licensed under the GPL\nwith the Exception:\n\n - libgcc "
             "(libgcc/,\n   gcc/x.h).\n - libstdc++-v3\n\nThe GNU General Public License version 3 "
             "is in GPL-3.0.txt beside this file.\n\nGCC RUNTIME LIBRARY EXCEPTION\n\nVersion "
             "3.1\n\n2. No Weakening.\n\nThe copyleft\nrequirements of the license of GCC."),
            ("mingw-w64-x86-64-dev", mingw,
             "Files: *\nCopyright: mingw-w64\nLicense: ZPL-2.1\n ZPL text\n\nFiles: "
             "mingw-w64-crt/gdtoa/*\nCopyright: Lucent\nLicense: BSD-3-clause\n\nFiles: "
             "mingw-w64-headers/x.h\n       mingw-w64-crt/y.c\nCopyright: W\nLicense: expat or "
             "ISC\n\nLicense: BSD-3-clause\n BSD text\n\nLicense: ISC\n ISC text"),
        ]
        for package, text, expected in cases:
            with self.subTest(package):
                self.assertEqual(notices.toolchain_text(package, text), expected)


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    unittest.main()
