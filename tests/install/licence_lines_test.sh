#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the tree names its licence in one SPDX line at its top
# (the second line when the first is a #! line or an XML declaration).
set -euo pipefail
source_dir=$1
cd "$source_dir"

missing=0
while IFS= read -r -d '' file; do
  head -n 2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' && continue
  echo "no licence line: ${file#./}" >&2
  missing=$((missing + 1))
done < <(find . \( -path './build*' -o -path './.git' -o -path './out' \) -prune -o -type f \
           \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' -o -name 'CMakeLists.txt' -o -name '*.cmake' \
              -o -name '*.sh' -o -name '*.py' -o -name '*.6.in' -o -name '*.xml.in' \) -print0)
if [ "$missing" -ne 0 ]; then
  echo "$missing source files lack the licence line" >&2
  exit 1
fi
