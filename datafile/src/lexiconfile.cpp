#include "datafile/lexiconfile.h"

#include "datafile/datafilecipher.h"
#include "wordbank/archive.h"

namespace datafile {
namespace {

bool IsFlag(int32_t v) { return v == 0 || v == 1; }

}  // namespace

bool CheckLexicon(const CKLex& lex, std::string& error) {
  for (const auto& [key, w] : lex) {
    const char* bad = nullptr;
    if (w.m_nPos < kPosNoun || w.m_nPos > kPosQues) bad = "part of speech";
    else if (!IsFlag(w.m_bBeing)) bad = "being flag";
    else if (!IsFlag(w.m_bBodyPart)) bad = "body-part flag";
    else if (!IsFlag(w.m_bInherentPlural)) bad = "plural flag";
    else if (!IsFlag(w.m_bIrregular)) bad = "irregular flag";
    else if (!IsFlag(w.m_bStative)) bad = "stative flag";
    else if (!IsFlag(w.m_bExcluded)) bad = "excluded flag";
    if (bad) {
      error = "the entry \"" + key + "\" has an impossible " + bad;
      return false;
    }
  }
  return true;
}

bool ReadLexiconArchive(std::string_view plain, CKLex& lex, std::string& why) {
  CKLex loaded;
  try {
    CArchive ar(plain);
    loaded.Serialize(ar);
    if (ar.Remaining() != 0) {
      why = std::to_string(ar.Remaining()) + " bytes follow the last entry";
      return false;
    }
  } catch (const CArchiveException& e) {
    why = e.what();
    return false;
  }
  if (!CheckLexicon(loaded, why)) return false;
  lex = std::move(loaded);
  return true;
}

bool LoadLexiconFile(const std::string& path, CKLex& lex, std::string& error) {
  CDataFileCipher cipher;
  std::string plain;
  if (!cipher.DecryptToMemory(path, plain, error)) return false;
  std::string why;
  if (!ReadLexiconArchive(plain, lex, why)) {
    error = "The lexicon file " + path + " is damaged: " + why + ".";
    return false;
  }
  return true;
}

bool SaveLexiconFile(const std::string& path, CKLex& lex, std::string& error) {
  // A file that the next start could not load is worse than no save at all.
  std::string why;
  if (!CheckLexicon(lex, why)) {
    error = "The lexicon was not saved: " + why + ".";
    return false;
  }
  CArchive ar;
  lex.Serialize(ar);
  CDataFileCipher cipher;
  return cipher.EncryptFromMemory(path, ar.Buffer(), error) != 0;
}

}  // namespace datafile
