#pragma once
// How often each unpointed verb form occurred in a corpus (the reference file
// verb-counts-from-corpora.txt): one form a line, "form,TENSE,GENDER,PERSON,NUMBER:count", for example
// "הציג,PAST,M,THREE,S:2035". The features name the form code the spelling was counted as; a spelling
// that several form codes share (תכתוב is "you" m.sg. and "she") was counted once, under one of them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorix::dictionary {

struct CountedForm {
  std::string form;                   // unpointed full spelling, UTF-8
  std::optional<std::uint16_t> code;  // the form code the features name; none for features no code has
  std::uint64_t count = 0;
};

class CorpusCounts {
 public:
  // False with `error` (file and line) when the file cannot be read or a line is not
  // "form,TENSE,GENDER,PERSON,NUMBER:count".
  bool load(const std::string& path, std::string& error);

  const std::vector<CountedForm>& forms() const { return forms_; }

 private:
  std::vector<CountedForm> forms_;
};

// The form code of a feature set of the counts file: PAST,M,THREE,S is 4, FUTURE,F,THREE,P is 20,
// BEINONI,F,A,S is 22, INFINITIVE,E,E,E is 0. Nothing for a set that names no single code.
std::optional<std::uint16_t> formCodeOfFeatures(const std::string& tense, const std::string& gender,
                                                const std::string& person, const std::string& number);

}  // namespace quorix::dictionary
