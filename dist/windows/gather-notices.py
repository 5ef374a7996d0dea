#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the third-party notices of a statically linked vezuvazov.exe.

What went into the program is read, not listed by hand: the linker's map names every archive
member it took in; Qt's build graph (as Ninja's query tool and dependency log tell it) leads from
those members to the sources and headers they were compiled from; Qt's
qt_attribution.json files say which of those sources are third-party code, under what licence.
Archive members from the compiler's and MinGW-w64's own libraries are covered by the copyright
files of the Debian packages that ship them: of those, what concerns the libraries a program
links, with the licence texts themselves, never a pointer to a file of the build machine.
Needs ninja and python3-debian.

Usage: gather-notices.py MAP QT_SOURCE QT_BUILD QT_PREFIX OUTPUT
Prints the names of the notices it wrote, one a line.
"""
import json
import os
import re
import subprocess
import sys
from collections import defaultdict

from debian.copyright import Copyright

MAP_MEMBERS_HEADING = "Archive member included to satisfy reference by file (symbol)"
MAP_MEMBER = re.compile(r"^(\S+\.a)\(([^)]+)\)(?:\s|$)")
MAP_LOAD = re.compile(r"^LOAD (\S+)$")
# Sources generated once and kept in Qt's tree, whose attribution names what they were generated
# from rather than themselves.
GENERATED_FROM = {"src/gui/painting/webgradients.cpp": "util/gradientgen/webgradients.css"}


def linked_inputs(map_path):
    """The archive members and the plain object files the linker took in."""
    members, objects = [], []
    in_members = False
    with open(map_path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if line == MAP_MEMBERS_HEADING:
                in_members = True
                continue
            found = MAP_MEMBER.match(line) if in_members else None
            if found:
                members.append((os.path.normpath(found.group(1)), found.group(2)))
            elif in_members and line and not line.startswith(" "):
                in_members = False
            load = MAP_LOAD.match(line)
            if load and not load.group(1).endswith(".a"):
                objects.append(os.path.normpath(load.group(1)))
    return members, objects


def absolute(qt_build, path):
    """Ninja names a file now relative to the build folder, now absolute: one name for each."""
    return os.path.normpath(os.path.join(qt_build, path))


def ninja(qt_build, *arguments):
    return subprocess.run(["ninja", "-C", qt_build, *arguments], check=True,
                          capture_output=True, text=True).stdout


def built_files(qt_build):
    """Every file Qt's build makes, by its absolute name, with the name Ninja knows it by."""
    lines = ninja(qt_build, "-t", "targets", "all").splitlines()
    return {absolute(qt_build, name): name for name in (l.rsplit(": ", 1)[0] for l in lines)}


def made_from(qt_build, built, files):
    """The explicit and implicit inputs of the build statements that make the files, as Ninja's
    query tool tells them; not the order-only ones, which only order the build."""
    inputs, current, section = {}, [], ""
    lines = ninja(qt_build, "-t", "query", *(built[f] for f in files)).splitlines() if files else []
    for line in lines:
        if not line.startswith(" "):  # a file asked for, with a colon after it
            current = inputs.setdefault(absolute(qt_build, line[:-1]), [])
        elif not line.startswith("    "):  # "input: RULE", "outputs:" or "validations:"
            section = line.split()[0]
        elif section == "input:" and not line.startswith("    ||"):
            current.append(absolute(qt_build, line[4:].removeprefix("| ")))
    return inputs


def dependency_log(qt_build):
    """The headers and sources each object was compiled from, as the compiler reported them."""
    deps, current = defaultdict(list), None
    for line in ninja(qt_build, "-t", "deps").splitlines():
        if line and not line.startswith(" "):
            current = absolute(qt_build, line.split(": #deps", 1)[0])
        elif line.strip() and current:
            deps[current].append(absolute(qt_build, line.strip()))
    return deps


def qt_build_path(path, qt_prefix, qt_build, built):
    """The build tree's file of a file the program linked from Qt's installed prefix."""
    relative = os.path.relpath(path, qt_prefix)
    # Installed object libraries: lib/objects-<config>/<target>/<file>, built as
    # <dir>/CMakeFiles/<target>.dir/<file>.
    parts = relative.split(os.sep)
    if len(parts) > 3 and parts[0] == "lib" and parts[1].startswith("objects-"):
        suffix = "/CMakeFiles/{}.dir/{}".format(parts[2], "/".join(parts[3:]))
        return [out for out in built if out.endswith(suffix)]
    return [absolute(qt_build, relative)]


