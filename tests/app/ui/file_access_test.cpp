// A save the disk cannot take whole is reported and leaves the old file as it was.
#include "ui/file_access.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace quarnel {
namespace {

TEST(FileAccess, AWriteTheDiskRefusesIsReportedAndTheOldFileStays) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("setup.res").toStdString();
  ASSERT_EQ(saveWholeFile(path, "1500,750,2,0,1,0,0\r\n"), std::nullopt);

  // A file-size limit refuses the write as a full disk would, without a disk to fill.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit before{};
  getrlimit(RLIMIT_FSIZE, &before);
  rlimit small = before;
  small.rlim_cur = 8;
  setrlimit(RLIMIT_FSIZE, &small);
  const auto problem = saveWholeFile(path, std::string(4096, 'x'));
  setrlimit(RLIMIT_FSIZE, &before);

  EXPECT_NE(problem, std::nullopt);
  EXPECT_EQ(readWholeFile(path).bytes, "1500,750,2,0,1,0,0\r\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"setup.res"}); // no temporary left
}

} // namespace
} // namespace quarnel
