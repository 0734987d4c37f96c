// What the script tests share: a script model over a configuration and a scripted user.
#pragma once

#include "script/script_model.h"
#include "scripted_ui_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarnel {

class ScriptFixture : public ::testing::Test {
protected:
  // Every slot at `pos` and `speed`, as a node data text.
  static std::string pose(int pos, int speed) {
    std::string text;
    for (int slot = 0; slot < servoChannels; ++slot) text += std::to_string(pos) + ',' + std::to_string(speed) + ',';
    return text;
  }
  void place(std::initializer_list<const char *> commands) {
    for (const char *command : commands) script.lines().placeCommand(command);
  }
  // Rows 1 to the last, the insertion row included.
  std::vector<std::string> lineTexts() const {
    std::vector<std::string> texts;
    for (int row = 1; row < script.lines().rowCount(); ++row) texts.emplace_back(script.lines().text(row));
    return texts;
  }
  std::vector<std::string> nodeNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < script.nodes().count(); ++i) names.push_back(script.nodes().node(i).name);
    return names;
  }

  ServoConfiguration config;
  ScriptedUiServices ui;
  ScriptModel script{config, {ui, "Quarnel"}};
};

} // namespace quarnel
