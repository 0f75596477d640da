#!/usr/bin/env bash
# Fails when a function or object is defined with external linkage in two object files of the
# program's libraries, or defined in one and inline in another. The linker keeps one of them
# silently, so two different functions that happen to share a name and parameter list (the
# return type is not part of the name) make every caller of the other one call the wrong code.
#   one-definition.sh LIBRARY.a...
set -euo pipefail
nm -A --defined-only "$@" 2>/dev/null |
  awk '$2 ~ /^[TWVDBRu]$/ { split($1, where, ":"); print $3 "\t" $2 "\t" where[2] }' |
  sort -u |
  awk -F'\t' '
    { count[$1]++; kinds[$1] = kinds[$1] $2; files[$1] = files[$1] " " $3 }
    END {
      bad = 0
      for (s in count)
        if (count[s] > 1 && kinds[s] ~ /[TDBR]/) { print s ":" files[s]; bad = 1 }
      exit bad
    }' | c++filt
exit "${PIPESTATUS[3]}"
