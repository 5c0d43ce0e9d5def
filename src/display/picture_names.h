// The file names of the pictures, shared by the window that loads them and the
// generator that draws them: a picture id (a piece code, PICTURE_KARA_MASU or
// PICTURE_KAZEBAN) to its base name. The window finds "<name>.png" for ordinary
// screens and "<name>@2x.png" for high-density ones.
#pragma once

#include <array>
#include <string_view>

#include "display/surface.h"
#include "rules/game_state.h"

namespace kazeban {

// "sita_" or "ue_" and the kind, with "_0" for the unpromoted and "_1" for the
// promoted form of a kind that promotes; empty for every other id (the never-placed
// promoted golds included).
constexpr std::string_view PictureName(int picture) {
  if (picture == PICTURE_KARA_MASU) return "kara_masu";
  if (picture == PICTURE_KAZEBAN) return "kazeban";
  switch (picture) {
    case K_SITA_HU:
      return "sita_hu_0";
    case K_SITA_NARIHU:
      return "sita_hu_1";
    case K_SITA_KYOU:
      return "sita_kyou_0";
    case K_SITA_NARIKYOU:
      return "sita_kyou_1";
    case K_SITA_KEI:
      return "sita_kei_0";
    case K_SITA_NARIKEI:
      return "sita_kei_1";
    case K_SITA_GIN:
      return "sita_gin_0";
    case K_SITA_NARIGIN:
      return "sita_gin_1";
    case K_SITA_KIN:
      return "sita_kin";
    case K_SITA_KAKU:
      return "sita_kaku_0";
    case K_SITA_NARIKAKU:
      return "sita_kaku_1";
    case K_SITA_SYA:
      return "sita_sya_0";
    case K_SITA_NARISYA:
      return "sita_sya_1";
    case K_SITA_OU:
      return "sita_ou";
    case K_UE_HU:
      return "ue_hu_0";
    case K_UE_NARIHU:
      return "ue_hu_1";
    case K_UE_KYOU:
      return "ue_kyou_0";
    case K_UE_NARIKYOU:
      return "ue_kyou_1";
    case K_UE_KEI:
      return "ue_kei_0";
    case K_UE_NARIKEI:
      return "ue_kei_1";
    case K_UE_GIN:
      return "ue_gin_0";
    case K_UE_NARIGIN:
      return "ue_gin_1";
    case K_UE_KIN:
      return "ue_kin";
    case K_UE_KAKU:
      return "ue_kaku_0";
    case K_UE_NARIKAKU:
      return "ue_kaku_1";
    case K_UE_SYA:
      return "ue_sya_0";
    case K_UE_NARISYA:
      return "ue_sya_1";
    case K_UE_OU:
      return "ue_ou";
    default:
      return {};
  }
}

// Every picture id that has a picture: the empty square, the title, and the 28 piece
// codes (SITA's first, then UE's, each in the order of the kinds).
inline constexpr std::array<int, 30> PICTURE_IDS = {
    PICTURE_KARA_MASU, PICTURE_KAZEBAN, K_SITA_HU,       K_SITA_NARIHU, K_SITA_KYOU,
    K_SITA_NARIKYOU,   K_SITA_KEI,      K_SITA_NARIKEI,  K_SITA_GIN,    K_SITA_NARIGIN,
    K_SITA_KIN,        K_SITA_KAKU,     K_SITA_NARIKAKU, K_SITA_SYA,    K_SITA_NARISYA,
    K_SITA_OU,         K_UE_HU,         K_UE_NARIHU,     K_UE_KYOU,     K_UE_NARIKYOU,
    K_UE_KEI,          K_UE_NARIKEI,    K_UE_GIN,        K_UE_NARIGIN,  K_UE_KIN,
    K_UE_KAKU,         K_UE_NARIKAKU,   K_UE_SYA,        K_UE_NARISYA,  K_UE_OU};

}  // namespace kazeban
