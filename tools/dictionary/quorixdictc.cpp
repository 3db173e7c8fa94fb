// quorix-dictc: compiles the dictionary sources of data/ into hebrew.db, russian.db, rusearch.db,
// english.db and ensearch.db, or shows one root conjugated in one table (for whoever edits the
// paradigms).
//
//   quorix-dictc --data DIR --out DIR [--verbs FILE] [--strict]
//   quorix-dictc --data DIR --show ROOT TABLE
//
// Problems in the content are listed on standard error; they fail the run only with --strict (the
// build keeps going so that the program stays usable while the tests name what is wrong).

#include <charconv>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "dictionarycompiler.h"
#include "dictionarysources.h"
#include "hebrewtext.h"

namespace {

using namespace quorix::dictionary;

int usage(const std::string& message) {
  std::cerr << "quorix-dictc: " << message << "\n"
            << "usage: quorix-dictc --data DIR --out DIR [--verbs FILE] [--strict]\n"
            << "       quorix-dictc --data DIR --show ROOT TABLE\n";
  return 2;
}

int show(const std::string& data, const std::string& rootText, const std::string& tableText) {
  DictionarySources sources;
  std::string error;
  if (!sources.loadGrammar(data, error)) {
    std::cerr << "quorix-dictc: " << error << "\n";
    return 1;
  }
  Root root;
  std::uint32_t table = 0;
  const auto [end, ec] = std::from_chars(tableText.data(), tableText.data() + tableText.size(), table);
  if (ec != std::errc() || end != tableText.data() + tableText.size()) return usage("TABLE must be a table number");
  if (!Root::parse(rootText, root, error)) return usage(error);
  Conjugation conjugation;
  if (!conjugateInTable(sources, root, table, std::string(), conjugation, error)) {
    std::cerr << "quorix-dictc: " << error << "\n";
    return 1;
  }
  for (const std::string& variant : conjugation.variants) std::cout << "variant\t" << variant << "\n";
  for (const ConjugatedForm& form : conjugation.forms) {
    std::cout << form.code << "\t" << (form.exists ? toUtf8(form.pointed) : "-") << "\t"
              << (form.exists ? toUtf8(form.unpointed) : "-") << "\n";
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string data, out, verbs, showRoot, showTable;
  bool strict = false;
  bool showing = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& target) {
      if (i + 1 >= args.size()) return false;
      target = args[++i];
      return true;
    };
    if (a == "--data") {
      if (!value(data)) return usage("--data needs a folder");
    } else if (a == "--out") {
      if (!value(out)) return usage("--out needs a folder");
    } else if (a == "--verbs") {
      if (!value(verbs)) return usage("--verbs needs a file");
    } else if (a == "--strict") {
      strict = true;
    } else if (a == "--show") {
      if (!value(showRoot) || !value(showTable)) return usage("--show needs a root and a table number");
      showing = true;
    } else {
      return usage("unknown argument '" + a + "'");
    }
  }
  if (data.empty()) return usage("--data is required");
  if (showing) return show(data, showRoot, showTable);
  if (out.empty()) return usage("--out is required");

  DictionarySources sources;
  std::string error;
  if (!sources.load(data, verbs, error)) {
    std::cerr << "quorix-dictc: " << error << "\n";
    return 1;
  }
  const CompiledDictionary dictionary = compileDictionary(sources);
  for (const std::string& problem : dictionary.problems) std::cerr << "quorix-dictc: warning: " << problem << "\n";
  if (!writeDictionary(dictionary, out, error)) {
    std::cerr << "quorix-dictc: " << error << "\n";
    return 1;
  }
  std::cout << "quorix-dictc: " << dictionary.verbs.size() << " verbs, " << dictionary.verbRecords.size()
            << " records, " << dictionary.searchEntries.size() << " Russian words, "
            << dictionary.englishSearchEntries.size() << " English meanings";
  if (!dictionary.problems.empty()) std::cout << ", " << dictionary.problems.size() << " problems";
  std::cout << "\n";
  return strict && !dictionary.problems.empty() ? 1 : 0;
}
