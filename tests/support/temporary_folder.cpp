#include "temporary_folder.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace tavik::testing {

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quarnel-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::system_error(errno, std::generic_category(), "no temporary folder");
  m_path = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored; // a test that left an unreadable folder behind must not end in a throw
  std::filesystem::remove_all(m_path, ignored);
}

} // namespace tavik::testing
