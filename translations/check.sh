#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text of the window has no German, when the German file holds
# a text no longer used, or when a translation breaks a placeholder, an
# accelerator or the glossary.
#   translations/check.sh WORK.ts
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/update.sh" "$1"
python3 "$here/check_translations.py" "$1" "$here/glossary.tsv"
