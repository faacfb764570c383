#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <utility>

namespace quirevo::office {

// A file descriptor of our own, closed with its owner.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() {
    if (fd_ >= 0) {
      close(fd_);
    }
  }
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // A second descriptor of the same open file, closed on exec as well, or an invalid one.
  UniqueFd duplicate() const { return UniqueFd(fd_ >= 0 ? fcntl(fd_, F_DUPFD_CLOEXEC, 0) : -1); }

 private:
  int fd_ = -1;
};

}  // namespace quirevo::office
