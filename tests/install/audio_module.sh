#!/usr/bin/env bash
# The audio module zendral-audio.so: the program opens it beside itself in the build tree and
# in the installed module folder; a program whose module is missing, is not a library, or is
# some other library shows its menu, plays a whole kon in silence, and says on the terminal
# why there is no sound.
set -u
build=$1
cmake=$2
. "$(dirname "$0")/lib.sh"

bin=$build/bin
for f in zendral zendral-audio.so Zendral.clb Zendral.net Zendral.ini; do
  expect_file "built" "$bin/$f"
done
[ "$failures" -eq 0 ] || finish

# run_program DIR MODE: the program in DIR with ZENDRAL_MEASURE=MODE, as if the machine had a
# sound server (so the sounds and the song ask for the engines); stdout, stderr and the exit
# code land in $work/out, $work/err and $work/code.
run_program() {
  local code=0
  env HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PULSE_SERVER=unix:/nonexistent \
    QT_QPA_PLATFORM=offscreen ZENDRAL_MEASURE="$2" timeout 120 "$1/zendral" \
    >"$work/out" 2>"$work/err" || code=$?
  echo "$code" >"$work/code"
}
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"

# A copy of the program with its club files and, as the case says, a module.
copy_program() {  # copy_program DIR
  mkdir -p "$1"
  cp "$bin/zendral" "$bin/Zendral.clb" "$bin/Zendral.net" "$bin/Zendral.ini" "$1/"
}

run_program "$bin" audio
expect "build tree: exit code" "$(cat "$work/code")" "0"
expect "build tree: module opened" "$(grep -c '^audio module opened' "$work/out")" "1"
# The sound server named is not there: neither the sound library nor Qt Multimedia's backend
# says so on the terminal.
expect "build tree: quiet without the sound server" \
  "$(grep -ciE 'alsa|pulse|pa_context' "$work/err")" "0"

# case: what lies where the module should be | what the terminal is told
cases=(
  "missing|zendral-audio.so not found beside the program"
  "not a library|zendral-audio.so"
  "another library|not an audio module of this build"
)
for entry in "${cases[@]}"; do
  name=${entry%%|*}
  told=${entry#*|}
  dir=$work/${name// /-}
  copy_program "$dir"
  case $name in
    "not a library") head -c 4096 /dev/urandom >"$dir/zendral-audio.so" ;;
    "another library") cp "$(ldconfig -p | awk '/libz\.so\.1 /{print $NF; exit}')" \
                          "$dir/zendral-audio.so" ;;
  esac
  run_program "$dir" audio
  expect "$name: exit code" "$(cat "$work/code")" "0"
  expect "$name: menu painted" "$(grep -c '^menu painted after' "$work/out")" "1"
  expect "$name: module not opened" "$(grep -c '^audio module not opened' "$work/out")" "1"
  expect "$name: the terminal says why" \
    "$(grep '^zendral: no sound: ' "$work/err" | grep -cF "$told")" "1"
done

# Without the module a whole kon plays to its end: every sound and the song in silence.
run_program "$work/missing" kon
expect "kon without the module: exit code" "$(cat "$work/code")" "0"
expect "kon without the module: played" "$(grep -c '^kon played in' "$work/out")" "1"

# The installed program finds the module in its module folder.
prefix=$work/prefix
install_into "$prefix"
module=$(find "$prefix" -name zendral-audio.so)
expect "installed module under lib/zendral" "$(echo "$module" | grep -c '/lib.*/zendral/zendral-audio.so$')" "1"
expect "no module beside the installed program" "$(ls "$prefix/bin" | grep -c 'zendral-audio')" "0"
# A portable install: the club files beside the program, in a folder it may write to.
cp "$prefix/share/zendral/Zendral.clb" "$prefix/share/zendral/Zendral.net" \
  "$prefix/share/zendral/Zendral.ini" "$prefix/bin/"
run_program "$prefix/bin" audio
expect "installed: exit code" "$(cat "$work/code")" "0"
expect "installed: module opened" "$(grep -c '^audio module opened' "$work/out")" "1"

finish
