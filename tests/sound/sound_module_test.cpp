// Opening, loading and closing as the window does it, with a warning box that records
// what it was asked to show, on files made in a scratch folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "audio_env.h"
#include "sound/kazeban_sound.h"
#include "sound/sound_module.h"
#include "wave_builder.h"

namespace kazeban::testing {
namespace {

namespace fs = std::filesystem;

class RecordingWarning : public SoundWarning {
 public:
  void Show(std::string_view text) override { shown.emplace_back(text); }
  std::vector<std::string> shown;
};

const Bytes kGood = Wave16(1, 22050, {0, 3000, -3000, 0});

// Each test runs in a fresh scratch folder as its current directory, with two more
// folders standing in for the sounds beside the program and the installed ones.
class SoundModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseAudioDriver("dummy");
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() /
            ("kazeban-module-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "cwd");
    fs::create_directories(root_ / "sounds");
    fs::create_directories(root_ / "first");
    previous_ = fs::current_path();
    fs::current_path(root_ / "cwd");
    m_.音声フォルダ = {(root_ / "first").string(), (root_ / "sounds").string()};
  }
  void TearDown() override {
    サウンド_終了(m_);
    fs::current_path(previous_);
    fs::remove_all(root_);
  }

  void Open() {
    サウンド_初期化(m_, 0, warning_);
    ASSERT_NE(m_.DS_HANDLE, 0);
    ASSERT_TRUE(warning_.shown.empty());
  }

