// telvane: the desktop program.
#include <QApplication>
#include <QLabel>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("2.0.19.7\n");
      return 0;
    }
  }
  QApplication app(argc, argv);
  QLabel label("Telvane");
  label.show();
  return app.exec();
}
