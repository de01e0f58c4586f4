#!/usr/bin/env bash
# Makes the Windows package in dist/: namer-<version>-win64.zip (namer.exe, README.txt in Chinese and English,
# THIRD_PARTY.txt) and the installer namer-<version>-setup.exe (NSIS: Start-menu folder, uninstaller).
#   scripts/package.sh [--build-dir DIR] [--program namer.exe]
# Builds namer.exe in the Windows cross build (build/win64 unless given; configured there when it is not yet),
# or takes the program given. The program in the package is a stripped copy; it must be linked statically.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

build_dir=build/win64
program=""
while (($#)); do
    case $1 in
    --build-dir) build_dir=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    -h | --help) sed -n '2,6p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "package: unknown argument $1 (see --help)" >&2; exit 2 ;;
    esac
done

bash scripts/setup.sh

version=$(sed -n 's/^project(namer VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' CMakeLists.txt)
[[ -n $version ]] || { echo "package: no version in CMakeLists.txt" >&2; exit 1; }

if [[ -z $program ]]; then
    if [[ ! -f $build_dir/CMakeCache.txt ]]; then
        cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
    fi
    cmake --build "$build_dir" --target namer -j "$(nproc)"
    program=$build_dir/src/app/namer.exe
fi
[[ -f $program ]] || { echo "package: no program at $program" >&2; exit 1; }

# A program that needs the compiler's DLLs would not start from a bare folder on Windows.
runtime_dlls=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' |
    grep -iE '^(libstdc\+\+|libgcc|libwinpthread|libssp|libgomp)' || true)
if [[ -n $runtime_dlls ]]; then
    echo "package: $program is not linked statically; it needs: $runtime_dlls" >&2
    exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# Text for Windows: UTF-8 with a byte order mark (Notepad of older Windows reads it as UTF-8 then) and CRLF.
windows_text() { # from stdin to $1
    { printf '\xEF\xBB\xBF'; sed -e 's/\r$//' -e 's/$/\r/'; } >"$1"
}

x86_64-w64-mingw32-strip -o "$stage/namer.exe" "$program"
sed "s/@VERSION@/$version/g" packaging/README.txt | windows_text "$stage/README.txt"
{
    cat THIRD_PARTY.md
    if [[ -d licenses ]]; then
        while IFS= read -r -d '' file; do
            printf '\n## %s\n\n' "${file#licenses/}"
            cat "$file"
        done < <(find licenses -type f -print0 | sort -z)
    fi
    printf '\n'
    cat packaging/runtime_notices.md
} | windows_text "$stage/THIRD_PARTY.txt"

mkdir -p dist
zip_file=dist/namer-$version-win64.zip
setup_file=dist/namer-$version-setup.exe
rm -f "$zip_file" "$setup_file"
(cd "$stage" && zip -X -q "$root/$zip_file" namer.exe README.txt THIRD_PARTY.txt)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE_DIR="$stage" -DICON_FILE="$root/res/namer.ico" \
    -DOUT_FILE="$root/$setup_file" packaging/namer.nsi >/dev/null

echo "package: $zip_file ($(stat -c %s "$zip_file") bytes)"
echo "package: $setup_file ($(stat -c %s "$setup_file") bytes)"
