#include "application_parts.h"

#include "link/driver_location.h"
#include "tavik_library.h"

#include <filesystem>

namespace quarnel {

ApplicationParts::ApplicationParts(const Clock &clock)
    : identity(AppIdentity::quarnel(folder.path().string())),
      tavik(tavik::testing::TavikLibrary::builtPath()),
      folders(folder.path().string()),
      controls(motion, tavik, clock, setup, configuration, ui, identity),
      script(configuration, {ui, identity.productName}),
      edits(script),
      sound(clock),
      runner(script, motion, sound), m_clock(clock) {}

ScriptWindow &ApplicationParts::scriptWindow() {
  if (!m_scriptWindow) {
    m_scriptWindow = std::make_unique<ScriptWindow>(script, edits, runner, motion, m_clock, ui, identity, folders);
    runner.setStateListener([this] { m_scriptWindow->showRunState(); });
  }
  return *m_scriptWindow;
}

void placeDriverIn(const std::string &programFolder) {
  std::filesystem::create_symlink(tavik::testing::TavikLibrary::builtPath(),
                                  std::filesystem::path(programFolder) / tavikLibraryFile);
}

std::string placePlayerIn(const std::string &programFolder) {
  // A link would lead the program back to the build's folder; a second name of the file does not.
  const auto player = std::filesystem::path(programFolder) / "quarnel-play";
  std::filesystem::create_directories(programFolder);
  std::error_code error;
  std::filesystem::create_hard_link(QUARNEL_PLAY_PATH, player, error);
  if (error) std::filesystem::copy_file(QUARNEL_PLAY_PATH, player);
  placeDriverIn(programFolder);
  return player.string();
}

} // namespace quarnel
