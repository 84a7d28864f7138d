#!/bin/sh
# Checks that a Windows executable imports only DLLs that every Windows
# system has, so it runs when copied alone onto any machine. Reads the import
# table with mingw-w64's objdump. Usage: check-system-imports.sh <file.exe>
set -eu
exe=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

# Windows' own DLLs; api-ms-win-* are the API sets the UCRT toolchains import.
is_system_dll() {
  case $(printf '%s' "$1" | tr '[:upper:]' '[:lower:]') in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | advapi32.dll | \
    shell32.dll | shlwapi.dll | gdiplus.dll | ole32.dll | oleaut32.dll | winspool.drv | version.dll | \
    msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll | api-ms-win-core-*.dll) return 0 ;;
    *) return 1 ;;
  esac
}

# objdump fails on a missing or non-PE file; an empty table means it was not read.
table=$("$objdump" -p "$exe")
dlls=$(printf '%s\n' "$table" | sed -n 's/^[[:space:]]*DLL Name: //p')
if [ -z "$dlls" ]; then
  echo "check-system-imports: no import table found in $exe" >&2
  exit 1
fi

foreign=""
for dll in $dlls; do
  is_system_dll "$dll" || foreign="$foreign $dll"
done
if [ -n "$foreign" ]; then
  echo "check-system-imports: $exe imports DLLs that are not part of Windows:$foreign" \
    "(all imports: $(echo $dlls))" >&2
  exit 1
fi
echo "check-system-imports: $exe imports only system DLLs:" $dlls
