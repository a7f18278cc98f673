#!/usr/bin/env bash
# zendral-cli words: one line "name<TAB>text" per row, in the language asked for.
set -u
cli="$1"
source "$(dirname "$0")/../../tools/lib.sh"
tab=$'\t'

english=$("$cli" words)
expect "exit status, default language" "$?" "0"
russian=$("$cli" words --lang 1)
korean=$("$cli" words --lang 9)

expect "English by default" "$(grep '^kWordExitToMenu'"$tab" <<<"$english")" "kWordExitToMenu${tab}Exit to menu"
expect "Russian row" "$(grep '^kWordExitToMenu'"$tab" <<<"$russian")" "kWordExitToMenu${tab}Выход в меню"
# The line break of a text is shown as the escapes, so the row keeps to one line.
expect "line break shown as \\n\\r" "$(grep '^kWordNameChanged'"$tab" <<<"$russian")" \
  "kWordNameChanged${tab}Ваше имя и/или пароль были успешно изменены!\\n\\rНовое имя: "
expect "double row, variant 2" "$(grep '^kWordClubListHeader/2'"$tab" <<<"$russian")" \
  "kWordClubListHeader/2${tab}     Члены клуба         Коны  Рейтинг "
expect "calendar row" "$(grep '^kWordJanuary'"$tab" <<<"$russian")" "kWordJanuary${tab}Января"

count=$(wc -l <<<"$english")
expect "same rows in every language" "$(wc -l <<<"$korean")" "$count"
expect "one name and one text per line" "$(grep -c "^kWord[A-Za-z0-9]*\(/[12]\)\?${tab}[^${tab}]*$" <<<"$korean")" "$count"
[ "$count" -gt 500 ] || expect "row count" "$count" "more than 500"

for bad in "--lang 10" "--lang -1" "--lang x" "--lang" "--language 1" "extra"; do
  # shellcheck disable=SC2086
  "$cli" words $bad >/dev/null 2>&1
  expect "refused: words $bad" "$?" "2"
done
finish
