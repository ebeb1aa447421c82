// Pellumo!, dots and boxes against the computer (its switches: startup.cpp).
// The build makes two executables from this file: the portable one
// keeps everything beside itself; the one the install rules install is built
// with PELLUMO_INSTALLED_DATA_DIR and keeps each player's settings in their
// own configuration folder.
#include "startup/startup.h"

#ifndef PELLUMO_INSTALLED_DATA_DIR
#define PELLUMO_INSTALLED_DATA_DIR ""
#endif

int main(int argc, char** argv) { return pellumo::Main(argc, argv, PELLUMO_INSTALLED_DATA_DIR); }
