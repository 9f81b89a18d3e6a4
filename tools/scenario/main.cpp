// trimbol-scenario [FILE]: replays actions through the game and prints the
// outcome as JSON. Reads standard input without FILE.
#include <fstream>
#include <iostream>

#include "scenario.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: trimbol-scenario [FILE]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "trimbol-scenario: cannot open " << argv[1] << '\n';
      return 2;
    }
    return trimbol::RunScenario(file, std::cout, std::cerr);
  }
  return trimbol::RunScenario(std::cin, std::cout, std::cerr);
}
