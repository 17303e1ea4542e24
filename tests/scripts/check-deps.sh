#!/usr/bin/env bash
# Proves that scripts/deps installs, on a fresh machine, every package that
# the build, the tests, the program and the scripts need. What is needed is
# read off this machine and the project's own files, not kept as a list:
#   - the Qt modules the CMake files ask for, with the modules they need in
#     turn (Qt's Qt6<Module>Dependencies.cmake), by the package owning each
#     module's CMake configuration;
#   - the QML modules the interface imports, with what those modules import
#     in turn, by the package owning each qmldir;
#   - the Qt plugins the program loads here: the platform plugins the
#     scripts and tests choose, the image formats of the built-in resources;
#   - the commands the scripts run, by the package owning each program.
# Each owning package must be one that a fresh machine gets from scripts/deps:
# apt's own resolver, run over an empty package state, decides what
# "apt-get install --no-install-recommends <the list>" brings, together with
# the packages every Debian system has (Essential or Priority: required).
#
# Usage: check-deps.sh SOURCE_DIR QT_CMAKE_DIR QT_QML_DIR QT_PLUGIN_DIR QML_LIST
# (QML_LIST: a file naming the QML documents the build compiles in.)
# Exits 0 when nothing is missing, 1 otherwise, 77 when this machine cannot
# tell (no dpkg/apt, or apt has no package lists).
set -euo pipefail

SRC="$1"
QT_CMAKE_DIR="$2"
QT_QML_DIR="$3"
QT_PLUGIN_DIR="$4"
QML_LIST="$5"

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  echo "SKIP: not a Debian-based system (no dpkg-query or apt-get)"
  exit 77
fi
if ! compgen -G "/var/lib/apt/lists/*_Packages*" >/dev/null; then
  echo "SKIP: apt has no package lists here (apt-get update has never run)"
  exit 77
fi

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# needs: "path-of-a-file<TAB>deps-argument<TAB>why" lines; every file is
# mapped to its package, which "scripts/deps <argument>" must install.
NEEDS="$WORK/needs"
: >"$NEEDS"
need() { printf '%s\t%s\t%s\n' "$1" "${3:-}" "$2" >>"$NEEDS"; }
# Problems found before packages are looked at (a file that is not there).
PROBLEMS="$WORK/problems"
: >"$PROBLEMS"
problem() { printf 'MISSING: %s\n' "$*" >>"$PROBLEMS"; }

# The project's own CMake files, scripts and sources (never the build trees).
project_files() {
  (cd "$SRC" && find . -path ./build -prune -o -path ./.git -prune -o -path ./tests/fuzz/corpus -prune \
    -o -type f "$@" -print | sed 's|^\./||' | sort)
}

# ---------------------------------------------------------------------------
# Qt modules
# ---------------------------------------------------------------------------
qt_components() {
  # Every find_package(Qt6 ... COMPONENTS a b c ...) in the CMake files.
  local f
  for f in $(project_files \( -name CMakeLists.txt -o -name '*.cmake' \)); do
    tr '\n' ' ' <"$SRC/$f" | grep -oE 'find_package\(\s*Qt6\b[^)]*\)' |
      sed -E 's/.*COMPONENTS//; s/\)$//' | tr ' ' '\n' |
      grep -E '^[A-Z][A-Za-z0-9]+$' | sed "s|\$|	$f|" || true
  done
}

declare -A QT_SEEN=()
add_qt_module() {
  local name="$1" why="$2" dir config deps dep
  [ -n "${QT_SEEN[$name]:-}" ] && return
  QT_SEEN[$name]=1
  dir="$QT_CMAKE_DIR/Qt6$name"
  config="$dir/Qt6${name}Config.cmake"
  if [ ! -f "$config" ]; then
    problem "Qt module $name (needed by $why): $config is not installed"
    return
  fi
  need "$config" "Qt module $name ($why)"
  [ -f "$dir/Qt6${name}Dependencies.cmake" ] || return 0
  # Modules and tool packages the module's configuration finds in turn.
  deps="$(grep -hoE '__qt_[A-Za-z0-9]+_(target|tool)_deps "[^"]*"' "$dir/Qt6${name}Dependencies.cmake" |
    sed -E 's/^[^"]*"//; s/"$//' | tr ';' '\n' | grep -oE '^Qt6[A-Za-z0-9]+' | sed 's/^Qt6//' || true)"
  for dep in $deps; do
    add_qt_module "$dep" "$name, for $why"
  done
}

