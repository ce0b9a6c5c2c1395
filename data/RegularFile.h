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

// What OpenRegularFile returns for a name that opened but is not a regular file.
inline constexpr int NotARegularFile = -2;

// Opens Path (relative to DirFd when it is not AT_FDCWD) for reading without ever waiting: a
// pipe or a device put where a card set was expected is refused, never blocked on. Returns the
// descriptor, -1 with errno when the name cannot be opened, or NotARegularFile. Info is filled
// for a regular file.
int OpenRegularFile(int DirFd, const char* Path, struct stat& Info);
