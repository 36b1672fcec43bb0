// telvane-sim: a simulated instrument on a pseudo-terminal or an emulated IrDA
// socket, the peer of the end-to-end tests and the demo instrument.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      std::printf("usage: telvane-sim --kind K --serial NNNNNN --port-dir DIR --com N\n");
      return 0;
    }
  }
  std::fprintf(stderr, "telvane-sim: no instrument to play yet\n");
  return 2;
}
