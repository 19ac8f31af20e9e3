#include <iostream>

#include "cli/history.h"

int main(int argc, char* argv[]) { return tymba::runHistory(argc, argv, std::cout, std::cerr); }
