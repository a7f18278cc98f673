#include "app/main/ProgramMain.h"

int main(int argc, char** argv) {
  return zendral::RunZendral(argc, argv);
}
