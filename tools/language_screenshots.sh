#!/usr/bin/env bash
# Pictures of the main window, the Configuration and Location dialogs and the prayer alert in
# Arabic, Urdu, Turkish and Indonesian: runs the translated windows' test offscreen on a built
# tree (default build/) and copies its pictures into screenshots/ of the source tree.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build}
(cd "$build_dir" && QT_QPA_PLATFORM=offscreen ./ui_translated_windows_test screenshotsInFourLanguages >/dev/null)
for code in ar ur tr id; do
    for window in main configuration location alert; do
        cp "$build_dir/screenshots/${window}_${code}.png" "$source_dir/screenshots/"
    done
done
echo "16 pictures in $source_dir/screenshots"
