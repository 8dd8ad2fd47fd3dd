#!/usr/bin/env python3
"""Writes the Debian copyright stanzas of the ready-made courses.

    tools/dev/course-copyright.py COURSES_FOLDER [DOC_FOLDER] > data/package/courses-copyright

A course made by zq-course from a dictionary holds that dictionary's words,
so its texts come under the dictionary's copyright and licence. The course's
course.ini names the dictionary, its package and the licence the course
maker read; this script copies, from the package's own copyright file in
DOC_FOLDER (/usr/share/doc), the stanza the course maker read (same rule:
the stanza whose Files name the dictionary's folder) with its copyright
holders, and the full text of every licence the stanzas name. The keyboard
templates of all courses are made from the XKB layouts of xkb-data and get
that package's notices. tools/dev/make-courses.sh runs it after making the
courses, so that the stanzas follow the dictionaries. The package's
copyright file (data/package/copyright.in) takes the output in.
"""

import pathlib
import re
import sys

# The file of a course that is the project's own: it names the course's
# language and dictionary, written by zq-course.
OWN_FILES = {"course.ini"}
TEMPLATE_FILE = "layout.zqtd"

# Licences whose text is on every Debian system; a stanza naming one still
# needs a License paragraph, which may just point there.
COMMON_LICENCES = pathlib.Path("/usr/share/common-licenses")

# The project's own licence: its paragraph is in copyright.in.
PROJECT_LICENCE = "GPL-3+"

# Licences the dictionary packages name without giving a paragraph for them.
UNWRITTEN_LICENCES = {
    "LGPL": [
        "The dictionary's package names the GNU Lesser General Public License",
        "without a version.",
        "",
        "On Debian systems, the complete texts of the GNU Library General Public",
        "License version 2 and of the GNU Lesser General Public License versions",
        "2.1 and 3 can be found in /usr/share/common-licenses/LGPL-2,",
        "/usr/share/common-licenses/LGPL-2.1 and /usr/share/common-licenses/LGPL-3.",
    ],
    "MPL": [
        "The dictionary's package names the Mozilla Public License without a",
        "version and gives no text of it.",
        "",
        "On Debian systems, the complete texts of the Mozilla Public License",
        "version 1.1 and version 2.0 can be found in",
        "/usr/share/common-licenses/MPL-1.1 and /usr/share/common-licenses/MPL-2.0.",
    ],
}

# Packages whose copyright file is free text, not machine-readable: their
# holders (each a notice the file contains, checked below), their licence,
# and where in the file each licence's text begins and ends (a line that
# starts with the first mark, up to the line before one that starts with the
# second, or the end of the file).
FREE_TEXT_COPYRIGHTS = {
    "hunspell-en-us": {
        "copyright": [
            "2000-2011 by Kevin Atkinson",
            "1997 by Princeton University",
            "(c) J Ross Beresford 1993-1999",
            "1993, Geoff Kuenning, Granada Hills, CA",
        ],
        "licence": "SCOWL",
        "texts": {"SCOWL": ("The collective work is Copyright", None)},
    },
    "hunspell-nl": {
        "copyright": [
            "1996 Nederlandstalige Tex Gebruikersgroep",
            "2001, 2002, 2003, 2005 Simon Brouwer e.a.",
            "2006, 2007, 2008, 2009, 2010 OpenTaal",
            "2020 OpenTaal (Simon Brouwer, Sander van Geloven)",
        ],
        "licence": "BSD-3-clause or CC-BY-3.0",
        "comment": ("OpenTaal distributes", "\t"),
        "texts": {
            "BSD-3-clause": ("BSD-license (revised version)", "\t"),
            "CC-BY-3.0": ("Creative Commons, Attribution 3.0 Unported", "*****"),
        },
    },
}

# The keyboard templates: xkb-data's copyright is free text too.
XKB_PACKAGE = "xkb-data"
XKB_LICENCE = "xkeyboard-config"
XKB_TEXT = ("This package is distributed under the following licenses:", None)


def fail(message):
    sys.exit(f"course-copyright: {message}")


def paragraphs(text):
    """The paragraphs of a deb822 file, each a list of (field, lines)."""
    result, current = [], []
    for line in text.splitlines():
        if not line.strip():
            if current:
                result.append(current)
            current = []
        elif line[0] in " \t":
            if current:
                current[-1][1].append(line)
        elif ":" in line:
            name, value = line.split(":", 1)
            current.append((name, [value.strip()]))
    if current:
        result.append(current)
    return result


