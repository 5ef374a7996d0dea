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

// When started as root, the tests run in a child process that first mounts its disks in a private
// mount namespace (so that nothing outside sees them), then gives up root for an ordinary user, so
// that file permissions bind it. The parent only removes the mount point afterwards.

namespace {

constexpr uid_t NobodyId = 65534;
constexpr char SmallDiskOptions[] = "size=64k,mode=1777";
// The smallest exFAT disk its tools make, mounted on the small disk: a file on a loop device, with
// exFAT's driver as a process (FUSE), since a kernel may have no FAT or exFAT of its own (CI's has
// not). The file is removed at once, and lies outside the small disk: the loop device holds it.
constexpr char MountExFat[] =
    "image=$(mktemp) && truncate -s 4M $image && mkfs.exfat $image >/dev/null && mkdir exfat &&"
    " mount -t exfat-fuse -o loop,allow_other $image exfat; mounted=$?; rm $image; exit $mounted";

Environment& Writable() {
  static Environment environment;
  return environment;
}

std::string SystemError(const char* step) {
  return std::string(step) + ": " + std::strerror(errno);
}

// The exFAT driver's process would keep this mount namespace alive: it ends when the parent
// removes the small disk's folder, which unmounts everything on it in every namespace.
void MountExFatDisk(const std::string& folder) {
  if (std::system(("cd '" + folder + "' && " + MountExFat).c_str()) != 0) {
    Writable().NoExFatDisk = "mounting an exFAT image failed (needs exfatprogs and exfat-fuse)";
  } else {
    Writable().ExFatDisk = folder + "/exfat";
  }
}

void MountDisks(const std::string& folder) {
  Environment& e = Writable();
  if (unshare(CLONE_NEWNS) != 0) {
    e.NoSmallDisk = e.NoExFatDisk = SystemError("unshare");
  } else if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    e.NoSmallDisk = e.NoExFatDisk = SystemError("private mounts");
  } else if (mount("tmpfs", folder.c_str(), "tmpfs", 0, SmallDiskOptions) != 0) {
    e.NoSmallDisk = e.NoExFatDisk = SystemError("mount tmpfs");
  } else {
    e.SmallDisk = folder;
    MountExFatDisk(folder);
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
    Writable().NoSmallDisk = Writable().NoExFatDisk = SystemError("mkdtemp");
    DropRoot();
    return RunTests();
  }
  const pid_t child = fork();
  if (child == 0) {
    MountDisks(folder);
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
  // Listing the tests, as CMake does to register them, runs none: it stays in this process, which
  // may write the list where its caller asks (CMake 4 has it written into the root-owned build).
  if (GTEST_FLAG_GET(list_tests)) return RunTests();
  if (geteuid() == 0) return RunAsRootChild();
  Writable().PermissionsBind = true;
  Writable().NoSmallDisk = Writable().NoExFatDisk = "mounting a disk needs root";
  return RunTests();
}
