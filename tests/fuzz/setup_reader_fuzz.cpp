// Any bytes as setup.res: every field comes out usable, and the record writes and reads back
// the same.
#include "config/setup_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace quarnel;
  const SetupRecord defaults{10, 20, 0, 0, Board::TwelveServos, 30, 40};
  SetupRecord r =
      readSetupFile(std::string_view(reinterpret_cast<const char *>(data), size), defaults);
  const int board = static_cast<int>(r.boardChoice);
  bool usable = r.commPortIndex >= 0 && r.commPortIndex <= 3 && board >= 0 && board <= 1 &&
                r.baudIndex >= 0 && r.baudIndex <= (r.boardChoice == Board::EightServos);
  if (!usable || !(readSetupFile(writeSetupFile(r), defaults) == r)) std::abort();
  return 0;
}
