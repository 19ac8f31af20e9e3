#pragma once
// The command-line listing of stored tests: the arguments name files of test
// records (".tst" files and the identities' user files ".ide"); every whole
// record of each is one row of a table, printed as aligned columns or as CSV.
// A file that cannot be read or holds no record is reported and skipped.

#include <ostream>

namespace tymba {

// The whole program: the table goes to out, messages to err. Returns the exit
// code: 0 done (or help shown), 1 the table could not be written, 2 wrong
// arguments or a file that is not a file of test records (the others are
// still listed).
int runHistory(int argc, const char* const argv[], std::ostream& out, std::ostream& err);

}  // namespace tymba
