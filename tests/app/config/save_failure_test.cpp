// The message every window shows for a file it could not save.
#include "config/save_failure.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(SaveFailure, MessageNamesTheFileWhyAndWhatFollows) {
  struct Case {
    const char *kind, *consequence, *expected;
  };
  const Case cases[] = {
      {"the servo settings file", "An existing file of that name was left as it was.",
       "Could not save the servo settings file \"/h/a.sst\": Disk full.\r\nAn existing file of that name was left as it was."},
      {"the script file", "", "Could not save the script file \"/h/a.sst\": Disk full."},
      {"", "Not remembered.", "Could not save \"/h/a.sst\": Disk full.\r\nNot remembered."},
  };
  for (const Case &c : cases) EXPECT_EQ(saveFailureMessage(c.kind, "/h/a.sst", "Disk full.", c.consequence), c.expected);
}

} // namespace
} // namespace quarnel
