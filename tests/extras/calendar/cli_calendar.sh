#!/usr/bin/env bash
# zendral-cli calendar: one line "picture<TAB>hint" per page of the day, in the language asked for.
set -u
cli="$1"
source "$(dirname "$0")/../../tools/lib.sh"
tab=$'\t'

out=$("$cli" calendar --date 2025-05-09)
expect "exit status" "$?" "0"
expect "pages of 9 May 2025" "$out" "R_02${tab}Taurus
R_VOSSNAK${tab}Year Of The Snake
R_RUSORDN${tab}Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"

expect "both Easters on one day, in Russian" "$("$cli" calendar --date 2025-04-20 --lang 1)" \
  "R_01${tab}Овен
R_VOSSNAK${tab}Год Змеи
R_PASHA00${tab}Пасха (Православный праздник)
R_PASHA00${tab}Пасха (Католический праздник)"

expect "leap-year Programmer's day" "$("$cli" calendar --date 2024-09-12 | tail -n 1)" \
  "R_ALLPROG${tab}Programmer\`s day"
expect "a day without holidays" "$("$cli" calendar --date 2025-11-20 | wc -l)" "2"

# Today's pages when no date is given, and a hint on every line in every language.
for lang in 0 1 2 3 4 5 6 7 8 9; do
  today=$("$cli" calendar --lang "$lang")
  expect "today, language $lang" "$?" "0"
  expect "every line has a picture and a hint ($lang)" \
    "$(grep -c "^R_[A-Za-z0-9]*${tab}..*$" <<<"$today")" "$(wc -l <<<"$today")"
done

for bad in "--date 2025-02-29" "--date 2025-5-9" "--date" "--lang 10" "--lang x" "--when 1" \
           "2025-05-09"; do
  # shellcheck disable=SC2086
  "$cli" calendar $bad >/dev/null 2>&1
  expect "refused: calendar $bad" "$?" "2"
done
finish
