#!/usr/bin/env bash
# Makes the ready-made courses of data/Courses again with zq-course, from
# the system's keyboard layouts and Debian's dictionary packages (installed
# when missing), and writes data/Courses/README.md, which names for each
# course its layout, its dictionary package and version, and the
# dictionary's licence, and data/package/courses-copyright, the courses'
# stanzas of the package's copyright file (tools/dev/course-copyright.py).
# Run it after a change to the course maker, or to take newer dictionaries;
# then look at the diff and commit it.
#
#   tools/dev/make-courses.sh
set -euo pipefail
source "$(dirname "$0")/common.sh"

# Folder name | XKB layout | dictionary package
courses=(
  "Espanol|es|hunspell-es"
  "Italiano|it|hunspell-it"
  "Portugues|pt|hunspell-pt-pt"
  "Portugues (Brasil)|br|hunspell-pt-br"
  "Nederlands|nl|hunspell-nl"
  "Svenska|se|hunspell-sv"
  "Norsk|no|hunspell-no"
  "Dansk|dk|hunspell-da"
  "Suomi|fi|dict-freedict-fin-eng"
  "Polski|pl|hunspell-pl"
  "Cestina|cz|hunspell-cs"
  "Magyar|hu|hunspell-hu"
  "Turkce|tr|hunspell-tr"
  "Russkij|ru|hunspell-ru"
  "Ukrainska|ua|hunspell-uk"
  "Ellinika|gr|hunspell-el"
  "English Dvorak|us(dvorak)|hunspell-en-us"
  "English Colemak|us(colemak)|hunspell-en-us"
)

# Licences of the packages whose copyright file is not machine-readable.
declare -A written_licences=(
  [hunspell-nl]="BSD-3-clause or CC-BY-3.0 (OpenTaal)"
  [hunspell-en-us]="SCOWL licence: free to use, copy, modify, distribute and sell, with its copyright and permission notice (see /usr/share/doc/hunspell-en-us/copyright)"
)

dictionary_packages=()
for course in "${courses[@]}"; do
  IFS='|' read -r _ _ package <<<"$course"
  dictionary_packages+=("$package")
done
zq_install_missing_packages "${ZQ_PROGRAM_PACKAGES[@]}" "${dictionary_packages[@]}"
zq_build_program  # zq-course comes with the program
tool="$ZQ_BUILD_DIR/program/zq-course"
target="$ZQ_ROOT/data/Courses"

ini_value() {  # ini_value FILE KEY
  sed -n "s/^$2=//p" "$1" | head -n 1
}

rows=()
for course in "${courses[@]}"; do
  IFS='|' read -r folder layout package <<<"$course"
  "$tool" make "$layout" "$target/$folder" --force --template-text
  ini="$target/$folder/course.ini"
  licence=$(ini_value "$ini" Licence)
  if [ -n "${written_licences[$package]:-}" ]; then
    licence=${written_licences[$package]}
  fi
  description=$(ini_value "$ini" Description)
  dictionary=$(ini_value "$ini" Dictionary)
  version=$(dpkg-query -W -f='${Version}' "$package")
  rows+=("| $folder | \`$layout\` $description | $package $version | \`$dictionary\` | $licence |")
done

{
  cat <<'TEXT'
# Courses

`English`, `Deutsch` and `Francais` are written by hand. Every other course
here was made by `zq-course make` (see `tools/zq-course/README.md`) from the
keyboard layout of the system's XKB data and the words of a Debian
dictionary package, and is made again by `tools/dev/make-courses.sh`. Its
texts are lists of the dictionary's words and so come under the dictionary's
licence, named below; the keyboard template (`layout.zqtd`, built into
`layout.zqt`) describes the XKB layout. The package's copyright file gives
each course's holders and licence texts (`data/package/courses-copyright`,
made with the courses).

| Course | Layout | Dictionary package | Dictionary | Licence |
|---|---|---|---|---|
TEXT
  printf '%s\n' "${rows[@]}"
  cat <<'TEXT'

The Finnish dictionary of Debian 12 has no Hunspell word list; the Finnish
course takes its words from the headwords of the FreeDict Finnish-English
dictionary.

The English word list (SCOWL) asks that its notice travel with it; the
notices of all its contributors are in `/usr/share/doc/hunspell-en-us/copyright`
of the hunspell-en-us package:

> Copyright 2000-2011 by Kevin Atkinson
>
> Permission to use, copy, modify, distribute and sell these word lists,
> the associated scripts, the output created from the scripts, and its
> documentation for any purpose is hereby granted without fee, provided that
> the above copyright notice appears in all copies and that both that
> copyright notice and this permission notice appear in supporting
> documentation. Kevin Atkinson makes no representations about the
> suitability of this array for any purpose. It is provided "as is" without
> express or implied warranty.
TEXT
} >"$target/README.md"
"$ZQ_ROOT/tools/dev/course-copyright.py" "$target" >"$ZQ_ROOT/data/package/courses-copyright"
echo "Made ${#courses[@]} courses in $target; see $target/README.md"
