#pragma once

#include <sys/stat.h>

// A file descriptor closed however its owner's scope ends.
class TFileDescriptor {
public:
  explicit TFileDescriptor(int Fd = -1) : FFd(Fd) {}
  ~TFileDescriptor();
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  int Get() const { return FFd; }

private:
  int FFd;
};

// One version of one file: the file itself (device and inode) and its contents as the file
// system last recorded them (size and modification time). Rewriting, replacing or touching the
// file gives another.
struct TFileIdentity {
  dev_t Device = 0;
  ino_t Inode = 0;
  off_t Size = -1;
  time_t ModifiedSeconds = 0;
  long ModifiedNanoseconds = 0;
  bool operator==(const TFileIdentity&) const = default;
};

TFileIdentity IdentityOf(const struct stat& Info);

// What OpenRegularFile returns for a name that opened but is not a regular file.
inline constexpr int NotARegularFile = -2;

// Opens Path (relative to DirFd when it is not AT_FDCWD) for reading without ever waiting: a
// pipe or a device put where a card set was expected is refused, never blocked on. Returns the
// descriptor, -1 with errno when the name cannot be opened, or NotARegularFile. Info is filled
// for a regular file.
int OpenRegularFile(int DirFd, const char* Path, struct stat& Info);
