#!/usr/bin/env python3
"""check-copyright.py COPYRIGHT COURSES_FOLDER

Checks the package's copyright file as Debian's machine-readable format
(1.0) wants it and as the courses need it: every Files paragraph has its
holders and licence, every licence it names has a License paragraph (one
per name), and each file of the courses is covered by the right paragraph
(the last that matches): a course made from a dictionary (its course.ini
names the package) by a paragraph with the dictionary's licence, not by the
project's own "Files: *"; every keyboard template by xkb-data's notices.
Prints every fault and fails when there is one.
"""

import pathlib
import re
import sys

faults = []


def fault(message):
    faults.append(message)
    print(f"copyright: {message}")


def paragraphs(text):
    result, current, name = [], {}, None
    for number, line in enumerate(text.splitlines(), 1):
        if not line.strip():
            if current:
                result.append(current)
            current, name = {}, None
        elif line[0] in " \t":
            if name is None:
                fault(f"line {number}: a continuation line outside a field")
            else:
                current[name].append(line)
        elif ":" in line:
            name, value = line.split(":", 1)
            if name in current:
                fault(f"line {number}: field {name} twice in a paragraph")
            current[name] = [value.strip()]
        else:
            fault(f"line {number}: neither a field nor a continuation: {line!r}")
    if current:
        result.append(current)
    return result


def licence_names(expression):
    return [n for n in re.split(r"\s+or\s+|\s+and\s+|,\s*", expression.strip()) if n]


def pattern_regex(pattern):
    regex = ""
    escaped = False
    for char in pattern:
        if escaped:
            regex += re.escape(char)
            escaped = False
        elif char == "\\":
            escaped = True
        elif char == "*":
            regex += ".*"
        elif char == "?":
            regex += "."
        else:
            regex += re.escape(char)
    return re.compile(regex + r"\Z", re.S)


def covering(files_paragraphs, path):
    """The last Files paragraph that matches, as the format says."""
    found = None
    for paragraph in files_paragraphs:
        patterns = " ".join(paragraph["Files"]).split()
        if any(pattern_regex(p).match(path) for p in patterns):
            found = paragraph
    return found


def read_ini(path):
    values = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        if "=" in line and not line.startswith((";", "#", "[")):
            key, value = line.split("=", 1)
            values.setdefault(key.strip(), value.strip())
    return values


def check_format(found):
    header = found[0] if found else {}
    if not header.get("Format", [""])[0].startswith("https://www.debian.org/doc/packaging-manuals/copyright-format/1.0"):
        fault("the first paragraph has no Format: of copyright-format 1.0")
    files = [p for p in found[1:] if "Files" in p]
    standalone = [p for p in found[1:] if "Files" not in p]
    given = {}
    for paragraph in standalone:
        if "License" not in paragraph:
            fault(f"a paragraph without Files: or License: {sorted(paragraph)}")
            continue
        name = paragraph["License"][0]
        if name in given:
            fault(f"two License paragraphs for {name}")
        if len(paragraph["License"]) < 2:
            fault(f"the License paragraph of {name} has no text")
        given[name] = paragraph
    named = set()
    for paragraph in files:
        where = paragraph["Files"][0]
        for required in ("Copyright", "License"):
            if not paragraph.get(required, [""])[0] and len(paragraph.get(required, [])) < 2:
                fault(f"Files: {where}: no {required}")
        licence = paragraph.get("License", [""])
        names = licence_names(licence[0])
        named.update(names)
        if len(licence) == 1:
            for name in names:
                if name not in given:
                    fault(f"Files: {where}: licence {name} has no License paragraph")
    for name in given:
        if name not in named:
            fault(f"License paragraph {name} is named by no Files paragraph")
    return files


def check_courses(files, courses):
    for folder in sorted(p for p in courses.iterdir() if p.is_dir()):
        ini = read_ini(folder / "course.ini")
        for path in sorted(folder.iterdir()):
            relative = f"data/Courses/{folder.name}/{path.name}"
            paragraph = covering(files, relative)
            if paragraph is None:
                fault(f"{relative}: no Files paragraph covers it")
                continue
            licence = paragraph["License"][0]
            if path.suffix == ".zqtd":
                if paragraph["Files"][0] == "*":
                    fault(f"{relative}: made from XKB data, but under the project's own licence")
            elif path.name != "course.ini" and "DictionaryPackage" in ini:
                expected = ini.get("Licence", "")
                if paragraph["Files"][0] == "*":
                    fault(f"{relative}: words of {ini['DictionaryPackage']}, but under the project's own licence")
                elif not expected.startswith("see ") and licence != expected:
                    fault(f"{relative}: licence {licence}, but its dictionary's is {expected}")


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: check-copyright.py COPYRIGHT COURSES_FOLDER")
    found = paragraphs(pathlib.Path(sys.argv[1]).read_text(encoding="utf-8"))
    files = check_format(found)
    check_courses(files, pathlib.Path(sys.argv[2]))
    if faults:
        sys.exit(f"{len(faults)} faults")
    print(f"{len(files)} Files paragraphs cover every course file")


if __name__ == "__main__":
    main()
