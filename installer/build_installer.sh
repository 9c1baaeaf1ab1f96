#!/usr/bin/env bash
# Builds the installer from a laid-out program folder:
#   installer/build_installer.sh PROGRAM_FOLDER OUTPUT_EXE VERSION
# Every file of the folder is installed, and the uninstaller removes exactly
# those files again (never a data file the program made beside them).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
program=$(cd "$1" && pwd)
output=$(realpath -m "$2")
version=$3

lists=$(mktemp -d)
trap 'rm -rf "$lists"' EXIT
install_list=$lists/install_files.nsh
uninstall_list=$lists/uninstall_files.nsh
: >"$install_list"
: >"$uninstall_list"

windows_path() { local path=${1//\//\\}; echo "\$INSTDIR${path:+\\$path}"; }

(cd "$program" && find . -type d | sed 's|^\.||; s|^/||' | sort) | while IFS= read -r folder; do
  echo "SetOutPath \"$(windows_path "$folder")\"" >>"$install_list"
  (cd "$program/${folder:-.}" && find . -maxdepth 1 -type f | sed 's|^\./||' | sort) | while IFS= read -r file; do
    echo "File \"$program/${folder:+$folder/}$file\"" >>"$install_list"
    echo "Delete \"$(windows_path "${folder:+$folder/}$file")\"" >>"$uninstall_list"
  done
done

mkdir -p "$(dirname "$output")"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DOUTFILE="$output" \
  -DINSTALL_LIST="$install_list" -DUNINSTALL_LIST="$uninstall_list" "$here/tikolvo.nsi"
