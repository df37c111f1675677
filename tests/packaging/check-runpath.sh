#!/usr/bin/env bash
# Fails when an ELF executable under DIR carries an RPATH or RUNPATH entry
# that is empty, relative or based on $ORIGIN: the dynamic loader would then
# look for libraries in the current directory or beside the program, and a
# library planted in a folder Kelmo is started in would run with its rights.
# Usage: check-runpath.sh DIR NAME... (each NAME must be among the executables)
set -euo pipefail
dir=$1
shift

checked=()
bad=0
while IFS= read -r -d '' file; do
  [ "$(head -c 4 "$file")" = $'\x7fELF' ] || continue
  checked+=("$(basename "$file")")
  while read -r paths; do
    # read drops one trailing empty field: the added ":" keeps a real one.
    IFS=: read -r -a entries <<<"$paths:"
    for entry in "${entries[@]}"; do
      if [ -z "$entry" ] || [ "${entry:0:1}" != / ] || [[ $entry == *'$ORIGIN'* || $entry == *'${ORIGIN}'* ]]; then
        echo "$file: unsafe library path entry '${entry}' in [$paths]"
        bad=1
        break
      fi
    done
  done < <(readelf -d "$file" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]$/\2/p')
done < <(find "$dir" -path '*/CMakeFiles' -prune -o -type f -perm -u+x -print0)

for name in "$@"; do
  printf '%s\n' "${checked[@]}" | grep -qx -- "$name" || { echo "no executable $name under $dir"; bad=1; }
done
echo "checked ${#checked[@]} executables under $dir"
exit $bad