need "$QT_CMAKE_DIR/Qt6/Qt6Config.cmake" "find_package(Qt6)"
while IFS=$'\t' read -r module file; do
  add_qt_module "$module" "$file"
done < <(qt_components)

# ---------------------------------------------------------------------------
# QML modules
# ---------------------------------------------------------------------------
OWN_URIS="$(for f in $(project_files -name CMakeLists.txt); do
  tr '\n' ' ' <"$SRC/$f" | grep -oE 'qt_add_qml_module\([^)]*\)' | grep -oE 'URI\s+[A-Za-z0-9.]+' |
    awk '{print $2}' || true
done | sort -u)"
STYLE="$(grep -rhoE 'QQuickStyle::setStyle\(QStringLiteral\("[A-Za-z]+"\)' "$SRC/app" |
  sed -E 's/.*"([A-Za-z]+)".*/\1/' | head -n 1 || true)"

declare -A QML_SEEN=()
add_qml_module() {
  local uri="$1" why="$2" dir qmldir line kind dep file
  for own in $OWN_URIS; do
    [ "$uri" = "$own" ] && return
  done
  [ -n "${QML_SEEN[$uri]:-}" ] && return
  QML_SEEN[$uri]=1
  dir="$QT_QML_DIR/${uri//.//}"
  qmldir="$dir/qmldir"
  if [ ! -f "$qmldir" ]; then
    problem "QML module $uri (imported by $why): $qmldir is not installed"
    return
  fi
  need "$qmldir" "QML module $uri ($why)"
  # What the module's qmldir imports or depends on (optional imports are
  # styles the program does not choose).
  while read -r kind dep _; do
    add_qml_module "$dep" "$uri, for $why"
  done < <(grep -E '^(import|default import|depends) ' "$qmldir" | sed 's/^default //' || true)
  # What the module's own documents import; documents for another style
  # ("+Material/") are only loaded with that style.
  while IFS= read -r file; do
    case "$file" in
      */+"$STYLE"/*) ;;
      */+*/*) continue ;;
    esac
    qml_imports "$file" "$uri, for $why"
  done < <(module_documents "$dir")
}

# module_documents DIR: the documents of the module in DIR, and of its
# implementation modules ("impl", "quickimpl"), which the module's plugin
# loads itself; not those of other modules below DIR, nor the designer's.
module_documents() {
  local dir="$1" sub
  find "$dir" -name '*.qml' -not -path '*/designer/*' | while IFS= read -r file; do
    sub="${file#"$dir"/}"
    # The nearest folder with a qmldir between DIR and the file decides.
    local d
    d="$(dirname "$file")"
    while [ "$d" != "$dir" ] && [ ! -f "$d/qmldir" ]; do
      d="$(dirname "$d")"
    done
    case "$d" in
      "$dir" | *impl) printf '%s\n' "$file" ;;
    esac
  done
}

# qml_imports FILE WHY: the modules a QML document imports.
qml_imports() {
  local file="$1" why="$2" uri
  for uri in $(grep -hoE '^\s*import\s+[A-Za-z][A-Za-z0-9_.]*' "$file" | awk '{print $2}' | sort -u); do
    add_qml_module "$uri" "$why"
  done
}

while IFS= read -r doc; do
  [ -n "$doc" ] || continue
  qml_imports "$doc" "${doc#"$SRC/"}"
done <"$QML_LIST"
for doc in $(project_files -name '*.qml' | grep -E '^(tools|tests)/' || true); do
  qml_imports "$SRC/$doc" "$doc"
done
if [ -n "$STYLE" ]; then
  add_qml_module "QtQuick.Controls.$STYLE" "the style set in app/ ($STYLE)"
fi

# ---------------------------------------------------------------------------
# Qt plugins loaded at run time
# ---------------------------------------------------------------------------
# Platforms: every platform plugin of this machine whose name the scripts,
# CMake files or sources give to QT_QPA_PLATFORM.
QPA_LINES="$WORK/qpa"
for f in $(project_files \( -name '*.cpp' -o -name '*.h' -o -name CMakeLists.txt -o -name '*.sh' \) ) \
  $(cd "$SRC" && ls scripts/*); do
  grep -H 'QT_QPA_PLATFORM' "$SRC/$f" 2>/dev/null | sed "s|^$SRC/||" || true
done >"$QPA_LINES"
for plugin in "$QT_PLUGIN_DIR"/platforms/libq*.so; do
  name="$(basename "$plugin" .so)"
  name="${name#libq}"
  where="$(grep -E "QT_QPA_PLATFORM[^a-z]+\"?$name\b" "$QPA_LINES" | head -n 1 | cut -d: -f1 || true)"
  [ -n "$where" ] || continue
  need "$plugin" "platform plugin $name (QT_QPA_PLATFORM in $where)"
  if [ "$name" = xcb ]; then
    # Qt Quick draws through OpenGL on X11 by default.
    need "$QT_PLUGIN_DIR/xcbglintegrations/libqxcb-glx-integration.so" "OpenGL on xcb ($where)"
  fi
done
# Image formats: the kinds of image the built-in resources hold that Qt reads
# through a plugin.
for ext in $(project_files \( -name CMakeLists.txt -o -name '*.cmake' \) | while read -r f; do
  grep -oE '[A-Za-z0-9_/.-]+\.(svg|png|jpg|jpeg|gif|webp|ico|bmp|tiff)\b' "$SRC/$f" || true
done | sed -E 's/.*\.//' | sort -u); do
  plugin="$QT_PLUGIN_DIR/imageformats/libq$ext.so"
  [ -f "$plugin" ] && need "$plugin" "images of type .$ext in the resources"
done

# ---------------------------------------------------------------------------
# Commands the scripts run
# ---------------------------------------------------------------------------
# deps_list ARG: the packages "scripts/deps ARG" installs.
deps_list() { bash "$SRC/scripts/deps" --list "$@"; }

# command_words FILE: the words a shell script runs as commands.
command_words() { perl "$SRC/tests/scripts/shell-commands.pl" "$1"; }

declare -A FUNCS=()
for f in $(cd "$SRC" && ls scripts/* tests/package/*.sh tests/scripts/*.sh); do
  for fn in $(grep -oE '^[[:space:]]*[A-Za-z_][A-Za-z0-9_-]*\(\)' "$SRC/$f" | tr -d ' ()'); do
    FUNCS[$fn]=1
  done
done

# The scripts a user runs, and which "scripts/deps" list each relies on.
SCRIPT_FILES=$(cd "$SRC" && ls scripts/* tests/package/*.sh tests/scripts/*.sh .ci/run 2>/dev/null)
COMMANDS="$WORK/commands"
: >"$COMMANDS"
for f in $SCRIPT_FILES; do
  # scripts/deps needs apt-get, dpkg-query and (not as root) sudo before it
  # can install anything: they are what a fresh machine starts with.
  [ "$f" = scripts/deps ] && continue
  arg="$(grep -oE 'scripts/deps"[[:space:]]+[a-z]+' "$SRC/$f" | awk '{print $2}' | head -n 1 || true)"
  while IFS= read -r word; do
    case "$word" in
      \$* | \"* | */* | -* | *[!A-Za-z0-9._+-]*) continue ;;
    esac
    [ -n "${FUNCS[$word]:-}" ] && continue
    case "$(type -t "$word" 2>/dev/null || true)" in
      builtin | keyword) continue ;;
    esac
    printf '%s\t%s\t%s\n' "$word" "$f" "$arg" >>"$COMMANDS"
  done < <(command_words "$SRC/$f" | sort -u)
  # A CMake generator or compiler that a script configures.
  grep -oE '(-G[[:space:]]+Ninja|-DCMAKE_(C|CXX)_COMPILER=[A-Za-z0-9._+-]+)' "$SRC/$f" |
    sed -E 's/-G[[:space:]]+Ninja/ninja/; s/.*=//' | sed "s|\$|	$f	$arg|" >>"$COMMANDS" || true
