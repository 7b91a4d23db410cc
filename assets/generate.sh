#!/bin/sh
# Rebuilds every binary asset from its source: the icon, the five workbooks,
# the two agreement documents and the cover.  Needs Debian's python3 with
# Pillow and LibreOffice (Calc); the program's build does not run this.
set -eu
PY=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tervalen-assets.XXXXXX")
trap 'rm -rf "$WORK"' EXIT INT TERM

mkdir -p "$HERE/documents" "$HERE/cover" "$HERE/icon"
"$PY" "$HERE/icon/make_icon.py" "$HERE/icon/tervalen.ico"
"$PY" "$HERE/documents/src/workbooks/make_workbooks.py" "$HERE/documents" "$WORK"
"$PY" "$HERE/documents/src/agreement/build_docx.py" "$HERE/documents"
"$PY" "$HERE/cover/make_cover.py" "$HERE/cover/cover.jpg"
ls -l "$HERE/icon/tervalen.ico" "$HERE/documents/"*.xls "$HERE/documents/"*.docx "$HERE/cover/cover.jpg"