def field(paragraph, name):
    for key, lines in paragraph:
        if key.lower() == name.lower():
            return lines
    return None


def folder_of_pattern(pattern):
    """The folder a Files pattern names files in, as the course maker reads it."""
    if "/" not in pattern:
        return ""
    folder = pattern[: pattern.rfind("/")]
    return folder[folder.rfind("/") + 1 :]


def dictionary_stanza(stanzas, dictionary_file):
    """The stanza the course maker took the licence from (DictionaryPackage.cpp)."""
    stem = dictionary_file.split(".")[0]
    if stem.startswith("freedict-"):
        stem = stem[len("freedict-") :]
    language = stem.split("_")[0]
    folders = [stem, language] + (["no"] if language in ("nb", "nn") else [])
    for folder in folders:
        for stanza in stanzas:
            patterns = " ".join(field(stanza, "Files")).split()
            if any(folder_of_pattern(p) == folder for p in patterns):
                return stanza
    for stanza in stanzas:
        if " ".join(field(stanza, "Files")).strip() == "*":
            return stanza
    return None


def licence_names(expression):
    names = re.split(r"\s+or\s+|\s+and\s+|,\s*", expression.strip())
    return [name for name in names if name]


def as_text(lines):
    """Lines as the text of a field: one space in front, blank lines as '.',
    tabs made spaces (Debian's tools take a tab in a licence for a fault)."""
    return [" " + line.expandtabs().rstrip() if line.strip() else " ." for line in lines]


def cut(text, marks, package):
    """The lines from the line that starts with marks[0] up to marks[1]."""
    lines = text.splitlines()
    start = next((i for i, line in enumerate(lines) if line.startswith(marks[0])), None)
    if start is None:
        fail(f"the copyright of {package} no longer has '{marks[0]}'")
    end = len(lines)
    if marks[1] is not None:
        end = next((i for i in range(start + 1, len(lines)) if lines[i].startswith(marks[1])), end)
    while end > start and not lines[end - 1].strip():
        end -= 1
    return lines[start:end]


def files_pattern(path):
    # Patterns are separated by white space; '?' stands for the space of a
    # course's name.
    return re.sub(r"([*?\\])", r"\\\1", path).replace(" ", "?")


