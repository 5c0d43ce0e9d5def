// The state of one game of KAZEBAN: the 9×9 board, both hands, the piece codes,
// the two sides and their roles, the turn and mode flags, the counters, the
// double-pawn flags and the move record.
//
// A square or a piece is one small integer. The upper side (UE, the computer in a
// game against it) owns the positive codes and advances toward row 9; the lower
// side (SITA, always a person) owns the negative codes and advances toward row 1.
// The magnitude of a code is also the value of the piece (pawn 10 … king 950), and
// the promoted form of a code lies one further from zero. Columns count from the
// left of the screen and rows from the top, both 1..9; column 11 is SITA's hand and
// column −1 UE's hand, so a move from either of them is a drop.
//
// Everything here is plain data: the window owns one GameState for the life of the
// program and hands it by reference to the rules, the computer player, the drawing
// and the record.
#pragma once

namespace kazeban {

// Yes/no values of every flag and rule answer, and "none".
inline constexpr int ON = 1;
inline constexpr int OFF = 0;
inline constexpr int NASHI = -1;

// Roles: who moves first.
inline constexpr int SENTE = 6;
inline constexpr int GOTE = 7;

// Game types.
inline constexpr int TAI_MAN = 0;     // person against person
inline constexpr int TAI_COM = 1;     // person (SITA) against the computer (UE)
inline constexpr int TAI_ENGINE = 2;  // person (SITA) against a USI engine (UE)

// Piece codes. KARA is an empty square; K_LOGO asks the picture routine for the title.
inline constexpr int KARA = 0;
inline constexpr int K_LOGO = 0;

inline constexpr int K_UE_HU = 10;
inline constexpr int K_UE_NARIHU = 11;
inline constexpr int K_UE_KYOU = 20;
inline constexpr int K_UE_NARIKYOU = 21;
inline constexpr int K_UE_KEI = 30;
inline constexpr int K_UE_NARIKEI = 31;
inline constexpr int K_UE_GIN = 100;
inline constexpr int K_UE_NARIGIN = 101;
inline constexpr int K_UE_KIN = 110;
inline constexpr int K_UE_NARIKIN = 111;  // defined, never placed: a gold does not promote
inline constexpr int K_UE_KAKU = 800;
inline constexpr int K_UE_NARIKAKU = 801;
inline constexpr int K_UE_SYA = 900;
inline constexpr int K_UE_NARISYA = 901;
inline constexpr int K_UE_OU = 950;

inline constexpr int K_SITA_HU = -10;
inline constexpr int K_SITA_NARIHU = -11;
inline constexpr int K_SITA_KYOU = -20;
inline constexpr int K_SITA_NARIKYOU = -21;
inline constexpr int K_SITA_KEI = -30;
inline constexpr int K_SITA_NARIKEI = -31;
inline constexpr int K_SITA_GIN = -100;
inline constexpr int K_SITA_NARIGIN = -101;
inline constexpr int K_SITA_KIN = -110;
inline constexpr int K_SITA_NARIKIN = -111;  // defined, never placed
inline constexpr int K_SITA_KAKU = -800;
inline constexpr int K_SITA_NARIKAKU = -801;
inline constexpr int K_SITA_SYA = -900;
inline constexpr int K_SITA_NARISYA = -901;
inline constexpr int K_SITA_OU = -950;

// Board size: the upper bound of every board loop.
inline constexpr int BAN_SUU = 9;

// Drawing grid, in twips: square (i, j) has its top-left corner at
// (BAN_X0 + MASU_W·i, BAN_Y0 + MASU_H·j).
inline constexpr int BAN_X0 = 1100;
inline constexpr int BAN_Y0 = 100;
inline constexpr int MASU_W = 495;
inline constexpr int MASU_H = 615;

// Palette indices. IRO_1 and IRO_2B double as the left and right mouse buttons.
inline constexpr int IRO_0 = 0;
inline constexpr int IRO_1 = 1;
inline constexpr int IRO_2 = 2;
inline constexpr int IRO_2B = 2;
inline constexpr int IRO_5 = 5;
inline constexpr int IRO_6 = 6;
inline constexpr int IRO_12 = 12;
inline constexpr int IRO_14 = 14;
inline constexpr int IRO_15 = 15;

// Where the caption of the last move is drawn, in square units.
inline constexpr double UE_KEKKA_X = -1.7;
inline constexpr double UE_KEKKA_Y = 8.5;
inline constexpr double SITA_KEKKA_X = 11.4;
inline constexpr double SITA_KEKKA_Y = 1.7;

// The move record holds entries 1..KIFU_MAX.
inline constexpr int KIFU_MAX = 500;

struct GameState {
  // Board, indexed BAN[column][row]; index 0 is never used.
  int BAN[10][10] = {};

