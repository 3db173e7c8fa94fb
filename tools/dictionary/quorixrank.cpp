// quorix-rank: measures the corpus frequency of every verb of the lexicon (and of the verbs of the
// reference index that it leaves out) and numbers the lexicon by it, 1 the most frequent verb.
//
//   quorix-rank --data DIR --counts FILE            the ranking, one verb a line, most frequent first
//   quorix-rank --data DIR --counts FILE --renumber  rewrite DIR/verbs.tsv with its ids in that order
//
// DIR is laid out as the repository's data/ (verbs.tsv, left-out.tsv and the grammar); FILE is the
// counts of unpointed verb forms (tests/reference/verbinflector/verb-counts-from-corpora.txt).

#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "corpuscounts.h"
#include "dictionarysources.h"
#include "leftoutverbs.h"
#include "verbfrequency.h"

namespace {

using namespace quorix::dictionary;

int usage(const std::string& message) {
  std::cerr << "quorix-rank: " << message << "\n"
            << "usage: quorix-rank --data DIR --counts FILE [--renumber]\n";
  return 2;
}

void printRanking(const std::vector<RankedVerb>& ranked) {
  std::cout << "rank\tfrequency\tverbId\troot\ttable\n";
  for (std::size_t i = 0; i < ranked.size(); ++i) {
    const RankedVerb& r = ranked[i];
    std::cout << i + 1 << "\t" << std::llround(r.frequency) << "\t";
    if (r.held) {
      std::cout << r.held->verbId << "\t" << r.held->rootText << "\t" << r.held->tableNumber << "\n";
    } else {
      std::cout << "left out\t" << r.leftOut->indexForm << "\t" << r.leftOut->tableNumber << "\n";
    }
  }
}

// The lexicon's lines in ranked order, each with its new id; the comment lines stay at the head of
// the file, as they are written there.
bool renumber(const std::string& path, const std::vector<RankedVerb>& ranked, std::size_t& moved, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot open";
    return false;
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::ostringstream out;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '#') out << line << "\n";
  }
  std::uint32_t id = 0;
  moved = 0;
  for (const RankedVerb& r : ranked) {
    if (!r.held) continue;
    ++id;
    if (r.held->verbId != id) ++moved;
    const std::string& line = lines[static_cast<std::size_t>(r.held->line) - 1];
    out << id << line.substr(line.find('\t')) << "\n";
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << out.str();
  if (!file) {
    error = path + ": cannot write";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string data, countsPath;
  bool renumbering = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--data" || args[i] == "--counts") && i + 1 < args.size()) {
      (args[i] == "--data" ? data : countsPath) = args[i + 1];
      ++i;
    } else if (args[i] == "--renumber") {
      renumbering = true;
    } else {
      return usage("unknown or incomplete argument '" + args[i] + "'");
    }
  }
  if (data.empty() || countsPath.empty()) return usage("--data and --counts are required");

  DictionarySources sources;
  LeftOutVerbs leftOut;
  CorpusCounts counts;
  std::string error;
  if (!sources.load(data, "", error) || !leftOut.load(data + "/left-out.tsv", error) || !counts.load(countsPath, error)) {
    std::cerr << "quorix-rank: " << error << "\n";
    return 1;
  }
  std::vector<RankedVerb> ranked;
  if (!rankByFrequency(sources, leftOut, counts, ranked, error)) {
    std::cerr << "quorix-rank: " << error << "\n";
    return 1;
  }
  if (!renumbering) {
    printRanking(ranked);
    return 0;
  }
  std::size_t moved = 0;
  if (!renumber(data + "/verbs.tsv", ranked, moved, error)) {
    std::cerr << "quorix-rank: " << error << "\n";
    return 1;
  }
  std::cout << "quorix-rank: " << sources.lexicon().verbs().size() << " verbs numbered by frequency, " << moved
            << " took a new id\n";
  return 0;
}
