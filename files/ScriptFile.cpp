// SPDX-License-Identifier: MIT
#include "files/ScriptFile.h"

#include <QDir>
#include <random>
#include <string>
#include <string_view>

#include "files/FileSystem.h"

namespace fs = std::filesystem;

namespace {

constexpr char ScriptFolder[] = "\\cstrike\\";
constexpr char ScriptExtension[] = ".cfg";
// What a script name must not hold to stay one file name in the cstrike folder, and why it is
// refused when it does.
constexpr std::u16string_view NotInFileNames = u"\\/:";
constexpr char NoPlainFileName[] = "The script name is not a plain file name: it holds \\, / or :";
// The first line end closes the text's last line; the second is the one a text line write adds.
constexpr std::string_view FileEnding = "\r\n\r\n";

// The temporary file's name is short whatever the script's name, so that every name that can be
// saved once can also be replaced; it starts with a dot to stay out of the way in a listing.
constexpr std::string_view TemporaryPrefix = ".vz";
constexpr std::string_view TemporaryLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr int TemporaryNameLength = 8;
constexpr int TemporaryNameTries = 100;
// As many links as the system itself follows before it gives up.
constexpr int LinksFollowed = 40;

fs::path ToPath(const QString& path) {
  // UTF-8 converts without fail on every platform: a lone surrogate has become U+FFFD.
  const QByteArray utf8 = path.toUtf8();
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The file that a save through `path` replaces: a link stays a link, the file it names is written.
std::error_code FollowLinks(fs::path& path) {
  for (int followed = 0; followed < LinksFollowed; ++followed) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found) return {};  // creating it names the cause
    if (error) return error;
    if (!fs::is_symlink(status)) return {};
    const fs::path target = fs::read_symlink(path, error);
    if (error) return error;
    path = path.parent_path() / target;  // a relative target is relative to the link's folder
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// An existing file is replaced only where it could be written in place.
std::error_code CheckReplaceable(const fs::path& target, const fs::file_status& status) {
  if (!fs::exists(status)) return {};
  if (fs::is_directory(status)) return std::make_error_code(std::errc::is_a_directory);
  return platform::CheckWritable(target);
}

std::string TemporaryName(std::mt19937& random) {
  std::uniform_int_distribution<std::size_t> letter(0, TemporaryLetters.size() - 1);
  std::string name(TemporaryPrefix);
  for (int i = 0; i < TemporaryNameLength; ++i) name += TemporaryLetters[letter(random)];
  return name;
}

// A new file beside the target; removed again unless it has taken the target's place.
class TemporaryFile {
 public:
  std::error_code Create(const fs::path& folder) {
    std::random_device seed;
    std::mt19937 random(seed());
    std::error_code error;
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
      path_ = folder / TemporaryName(random);
      error = platform::CreateNew(path_, handle_);
      if (error != std::errc::file_exists) break;
    }
    open_ = !error;
    created_ = open_;
    return error;
  }

  std::error_code Write(std::string_view bytes) { return platform::WriteAll(handle_, bytes); }

  std::error_code Finish() {
    open_ = false;
    return platform::SyncAndClose(handle_);
  }

  std::error_code TakePlaceOf(const fs::path& target) {
    const std::error_code error = platform::MoveOver(path_, target);
    if (!error) created_ = false;
    return error;
  }

  const fs::path& Path() const { return path_; }

  ~TemporaryFile() {
    if (open_) platform::Close(handle_);
    std::error_code ignored;
    if (created_) fs::remove(path_, ignored);
  }

 private:
  fs::path path_;
  platform::FileHandle handle_ = 0;
  bool open_ = false;
  bool created_ = false;
};

std::error_code WriteReplacing(fs::path target, std::string_view text) {
  // The system reads a name only up to a NUL: the file would get another name than the one given.
  if (target.native().find(fs::path::value_type()) != fs::path::string_type::npos) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  if (std::error_code error = FollowLinks(target)) return error;
  std::error_code unknown;  // a status not known leaves creating the file to name the cause
  const fs::file_status old = fs::status(target, unknown);
  if (std::error_code error = CheckReplaceable(target, old)) return error;

  TemporaryFile temporary;
  if (std::error_code error = temporary.Create(target.parent_path())) return error;
  for (std::string_view bytes : {text, FileEnding}) {
    if (std::error_code error = temporary.Write(bytes)) return error;
  }
  if (std::error_code error = temporary.Finish()) return error;
  // The replacement keeps the old file's permissions, as writing it in place would.
  if (fs::exists(old)) {
    std::error_code error;
    fs::permissions(temporary.Path(), old.permissions(), error);
    if (error) return error;
  }
  return temporary.TakePlaceOf(target);
}

}  // namespace

std::optional<QString> FindFileNameFault(const QString& scriptName) {
  for (QChar c : NotInFileNames) {
    if (scriptName.contains(c)) return QString(NoPlainFileName);
  }
  return std::nullopt;
}

QString ScriptFilePath(const QString& directory, const QString& scriptName) {
  QString path = directory + ScriptFolder + scriptName + ScriptExtension;
  if (QDir::separator() != '\\') path.replace('\\', QDir::separator());
  return path;
}

std::optional<QString> WriteScriptFile(const QString& path, std::string_view scriptText) {
  const std::error_code error = WriteReplacing(ToPath(path), scriptText);
  if (!error) return std::nullopt;
  return QString::fromLocal8Bit(error.message());
}

void PrepareScriptFileWrites() { platform::KeepFileSizeLimitsFromEndingTheProcess(); }
