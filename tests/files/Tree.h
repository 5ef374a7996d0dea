// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

// Every entry under a folder, by its path relative to the folder: "folder", a file's bytes, or
// "link to " and a link's target. Two snapshots are equal exactly when nothing under the folder
// changed.
using Tree = std::map<std::string, std::string>;

inline std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline Tree Snapshot(const std::filesystem::path& root) {
  Tree tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    // Not fs::relative, which would name a link by its target.
    const std::string name = entry.path().lexically_relative(root).string();
    if (entry.is_symlink()) {
      tree[name] = "link to " + std::filesystem::read_symlink(entry.path()).string();
    } else if (entry.is_directory()) {
      tree[name] = "folder";
    } else {
      tree[name] = Bytes(entry.path());
    }
  }
  return tree;
}
