// quorix-cli export-anki: the verbs of a list as a deck for Anki, to drill what one looks up.

#include <ostream>
#include <vector>

#include "ankideck.h"
#include "clicommands.h"
#include "db/atomicfile.h"
#include "listarguments.h"
#include "verbidlist.h"

namespace quorix {

namespace {

constexpr std::string_view kExportOptions[] = {"db-dir", "mode", "binyan", "table", "filter", "deck"};

// The verbs of the list's entries in list order, each once: a Hebrew entry's own verb; for a
// Russian word or an English meaning the verbs its page lists (only the marked ones when the entry
// says so).
std::vector<std::uint32_t> verbsOfList(CoreSession& session, const ListArguments& list, std::uint32_t count) {
  VerbIdList verbs;
  const DatabaseReaders readers = session.readers();
  const EntryArray& entries = session.core().list().entries();
  const InputLanguage side = list.mode->side();
  for (std::uint32_t i = 0; i < count; ++i) {
    if (side != inputlanguage::kHebrew) {
      RussianSearchEntry word;
      if (readers.searchIndexOf(side).entryAt(entries.at(i), word)) verbs.addVerbsOf(readers, side, word);
    } else {
      VerbRecord record;
      if (readers.verbs.decode(entries.at(i), record)) verbs.add(record.verbId);
    }
  }
  return verbs.ids();
}

int runExportAnki(const CommandLine& line, std::ostream& out) {
  std::string error;
  if (!line.onlyOptions(kExportOptions, error)) return usageError("export-anki", error);
  if (line.positionals().size() != 1) return usageError("export-anki", "export-anki takes one FILE");
  const std::string& file = line.positionals()[0];
  ListArguments list;
  if (!list.read(line, line.option("mode").value_or("infinitives"), error)) return usageError("export-anki", error);
  const std::string deckName = line.option("deck").value_or("Quorix");
  if (deckName.empty()) return usageError("export-anki", "--deck needs a name");

  CoreSession session;
  if (!session.open(line, error)) return failWith(error);
  if (!list.checkTable(*session.databases().verbs, error)) return usageError("export-anki", error);
  const std::vector<std::uint32_t> verbIds = verbsOfList(session, list, list.fill(session));
  const AnkiDeck deck = ankiDeck(*session.databases().verbs, verbIds, deckName);
  if (file == "-") {
    out << deck.text;
    return 0;
  }
  // Written whole or not at all: a deck cut short would import as fewer notes without a word.
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(deck.text.data()), deck.text.size());
  if (!writeFileAtomically(file, bytes, error)) return failWith(error);
  out << "wrote " << deck.notes << " notes to " << file << '\n';
  return 0;
}

}  // namespace

const CliCommand kExportAnkiCommand{
    "export-anki", "FILE [--mode M] [--binyan B] [--table T] [--filter F] [--deck NAME] [--db-dir DIR]",
    "The verbs of a list as a deck for Anki's text import, one note per verb",
    [] {
      return std::string(
          "\n"
          "Writes FILE (\"-\": standard output), a tab-separated UTF-8 file that Anki's File > Import\n"
          "reads as a deck: one note per verb of the list of mode M (a name or a number as list --help\n"
          "shows them; infinitives by default, so every verb once), in list order. A Russian or English\n"
          "list gives the verbs that translate its words, in the order of the words.\n"
          "\n"
          "Columns: Id (quorix-verb-N, so that importing again updates the notes), Verb (the infinitive,\n"
          "or the past form \"he\" where the binyan has none), English, Russian, Binyan, Root, Table,\n"
          "Conjugation (an HTML table of every tense and person) and Tags (quorix, table::N,\n"
          "binyan::NAME). For cards that show everything, add a note type with the fields Verb, English,\n"
          "Russian, Binyan, Root, Table and Conjugation and choose it when importing; with Anki's Basic\n"
          "type the verb becomes the front and its English gloss the back.\n"
          "\n"
          "options:\n"
          "  --mode M       the list whose verbs become notes (default infinitives)\n"
          "  --binyan B, --table T, --filter F\n"
          "                 as for list\n"
          "  --deck NAME    the deck the notes go to (default Quorix)\n"
          "  --db-dir DIR   the folder of the databases (default: the folder of quorix-cli)\n"
          "\n"
          "examples:\n"
          "  quorix-cli export-anki hebrew-verbs.txt\n"
          "  quorix-cli export-anki piel.txt --mode verbs-of-binyan --binyan 3 --filter infinitive\n");
    },
    runExportAnki};

}  // namespace quorix
