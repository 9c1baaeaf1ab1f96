#!/usr/bin/env bash
# Fails when the exe imports a DLL we do not ship with every Windows from XP
# on, or a function that XP lacks (listed in post_xp_functions.txt), or a
# library that only some runs need and that must be loaded when needed.
set -euo pipefail
exe=${1:?usage: check_imports.sh Tikolvo.exe}
here=$(cd "$(dirname "$0")" && pwd)
dump=$(i686-w64-mingw32-objdump -p "$exe")

dlls=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
# Import lines read "<tab>vma<tab>  hint  Name" under each "DLL Name:".
functions=$(printf '%s\n' "$dump" | grep -E '^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_][A-Za-z0-9_@]*$' | awk '{print $3}' | sort -u)

status=0
# The C/C++ runtime must be linked in statically: no MinGW DLL may be needed.
for dll in $dlls; do
  case "$dll" in
    libgcc*|libstdc++*|libwinpthread*|api-ms-win-*|ucrtbase.dll|vcruntime*)
      echo "imports $dll: the exe would not start without it"; status=1 ;;
  esac
done
# COM and the sound stack load a good share of the system into the process;
# the clock looks them up at run time when a shell link, a launch or a sound
# asks for them.
for dll in $dlls; do
  case "$dll" in
    ole32.dll|oleaut32.dll|winmm.dll)
      echo "imports $dll: it would be loaded into every run"; status=1 ;;
  esac
done
while read -r name; do
  [ -z "$name" ] || [ "${name:0:1}" = "#" ] && continue
  if printf '%s\n' "$functions" | grep -qx "$name"; then
    echo "imports $name, which Windows XP does not have"; status=1
  fi
done < "$here/post_xp_functions.txt"

count=$(printf '%s\n' "$functions" | grep -c . || true)
echo "  $(printf '%s\n' "$dlls" | tr '\n' ' ')— $count functions checked"
exit $status
