#!/bin/sh
# Prints the lintian output LOG and fails when it holds a tag that neither the
# package's override files nor tools/lintian-release-tags allow on RELEASE
# (bookworm, trixie or sid; this machine's release unless given).
# Usage: check-lintian.sh LOG [RELEASE]
set -eu
log=$1
release=${2:-}
if [ -z "$release" ]; then
    # Testing and unstable name no version.
    release=$(. /etc/os-release && if [ -n "${VERSION_ID:-}" ]; then echo "$VERSION_CODENAME"; else echo sid; fi)
fi
list=$(dirname "$0")/lintian-release-tags
allowed=$(awk -v release="$release" '!/^#/ { for (i = 2; i <= NF; i++) if ($i == release) print $1 }' "$list")
grep -v 'running with root privileges' "$log" || true
# Overridden tags (O:) and notes (N:) pass; every other tag fails unless allowed here.
bad=$(grep -E '^[EWIPX]: ' "$log" | awk -v allowed="$allowed" '
    BEGIN { n = split(allowed, list, "\n"); for (i = 1; i <= n; i++) ok[list[i]] = 1 }
    { tag = $0; sub(/^[A-Z]: [^:]*: /, "", tag); sub(/ .*/, "", tag); if (!(tag in ok)) print }') || true
if [ -n "$bad" ]; then
    echo "lintian on $release finds tags that are not allowed:" >&2
    echo "$bad" >&2
    exit 1
fi
