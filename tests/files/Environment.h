// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

// What the process running the file tests can arrange, found out before any test runs.
struct Environment {
  // A folder on a 64 KiB file system of its own, or empty with the reason in NoSmallDisk.
  std::filesystem::path SmallDisk;
  std::string NoSmallDisk;
  // A folder on an exFAT disk, which has no anonymous temporary files, links or permissions; or
  // empty with the reason in NoExFatDisk.
  std::filesystem::path ExFatDisk;
  std::string NoExFatDisk;
  // Whether file permissions bind this process: they never bind root.
  bool PermissionsBind = false;
};

const Environment& TestEnvironment();
