// The --check report: the driver library chosen for the program, bound as the windows bind it.
#include "link/driver_check.h"

#include "link/driver_location.h"
#include "link/tavik_binding.h"

#include <QCoreApplication>

#include <algorithm>

namespace quarnel {

int checkDriver(const std::string &programFolder, std::ostream &out, std::ostream &err) {
  const std::string path = tavikLibraryPath(programFolder);
  out << QCoreApplication::translate("DriverCheck", "driver library: %1").arg(QString::fromStdString(path)).toStdString()
      << "\n";
  TavikBinding tavik(path);
  if (auto problem = tavik.bind()) {
    // One line on a terminal, as the message box has it in two.
    std::replace(problem->begin(), problem->end(), '\n', ' ');
    err << "quarnel: " << *problem << "\n";
    return 1;
  }
  out << QCoreApplication::translate("DriverCheck", "loads, with TVK_OPEN, TVK_MOVE, TVK_SENT and TVK_CLOSE").toStdString()
      << "\n";
  return 0;
}

} // namespace quarnel