def compiled_files(members, objects, qt_prefix, qt_build):
    """Every source file (absolute) that went into the Qt code the program holds."""
    built, deps = built_files(qt_build), dependency_log(qt_build)
    in_qt = [(qt_build_path(archive, qt_prefix, qt_build, built), member)
             for archive, member in members if archive.startswith(qt_prefix + os.sep)]
    archives = made_from(qt_build, built, {a for found, _ in in_qt for a in found if a in built})
    start = {o for found, member in in_qt for a in found for o in archives.get(a, [])
             if os.path.basename(o) == member}
    for obj in objects:
        if obj.startswith(qt_prefix + os.sep):
            start.update(qt_build_path(obj, qt_prefix, qt_build, built))
    seen, todo = set(), start
    while todo:  # one query for each step further from the linked objects
        seen |= todo
        inputs = made_from(qt_build, built, [f for f in todo if f in built])
        todo = {i for f in todo for i in inputs.get(f, []) + deps.get(f, [])} - seen
    return seen


def attributions(qt_source):
    """Every entry of Qt's attribution files, with the folder it is relative to."""
    for folder, _, names in os.walk(qt_source):
        if "qt_attribution.json" in names:
            with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as f:
                entries = json.loads(f.read(), strict=False)  # they hold raw line breaks
            for entry in entries if isinstance(entries, list) else [entries]:
                yield folder, entry


def as_list(value):
    """A field that Qt's attribution files give as one string or, since Qt 6.8, as a list."""
    return value if isinstance(value, list) else [value]


def covers(folder, entry, files):
    """Whether the entry's code is among the compiled files."""
    if "Files" in entry:
        names = [n for f in as_list(entry["Files"]) for n in re.split(r"[\s,]+", f.strip())]
        return any(os.path.normpath(os.path.join(folder, n)) in files for n in names)
    scope = os.path.normpath(os.path.join(folder, entry.get("Path", "")))
    return scope in files or any(f.startswith(scope + os.sep) for f in files)


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read().strip("\n")


def licence_texts(folder, entry):
    """The entry's licence files, and only those: Qt's copies already hold the texts that
    upstream's name (FreeType's both licences), and the other files they name are sources."""
    names = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if "LicenseFile" in entry else [])
    return [read(os.path.join(folder, name)) for name in names]


def package_of(path):
    owner = subprocess.run(["dpkg-query", "-S", path], capture_output=True, text=True)
    return owner.stdout.split(":", 1)[0] if owner.returncode == 0 else None


RULE = "-" * 79


def qt_notices(qt_source, files):
    covered = [(folder, entry) for folder, entry in attributions(qt_source)
               if covers(folder, entry, files)]
    covered.sort(key=lambda found: (found[1]["Name"].lower(), found[0]))
    notices, given = [], {}  # each licence text once, the later entries point to it
    for folder, entry in covered:
        name = entry["Name"] + (" " + entry["Version"] if "Version" in entry else "")
        lines = [RULE, name, "", entry.get("QtUsage", "")]
        if "Copyright" in entry:
            lines += ["", "\n".join(c.strip() for c in as_list(entry["Copyright"]))]
        if "CopyrightFile" in entry:
            lines += ["", read(os.path.join(folder, entry["CopyrightFile"]))]
        lines += ["", "Licence: {} ({})".format(entry["License"], entry.get("LicenseId", "-"))]
        for text in licence_texts(folder, entry):
            lines += ["", "(The same text as for {} above.)".format(given[text]) if text in given
                      else text]
            given.setdefault(text, name)
        notices.append((name, lines))
    return notices


# GCC's runtime libraries are under the GPL version 3 with the GCC Runtime Library Exception; the
# Debian copyright file gives their copyright, lists them and gives the exception; the GPL is
# GPL-3.0.txt beside.
GCC_COPYRIGHT = re.compile(r"GCC is Copyright \(C\).*?Free Software Foundation, Inc\.\n", re.S)
GCC_RUNTIME_LIST = re.compile(
    r"The following runtime libraries are licensed.*?\n\n(?: - [^\n]*\n(?:   [^\n]*\n)*)+", re.S)
GCC_EXCEPTION = re.compile(r"GCC RUNTIME LIBRARY EXCEPTION\n.*?requirements of the license of GCC\.\n",
                           re.S)
