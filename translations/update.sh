#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings a translation file up to the window's texts: lupdate over the
# window's sources and panel files. Without an argument it updates the
# repository's German file (and drops texts no longer used); with one it
# writes that file from the repository's, keeping what no longer is used as
# vanished, so that a check sees it.
#   translations/update.sh [OUT.ts]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
ts="$here/telvar-k20-dizer_de.ts"
lupdate=${LUPDATE:-$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)}

panels=$(mktemp -d)
trap 'rm -rf "$panels"' EXIT
# lupdate reads panel files by their Designer name only.
for f in "$source_dir"/ui/*.uir; do
  cp "$f" "$panels/$(basename "$f" .uir).ui"
done

options=(-locations none -tr-function-alias translate+=tr_text,QT_TRANSLATE_NOOP+=TR_NOOP -source-language en -target-language de)
if [ $# -eq 0 ]; then
  options+=(-no-obsolete)
  out=$ts
else
  out=$1
  cp "$ts" "$out"
fi
cd "$source_dir"
# The command-line tool and the simulator stay English: their folders are not read.
"$lupdate" -silent "${options[@]}" app link params storage scope testmode firmware monitor stats ui platform "$panels" -ts "$out"
