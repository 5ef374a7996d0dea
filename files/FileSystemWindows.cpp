// SPDX-License-Identifier: MIT
#include <windows.h>

#include "files/FileSystem.h"

namespace platform {
namespace {

// WriteFile takes at most a DWORD's worth of bytes per call.
constexpr std::size_t LargestWrite = 1u << 30;

std::error_code LastError() {
  const DWORD error = ::GetLastError();
  // The writer tells a taken temporary name from other failures by this condition.
  if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
    return std::make_error_code(std::errc::file_exists);
  }
  return {static_cast<int>(error), std::system_category()};
}

HANDLE Native(FileHandle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

std::error_code CreateNew(const std::filesystem::path& path, FileHandle& handle) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  handle = reinterpret_cast<FileHandle>(file);
  return {};
}

std::error_code WriteAll(FileHandle handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto chunk =
        static_cast<DWORD>(bytes.size() < LargestWrite ? bytes.size() : LargestWrite);
    DWORD written = 0;
    if (!::WriteFile(Native(handle), bytes.data(), chunk, &written, nullptr)) return LastError();
    bytes.remove_prefix(written);
  }
  return {};
}

std::error_code SyncAndClose(FileHandle handle) {
  std::error_code error;
  if (!::FlushFileBuffers(Native(handle))) error = LastError();
  if (!::CloseHandle(Native(handle)) && !error) error = LastError();
  return error;
}

void Close(FileHandle handle) { ::CloseHandle(Native(handle)); }

std::error_code CheckWritable(const std::filesystem::path& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  ::CloseHandle(file);
  return {};
}

std::error_code MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {};
  }
  return LastError();
}

// Windows has no file-size limit signal.
void KeepFileSizeLimitsFromEndingTheProcess() {}

}  // namespace platform
