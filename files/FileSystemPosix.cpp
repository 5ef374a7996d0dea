// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include "files/FileSystem.h"

namespace platform {
namespace {

// Read and write for everyone, less the umask: what a file created for output gets.
constexpr mode_t NewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;

std::error_code LastError() { return {errno, std::generic_category()}; }

int Descriptor(FileHandle handle) { return static_cast<int>(handle); }

}  // namespace

std::error_code CreateNew(const std::filesystem::path& path, FileHandle& handle) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode);
  if (fd < 0) return LastError();
  handle = fd;
  return {};
}

std::error_code WriteAll(FileHandle handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(Descriptor(handle), bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

std::error_code SyncAndClose(FileHandle handle) {
  std::error_code error;
  if (::fsync(Descriptor(handle)) != 0) error = LastError();
  if (::close(Descriptor(handle)) != 0 && !error) error = LastError();
  return error;
}

void Close(FileHandle handle) { ::close(Descriptor(handle)); }

std::error_code CheckWritable(const std::filesystem::path& path) {
  return ::access(path.c_str(), W_OK) == 0 ? std::error_code() : LastError();
}

std::error_code MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return LastError();
  // The new name is on the disk only once the folder is: a crash right after a save must not
  // bring the old file back. The file itself is already saved, so a failure here is not one of
  // the save.
  const int folder = ::open(to.parent_path().empty() ? "." : to.parent_path().c_str(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return {};
}

void KeepFileSizeLimitsFromEndingTheProcess() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace platform
