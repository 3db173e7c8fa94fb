// quorix-cli: the terminal face of the program's core, for people and scripts.

#include <iostream>

#include "climain.h"

int main(int argc, char** argv) { return quorix::runQuorixCli(argc, argv, std::cout); }