class Copyrights:
    def __init__(self, doc_folder):
        self.doc_folder = pathlib.Path(doc_folder)
        self.named = []  # every licence name the stanzas use, in order
        self.inline = set()  # names whose text a stanza gives itself
        self.texts = {}  # name -> the text the packages give for it
        self.givers = {}  # name -> the package that gave its text

    def read(self, package):
        path = self.doc_folder / package / "copyright"
        if not path.is_file():
            fail(f"{path} is missing: install {package}")
        return path.read_text(encoding="utf-8")

    def name(self, expression, inline=False):
        for name in licence_names(expression):
            if name not in self.named:
                self.named.append(name)
            if inline:
                self.inline.add(name)

    def give_text(self, name, lines, package):
        # One paragraph per name: two packages that mean different texts by
        # one name would need names of their own.
        lines = [line.rstrip() for line in lines]
        if name in self.texts and self.texts[name] != lines:
            fail(f"{package} gives another text for {name} than {self.givers[name]}")
        self.texts[name] = lines
        self.givers.setdefault(name, package)

    def course_stanza(self, folder, ini):
        package = ini["DictionaryPackage"].split()[0]
        dictionary = ini["Dictionary"]
        text = self.read(package)
        files = sorted(
            p.name
            for p in folder.iterdir()
            if p.is_file() and p.name not in OWN_FILES and p.name != TEMPLATE_FILE
        )
        lines = ["Files: " + "\n       ".join(files_pattern(f"data/Courses/{folder.name}/{f}") for f in files)]
        comment = [
            f"The words of {dictionary} of the Debian package",
            f"{ini['DictionaryPackage']}, whose copyright file gives these holders and",
        ]
        if text.startswith("Format:"):
            lines += self.machine_readable(package, text, dictionary, ini)
            comment.append("this licence for the dictionary.")
        else:
            lines += self.free_text(package, text)
            comment.append("this licence in free text.")
        extra = FREE_TEXT_COPYRIGHTS.get(package, {}).get("comment")
        if extra:
            comment += [""] + cut(text, extra, package)
        return lines + ["Comment:"] + as_text(comment)

    def machine_readable(self, package, text, dictionary, ini):
        found = paragraphs(text)
        stanza = dictionary_stanza([p for p in found if field(p, "Files")], pathlib.Path(dictionary).name)
        if stanza is None:
            fail(f"no stanza of {package}'s copyright names {dictionary}")
        holders = [line.rstrip() for line in field(stanza, "Copyright") or [""]]
        licence = field(stanza, "License")
        if licence[0] != ini.get("Licence", licence[0]):
            fail(f"{package}: the course says {ini['Licence']}, the copyright {licence[0]}")
        self.name(licence[0], inline=len(licence) > 1)
        for paragraph in found:
            standalone = field(paragraph, "License")
            if standalone and not field(paragraph, "Files") and standalone[0] in licence_names(licence[0]):
                self.give_text(standalone[0], standalone[1:], package)
        if not holders[0] and len(holders) == 1:
            holders = ["the authors named by the dictionary's package"]
        return [f"Copyright: {holders[0]}".rstrip()] + holders[1:] + [f"License: {licence[0]}"] + licence[1:]

    def free_text(self, package, text):
        known = FREE_TEXT_COPYRIGHTS.get(package)
        if known is None:
            fail(f"{package}'s copyright is free text: add it to FREE_TEXT_COPYRIGHTS")
        for holder in known["copyright"]:
            if holder not in text:
                fail(f"{package}'s copyright no longer names '{holder}'")
        self.name(known["licence"])
        for name, marks in known["texts"].items():
            self.give_text(name, as_text(cut(text, marks, package)), package)
        holders = known["copyright"]
        return (
            [f"Copyright: {holders[0]}"]
            + [f"           {holder}" for holder in holders[1:]]
            + [f"License: {known['licence']}"]
        )

    def template_stanza(self):
        text = self.read(XKB_PACKAGE)
        holders = [line[len("Copyright") :].strip() for line in text.splitlines() if line.startswith("Copyright ")]
        if not holders:
            fail(f"{XKB_PACKAGE}'s copyright names no holder")
        self.name(XKB_LICENCE)
        self.give_text(XKB_LICENCE, as_text(cut(text, XKB_TEXT, XKB_PACKAGE)), XKB_PACKAGE)
        return (
            ["Files: data/Courses/*/layout.zqtd", f"Copyright: {holders[0]}"]
            + [f"           {holder}" for holder in holders[1:]]
            + [
                f"License: {XKB_LICENCE}",
                "Comment:",
            ]
            + as_text(
                [
                    "The keyboard templates (built into layout.zqt) describe the keys of",
                    "the XKB layouts of the Debian package xkb-data, whose copyright file",
                    "gives these holders and notices.",
                ]
            )
        )


def read_ini(path):
    values = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        if "=" in line and not line.startswith((";", "#", "[")):
            key, value = line.split("=", 1)
            values.setdefault(key.strip(), value.strip())
    return values


def licence_paragraphs(copyrights):
    result = []
    for name in copyrights.named:
        if name == PROJECT_LICENCE or name in copyrights.inline:
            continue  # in copyright.in, or given in its stanza
        text = copyrights.texts.get(name)
        if text is None and name in UNWRITTEN_LICENCES:
            text = as_text(UNWRITTEN_LICENCES[name])
        if text is None:
            base = name.rstrip("+")
            if (COMMON_LICENCES / base).exists():
                text = as_text([f"On Debian systems, the complete text can be found in {COMMON_LICENCES / base}."])
            else:
                fail(f"no text for the licence {name}")
        result.append("\n".join([f"License: {name}"] + text))
    return result


def main():
    if len(sys.argv) not in (2, 3):
        fail("usage: course-copyright.py COURSES_FOLDER [DOC_FOLDER]")
    courses = pathlib.Path(sys.argv[1])
    copyrights = Copyrights(sys.argv[2] if len(sys.argv) == 3 else "/usr/share/doc")
    stanzas = [copyrights.template_stanza()]
    for ini_path in sorted(courses.glob("*/course.ini")):
        ini = read_ini(ini_path)
        if "DictionaryPackage" in ini:
            stanzas.append(copyrights.course_stanza(ini_path.parent, ini))
    blocks = ["\n".join(stanza) for stanza in stanzas] + licence_paragraphs(copyrights)
    sys.stdout.write("\n\n".join(blocks) + "\n")


if __name__ == "__main__":
    main()
