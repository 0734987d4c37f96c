// The message every window shows for a file it could not save.
#include "config/save_failure.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(SaveFailure, MessageNamesTheFileWhyAndWhatFollows) {
  struct Case {
    SavedFile kind;
    const char *consequence, *expected;
  };
  const Case cases[] = {
      {SavedFile::ServoSettings, "An existing file of that name was left as it was.",
       "Could not save the servo settings file \"/h/a.sst\": Disk full.\r\nAn existing file of that name was left as it was."},
      {SavedFile::StartupSettings, "", "Could not save the start-up settings file \"/h/a.sst\": Disk full."},
      {SavedFile::Script, "", "Could not save the script file \"/h/a.sst\": Disk full."},
      {SavedFile::Unnamed, "Not remembered.", "Could not save \"/h/a.sst\": Disk full.\r\nNot remembered."},
  };
  for (const Case &c : cases) EXPECT_EQ(saveFailureMessage(c.kind, "/h/a.sst", "Disk full.", c.consequence), c.expected);
}

} // namespace
} // namespace quarnel
