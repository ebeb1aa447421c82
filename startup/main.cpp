// Pellumo!, dots and boxes against the computer. The program takes no
// options; everything it keeps is in pellumo.ini beside it.
#include "startup/startup.h"

int main(int argc, char** argv) { return pellumo::Main(argc, argv); }