GCC_GPL = "The GNU General Public License version 3 is in GPL-3.0.txt beside this file."
# What of MinGW-w64's sources goes into a program: the C runtime with its import libraries, and
# winpthreads; not its headers, tools, tests, or the profiling start-up code (only with -pg).
MINGW_LINKED = ("*", "mingw-w64-crt/", "mingw-w64-libraries/winpthreads/")
MINGW_NOT_LINKED = ("mingw-w64-crt/profile/", "mingw-w64-libraries/winpthreads/tests_pthread/")


def gcc_runtime_text(copyright_text):
    """The runtime libraries' copyright and licence: which libraries, the GPL's place, the
    exception."""
    found = [pattern.search(copyright_text) for pattern in (GCC_COPYRIGHT, GCC_RUNTIME_LIST,
                                                             GCC_EXCEPTION)]
    if not all(found):
        sys.exit("gather-notices.py: GCC's copyright file no longer reads as expected")
    copyright, libraries, exception = (f.group(0) for f in found)
    return "\n".join([copyright, libraries, GCC_GPL, "", exception.rstrip("\n")])


def mingw_runtime_text(copyright_text):
    """The paragraphs of a machine-readable copyright file for what a program links, and the
    stand-alone licence paragraphs they name."""
    parsed = Copyright(copyright_text.splitlines(keepends=True))
    linked = [p for p in parsed.all_files_paragraphs() if any(
        f == "*" or (f.startswith(MINGW_LINKED[1:]) and not f.startswith(MINGW_NOT_LINKED))
        for f in p.files)]
    names = {n for p in linked for n in re.split(r" and | or ", p.license.synopsis)}
    licences = [p for p in parsed.all_license_paragraphs() if p.license.synopsis in names]
    return "\n\n".join(p.dump().strip("\n") for p in linked + licences)


def toolchain_text(package, copyright_text):
    if "GCC RUNTIME LIBRARY EXCEPTION" in copyright_text:
        return gcc_runtime_text(copyright_text)
    if package.startswith("mingw-w64-"):
        return mingw_runtime_text(copyright_text)
    print("gather-notices.py: {}'s whole copyright file, not knowing what of it is linked".format(
        package), file=sys.stderr)
    return copyright_text


def toolchain_notices(members, qt_prefix):
    """The Debian packages whose libraries the linker took members from, outside Qt."""
    archives = defaultdict(set)
    for archive in {a for a, _ in members if not a.startswith(qt_prefix + os.sep)}:
        package = package_of(os.path.realpath(archive))
        if package:
            archives[package].add(os.path.basename(archive))
    # Packages built from one source (gcc and g++) share one copyright file: given once.
    by_text = defaultdict(lambda: (set(), set()))
    for package, libraries in archives.items():
        packages, all_libraries = by_text[read("/usr/share/doc/{}/copyright".format(package))]
        packages.add(package)
        all_libraries.update(libraries)
    notices = []
    for text, (packages, libraries) in by_text.items():
        title = "{} (Debian: {})".format(", ".join(sorted(libraries)), ", ".join(sorted(packages)))
        lines = [RULE, title, "", "Linked into the program from the compiler's toolchain.", "",
                 toolchain_text(min(packages), text)]
        notices.append((title, lines))
    return sorted(notices)


HEADER = """Third-party notices for vezuvazov.exe
=====================================

vezuvazov.exe holds Qt, linked statically under the GNU LGPL version 3 (see LGPL-3.0.txt,
GPL-3.0.txt and RELINKING.txt), and the code below, which Qt and the compiler build into it:
each with its use, copyright and licence as its authors give them.
"""


def main(map_path, qt_source, qt_build, qt_prefix, output):
    members, objects = linked_inputs(map_path)
    qt_prefix, qt_source = os.path.normpath(qt_prefix), os.path.normpath(qt_source)
    files = compiled_files(members, objects, qt_prefix, qt_build)
    for generated, origin in GENERATED_FROM.items():
        if os.path.join(qt_source, generated) in files:
            files.add(os.path.join(qt_source, origin))
    notices = qt_notices(qt_source, files) + toolchain_notices(members, qt_prefix)
    with open(output, "w", encoding="utf-8", newline="\r\n") as out:
        out.write(HEADER)
        for _, lines in notices:
            out.write("\n" + "\n".join(lines) + "\n")
    for name, _ in notices:
        print(name)


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
