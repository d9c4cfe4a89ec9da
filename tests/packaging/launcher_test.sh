#!/usr/bin/env bash
# The installed launcher, run from a copy of the installed layout with a stand-in program that
# reports the name it was started under, its arguments and the Qt platform it was given.
# Usage: launcher_test.sh LAUNCHER
set -euo pipefail
launcher=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/lib/videoconverter"
install -m 0755 "$launcher" "$work/bin/videoconverter"
# A compiled stand-in: a script would lose the name exec -a gives it.
cat > "$work/stand-in.c" <<'C'
#include <stdio.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    const char* qpa = getenv("QT_QPA_PLATFORM");
    const char* command = getenv("VC_COMMAND_NAME");
    printf("name=%s\ncommand=%s\nqpa=%s\n", argv[0], command ? command : "(unset)",
           qpa ? qpa : "(unset)");
    for (int i = 1; i < argc; ++i) printf("arg=[%s]\n", argv[i]);
    return 0;
}
C
cc -o "$work/lib/videoconverter/VideoConverter" "$work/stand-in.c"
# Started through a link elsewhere, as a desktop or PATH entry may do.
mkdir -p "$work/elsewhere"
ln -s "$work/bin/videoconverter" "$work/elsewhere/videoconverter"

failed=0
passed=0
check() {  # NAME EXPECTED ACTUAL
  if [[ $2 == "$3" ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s\n--- expected\n%s\n--- got\n%s\n' "$1" "$2" "$3"
  fi
}
run() {  # ENV-ASSIGNMENTS... -- ARGS...
  local envs=()
  while [[ $1 != -- ]]; do envs+=("$1"); shift; done
  shift
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${envs[@]}" "$work/elsewhere/videoconverter" "$@"
}

check "files pass through unchanged" \
"name=VideoConverter
command=videoconverter
qpa=(unset)
arg=[/videos/My Holiday.mp4]
arg=[a \"quoted\" \$name;*.avi]
arg=[]
arg=[--version]" \
"$(run -- "/videos/My Holiday.mp4" 'a "quoted" $name;*.avi' "" --version)"

check "no arguments" $'name=VideoConverter\ncommand=videoconverter\nqpa=(unset)' "$(run --)"

# The Qt platform is the program's to choose: the launcher passes it on untouched.
while IFS='|' read -r what envs expected; do
  # shellcheck disable=SC2086
  got=$(run $envs -- | sed -n 's/^qpa=//p' || true)
  check "$what" "$expected" "$got"
done <<'CASES'
X11 session|DISPLAY=:0|(unset)
Wayland session|WAYLAND_DISPLAY=wayland-0|(unset)
Wayland session, platform chosen|WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland|wayland
Wayland session, platform empty|WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=|
empty WAYLAND_DISPLAY|WAYLAND_DISPLAY=|(unset)
offscreen without a session|QT_QPA_PLATFORM=offscreen|offscreen
CASES

echo "launcher: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
