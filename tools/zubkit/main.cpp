#include "tools/zubkit/cli.hpp"

int main(int argc, char** argv) {
  return zubkit::Run(argc, argv);
}
