#!/usr/bin/env bash
# Says what one run of the sheet changed in the demonstration prefix: usage demo-changes.sh
# BEFORE AFTER, two snapshots that demo-snapshot (demo-layout.sh) took before and after the run.
# Every value of the checker's service key is named with its data before and after ("unchanged",
# "created", "deleted"), and so is each file with the lines that changed.
set -uo pipefail
before=${1:?usage: demo-changes.sh BEFORE AFTER}
after=${2:?usage: demo-changes.sh BEFORE AFTER}
source "$(dirname "$0")/demo-layout.sh"

# "reg query" lines "    NAME    TYPE    DATA" as NAME<TAB>TYPE<TAB>DATA; nothing for a missing key.
values() {
  [ -f "$1/key.txt" ] || return 0
  tr -d '\r' <"$1/key.txt" | awk -F'    ' 'NF >= 3 && $1 == "" { print $2 "\t" $3 "\t" $4 }'
}

key_changes() {
  local key='HKLM\System\CurrentControlSet\Services\Kelvd'
  echo "$key"
  if ! [ -f "$before/key.txt" ] && ! [ -f "$after/key.txt" ]; then
    echo "    no such key (unchanged)"
    return
  fi
  if ! [ -f "$before/key.txt" ]; then
    echo "    created by this run"
  elif ! [ -f "$after/key.txt" ]; then
    echo "    deleted by this run"
  fi
  if cmp -s <(values "$before") <(values "$after"); then
    echo "    unchanged ($(values "$after" | wc -l) values)"
    return
  fi
  # Values in the order the key now lists them, then those it no longer has.
  awk -F'\t' '
    function shown(type, data) {
      if (length(data) <= 48) return data
      return substr(data, 1, 40) "... (" (type == "REG_BINARY" ? length(data) / 2 " bytes" : length(data) " characters") ")"
    }
    FILENAME == ARGV[1] { was[$1] = $3; wastype[$1] = $2; order[++n] = $1; next }
    {
      seen[$1] = 1
      if (!($1 in was)) change = "created: " shown($2, $3)
      else if (was[$1] == $3 && wastype[$1] == $2) change = "unchanged (" shown($2, $3) ")"
      else change = shown(wastype[$1], was[$1]) " -> " shown($2, $3)
      printf "    %-28s %-12s %s\n", $1, $2, change
    }
    END {
      for (i = 1; i <= n; ++i)
        if (!(order[i] in seen))
          printf "    %-28s %-12s deleted (was %s)\n", order[i], wastype[order[i]], shown(wastype[order[i]], was[order[i]])
    }' <(values "$before") <(values "$after")
}

file_changes() { # file name in the snapshots, its Windows name
  local name=$1 shownName=$2 old=$before/$1 new=$after/$1
  echo "$shownName"
  if ! [ -f "$old" ] && ! [ -f "$new" ]; then
    echo "    no such file (unchanged)"
  elif ! [ -f "$old" ]; then
    echo "    created by this run ($(wc -l <"$new") lines)"
  elif ! [ -f "$new" ]; then
    echo "    deleted by this run"
  elif cmp -s "$old" "$new"; then
    echo "    unchanged ($(wc -l <"$new") lines)"
  else
    local changed
    changed=$(diff "$old" "$new" | grep -c '^[<>]')
    echo "    changed ($changed lines removed or added of $(wc -l <"$new")):"
    diff "$old" "$new" | grep '^[<>]' | sed 's/^</      -/; s/^>/      +/' | head -12
    if ((changed > 12)); then
      echo "      ... and $((changed - 12)) more"
    fi
  fi
}

echo "== What this run changed"
key_changes
kelvd_demo_layout /
file_changes hookstate.dat "$demo_kitwright\\hookstate.dat"
file_changes KVConfig.Reg "$demo_forgeline\\Farhand\\KVConfig.Reg"
