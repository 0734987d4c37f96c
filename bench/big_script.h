// The large script the script benchmarks measure: 112 nodes and `lines` lines, every fifth line
// the busiest node, the others cycling through the nodes and a pause, the last a LOOPEND that
// walks back to row 1.
#pragma once

#include "script/script_model.h"

#include <string>

namespace quarnel::bench {

constexpr int createdNodes = 112;
constexpr int busiestNodeIndex = 7;

std::string nodeName(int index);
void buildBigScript(ScriptModel &script, int lines);

} // namespace quarnel::bench
