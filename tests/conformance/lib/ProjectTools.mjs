// The project's programs that the suite drives: brindlecast-cli makes the movies under test,
// brindlecast-fixture writes the source images and brindlecast-conformance-probe tells what the
// sources hold and what a library exports. Their paths come from the environment (CTest sets
// them); each run is bounded in time.
import { execFileSync } from "node:child_process";
import { mkdtempSync, readdirSync, readFileSync } from "node:fs";
import { join } from "node:path";
import { Raster } from "./Raster.mjs";

const TOOLS = {
  cli: "BRINDLECAST_CLI",
  fixture: "BRINDLECAST_FIXTURE",
  probe: "CONFORMANCE_PROBE",
};

function toolPath(name) {
  const path = process.env[TOOLS[name]];
  if (!path) throw new Error(`${TOOLS[name]} is not set (the path of the ${name} program)`);
  return path;
}

function run(name, args, { cwd } = {}) {
  try {
    return execFileSync(toolPath(name), args, { cwd, encoding: "utf8", timeout: 60000, stdio: ["ignore", "pipe", "pipe"] });
  } catch (error) {
    const status = error.status ?? error.signal ?? error.code;
    throw new Error(`${toolPath(name)} ${args.join(" ")} failed (${status}):\n${error.stderr ?? ""}${error.stdout ?? ""}`);
  }
}

// Writes a source image to `path`: fixture.type is brindlecast-fixture's kind ("gif" or
// "jpeg"), fixture.args its options.
export function writeFixture(fixture, path) {
  run("fixture", [fixture.type, path, ...fixture.args]);
}

// Runs `brindlecast-cli make` in `cwd`; returns its report lines.
export function makeMovies(args, cwd) {
  return run("cli", ["make", ...args], { cwd }).split("\n").filter(Boolean);
}

// The pictures of a GIF (one per frame) or JPEG file, as the image libraries decode them.
export function sourcePictures(imagePath, scratchDir) {
  const outDir = mkdtempSync(join(scratchDir, "pictures-"));
  const count = Number(run("probe", ["pictures", imagePath, outDir]).trim());
  const files = readdirSync(outDir).filter((f) => f.endsWith(".pam"));
  if (files.length !== count) throw new Error(`probe wrote ${files.length} pictures, said ${count}`);
  return Array.from({ length: count }, (_, k) => Raster.fromPam(readFileSync(join(outDir, `picture-${k + 1}.pam`))));
}

// What a library movie exports, read with the project's SWF reader: [{ id, kind, name }],
// kind being what the id defines ("shape", "bitmap", "button" or "undefined").
export function libraryExports(moviePath) {
  return run("probe", ["exports", moviePath])
    .split("\n")
    .filter(Boolean)
    .map((line) => {
      const [id, kind, ...name] = line.split("\t");
      return { id: Number(id), kind, name: name.join("\t") };
    });
}
