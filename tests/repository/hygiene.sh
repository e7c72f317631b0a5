#!/bin/bash
# hygiene.sh SOURCE: the test runner's output (Testing/) and build folders are
# neither tracked nor left unignored in the source tree.
cd "$1" || exit 1
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || exit 77
status=0
tracked=$(git ls-files -- Testing 'build*/')
if [ -n "$tracked" ]; then echo "tracked generated files:"; echo "$tracked"; status=1; fi
for path in Testing/Temporary/LastTest.log build/CMakeCache.txt; do
    git check-ignore -q --no-index "$path" || { echo "not ignored: $path"; status=1; }
done
exit $status
