// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes, however the test ends.
#pragma once

#include <filesystem>
#include <string>

namespace tavik::testing {

class TemporaryFolder {
public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder &) = delete;
  TemporaryFolder &operator=(const TemporaryFolder &) = delete;

  const std::filesystem::path &path() const { return m_path; }
  // The path of `name` in the folder.
  std::string file(const std::string &name) const { return (m_path / name).string(); }

private:
  std::filesystem::path m_path;
};

} // namespace tavik::testing
