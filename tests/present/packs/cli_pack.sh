#!/usr/bin/env bash
# zendral-cli pack as pack makers use it: list a pack, take one picture out of it, and refuse
# files that are no pack. Arguments: the zendral-cli program, the folder of the test packs.
set -euo pipefail
cli="$1"
packs="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cli" pack list "$packs/KovCGraph1.dll" >"$work/list"
grep -qx 'png GIcon48Opt 48x48' "$work/list" || fail "no design icon in the list"
grep -qx 'png GTouch 3000x100' "$work/list" || fail "no salute strip in the list"
grep -qx 'jpeg BGLilu 1520x1000' "$work/list" || fail "no purple background in the list"
[ "$(grep -c '^png GForm' "$work/list")" -eq 64 ] || fail "not 8 headers in 8 languages"

"$cli" pack list "$packs/KovCards06B.dll" >"$work/cards"
grep -qx 'png Ob10XXOthU 126x198' "$work/cards" || fail "no narrow tenth back of design 11"
grep -qx 'png Pi5ALub 61x96' "$work/cards" || fail "no small narrow ace of deck 39"

# The voice pack: every card in every language, each sound with its playing time.
"$cli" pack list "$packs/KovCVoice3.dll" >"$work/voices"
[ "$(wc -l <"$work/voices")" -eq 360 ] || fail "not 36 voices in 10 languages"
[ "$(grep -cE '^wav [A-Za-z0-9]+Voice(Eng|Rus|Deu|Fra|Spa|Chi|Ita|Cze|Jap|Kor) [1-9][0-9]*ms$' \
  "$work/voices")" -eq 360 ] || fail "a voice without its playing time: $(grep -vE 'ms$' "$work/voices" | head -1)"
listed=$(sed -n 's/^wav Ch3QVoiceRus \([0-9]*\)ms$/\1/p' "$work/voices")
[ -n "$listed" ] || fail "no Russian queen of hearts"
# The same time from the sound itself: its data bytes over its bytes per second.
"$cli" pack get "$packs/KovCVoice3.dll" Ch3QVoiceRus "$work/queen.wav"
[ "$(head -c 4 "$work/queen.wav")" = "RIFF" ] || fail "the voice is no WAV"
rate=$(od -An -tu4 -j28 -N4 "$work/queen.wav" | tr -d ' ')
size=$(stat -c %s "$work/queen.wav")
header_ms=$(( (size - 44) * 1000 / rate ))
[ $(( listed - header_ms )) -le 2 ] && [ $(( header_ms - listed )) -le 2 ] ||
  fail "listed ${listed}ms, the sound holds about ${header_ms}ms"

"$cli" pack get "$packs/KovBackG03.dll" Fon03OrB "$work/fon.jpg"
[ "$(head -c 3 "$work/fon.jpg" | od -An -tx1 | tr -d ' ')" = "ffd8ff" ] || fail "not a JPEG"

status=0
"$cli" pack get "$packs/KovCGraph1.dll" NoSuchPicture "$work/none.png" 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "a missing resource did not fail"
[ ! -e "$work/none.png" ] || fail "a missing resource left a file"
printf 'not a pack\r\n' >"$work/fake.dll"
status=0
"$cli" pack list "$work/fake.dll" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "a file that is no pack did not fail"
grep -q 'not a resource file' "$work/err" || fail "no clear message for a file that is no pack"
status=0
"$cli" pack list 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "a wrong command line did not give 2"
echo "cli_pack: 1 passed, 0 failed"
