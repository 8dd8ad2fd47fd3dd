#!/bin/sh
# Strips a program or module as Debian wants it in a package: no symbols
# that are not needed, and no .comment or .note sections.
exec strip --strip-unneeded --remove-section=.comment --remove-section=.note "$@"
