#!/usr/bin/env bash
# Installs the exactly pinned npm packages of the conformance suite into DIR with `npm ci`,
# unless DIR already holds an install of this very lock file, and checks for the browser.
#   tests/conformance/setup.sh DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dest=${1:?usage: setup.sh DIR}
chromium=${CHROMIUM:-/usr/bin/chromium}

for tool in node npm; do
    command -v "$tool" >/dev/null ||
        { echo "setup.sh: $tool not found (scripts/install-deps.sh conformance)" >&2; exit 1; }
done
node -e 'process.exit(Number(process.versions.node.split(".")[0]) >= 20 ? 0 : 1)' ||
    { echo "setup.sh: node $(node --version) is too old, the suite needs Node.js 20 or later" >&2; exit 1; }
[ -x "$chromium" ] ||
    { echo "setup.sh: $chromium not found (scripts/install-deps.sh conformance, or set CHROMIUM)" >&2; exit 1; }

stamp=$dest/node_modules/.brindlecast-lock.json
if cmp -s "$here/package-lock.json" "$stamp"; then
    exit 0
fi
mkdir -p "$dest"
cp "$here/package.json" "$here/package-lock.json" "$dest/"
echo "setup.sh: npm ci in $dest" >&2
(cd "$dest" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error)
cp "$here/package-lock.json" "$stamp"
