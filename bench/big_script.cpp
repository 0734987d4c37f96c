// Building the large benchmark script.
#include "big_script.h"

#include <vector>

namespace quarnel::bench {

std::string nodeName(int index) { return "Node " + std::to_string(index); }

void buildBigScript(ScriptModel &script, int lines) {
  script.load();
  for (int i = 1; i <= createdNodes; ++i) {
    Node pose{nodeName(i), {}, {}};
    pose.pos.fill(static_cast<int16_t>(i));
    pose.speed.fill(255);
    script.createNode(pose.name, nodeDataText(pose));
  }
  std::vector<std::string> texts;
  texts.reserve(lines);
  for (int line = 1; line < lines; ++line) {
    const int other = 1 + line % createdNodes;
    texts.push_back(line % 5 == 1               ? nodeName(busiestNodeIndex)
                    : other == busiestNodeIndex ? "PAUSE 10"
                                                : nodeName(other));
  }
  texts.emplace_back("LOOPEND");
  script.lines().load(std::move(texts));
}

} // namespace quarnel::bench
