// SPDX-License-Identifier: MIT
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/ScriptFile.h"
#include "tests/files/Tree.h"
#include "tests/fuzz/Require.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t LongestName = 300;
constexpr int LinksFollowed = 40;
// A memory file system where TMPDIR names none: the writer syncs every file it saves.
constexpr const char* QuickFolder = "/dev/shm";

// The game folder every input starts from: an old script, a folder, links that resolve, dangle
// and loop, and a folder where a script would go.
void MakeGame(const fs::path& game) {
  fs::remove_all(game);
  const fs::path cstrike = game / "cstrike";
  fs::create_directories(cstrike / "sub");
  fs::create_directory(cstrike / "folder.cfg");
  std::ofstream(cstrike / "MyScript.cfg", std::ios::binary) << "old script\r\n";
  fs::create_symlink("MyScript.cfg", cstrike / "link.cfg");
  fs::create_symlink("sub/new.cfg", cstrike / "dangling.cfg");
  fs::create_symlink("loop.cfg", cstrike / "loop.cfg");
}

// Made once per run under TMPDIR. libFuzzer ends a run without the exit handlers, so a run in
// CI gets a TMPDIR of its own that is removed afterwards.
const fs::path& Sandbox() {
  static const fs::path sandbox = [] {
    const char* temporary = std::getenv("TMPDIR");
    const fs::path under = temporary                       ? temporary
                           : fs::is_directory(QuickFolder) ? QuickFolder
                                                           : "/tmp";
    std::string pattern = (under / "vz-fuzz-writer.XXXXXX").string();
    Require(mkdtemp(pattern.data()) != nullptr, "a sandbox folder can be made");
    return fs::path(pattern);
  }();
  return sandbox;
}

// The entry of the snapshot that a save to `name` must change: the path itself or, through
// links, the file they name.
std::string Written(const Tree& before, std::string name) {
  for (int i = 0; i < LinksFollowed; ++i) {
    const auto entry = before.find(name);
    if (entry == before.end() || !entry->second.starts_with("link to ")) break;
    const std::string target = entry->second.substr(std::string_view("link to ").size());
    name = (fs::path(name).parent_path() / target).lexically_normal().string();
  }
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string nameBytes = input.ConsumeRandomLengthString(LongestName);
  const std::string text = input.ConsumeRemainingBytesAsString();
  const QString name =
      QString::fromUtf8(nameBytes.data(), static_cast<qsizetype>(nameBytes.size()));
  // A name that climbs out of the game folder would write outside the sandbox.
  if (name.contains("..")) return 0;

  const fs::path game = Sandbox() / "game";
  MakeGame(game);
  const Tree before = Snapshot(game);
  const QString path = ScriptFilePath(QString::fromStdString(game.string()), name);
  const std::optional<QString> reason = WriteScriptFile(path, text);
  const Tree after = Snapshot(game);

  if (reason) {
    Require(!reason->isEmpty(), "a failure names its reason");
    Require(after == before, "a failed save changes nothing");
    return 0;
  }
  const QByteArray written = path.toUtf8();
  const std::string relative =
      fs::path(written.toStdString()).lexically_normal().lexically_relative(game).string();
  Tree expected = before;
  expected[Written(before, relative)] = text + "\r\n\r\n";
  Require(after == expected,
          "a save puts exactly the new bytes at the path and changes nothing else");
  return 0;
}
