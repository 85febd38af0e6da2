#pragma once
// File helpers shared inside the library.
#include <string>
#include <sys/types.h>

namespace datafile::detail {

// Opens a regular file for reading and returns its descriptor, or -1 with a
// message in `error`. Folders, devices and pipes are refused without blocking.
int OpenForReading(const std::string& path, off_t& size, std::string& error);

// Reads until `n` bytes or the end of the file; returns the count, or -1 on
// an error (errno set).
ssize_t ReadFull(int fd, char* buf, size_t n);

}  // namespace datafile::detail
