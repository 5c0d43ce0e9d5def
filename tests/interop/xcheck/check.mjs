// Reads every record that kazeban_xcheck_games wrote into DIR, and kazeban-convert
// converted from them, with tsshogi, a shogi library of the JavaScript world, replays
// each move under its rules and compares what it sees with DIR/expected.tsv: the start,
// the number of moves, the last position (board, hands, side to move), the names, the
// end word, and move for move the comments, times and variations that the format holds
// (CSA: the main line with its comments and times; USI: the moves). A record whose name
// passed through CSA or USI (NAME.csa.kifu) holds no more than that format. Prints
// every disagreement and exits 1 when there is one.
//
//   node check.mjs DIR
import fs from "node:fs";
import path from "node:path";
import { importCSA, importKIF, getBlackPlayerName, getWhitePlayerName, Move, Record } from "tsshogi";

const dir = process.argv[2];
const endTypes = {
  投了: "resign", 中断: "interrupt", 詰み: "mate", 千日手: "repetitionDraw", 持将棋: "impass",
  切れ負け: "timeout", 反則勝ち: "foulWin", 反則負け: "foulLose", 入玉勝ち: "enteringOfKing",
  不詰: "noMate",
};
const expected = new Map();
for (const line of fs.readFileSync(path.join(dir, "expected.tsv"), "utf-8").split("\n")) {
  if (!line) continue;
  const [name, start, moves, last, handicap, black, white, end, comment, foul, tree] = line.split("\t");
  expected.set(name, {
    start, moves: Number(moves), last, handicap, black, white, end, comment: JSON.parse(comment),
    foul: foul === "1",
    tree: JSON.parse(tree),
  });
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

// A line of tsshogi's tree in the form expected.tsv gives: [usi or "#end", comment,
// seconds, [variations starting here]].
function lineOf(node) {
  const out = [];
  for (let n = node; n; n = n.next) {
    const alts = [];
    for (let b = n.branch; b; b = b.branch) alts.push(lineOf(b));
    const move = n.move instanceof Move ? n.move.usi : "#" + n.move.type;
    out.push([move, n.comment.replace(/\n$/, ""), Math.round(n.elapsedMs / 1000), alts]);
  }
  return out;
}

// The expected line as a format holds it: ends named as tsshogi names them; without
// variations (CSA), or moves only (USI).
// tsshogi skips an empty comment line of CSA ("'*" alone).
function expectedLine(line, holds, foulRead, csa) {
  return line.map(([move, comment, sec, alts]) => [
    move.startsWith("#") ? "#" + (foulRead(move.slice(1)) ?? move.slice(1)) : move,
    holds === "moves" ? "" : csa ? comment.split("\n").filter((l) => l).join("\n") : comment,
    holds === "moves" ? 0 : sec,
    holds === "all" ? alts.map((a) => expectedLine(a, holds, foulRead, csa)) : [],
  ]);
}

function firstDifference(a, b, where = "") {
  for (let k = 0; k < Math.max(a.length, b.length); k++) {
    const x = a[k];
    const y = b[k];
    if (!x || !y) return `${where}entry ${k + 1}: ${JSON.stringify(y)}, expected ${JSON.stringify(x)}`;
    for (let f = 0; f < 3; f++) {
      if (x[f] !== y[f]) return `${where}entry ${k + 1} (${x[0]}): ${JSON.stringify(y[f])}, expected ${JSON.stringify(x[f])}`;
    }
    if (x[3].length !== y[3].length) return `${where}entry ${k + 1}: ${y[3].length} variations, expected ${x[3].length}`;
    for (let v = 0; v < x[3].length; v++) {
      const d = firstDifference(x[3][v], y[3][v], `${where}entry ${k + 1} variation ${v + 1} `);
      if (d) return d;
    }
  }
  return "";
}

function read(file) {
  const bytes = fs.readFileSync(file);
  const ext = path.extname(file);
  // .kif and .csa are Shift_JIS (CP932), unless a CSA 3.0 file says UTF-8; fatal: a
  // byte that is no character fails.
  const utf8 = ext === ".kifu" || ext === ".usi" || bytes.subarray(0, 19).toString() === "'CSA encoding=UTF-8";
  const text = new TextDecoder(utf8 ? "utf-8" : "shift_jis", { fatal: true }).decode(bytes);
  if (ext === ".csa") return importCSA(text);
  if (ext === ".usi") return Record.newByUSI(text.trim());
  return importKIF(text);
}

function check(file, want) {
  const faults = [];
  const record = read(file);
  if (record instanceof Error) return [`refused: ${record.name}: ${record.message}`];
  const ext = path.extname(file);
  const via = path.basename(file).split(".").slice(1);
  const holds = via.includes("usi") ? "moves" : via.includes("csa") ? "main" : "all";
  const kif = (ext === ".kif" || ext === ".kifu") && holds === "all";
  // USI has no place for a foul: it stops before it.
  const cut = holds === "moves" && want.foul ? 1 : 0;
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
    const last = plies + 1 === want.moves - cut;
    if (end !== undefined || (!position.isValidMove(node.move) && !(want.foul && last))) {
      faults.push(`move ${plies + 1} ${node.move.usi} is not allowed in ${position.sfen}`);
      return faults;
    }
    position.doMove(node.move);
    plies++;
  }
  if (plies !== want.moves - cut) faults.push(`${plies} moves, expected ${want.moves - cut}`);
  // tsshogi does not play a foul: the position after it is not compared.
  if (!want.foul && positionKey(position.sfen) !== positionKey(want.last)) {
    faults.push(`last position ${position.sfen}, expected ${want.last}`);
  }
  // Move for move: comments, times, variations and the end, as far as the format holds.
  // tsshogi reads CSA's %+ILLEGAL_ACTION the other way round from the CSA standard
  // (there "+" names the side that fouled): a 反則勝ち written so comes back as foulLose.
  const foulRead = (word) => (ext === ".csa" && word === "反則勝ち" ? "foulLose" : endTypes[word]);
  let wantLine = expectedLine(want.tree.line, holds, foulRead, ext === ".csa");
  if (holds === "moves") wantLine = wantLine.filter(([m]) => !m.startsWith("#")).slice(0, want.moves - cut);
  const gotLine = lineOf(record.first.next).filter(([m]) => holds !== "moves" || !m.startsWith("#"));
  const difference = firstDifference(wantLine, gotLine);
  if (difference) faults.push(difference);
  const startWanted = ext === ".csa" ? want.tree.start.split("\n").filter((l) => l).join("\n") : want.tree.start;
  if (holds !== "moves" && record.first.comment.replace(/\n$/, "") !== startWanted) {
    faults.push(`start comment ${JSON.stringify(record.first.comment)}, expected ${JSON.stringify(startWanted)}`);
  }
  if (ext === ".usi" || holds === "moves") return faults;
  const names = [getBlackPlayerName(record.metadata) ?? "", getWhitePlayerName(record.metadata) ?? ""];
  if (names[0] !== want.black || names[1] !== want.white) {
    faults.push(`names ${names}, expected ${want.black},${want.white}`);
  }
  if ((end ?? "") !== (foulRead(want.end) ?? "")) faults.push(`end ${end}, expected ${want.end}`);
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
