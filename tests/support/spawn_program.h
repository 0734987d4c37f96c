// Starting a program of this project for a test or a benchmark, its standard streams sent to
// files of the caller's choice.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace tavik::testing {

// `args` begins with the program's path. Standard input reads /dev/null; standard output and
// error are written to the files named (created or emptied). The child's pid, or -1.
pid_t spawnProgram(std::vector<std::string> args, const std::string &out = "/dev/null",
                   const std::string &err = "/dev/stderr");

// Ends the program with SIGTERM and waits for it; its exit status.
int endProgram(pid_t pid);

} // namespace tavik::testing