done
# Programs the CMake files look for and the test programs start.
for f in $(project_files \( -name CMakeLists.txt -o -name '*.cmake' \)); do
  tr '\n' ' ' <"$SRC/$f" | grep -oE 'find_program\([^)]*\)' | awk '{print $2}' | tr -d ')' |
    sed "s|\$|	$f	|" >>"$COMMANDS" || true
done
for f in $(project_files \( -name '*.cpp' -o -name '*.h' \) | grep -E '^(tests|tools)/'); do
  grep -oE '(findExecutable|setProgram|start)\(QStringLiteral\("[A-Za-z0-9._+-]+"\)' "$SRC/$f" |
    sed -E 's/.*"(.*)".*/\1/' | grep -v '\.exe$' | sed "s|\$|	$f	|" >>"$COMMANDS" || true
done

declare -A UNRESOLVED=()
while IFS=$'\t' read -r word from arg; do
  # Where a fresh Debian system has its programs (not /usr/local).
  path="$(PATH=/usr/sbin:/usr/bin:/sbin:/bin command -v "$word" 2>/dev/null || true)"
  if [ -z "$path" ] || [ "${path#/}" = "$path" ]; then
    UNRESOLVED[$word]=1
    continue
  fi
  need "$(readlink -f "$path")" "command $word ($from)" "$arg"
