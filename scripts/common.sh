# Shared by the scripts: where the project is and how to configure a build.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# configure_build DIR [cmake options...]
configure_build() {
  local dir="$1"
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
  else
    cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
  fi
}
