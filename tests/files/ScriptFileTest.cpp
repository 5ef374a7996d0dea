// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "Environment.h"
#include "Tree.h"
#include "files/ScriptFile.h"

namespace fs = std::filesystem;

namespace {

TEST(ScriptFilePath, OnlyBackslashesBecomeTheSeparator) {
  struct Case {
    const char* Directory;
    const char* Name;
    const char* Path;
  };
  const Case cases[] = {
      {"C:\\Sierra\\Half-Life", "MyScript", "C:/Sierra/Half-Life/cstrike/MyScript.cfg"},
      {"C:\\games\\", "a", "C:/games//cstrike/a.cfg"},
      {"", "MyScript", "/cstrike/MyScript.cfg"},
      {"/home/p/hl/", " x ", "/home/p/hl//cstrike/ x .cfg"},
      {"..\\up", "../out", "../up/cstrike/../out.cfg"},
      {"d\xC3\xA9j\xC3\xA0", "\\\\", "d\xC3\xA9j\xC3\xA0/cstrike///.cfg"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScriptFilePath(QString::fromUtf8(c.Directory), QString::fromUtf8(c.Name)),
              QString::fromUtf8(c.Path));
  }
}

TEST(FindFileNameFault, RefusesEveryNameThatIsNoPlainFileName) {
  for (const char* name : {"", "MyScript", "..", ".", " x ", "d\xC3\xA9j\xC3\xA0", "a;b"}) {
    EXPECT_EQ(FindFileNameFault(QString::fromUtf8(name)), std::nullopt) << name;
  }
  const std::string longest(244, 'n');  // and ".cfg" and the save's 7 more: 255 bytes
  EXPECT_EQ(FindFileNameFault(QString::fromStdString(longest)), std::nullopt);
  EXPECT_EQ(FindFileNameFault(QString::fromStdString(longest + "n")).value_or("none").toStdString(),
            "The script name is too long for a file name: it may hold at most 244 bytes");
  for (const char* name : {"../escaped", "..\\escaped", "/etc/x", "a/b", "C:x", "x:", "\\\\host"}) {
    EXPECT_EQ(FindFileNameFault(QString::fromUtf8(name)).value_or("none").toStdString(),
              "The script name is not a plain file name: it holds \\, / or :")
        << name;
  }
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

const std::string OldScript = "old script\r\n";
const std::string ShortScript = "\r\necho new";
// Larger than the small disk and the file-size limit below.
const std::string LongScript(100'000, 'x');
constexpr rlim_t FileSizeCap = 1000;
// Not what a new file gets, so that a replacement that loses it shows.
constexpr fs::perms OldScriptMode =
    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;

// A game folder with cstrike/MyScript.cfg holding an old script. Permissions taken away by a case
// are given back before the folder goes. exFAT refuses them all.
class Game {
 public:
  explicit Game(const fs::path& under) {
    std::string pattern = (under / "vz-game.XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) root_ = pattern;
    fs::create_directory(Cstrike());
    WriteBytes(Cstrike() / "MyScript.cfg", OldScript);
    fs::permissions(Cstrike() / "MyScript.cfg", OldScriptMode, refused_);
  }
  ~Game() {
    if (root_.empty()) return;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, refused_);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root_)) {
      if (!entry.is_symlink()) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, refused_);
      }
    }
    fs::remove_all(root_);
  }
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  const fs::path& Root() const { return root_; }
  fs::path Cstrike() const { return root_ / "cstrike"; }

 private:
  fs::path root_;
  std::error_code refused_;
};