  static void Write(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  int32_t Load(std::string_view name) { return サウンド_読込(m_, name, 3, warning_); }

  // Loads a file written into the current directory and expects a refusal whose one
  // warning names the file and says `why`.
  void ExpectRefused(const std::string& name, const Bytes& bytes, const std::string& why) {
    Write(name, bytes);
    warning_.shown.clear();
    EXPECT_EQ(Load(name), 0) << name;
    ASSERT_EQ(warning_.shown.size(), 1u) << name;
    EXPECT_EQ(warning_.shown[0], "「" + name + "」" + why);
  }

  fs::path root_, previous_;
  SoundModule m_;
  RecordingWarning warning_;
};

TEST_F(SoundModuleTest, WithoutALibraryNothingIsReadOrSaid) {
  Write("空.wav", {});
  EXPECT_EQ(m_.DS_HANDLE, 0);
  EXPECT_EQ(Load("空.wav"), 0);
  EXPECT_EQ(Load("ない.wav"), 0);
  EXPECT_TRUE(warning_.shown.empty());
}

TEST_F(SoundModuleTest, AMissingFileIsSilentWithoutAWord) {
  Open();
  EXPECT_EQ(Load("ない.wav"), 0);
  m_.音声フォルダ.clear();
  EXPECT_EQ(Load("ない.wav"), 0);
  EXPECT_TRUE(warning_.shown.empty());
}

TEST_F(SoundModuleTest, FindsTheFileHereThenInTheSoundFolder) {
  Open();
  Write(root_ / "sounds" / "駒打音.wav", kGood);
  const int32_t from_folder = Load("駒打音.wav");
  EXPECT_NE(from_folder, 0);
  Write("禁止.wav", kGood);
  const int32_t from_here = Load("禁止.wav");
  EXPECT_NE(from_here, 0);
  EXPECT_NE(from_here, from_folder);
  EXPECT_EQ(dsPlay(from_folder), 1) << "a real buffer of the library";
  EXPECT_TRUE(warning_.shown.empty());
  // The current directory comes first: an empty file there hides a good one beside
  // the program.
  Write(root_ / "sounds" / "終局.wav", kGood);
  ExpectRefused("終局.wav", {}, "は空のファイルです。");
  // An earlier folder comes before a later one.
  Write(root_ / "first" / "BGM.wav", {});
  Write(root_ / "sounds" / "BGM.wav", kGood);
  warning_.shown.clear();
  EXPECT_EQ(Load("BGM.wav"), 0);
  ASSERT_EQ(warning_.shown.size(), 1u);
  EXPECT_EQ(warning_.shown[0],
            "「" + (root_ / "first" / "BGM.wav").string() + "」は空のファイルです。");
}

TEST_F(SoundModuleTest, BadFilesAreRefusedWithAWarningNamingTheFailure) {
  Open();
  ExpectRefused("empty.wav", {}, "は空のファイルです。");
  ExpectRefused("text.wav", Bytes{'h', 'e', 'l', 'l', 'o'},
                "はWAVE形式の音声ファイルではありません。");
  ExpectRefused("head.wav", Bytes{'R', 'I', 'F', 'F', 0x10}, "は途中で切れています。");
  Bytes cut = kGood;
  cut.resize(cut.size() - 3);
  ExpectRefused("cut.wav", cut, "は途中で切れています。");
  Bytes huge_claim = kGood;
  huge_claim[7] = 0x7F;  // declares some 2 GB
  ExpectRefused("claim.wav", huge_claim, "は途中で切れています。");
  ExpectRefused("float.wav",
                Riff({{"fmt ", FmtBody(3, 1, 44100, 32)}, {"data", Samples16({0, 0})}}),
                "は再生できない形式の音声ファイルです。");
  fs::create_directory("folder.wav");
  warning_.shown.clear();
  EXPECT_EQ(Load("folder.wav"), 0);
  ASSERT_EQ(warning_.shown.size(), 1u);
  EXPECT_EQ(warning_.shown[0], "「folder.wav」を読み込めません。");
}

TEST_F(SoundModuleTest, BytesAfterTheDeclaredImageAreIgnored) {
  Open();
  Bytes tagged = kGood;
  tagged.insert(tagged.end(), {'T', 'A', 'G', 1, 2, 3});
  Write("tagged.wav", tagged);
  EXPECT_NE(Load("tagged.wav"), 0);
  EXPECT_TRUE(warning_.shown.empty());
}

TEST_F(SoundModuleTest, OpeningRunsOnceAndClosingClearsTheHandle) {
  Open();
  const int32_t first = m_.DS_HANDLE;
  EXPECT_TRUE(m_.初期化済み);
  // Start-up again keeps the library.
  サウンド_初期化(m_, 0, warning_);
  EXPECT_EQ(m_.DS_HANDLE, first);
  サウンド_終了(m_);
  EXPECT_EQ(m_.DS_HANDLE, 0);
  Write("a.wav", kGood);
  EXPECT_EQ(dsCreateDSB(first, kGood.data(), 3), 0) << "the library is closed";
  EXPECT_EQ(Load("a.wav"), 0);
  サウンド_終了(m_);  // twice, as when the window closes after "終わり"
  EXPECT_TRUE(warning_.shown.empty());
}

TEST_F(SoundModuleTest, NoAudioGivesTheWarningOnceAndSilence) {
  UseAudioDriver("no-such-driver");
  サウンド_初期化(m_, 0, warning_);
  EXPECT_EQ(m_.DS_HANDLE, 0);
  ASSERT_EQ(warning_.shown.size(), 1u);
  EXPECT_EQ(warning_.shown[0], "Direct Soundインターフェースが作成できません。");
  // Start-up again: no second attempt, no second box.
  SoundHandles h;
  サウンド_開始(m_, h, 0, warning_);
  サウンド_初期化(m_, 0, warning_);
  EXPECT_EQ(warning_.shown.size(), 1u);
  EXPECT_EQ(h.SND_KOMAUTI, 0);
  EXPECT_EQ(h.SND_BGM, 0);
}

TEST_F(SoundModuleTest, StartUpLoadsTheFiveCommittedSoundsOnce) {
  m_.音声フォルダ = {KAZEBAN_SOUND_ASSETS};
  SoundHandles h;
  サウンド_開始(m_, h, 0, warning_);
  ASSERT_NE(m_.DS_HANDLE, 0);
  EXPECT_TRUE(warning_.shown.empty());
  const std::vector<int32_t> handles = {h.SND_SONOTA, h.SND_KINSI, h.SND_KOMAUTI, h.SND_SYUUKYOKU,
                                        h.SND_BGM};
  for (int32_t handle : handles) EXPECT_NE(handle, 0);
  EXPECT_EQ(std::set<int32_t>(handles.begin(), handles.end()).size(), 5u);
  EXPECT_EQ(dsPlayLooping(h.SND_BGM), 1);
  EXPECT_EQ(dsStop(h.SND_BGM), 1);
  // Start-up again leaves the library and the handles as they were.
  const SoundHandles before = h;
  const int32_t library = m_.DS_HANDLE;
  サウンド_開始(m_, h, 0, warning_);
  EXPECT_EQ(m_.DS_HANDLE, library);
  EXPECT_EQ(h.SND_KOMAUTI, before.SND_KOMAUTI);
  EXPECT_EQ(h.SND_BGM, before.SND_BGM);
  EXPECT_EQ(dsPlay(h.SND_KOMAUTI), 1);
}

}  // namespace
}  // namespace kazeban::testing
