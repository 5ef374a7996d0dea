// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

// The few file operations the script writer needs, each in the platform's own calls, so that the
// writer itself is the same everywhere. Every operation returns the system's error, empty on
// success, so that a failed save can name its cause.
namespace platform {

using FileHandle = std::intptr_t;

// Creates a file that must not exist yet, open for writing, with the permissions a new file gets.
std::error_code CreateNew(const std::filesystem::path& path, FileHandle& handle);

// Writes every byte, going on after a short write until the system refuses with a reason.
std::error_code WriteAll(FileHandle handle, std::string_view bytes);

// Puts the written bytes on the disk, then closes the file; it is closed either way.
std::error_code SyncAndClose(FileHandle handle);

// For the clean-up after a failure, whose first error is the one reported.
void Close(FileHandle handle);

// Whether this process may write into an existing file, as opening it for output would find.
std::error_code CheckWritable(const std::filesystem::path& path);

// Puts `from` in the place of `to` in one step, replacing any file there; both in one folder.
std::error_code MoveOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Where the system ends a process that writes past its file-size limit, makes the write fail with
// its reason instead.
void KeepFileSizeLimitsFromEndingTheProcess();

}  // namespace platform
