// Reading the ELF header and program headers of a library file.
#include "link/shared_object_check.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quarnel {

namespace {

#if defined(__x86_64__)
constexpr Elf64_Half thisMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr Elf64_Half thisMachine = EM_AARCH64;
#elif defined(__riscv) && __riscv_xlen == 64
constexpr Elf64_Half thisMachine = EM_RISCV;
#elif defined(__powerpc64__)
constexpr Elf64_Half thisMachine = EM_PPC64;
#else
#error "the processor of this build has no ELF machine number here"
#endif

constexpr unsigned char thisByteOrder = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? ELFDATA2LSB : ELFDATA2MSB;

bool readAt(int fd, void *into, size_t size, off_t offset) {
  auto *bytes = static_cast<char *>(into);
  for (size_t done = 0; done < size;) {
    const ssize_t n = pread(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Whether `size` bytes from `offset` lie within a file of `fileSize` bytes, without overflow.
bool within(uint64_t offset, uint64_t size, uint64_t fileSize) { return offset <= fileSize && size <= fileSize - offset; }

std::optional<std::string> elfProblem(int fd, uint64_t fileSize) {
  const std::string incomplete = QCoreApplication::translate("SharedObjectCheck", "the file is incomplete.").toStdString();
  if (fileSize == 0) return QCoreApplication::translate("SharedObjectCheck", "the file is empty.").toStdString();
  Elf64_Ehdr header{};
  const size_t headerBytes = static_cast<size_t>(std::min<uint64_t>(fileSize, sizeof header));
  if (!readAt(fd, &header, headerBytes, 0)) return incomplete;
  if (std::memcmp(header.e_ident, ELFMAG, std::min<size_t>(headerBytes, SELFMAG)) != 0) return QCoreApplication::translate("SharedObjectCheck", "the file is no shared library.").toStdString();
  if (headerBytes < sizeof header) return incomplete;
  if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != thisByteOrder)
    return QCoreApplication::translate("SharedObjectCheck", "the library is built for another kind of machine.").toStdString();
  if (header.e_type != ET_DYN) return QCoreApplication::translate("SharedObjectCheck", "the file is no shared library.").toStdString();
  if (header.e_machine != thisMachine) return QCoreApplication::translate("SharedObjectCheck", "the library is built for another kind of machine.").toStdString();
  if (header.e_phentsize != sizeof(Elf64_Phdr) || header.e_phnum == 0) return QCoreApplication::translate("SharedObjectCheck", "the library's program headers are damaged.").toStdString();

  const uint64_t tableSize = uint64_t{header.e_phnum} * sizeof(Elf64_Phdr);
  if (!within(header.e_phoff, tableSize, fileSize)) return incomplete;
  std::vector<Elf64_Phdr> segments(header.e_phnum);
  if (!readAt(fd, segments.data(), tableSize, static_cast<off_t>(header.e_phoff))) return incomplete;
  for (const Elf64_Phdr &segment : segments)
    if (!within(segment.p_offset, segment.p_filesz, fileSize)) return incomplete;
  return std::nullopt;
}

} // namespace

std::optional<std::string> sharedObjectProblem(const std::string &path) {
  // Non-blocking, so that a pipe put where the library should be cannot hold the open up.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::string(std::strerror(errno)) + ".";
  struct stat status {};
  std::optional<std::string> problem;
  if (fstat(fd, &status) != 0) problem = std::string(std::strerror(errno)) + ".";
  else if (!S_ISREG(status.st_mode)) problem = QCoreApplication::translate("SharedObjectCheck", "it is not a regular file.").toStdString();
  else problem = elfProblem(fd, static_cast<uint64_t>(status.st_size));
  close(fd);
  return problem;
}

} // namespace quarnel
