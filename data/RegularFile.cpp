#include "RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

TFileDescriptor::~TFileDescriptor() {
  if (FFd >= 0)
    ::close(FFd);
}

TFileIdentity IdentityOf(const struct stat& Info) {
  return {Info.st_dev, Info.st_ino, Info.st_size, Info.st_mtim.tv_sec, Info.st_mtim.tv_nsec};
}

int OpenRegularFile(int DirFd, const char* Path, struct stat& Info) {
  const int fd = ::openat(DirFd, Path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0)
    return -1;
  if (::fstat(fd, &Info) != 0 || !S_ISREG(Info.st_mode)) {
    ::close(fd);
    return NotARegularFile;
  }
  // Reads of a regular file never wait anyway; the flag goes so that nothing later sees it.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}