  // Hands: counts by kind 1..7 (pawn, lance, knight, silver, gold, bishop, rook) and
  // totals. A captured king is counted in the total but never enters a hand.
  int SITA_MOCHI[8] = {};
  int UE_MOCHI[8] = {};
  int SITA_MOCHI_SU = 0;
  int UE_MOCHI_SU = 0;

  // King squares, refreshed by the influence survey and by a move of SITA's king.
  int SITA_OU_I = 5;
  int SITA_OU_J = 9;
  int UE_OU_I = 5;
  int UE_OU_J = 1;

  // Turn, roles and mode.
  int TEBAN = NASHI;       // SENTE, GOTE, or NASHI when no game is in progress
  int SITA_SENGO = SENTE;  // role played by SITA
  int UE_SENGO = GOTE;     // role played by UE
  int TAIKYOKU_SYU = TAI_MAN;
  int SYOUSYA = NASHI;     // role of the side that captured a king
  int SENTAKU_JOUTAI = 0;  // 1 while a piece or hand square is selected
  int TESUU = 0;           // move number shown on the screen
  int COM_LEVEL = 3;       // 1..3
  int HANDE = 0;           // handicap grade −10..10
  int KIFU_MODE = OFF;     // a record file is loaded and being replayed
  int HANDE_FLAG = OFF;    // a handicap grade was set since the last setup
  int HANTEN_FLAG = OFF;   // the board was reversed since the last setup
  int SIDOU_FLAG = 0;      // move guidance on (1) or off (0)
  int NARI_KOMA = KARA;    // promoted code prepared by 調査_駒成

  // Working colours. SIDOU_IRO follows the guidance switch; the others keep their
  // start-up values but are separate fields, as the drawing treats them separately.
  int BAN_IRO = IRO_2;
  int MASU_IRO = IRO_2;
  int SIDOU_IRO = IRO_2;
  int KEKKA_IRO = IRO_15;

  // Double-pawn flags per column 1..9: valid only right after 調査_2歩フラグ設定.
  int NIFU_SITA[10] = {};
  int NIFU_UE[10] = {};

  // The move record, entries 1..KIFU_MAX. KIFU_SUU is the last move on the board,
  // KIFU_SAIGO the last move recorded.
  int KIFU_MOTO_I[KIFU_MAX + 1] = {};
  int KIFU_MOTO_J[KIFU_MAX + 1] = {};
  int KIFU_SAKI_I[KIFU_MAX + 1] = {};
  int KIFU_SAKI_J[KIFU_MAX + 1] = {};
  int KIFU_TORI[KIFU_MAX + 1] = {};
  int KIFU_KOMA[KIFU_MAX + 1] = {};
  int KIFU_NARI[KIFU_MAX + 1] = {};
  int KIFU_SUU = 0;
  int KIFU_SAIGO = 0;
};

// The state steps of the game setup: clears the selection, the handicap, the flags,
// the counters, the record, the hands and the board, and sets up the starting
// position with both hand totals recomputed. The window draws the result.
// Roles, game type, level, guidance and colours keep their values.
void 初期設定_状態(GameState& s);

}  // namespace kazeban
