#include <iostream>

#include "cli/grading.h"

int main(int argc, char* argv[]) { return tymba::runGrading(argc, argv, std::cout, std::cerr); }
