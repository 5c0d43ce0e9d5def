// Reads every record that kazeban_xcheck_games wrote into DIR with tsshogi, a shogi
// library of the JavaScript world, replays each move under its rules and compares
// what it sees with DIR/expected.tsv: the start, the number of moves, the last
// position (board, hands, side to move), the names, the end word and the closing
// comment. Prints every disagreement and exits 1 when there is one.
//
//   node check.mjs DIR
import fs from "node:fs";
import path from "node:path";
import { importCSA, importKIF, getBlackPlayerName, getWhitePlayerName, Move, Record } from "tsshogi";

const dir = process.argv[2];
const endTypes = { 投了: "resign", 中断: "interrupt", 詰み: "mate", 千日手: "repetitionDraw", 持将棋: "impass" };
const expected = new Map();
for (const line of fs.readFileSync(path.join(dir, "expected.tsv"), "utf-8").split("\n")) {
  if (!line) continue;
  const [name, start, moves, last, handicap, black, white, end, comment] = line.split("\t");
  expected.set(name, { start, moves: Number(moves), last, handicap, black, white, end, comment });
}

// Board, side to move and the hands counted piece by piece: SFEN leaves the order of
// the hands open, and the move number is not part of the position.
function positionKey(sfen) {
  const [board, side, hands] = sfen.trim().split(/\s+/);
  const counts = {};
  for (const [, n, piece] of (hands === "-" ? "" : hands).matchAll(/(\d*)([A-Za-z])/g)) {
    counts[piece] = (counts[piece] ?? 0) + Number(n || 1);
  }
  const held = Object.keys(counts).sort().map((p) => p + counts[p]).join(",");
  return `${board} ${side} ${held || "-"}`;
}

function read(file) {
  const bytes = fs.readFileSync(file);
  const ext = path.extname(file);
  // .kif and .csa are Shift_JIS (CP932); fatal: a byte that is no character fails.
  const text = new TextDecoder(ext === ".kif" || ext === ".csa" ? "shift_jis" : "utf-8", {
    fatal: true,
  }).decode(bytes);
  if (ext === ".csa") return importCSA(text);
  if (ext === ".usi") return Record.newByUSI(text.trim());
  return importKIF(text);
}

function check(file, want) {
  const faults = [];
  const record = read(file);
  if (record instanceof Error) return [`refused: ${record.name}: ${record.message}`];
  const ext = path.extname(file);
  const kif = ext === ".kif" || ext === ".kifu";
  if (positionKey(record.initialPosition.sfen) !== positionKey(want.start)) {
    faults.push(`start ${record.initialPosition.sfen}, expected ${want.start}`);
  }
  const position = record.initialPosition.clone();
  let plies = 0;
  let end;
  for (const node of record.moves) {
    if (!(node.move instanceof Move)) {
      if (node.move.type !== "start") end = node.move.type;
      continue;
    }
    if (end !== undefined || !position.isValidMove(node.move)) {
      faults.push(`move ${plies + 1} ${node.move.usi} is not allowed in ${position.sfen}`);
      return faults;
    }
    position.doMove(node.move);
    plies++;
  }
  if (plies !== want.moves) faults.push(`${plies} moves, expected ${want.moves}`);
  if (positionKey(position.sfen) !== positionKey(want.last)) {
    faults.push(`last position ${position.sfen}, expected ${want.last}`);
  }
  if (ext === ".usi") return faults;
  const names = [getBlackPlayerName(record.metadata) ?? "", getWhitePlayerName(record.metadata) ?? ""];
  if (names[0] !== want.black || names[1] !== want.white) {
    faults.push(`names ${names}, expected ${want.black},${want.white}`);
  }
  if ((end ?? "") !== (endTypes[want.end] ?? "")) faults.push(`end ${end}, expected ${want.end}`);
  if (kif) {
    // A header tsshogi does not know is kept as custom metadata: a name it misread.
    const unknown = [...record.metadata.customMetadataKeys];
    if (unknown.length) faults.push(`headers not understood: ${unknown}`);
    const comments = record.moves.map((n) => n.comment).join("\n");
    if (want.comment && !comments.includes(want.comment)) faults.push(`comment lost: ${want.comment}`);
  }
  return faults;
}

let failures = 0;
let files = 0;
for (const file of fs.readdirSync(dir).sort()) {
  if (!/\.(kifu?|csa|usi)$/.test(file)) continue;
  const want = expected.get(file.split(".")[0]);
  const faults = want ? check(path.join(dir, file), want) : ["no expected line"];
  files++;
  for (const f of faults) console.log(`${file}: ${f}`);
  failures += faults.length > 0;
}
console.log(`tsshogi read ${files} records, ${failures} disagreed`);
process.exit(files > 0 && failures === 0 ? 0 : 1);
