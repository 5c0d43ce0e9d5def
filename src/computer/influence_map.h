// The influence map of the computer player: for every square, how many pieces of
// each side bear on it, and for squares that hold a piece, the record of its best
// defender and its cheapest attacker. 勢力調査 rebuilds it from the board before
// every position the computer scores; the evaluation only reads it.
//
// The two sides do not record alike. Every SITA piece leaves a complete record; on
// the UE side the count is complete but the defence and attack records depend on
// the kind of piece (see the recording procedures below), so UE_NERAI has gaps and
// UE_MAMORI_I/J may belong to an earlier record. UE_MAMORI_I/J are never reset:
// they carry whatever the last record with a square wrote, in this survey or an
// earlier one.
//
// Tables are indexed [column][row] like BAN, 1..9; index 0 exists, is never written
// and reads as 0.
#pragma once

namespace kazeban {

// Sentinels outside the code range: no defender, no attacker.
inline constexpr int 記録なし_上限 = 999;
inline constexpr int 記録なし_下限 = -999;

struct 勢力図 {
  int SEIRYOKU_SITA[10][10] = {};  // SITA pieces bearing on the square
  int SEIRYOKU_UE[10][10] = {};    // UE pieces bearing on the square
  int SITA_MAMORI[10][10] = {};    // on a SITA piece: its most valuable SITA defender
  int UE_MAMORI[10][10] = {};      // on a UE piece: its least valuable recorded UE defender
  int UE_MAMORI_I[10][10] = {};    // square of the last UE defender recorded with its square
  int UE_MAMORI_J[10][10] = {};
  int SITA_NERAI[10][10] = {};  // on a UE piece: its least valuable SITA attacker
  int SITA_NERAI_I[10][10] = {};
  int SITA_NERAI_J[10][10] = {};
  int UE_NERAI[10][10] = {};  // on a SITA piece: its least valuable recorded UE attacker
};

}  // namespace kazeban
