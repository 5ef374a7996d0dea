// SPDX-License-Identifier: MIT
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Environment.h"
#include "files/ScriptFile.h"

// When started as root, the tests run in a child process that first mounts a small disk in a
// private mount namespace (so that nothing outside sees it), then gives up root for an ordinary
// user, so that file permissions bind it. The parent only removes the mount point afterwards.

namespace {

constexpr uid_t NobodyId = 65534;
constexpr char SmallDiskOptions[] = "size=64k,mode=1777";

Environment& Writable() {
  static Environment environment;
  return environment;
}

std::string SystemError(const char* step) {
  return std::string(step) + ": " + std::strerror(errno);
}

void MountSmallDisk(const std::string& folder) {
  Environment& e = Writable();
  if (unshare(CLONE_NEWNS) != 0) {
    e.NoSmallDisk = SystemError("unshare");
  } else if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    e.NoSmallDisk = SystemError("private mounts");
  } else if (mount("tmpfs", folder.c_str(), "tmpfs", 0, SmallDiskOptions) != 0) {
    e.NoSmallDisk = SystemError("mount tmpfs");
  } else {
    e.SmallDisk = folder;
  }
}

void DropRoot() {
  if (setgroups(0, nullptr) == 0 && setgid(NobodyId) == 0 && setuid(NobodyId) == 0) {
    Writable().PermissionsBind = true;
  }
  // Giving up root makes a process undumpable, which keeps LeakSanitizer from inspecting it.
  prctl(PR_SET_DUMPABLE, 1);
}

int RunTests() { return RUN_ALL_TESTS(); }

int RunAsRootChild() {
  char folder[] = "/tmp/vz-small-disk.XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    Writable().NoSmallDisk = SystemError("mkdtemp");
    DropRoot();
    return RunTests();
  }
  const pid_t child = fork();
  if (child == 0) {
    MountSmallDisk(folder);
    DropRoot();
    std::exit(RunTests());
  }
  int status = 0;
  const bool waited = child > 0 && waitpid(child, &status, 0) == child;
  rmdir(folder);
  return waited && WIFEXITED(status) ? WEXITSTATUS(status) : EXIT_FAILURE;
}

}  // namespace

const Environment& TestEnvironment() { return Writable(); }

int main(int argc, char* argv[]) {
  // As the program does: a file-size limit makes a write fail with a reason instead of a signal.
  PrepareScriptFileWrites();
  ::testing::InitGoogleTest(&argc, argv);
  if (geteuid() == 0) return RunAsRootChild();
  Writable().PermissionsBind = true;
  Writable().NoSmallDisk = "mounting a small disk needs root";
  return RunTests();
}
