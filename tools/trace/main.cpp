#include "TraceRunner.h"

#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return soyka::RunTrace(args, std::cin, std::cout, std::cerr);
}
