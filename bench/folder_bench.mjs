// The same folder read and written by tsshogi in one node process: each record read
// in its format (Shift_JIS unless it is UTF-8) and written as KIF in UTF-8 into OUT.
//
//   node folder_bench.mjs IN OUT
import fs from "node:fs";
import path from "node:path";
import { importCSA, importKI2, importKIF, exportKIF, Record } from "tsshogi";

const [input, output] = process.argv.slice(2);
fs.mkdirSync(output, { recursive: true });
let refused = 0;
for (const name of fs.readdirSync(input)) {
  const bytes = fs.readFileSync(path.join(input, name));
  let text;
  try {
    text = new TextDecoder("utf-8", { fatal: true }).decode(bytes);
  } catch {
    text = new TextDecoder("shift_jis").decode(bytes);
  }
  const ext = path.extname(name);
  const record =
    ext === ".csa" ? importCSA(text)
    : ext === ".ki2" ? importKI2(text)
    : ext === ".usi" ? Record.newByUSI(text.trim())
    : importKIF(text);
  if (record instanceof Error) {
    refused++;
    continue;
  }
  fs.writeFileSync(path.join(output, path.basename(name, ext) + ".kifu"), exportKIF(record));
}
if (refused) console.error(`tsshogi refused ${refused} records`);