// Lowers the file-size limit for its lifetime.
class FileSizeLimited {
 public:
  FileSizeLimited() {
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit lowered = previous_;
    lowered.rlim_cur = FileSizeCap;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimited() { setrlimit(RLIMIT_FSIZE, &previous_); }
  FileSizeLimited(const FileSizeLimited&) = delete;
  FileSizeLimited& operator=(const FileSizeLimited&) = delete;

 private:
  rlimit previous_{};
};

enum class Needs { Nothing, BindingPermissions, SmallDisk, FileSizeLimit, Links };

struct Fault {
  const char* Case;
  Needs Setting;
  void (*Arrange)(Game&);
  std::string Script;
  std::string Name;
  std::string Reason;   // empty when the save succeeds; %1 stands for the path
  std::string Written;  // on success, the file that must now hold the script
};

void PrintTo(const Fault& f, std::ostream* os) { *os << f.Case; }

const std::string LongestName(244, 'n');  // with ".cfg" and a temporary's 7 more: 255 bytes

const Fault Faults[] = {
    {"MissingCstrikeFolder", Needs::Nothing, [](Game& g) { fs::remove_all(g.Cstrike()); },
     ShortScript, "MyScript", "No such file or directory", ""},
    {"CstrikeIsAFile", Needs::Nothing,
     [](Game& g) {
       fs::remove_all(g.Cstrike());
       WriteBytes(g.Cstrike(), OldScript);
     },
     ShortScript, "MyScript", "Not a directory", ""},
    {"TargetIsAFolder", Needs::Nothing,
     [](Game& g) {
       fs::remove(g.Cstrike() / "MyScript.cfg");
       fs::create_directory(g.Cstrike() / "MyScript.cfg");
     },
     ShortScript, "MyScript", "Filename refers to a directory", ""},
    {"TargetReadOnly", Needs::BindingPermissions,
     [](Game& g) { fs::permissions(g.Cstrike() / "MyScript.cfg", fs::perms::owner_read); },
     ShortScript, "MyScript", "Existing file %1 is not writable", ""},
    {"FolderUnwritable", Needs::BindingPermissions,
     [](Game& g) { fs::permissions(g.Cstrike(), fs::perms::owner_read | fs::perms::owner_exec); },
     ShortScript, "MyScript", "Permission denied", ""},
    {"FullDisk", Needs::SmallDisk, [](Game&) {}, LongScript, "MyScript", "No space left on device",
     ""},
    {"FileSizeLimit", Needs::FileSizeLimit, [](Game&) {}, LongScript, "MyScript", "File too large",
     ""},
    {"NulInTheName", Needs::Nothing, [](Game&) {}, ShortScript, std::string("a\0b", 3),
     "Invalid argument", ""},
    {"LongestNameReplacesItsFile", Needs::Nothing,
     [](Game& g) {
       fs::rename(g.Cstrike() / "MyScript.cfg", g.Cstrike() / (LongestName + ".cfg"));
     },
     ShortScript, LongestName, "", "cstrike/" + LongestName + ".cfg"},
    {"LinkStaysItsTargetIsWritten", Needs::Links,
     [](Game& g) {
       fs::create_directory(g.Root() / "elsewhere");
       fs::rename(g.Cstrike() / "MyScript.cfg", g.Root() / "elsewhere" / "MyScript.cfg");
       fs::create_symlink("../elsewhere/MyScript.cfg", g.Cstrike() / "MyScript.cfg");
     },
     ShortScript, "MyScript", "", "elsewhere/MyScript.cfg"},
};

// Saves into a game folder made under `under`, after the fault's arrangement.
void SaveAndCheck(const Fault& fault, const fs::path& under) {
  Game game(under);
  ASSERT_FALSE(game.Root().empty());
  fault.Arrange(game);
  Tree expected = Snapshot(game.Root());
  if (!fault.Written.empty()) expected[fault.Written] = fault.Script + "\r\n\r\n";
  const fs::path written = game.Root() / fault.Written;
  const fs::perms mode = fs::status(written).permissions();

  const QString path = ScriptFilePath(
      QString::fromStdString(game.Root().string()),
      QString::fromUtf8(fault.Name.data(), static_cast<qsizetype>(fault.Name.size())));
  std::optional<QString> reason;
  {
    std::optional<FileSizeLimited> limit;
    if (fault.Setting == Needs::FileSizeLimit) limit.emplace();
    reason = WriteScriptFile(path, fault.Script);
  }

  QString expectedReason = QString::fromStdString(fault.Reason.empty() ? "saved" : fault.Reason);
  if (expectedReason.contains("%1")) expectedReason = expectedReason.arg(path);
  EXPECT_EQ(reason.value_or("saved").toStdString(), expectedReason.toStdString());
  EXPECT_EQ(Snapshot(game.Root()), expected);
  // As numbers: GoogleTest would print the permissions as bytes.
  EXPECT_EQ(static_cast<int>(fs::status(written).permissions()), static_cast<int>(mode))
      << "the replaced file's permissions";
}

class SaveUnderFault : public ::testing::TestWithParam<Fault> {};

TEST_P(SaveUnderFault, NamesTheReasonOrReplacesAndLeavesNothingElse) {
  const Fault& fault = GetParam();
  const Environment& environment = TestEnvironment();
  if (fault.Setting == Needs::BindingPermissions && !environment.PermissionsBind) {
    GTEST_SKIP() << "file permissions do not bind this process (root)";
  }
  if (fault.Setting == Needs::SmallDisk && environment.SmallDisk.empty()) {
    GTEST_SKIP() << "no small disk: " << environment.NoSmallDisk;
  }
  const char* temporary = std::getenv("TMPDIR");
  SaveAndCheck(fault, fault.Setting == Needs::SmallDisk ? environment.SmallDisk
                                                        : fs::path(temporary ? temporary : "/tmp"));
}

// Where the file system has no anonymous temporary files, as on a Steam library on a shared drive,
// QSaveFile names its temporary file beside the script: it must not stay there either.
TEST_P(SaveUnderFault, OnExFatToo) {
  const Fault& fault = GetParam();
  const Environment& environment = TestEnvironment();
  if (environment.ExFatDisk.empty()) GTEST_SKIP() << "no exFAT disk: " << environment.NoExFatDisk;
  if (fault.Setting == Needs::BindingPermissions || fault.Setting == Needs::Links ||
      fault.Setting == Needs::SmallDisk) {
    GTEST_SKIP() << "exFAT has neither permissions nor links, and the smallest holds LongScript";
  }
  SaveAndCheck(fault, environment.ExFatDisk);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveUnderFault, ::testing::ValuesIn(Faults),
                         [](const auto& row) { return std::string(row.param.Case); });

}  // namespace
