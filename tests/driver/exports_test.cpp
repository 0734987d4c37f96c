// libTavik.so offers exactly its four calls to the dynamic linker.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

TEST(TavikExports, OnlyTheFourCallsAreExported) {
  FILE *nm = popen("nm -D --defined-only " TAVIK_LIBRARY_PATH, "r");
  ASSERT_NE(nm, nullptr);
  std::set<std::string> exported;
  char line[512];
  while (std::fgets(line, sizeof line, nm)) {
    char type = 0;
    char name[400];
    if (std::sscanf(line, "%*s %c %399s", &type, name) == 2) exported.insert(name);
  }
  ASSERT_EQ(pclose(nm), 0);
  EXPECT_EQ(exported, (std::set<std::string>{"TVK_CLOSE", "TVK_MOVE", "TVK_OPEN", "TVK_SENT"}));
}
