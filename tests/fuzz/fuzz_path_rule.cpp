// SPDX-License-Identifier: MIT
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <cstdint>
#include <string>

#include "files/ScriptFile.h"
#include "tests/fuzz/Require.h"

namespace {

QString Text(const std::string& bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const QString directory = Text(input.ConsumeRandomLengthString());
  const QString name = Text(input.ConsumeRemainingBytesAsString());
  const QString joined = directory + "\\cstrike\\" + name + ".cfg";
  const QString path = ScriptFilePath(directory, name);
  Require(path.size() == joined.size(), "the path is the joined texts, no longer or shorter");
  for (qsizetype i = 0; i < path.size(); ++i) {
    Require(path[i] == (joined[i] == '\\' ? QChar('/') : joined[i]),
            "every backslash becomes a slash and nothing else changes");
  }
  return 0;
}
