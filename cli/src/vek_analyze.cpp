// vek-analyze: the analyser from the command line.
//
//   vek-analyze [--lexicon FILE] [--json] WORD...
//   vek-analyze [--lexicon FILE] [--json] --file TEXTFILE   ("-" reads standard input)
// Words written in Unicode pIqaD are read as their Latin transcription.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "datafile/datafolder.h"
#include "lexiconload.h"
#include "morphan/klingonparser.h"
#include "morphan/piqadunicode.h"
#include "morphan/report.h"

namespace {

int Usage(const std::string& why) {
  std::cerr << "vek-analyze: " << why
            << " (usage: vek-analyze [--lexicon FILE] [--json] WORD... | --file TEXTFILE)\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string lexiconPath;
  std::string textFile;
  bool json = false;
  bool haveFile = false;
  std::vector<std::string> words;

  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--lexicon" || arg == "--file") {
      if (i + 1 >= argc) return Usage(arg + " needs a value");
      (arg == "--lexicon" ? lexiconPath : textFile) = argv[++i];
      if (arg == "--file") haveFile = true;
    } else if (arg == "--json") {
      json = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << "Usage: vek-analyze [--lexicon FILE] [--json] WORD...\n"
                   "  or:  vek-analyze [--lexicon FILE] [--json] --file TEXTFILE\n"
                   "Analyse Klingon words: one report line per reading of each word.\n"
                   "\n"
                   "Options:\n"
                   "  --lexicon FILE  the lexicon to use (a .tsv file is read as text); by default\n"
                   "                  lexicon.klx beside the program, else in ../share/vekmor\n"
                   "  --json          one JSON object per word instead of report lines\n"
                   "  --file TEXTFILE analyse the words of a text file (- reads standard input)\n"
                   "  -h, --help      show this help\n"
                   "\n"
                   "Exit status is 2 on bad usage or an unreadable lexicon.\n";
      return 0;
    } else if (arg.size() > 1 && arg.rfind("--", 0) == 0) {
      return Usage("unknown option " + arg);
    } else {
      words.push_back(morphan::UnicodePiqadToLatin(arg));
    }
  }
  if (haveFile == !words.empty()) return Usage(haveFile ? "give words or --file, not both" : "no words given");

  if (lexiconPath.empty())
    lexiconPath = datafile::FindShippedDataFolder(cli::ExecutableDir()) + "lexicon.klx";
  CKLex lexicon;
  std::string error;
  if (!cli::LoadLexicon(lexiconPath, lexicon, error)) {
    std::cerr << "vek-analyze: " << error << "\n";
    return 2;
  }

  std::vector<std::string> pieces = words;
  if (haveFile) {
    std::string text;
    if (textFile == "-") {
      text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else if (!cli::ReadWholeFile(textFile, text)) {
      std::cerr << "vek-analyze: cannot read " << textFile << "\n";
      return 2;
    }
    pieces = morphan::TokeniseText(morphan::UnicodePiqadToLatin(text));
  }

  CKlingonParser parser;
  parser.m_pLexicon = &lexicon;
  CParseMemo memo;  // a text repeats its words
  parser.m_pMemo = &memo;
  std::string out;
  for (const auto& piece : pieces) {
    if (json) out += morphan::PieceJson(parser, piece) + "\n";
    else out += morphan::ReportPiece(parser, piece, "\n");
    if (out.size() > (1 << 16)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