done < <(sort -u "$COMMANDS")

# ---------------------------------------------------------------------------
# Files to packages, and what a fresh machine gets
# ---------------------------------------------------------------------------
# dpkg records a file under the path its package ships, which on a merged
# /usr system may be /bin/x for /usr/bin/x: both are asked for, all files in
# one query (a query per file costs a second each).
OWNERS="$WORK/owners"
owners_of() {
  dpkg-query -S "$@" 2>/dev/null | sed -E 's/^([^:,]+)[^ ]*: (.*)$/\2\t\1/' || true
}
mapfile -t paths < <(cut -f1 "$NEEDS" | sort -u)
alternates=()
for path in "${paths[@]}"; do
  case "$path" in
    /usr/bin/* | /usr/sbin/* | /usr/lib/*) alternates+=("${path#/usr}") ;;
    /bin/* | /sbin/* | /lib/*) alternates+=("/usr$path") ;;
  esac
done
{
  owners_of "${paths[@]}"
  [ ${#alternates[@]} -eq 0 ] || owners_of "${alternates[@]}" | sed -E 's|^/usr/|/|; t; s|^/|/usr/|'
} >"$OWNERS"
owner() { awk -F'\t' -v p="$1" '$1 == p {print $2; exit}' "$OWNERS"; }

# fresh_closure ARG: every package installed on a machine that starts with
# the Essential and required packages and then runs "scripts/deps ARG".
fresh_closure() {
  local base
  base="$(dpkg-query -W -f='${Package} ${Essential} ${Priority}\n' | awk '$2 == "yes" || $3 == "required" {print $1}')"
  : >"$WORK/empty-status"
  # shellcheck disable=SC2046
  apt-get -s -q -o Dir::State::status="$WORK/empty-status" -o Debug::NoLocking=1 \
    install --no-install-recommends $base $(deps_list "$@") 2>"$WORK/apt-errors" |
    awk '$1 == "Inst" {print $2}' | sed 's/:.*//' | sort -u
  if [ -s "$WORK/apt-errors" ] && grep -q '^E:' "$WORK/apt-errors"; then
    echo "apt cannot resolve the list of scripts/deps $*:" >&2
    cat "$WORK/apt-errors" >&2
    return 1
  fi
}

fresh_closure >"$WORK/closure"
echo "A fresh machine with scripts/deps gets $(wc -l <"$WORK/closure") packages."

for arg in $(cut -f2 "$NEEDS" | sort -u); do
  fresh_closure "$arg" >"$WORK/closure-$arg"
done
# One pass: owner of each file, then whether the right closure has it.
awk -F'\t' -v work="$WORK" '
  FILENAME == work "/owners" { owner[$1] = $2; next }
  {
    path = $1; arg = $2; why = $3
    if (!(arg in loaded)) {
      file = work "/closure" (arg == "" ? "" : "-" arg)
      while ((getline pkg < file) > 0) has[arg, pkg] = 1
      loaded[arg] = 1
    }
    if (!(path in owner)) {
      printf "MISSING: %s (%s) belongs to no package: install it through scripts/deps\n", path, why
    } else if (!((arg, owner[path]) in has)) {
      printf "MISSING: package %s (owns %s) is needed for %s, but scripts/deps%s does not install it\n",
             owner[path], path, why, (arg == "" ? "" : " " arg)
    }
  }' "$OWNERS" <(sort -u "$NEEDS") >"$WORK/missing"
cat "$PROBLEMS" "$WORK/missing"
[ -s "$PROBLEMS" ] || [ -s "$WORK/missing" ] && missing=1 || missing=0

if [ ${#UNRESOLVED[@]} -gt 0 ]; then
  echo "Words in command position that name no program here (not checked): ${!UNRESOLVED[*]}"
fi
echo "Checked $(sort -u "$NEEDS" | wc -l) files: $(grep -c 'Qt module' "$NEEDS") of Qt modules," \
  "$(grep -c 'QML module' "$NEEDS") of QML modules, $(grep -cE 'plugin|images|OpenGL' "$NEEDS") plugins," \
  "$(grep -c 'command ' "$NEEDS") commands."
if [ "$missing" -ne 0 ]; then
  echo "FAIL: scripts/deps misses what is listed above."
  exit 1
fi
echo "PASS: scripts/deps installs everything listed."
