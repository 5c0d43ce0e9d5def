// The picture names that the window loads, and the committed pictures behind them:
// every name is listed in the resource file and exists as a PNG of the right size at
// both densities.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "display/picture_names.h"
#include "rules/game_state.h"
#include "rules/pieces.h"

namespace kazeban {
namespace {

const std::string FOLDER = KAZEBAN_PICTURES_DIR;

struct PngSize {
  bool ok = false;
  std::uint32_t width = 0, height = 0;
};

// Width and height from a PNG's signature and IHDR chunk, which open every PNG file.
PngSize ReadPngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::array<unsigned char, 24> head{};
  if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return {};
  constexpr std::array<unsigned char, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  for (size_t n = 0; n < signature.size(); ++n) {
    if (head[n] != signature[n]) return {};
  }
  if (head[12] != 'I' || head[13] != 'H' || head[14] != 'D' || head[15] != 'R') return {};
  auto be32 = [&](size_t at) {
    return (std::uint32_t{head[at]} << 24) | (std::uint32_t{head[at + 1]} << 16) |
           (std::uint32_t{head[at + 2]} << 8) | std::uint32_t{head[at + 3]};
  };
  return {true, be32(16), be32(20)};
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PictureNames, TheNamesTheWindowLoads) {
  EXPECT_EQ(PictureName(PICTURE_KARA_MASU), "kara_masu");
  EXPECT_EQ(PictureName(PICTURE_KAZEBAN), "kazeban");
  EXPECT_EQ(PictureName(K_SITA_HU), "sita_hu_0");
  EXPECT_EQ(PictureName(K_SITA_NARIHU), "sita_hu_1");
  EXPECT_EQ(PictureName(K_UE_NARIKYOU), "ue_kyou_1");
  EXPECT_EQ(PictureName(K_SITA_KEI), "sita_kei_0");
  EXPECT_EQ(PictureName(K_UE_NARIGIN), "ue_gin_1");
  EXPECT_EQ(PictureName(K_SITA_KIN), "sita_kin");
  EXPECT_EQ(PictureName(K_UE_KIN), "ue_kin");
  EXPECT_EQ(PictureName(K_SITA_NARIKAKU), "sita_kaku_1");
  EXPECT_EQ(PictureName(K_UE_SYA), "ue_sya_0");
  EXPECT_EQ(PictureName(K_SITA_NARISYA), "sita_sya_1");
  EXPECT_EQ(PictureName(K_UE_OU), "ue_ou");
  EXPECT_EQ(PictureName(K_SITA_OU), "sita_ou");
  for (int other : {0, 3, 12, 111, -111, 951, -1}) EXPECT_EQ(PictureName(other), "") << other;
}

TEST(PictureNames, EveryPieceThatCanStandOnTheBoardHasItsOwnPicture) {
  std::set<std::string_view> names;
  int pieces = 0;
  for (int code = -950; code <= 950; ++code) {
    if (!盤上の駒コード(code)) continue;
    ++pieces;
    EXPECT_FALSE(PictureName(code).empty()) << code;
    names.insert(PictureName(code));
    EXPECT_EQ(PictureName(code).substr(0, code < 0 ? 5 : 3), code < 0 ? "sita_" : "ue_") << code;
  }
  EXPECT_EQ(pieces, 28);
  EXPECT_EQ(names.size(), 28u);

  // The list of ids holds exactly those and the two others.
  std::set<int> ids(PICTURE_IDS.begin(), PICTURE_IDS.end());
  EXPECT_EQ(ids.size(), PICTURE_IDS.size());
  for (int id : PICTURE_IDS) {
    EXPECT_TRUE(盤上の駒コード(id) || id == PICTURE_KARA_MASU || id == PICTURE_KAZEBAN) << id;
  }
}

TEST(PictureFiles, EveryNameIsACommittedPngOfItsSize) {
  for (int id : PICTURE_IDS) {
    const std::string name(PictureName(id));
    SCOPED_TRACE(name);
    const std::uint32_t w = id == PICTURE_KAZEBAN ? 118 : 33;
    const std::uint32_t h = id == PICTURE_KAZEBAN ? 39 : 41;
    const PngSize one = ReadPngSize(FOLDER + "/" + name + ".png");
    ASSERT_TRUE(one.ok);
    EXPECT_EQ(one.width, w);
    EXPECT_EQ(one.height, h);
    const PngSize two = ReadPngSize(FOLDER + "/" + name + "@2x.png");
    ASSERT_TRUE(two.ok);
    EXPECT_EQ(two.width, 2 * w);
    EXPECT_EQ(two.height, 2 * h);
  }
}

TEST(PictureFiles, ResourceFileListsEveryPictureUnderItsPrefix) {
  const std::string qrc = ReadAll(FOLDER + "/pictures.qrc");
  ASSERT_FALSE(qrc.empty());
  EXPECT_NE(qrc.find("<qresource prefix=\"/pictures\">"), std::string::npos);
  size_t listed = 0;
  for (size_t at = qrc.find("<file>"); at != std::string::npos; at = qrc.find("<file>", at + 1)) {
    ++listed;
  }
  EXPECT_EQ(listed, 2 * PICTURE_IDS.size());
  for (int id : PICTURE_IDS) {
    const std::string name(PictureName(id));
    EXPECT_NE(qrc.find("<file>" + name + ".png</file>"), std::string::npos) << name;
    EXPECT_NE(qrc.find("<file>" + name + "@2x.png</file>"), std::string::npos) << name;
  }
}

TEST(PictureFiles, SizeReaderRefusesWhatIsNotAPng) {
  EXPECT_FALSE(ReadPngSize(FOLDER + "/pictures.qrc").ok);
  EXPECT_FALSE(ReadPngSize(FOLDER + "/no_such_picture.png").ok);
}

}  // namespace
}  // namespace kazeban
