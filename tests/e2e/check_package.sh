#!/usr/bin/env bash
# Checks the Windows package that scripts/package.sh made: the zip holds the program and its documents as Windows
# text, the program unpacked into a bare folder starts under Wine, shows its main window and ends with exit code 0
# on Esc; the installer puts the program, its Start-menu folder and uninstall entry in place and its uninstaller
# takes them away again. Needs a display (xvfb-run) and the end-to-end driver of the Windows build.
#   tests/e2e/check_package.sh [--build-dir DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
build_dir=build/win64
[[ ${1:-} == --build-dir ]] && build_dir=$2
source scripts/wine-env.sh

version=$(sed -n 's/^project(namer VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' CMakeLists.txt)
zip_file=dist/namer-$version-win64.zip
setup_file=dist/namer-$version-setup.exe
driver=$build_dir/tests/e2e/e2e_tests.exe
fail() {
    echo "package check: $*" >&2
    exit 1
}
[[ -s $zip_file ]] || fail "$zip_file is missing"
[[ -s $setup_file ]] || fail "$setup_file is missing"
[[ $(head -c 2 "$setup_file") == MZ ]] || fail "$setup_file is not a Windows program"
[[ -f $driver ]] || fail "no end-to-end driver at $driver"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The zip: exactly the three files; the documents readable by Notepad (BOM, CRLF) in both languages.
listed=$(unzip -Z1 "$zip_file" | sort | tr '\n' ' ')
[[ $listed == "README.txt THIRD_PARTY.txt namer.exe " ]] || fail "the zip holds: $listed"
unzip -q "$zip_file" -d "$work/unpacked"
for text in README.txt THIRD_PARTY.txt; do
    file=$work/unpacked/$text
    [[ $(head -c 3 "$file" | od -An -tx1 | tr -d ' ') == efbbbf ]] || fail "$text does not begin with a UTF-8 BOM"
    [[ $(grep -c $'\r$' "$file") == $(wc -l <"$file") ]] || fail "$text has lines without CRLF"
done
grep -q '使用方法' "$work/unpacked/README.txt" && grep -q 'How to use it' "$work/unpacked/README.txt" ||
    fail "README.txt is not in both languages"
grep -q "$version" "$work/unpacked/README.txt" || fail "README.txt does not name version $version"
grep -q 'Unicode' "$work/unpacked/THIRD_PARTY.txt" || fail "THIRD_PARTY.txt lacks the notices"

# The unpacked program on its own: its file, its start and its end.
NAMER_E2E_PROGRAM=$work/unpacked/namer.exe wine "$driver" \
    --gtest_filter='ProgramFile.*:ProgramStart.MainWindowOnTheFirstPageAndEscEndsWithZero' --gtest_brief=1 ||
    fail "the unpacked program did not start and end as it should"

# The installer, silently, into a folder of its own on drive C: of the Wine prefix.
folder=namer-check-$$
target=$WINEPREFIX/drive_c/$folder
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/免费起名软件"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Namer'
wine "$setup_file" /S "/D=C:\\$folder" || fail "the installer failed"
for file in namer.exe README.txt THIRD_PARTY.txt uninstall.exe; do
    [[ -f $target/$file ]] || fail "the installer left out $file"
done
cmp -s "$target/namer.exe" "$work/unpacked/namer.exe" || fail "the installed program differs from the zipped one"
[[ -f $menu/免费起名软件.lnk ]] || fail "no Start-menu shortcut in $menu"
wine reg query "$uninstall_key" /v UninstallString /reg:64 2>/dev/null | grep -q 'uninstall.exe' ||
    fail "no uninstall entry"

# The uninstaller hands over to a copy of itself and returns at once: wait until the files are gone.
wine "$target/uninstall.exe" /S || fail "the uninstaller failed"
for _ in $(seq 100); do
    [[ -e $target || -e $menu ]] || break
    sleep 0.2
done
[[ ! -e $target ]] || fail "the uninstaller left $target: $(ls "$target")"
[[ ! -e $menu ]] || fail "the uninstaller left the Start-menu folder"
! wine reg query "$uninstall_key" /reg:64 >/dev/null 2>&1 || fail "the uninstaller left the uninstall entry"
echo "package check: $zip_file and $setup_file are sound"
