#include <cstring>
#include <iostream>

#include "cli/batch.h"

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  const qiro::batch::Batch batch;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << batch.Help();
      return 0;
    }
    std::cerr << "qiro-batch: unknown option " << argv[i] << " (see --help)\n";
    return 2;
  }
  return batch.Run(std::cin, std::cout);
}
