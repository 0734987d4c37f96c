#include "config/save_failure.h"

namespace quarnel {

std::string saveFailureMessage(std::string_view kind, const std::string &path, const std::string &problem,
                               std::string_view consequence) {
  std::string message = "Could not save ";
  if (!kind.empty()) message.append(kind).append(" ");
  message += "\"" + path + "\": " + problem;
  if (!consequence.empty()) message.append("\r\n").append(consequence);
  return message;
}

} // namespace quarnel
