#include "cli/history.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/output.h"
#include "core/cp1250.h"
#include "storage/testrecord.h"
#include "storage/textfile.h"

namespace tymba {
namespace {

constexpr std::string_view kUsage = "Použití: tymba-historie [--csv] SOUBOR...\n";
constexpr std::string_view kHelpHint = "Nápověda: tymba-historie --help\n";

constexpr std::string_view kHelp =
    "\n"
    "Vypíše testy uložené programem Tymba v souborech testů (.tst) a v historii\n"
    "identit (.ide), jeden řádek na test: soubor, název testu, datum, čas,\n"
    "hrubé úhozy, počet chyb, dobu testu, čisté úhozy, čisté úhozy za minutu\n"
    "a procento chyb.\n"
    "\n"
    "  SOUBOR   soubor s testy; souborů smí být libovolně mnoho\n"
    "\n"
    "Volby:\n"
    "  --csv    vypíše tabulku ve formátu CSV (RFC 4180) pro tabulkový procesor\n"
    "  --help   vypíše tuto nápovědu\n"
    "\n"
    "Tabulka se vypíše v UTF-8. Soubor, který nelze přečíst nebo v němž není\n"
    "žádný celý test, se ohlásí a vynechá; ostatní se vypíšou.\n"
    "Návratový kód: 0 hotovo, 1 tabulku nebo nápovědu nelze zapsat,\n"
    "2 chybné argumenty nebo soubor, který není souborem s testy.\n";

// The columns; the six values are aligned to the right.
constexpr std::string_view kColumns[] = {"Soubor",       "Název testu", "Datum",
                                         "Čas",          "Hrubé úhozy", "Počet chyb",
                                         "Doba testu",   "Čisté úhozy", "Čisté úhozy za minutu",
                                         "Procento chyb"};
constexpr std::size_t kFirstValueColumn = 4;

using Row = std::vector<std::string>;

std::string fileProblem(const std::string& name, const TextFileError& error) {
  const std::error_code code = error.code();
  if (code == std::errc::no_such_file_or_directory) return "Soubor '" + name + "' neexistuje.";
  if (code == std::errc::is_a_directory) return "'" + name + "' je složka, ne soubor s testy.";
  if (code == std::errc::invalid_argument) return "'" + name + "' není obyčejný soubor.";
  if (code == std::errc::file_too_large)
    return "Soubor '" + name + "' je příliš velký (více než 64 MiB), to není soubor s testy.";
  return "Soubor '" + name + "' nelze přečíst.";
}

// The rows of one file, or a message saying why it has none.
std::string addRows(const std::string& name, std::vector<Row>& rows) {
  std::vector<TestRecord> records;
  try {
    records = readRecords(name);
  } catch (const TextFileError& error) {
    return fileProblem(name, error);
  }
  std::error_code ignored;
  if (records.empty() && std::filesystem::file_size(name, ignored) > 0)
    return "Soubor '" + name + "' není soubor s testy: nezačíná celým záznamem testu.";
  for (const TestRecord& record : records) {
    Row row{name};
    for (const std::u16string& field : headerValues(record)) row.push_back(toUtf8(field));
    for (const std::u16string& field : resultFields(record)) row.push_back(toUtf8(field));
    rows.push_back(std::move(row));
  }
  return {};
}

std::string csvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (const char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string csvTable(const std::vector<Row>& rows) {
  std::string table;
  for (const Row& row : rows) {
    for (std::size_t n = 0; n < row.size(); ++n) table += (n ? "," : "") + csvField(row[n]);
    table += "\r\n";
  }
  return table;
}

// Characters, not bytes: every letter of the files is one column wide.
std::size_t width(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string plainTable(std::vector<Row> rows) {
  std::vector<std::size_t> widths(std::size(kColumns), 0);
  for (Row& row : rows) {
    for (std::size_t n = 0; n < row.size(); ++n) {
      // A control character (a line break in a name) would break the row.
      std::replace_if(
          row[n].begin(), row[n].end(), [](char c) { return c >= 0 && c < ' '; }, ' ');
      widths[n] = std::max(widths[n], width(row[n]));
    }
  }
  std::string table;
  for (const Row& row : rows) {
    std::string line;
    for (std::size_t n = 0; n < row.size(); ++n) {
      const std::string padding(widths[n] - width(row[n]), ' ');
      line += (n ? "  " : "") + (n >= kFirstValueColumn ? padding + row[n] : row[n] + padding);
    }
    line.erase(line.find_last_not_of(' ') + 1);
    table += line + "\n";
  }
  return table;
}

}  // namespace

int runHistory(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
  try {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    bool csv = false;
    bool optionsEnded = false;
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
      if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
        files.push_back(argument);
      } else if (argument == "--") {
        optionsEnded = true;
      } else if (argument == "--help" || argument == "-h") {
        return writeOut(out, err, std::string(kUsage) + std::string(kHelp),
                        "Nápovědu nelze zapsat.");
      } else if (argument == "--csv") {
        csv = true;
      } else {
        return usageError(err, kUsage, kHelpHint, "Neznámá volba '" + argument + "'.");
      }
    }
    if (files.empty()) return usageError(err, kUsage, kHelpHint, "Chybí argument SOUBOR.");

    std::vector<Row> rows{Row(std::begin(kColumns), std::end(kColumns))};
    int exitCode = 0;
    for (const std::string& file : files) {
      if (const std::string problem = addRows(file, rows); !problem.empty()) {
        err << problem << '\n';
        exitCode = 2;
      }
    }
    const int written = writeOut(out, err, csv ? csvTable(rows) : plainTable(std::move(rows)),
                                 "Tabulku nelze zapsat.");
    return written != 0 ? written : exitCode;
  } catch (const std::exception& failure) {
    err << "Výpis se nezdařil: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace tymba
