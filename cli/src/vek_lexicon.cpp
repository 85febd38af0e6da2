// vek-lexicon: the lexicon file from the command line.
//
//   vek-lexicon export LEXICON OUT.tsv   the lexicon as tab-separated text ("-": standard output)
//   vek-lexicon import IN.tsv LEXICON    text into an encrypted lexicon file ("-": standard input)
//   vek-lexicon stats LEXICON            entries per part of speech and flag
//
// LEXICON is an encrypted lexicon file, or a .tsv lexicon when read.
#include <array>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "datafile/atomicfile.h"
#include "datafile/lexiconfile.h"
#include "lexiconload.h"
#include "wordbank/lextsv.h"
#include "wordbank/textcodec.h"

namespace {

constexpr const char* kUsage =
    "Usage: vek-lexicon export LEXICON OUT.tsv\n"
    "  or:  vek-lexicon import IN.tsv LEXICON\n"
    "  or:  vek-lexicon stats LEXICON\n"
    "Convert the encrypted lexicon file to and from tab-separated text.\n"
    "\n"
    "Commands:\n"
    "  export LEXICON OUT.tsv  write the lexicon as UTF-8 text (- writes standard output)\n"
    "  import IN.tsv LEXICON   build an encrypted lexicon from text (- reads standard input)\n"
    "  stats LEXICON           entries per part of speech and flag\n"
    "  -h, --help              show this help\n";

int Usage(const std::string& why) {
  std::cerr << "vek-lexicon: " << why
            << " (usage: vek-lexicon export LEXICON OUT.tsv | import IN.tsv LEXICON | stats LEXICON)\n";
  return 2;
}

int Fail(int code, const std::string& message) {
  std::cerr << "vek-lexicon: " << message << "\n";
  return code;
}

// The lexicon file stores Windows-1252; anything else would come back as "?".
bool FindUnstorableText(const CKLex& lex, std::string& where) {
  auto storable = [](const std::string& s) {
    return wordbank::Cp1252ToUtf8(wordbank::Utf8ToCp1252(s)) == s;
  };
  for (const auto& [key, w] : lex) {
    std::vector<std::string> texts = {key, w.m_strWord, w.m_strDefinition, w.m_strNotes,
                                      w.m_strIrregularForm};
    texts.insert(texts.end(), w.m_lstSynonyms.begin(), w.m_lstSynonyms.end());
    texts.insert(texts.end(), w.m_lstAntonyms.begin(), w.m_lstAntonyms.end());
    for (const auto& t : texts) {
      if (!storable(t)) {
        where = "entry \"" + key + "\": \"" + t + "\" has characters outside Windows-1252";
        return true;
      }
    }
  }
  return false;
}

int Export(const std::string& in, const std::string& out) {
  CKLex lex;
  std::string error;
  if (!cli::LoadLexicon(in, lex, error)) return Fail(2, error);
  const std::string text = wordbank::WriteLexiconTsv(lex);
  if (out == "-") {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Fail(1, "cannot write to standard output");
  }
  if (!datafile::SaveFileAtomically(out, text, error)) return Fail(1, error);
  return 0;
}

int Import(const std::string& in, const std::string& out) {
  // Every tool reads a ".tsv" lexicon as text, so an encrypted one by that name
  // could never be read again.
  if (out.size() >= 4 && out.compare(out.size() - 4, 4, ".tsv") == 0) return Usage("the encrypted lexicon must not be named " + out);
  std::string text;
  if (in == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::string error;
    if (!datafile::ReadFileBytes(in, text, error)) return Fail(2, error);
  }
  CKLex lex;
  std::string error;
  if (!wordbank::ReadLexiconTsv(text, lex, error)) return Fail(2, in + ": " + error);
  if (FindUnstorableText(lex, error)) return Fail(2, in + ": " + error);
  if (!datafile::SaveLexiconFile(out, lex, error)) return Fail(1, error);
  return 0;
}

int Stats(const std::string& in) {
  CKLex lex;
  std::string error;
  if (!cli::LoadLexicon(in, lex, error)) return Fail(2, error);

  constexpr int kPosCount = 8;
  constexpr int kFlagCount = 6;
  // Per part of speech (and a total row): entries, then each flag.
  std::array<std::array<size_t, kFlagCount + 1>, kPosCount + 1> counts{};
  for (const auto& [key, w] : lex) {
    const int flags[kFlagCount] = {w.m_bBeing,     w.m_bBodyPart, w.m_bInherentPlural,
                                   w.m_bIrregular, w.m_bStative,  w.m_bExcluded};
    auto tally = [&](size_t row) {
      ++counts[row][0];
      for (int f = 0; f < kFlagCount; ++f)
        if (flags[f]) ++counts[row][static_cast<size_t>(f) + 1];
    };
    if (w.m_nPos >= 0 && w.m_nPos < kPosCount) tally(static_cast<size_t>(w.m_nPos));
    tally(kPosCount);
  }
  std::string out = "pos\tentries\tbeing\tbodypart\tinherentplural\tirregular\tstative\texcluded\n";
  for (int p = 0; p <= kPosCount; ++p) {
    out += p < kPosCount ? CKWord::PosName(p) : "total";
    for (size_t n : counts[static_cast<size_t>(p)]) out += "\t" + std::to_string(n);
    out += "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (args.empty()) return Usage("no command given");
  const std::string& command = args[0];
  const size_t want = command == "stats" ? 2 : 3;
  if (command != "export" && command != "import" && command != "stats")
    return Usage("unknown command " + command);
  if (args.size() != want) return Usage(command + " takes " + std::to_string(want - 1) +
                                        (want == 2 ? " file" : " files"));
  if (command == "export") return Export(args[1], args[2]);
  if (command == "import") return Import(args[1], args[2]);
  return Stats(args[1]);
}
