// SPDX-License-Identifier: MIT
#include "files/ScriptFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr char ScriptFolder[] = "\\cstrike\\";
constexpr char ScriptExtension[] = ".cfg";
// What a script name must not hold to stay one file name in the cstrike folder, and why it is
// refused when it does.
constexpr std::u16string_view NotInFileNames = u"\\/:";
constexpr char NoPlainFileName[] = "The script name is not a plain file name: it holds \\, / or :";
// The save writes a temporary file beside the script, named after it and 7 characters more, and
// file systems take names of at most 255 bytes: the script name leaves room for both.
constexpr qsizetype LongestFileName = 255;
constexpr qsizetype TemporarySuffix = 7;
constexpr qsizetype LongestName = LongestFileName - TemporarySuffix - (sizeof(ScriptExtension) - 1);
constexpr char NameTooLong[] =
    "The script name is too long for a file name: it may hold at most %1 bytes";
// The first line end closes the text's last line; the second is the one a text line write adds.
constexpr char FileEnding[] = "\r\n\r\n";

// A short write means the system took only part of the bytes; writing the rest again makes it
// refuse with its reason ("No space left on device", "File too large"), which Qt then names.
bool WriteAll(QSaveFile& file, QByteArrayView bytes) {
  while (!bytes.isEmpty()) {
    const qint64 written = file.write(bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes = bytes.sliced(written);
  }
  return true;
}

#ifdef Q_OS_UNIX
// QSaveFile syncs the new file before it takes the old one's place, but goes on when that sync
// fails: a file that may not be on the disk must not replace the old one.
std::optional<QString> SyncFile(QSaveFile& file) {
  if (::fdatasync(file.handle()) == 0) return std::nullopt;
  return QString::fromLocal8Bit(std::strerror(errno));
}

// The new name is on the disk only once its folder is, which QSaveFile leaves undone: without this
// a power cut right after "Finished" could bring the old file back. The file itself is saved by
// then, so a failure here is not one of the save.
void SyncFolder(const QString& path) {
  const QByteArray folder = QFile::encodeName(QFileInfo(path).canonicalPath());
  const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}
#else
// Windows has no documented call that syncs a folder: the rename reaches the disk with NTFS's
// journal, seconds later. Qt syncs the file, and its result is not known here.
std::optional<QString> SyncFile(QSaveFile&) { return std::nullopt; }
void SyncFolder(const QString&) {}
#endif

}  // namespace

std::optional<QString> FindFileNameFault(const QString& scriptName) {
  for (QChar c : NotInFileNames) {
    if (scriptName.contains(c)) return QString(NoPlainFileName);
  }
  if (scriptName.toUtf8().size() > LongestName) return QString(NameTooLong).arg(LongestName);
  return std::nullopt;
}

QString ScriptFilePath(const QString& directory, const QString& scriptName) {
  QString path = directory + ScriptFolder + scriptName + ScriptExtension;
  if (QDir::separator() != '\\') path.replace('\\', QDir::separator());
  return path;
}

std::optional<QString> WriteScriptFile(const QString& path, std::string_view scriptText) {
  // The system reads a name only up to a NUL: the file would get another name than the one given.
  if (path.contains(QChar::Null)) {
    return QString::fromStdString(std::make_error_code(std::errc::invalid_argument).message());
  }
  // Unbuffered, so that each write reaches the system at once and says how much it took: Qt 6.4
  // lets a short write at the flush in commit() pass for a whole one.
  QSaveFile file(path);
  const QByteArray bytes = QByteArray(scriptText.data(), qsizetype(scriptText.size())) + FileEnding;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, bytes)) {
    return file.errorString();
  }
  if (std::optional<QString> reason = SyncFile(file)) return reason;
  if (!file.commit()) return file.errorString();
  SyncFolder(path);
  return std::nullopt;
}

void PrepareScriptFileWrites() {
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}
