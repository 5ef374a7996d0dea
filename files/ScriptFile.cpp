#include "files/ScriptFile.h"

#include <QDir>
#include <QSaveFile>

namespace {
constexpr char ScriptFolder[] = "\\cstrike\\";
constexpr char ScriptExtension[] = ".cfg";
// The first line end closes the text's last line; the second is the one a text line write adds.
constexpr std::string_view FileEnding = "\r\n\r\n";

bool WriteAll(QSaveFile& file, std::string_view bytes) {
  return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
         static_cast<qint64>(bytes.size());
}
}  // namespace

QString ScriptFilePath(const QString& directory, const QString& scriptName) {
  QString path = directory + ScriptFolder + scriptName + ScriptExtension;
  if (QDir::separator() != '\\') path.replace('\\', QDir::separator());
  return path;
}

std::optional<QString> WriteScriptFile(const QString& path, std::string_view scriptText) {
  QSaveFile file(path);
  // Never fall back to writing the file in place, where a failure would cut the old one.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  // The buffer is flushed before the commit: a commit does not look at a failed last flush and
  // would put a cut file in place of the old one.
  if (!WriteAll(file, scriptText) || !WriteAll(file, FileEnding) || !file.flush() ||
      !file.commit()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  return std::nullopt;
}
