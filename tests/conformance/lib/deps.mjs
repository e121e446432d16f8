// The npm packages live where setup.sh installed them (a build directory), not next to these
// sources, so they are resolved from CONFORMANCE_DEPS_DIR.
import { existsSync } from "node:fs";
import { createRequire } from "node:module";
import { join } from "node:path";

const depsDir = process.env.CONFORMANCE_DEPS_DIR;
if (!depsDir || !existsSync(join(depsDir, "node_modules", "playwright-core"))) {
  throw new Error(
    `CONFORMANCE_DEPS_DIR (${depsDir ?? "unset"}) holds no installed packages; ` +
      "run tests/conformance/setup.sh DIR first (CTest does this in the conformance.setup test)",
  );
}
const require = createRequire(join(depsDir, "package.json"));

export const { chromium } = require("playwright-core");
export const { PNG } = require("pngjs");
export const ruffleDir = join(depsDir, "node_modules", "@ruffle-rs", "ruffle");
