#include "wordbank/kword.h"

#include "wordbank/archive.h"

namespace {
constexpr const char* kPosNames[] = {"noun", "verb",   "pronoun", "adverb",
                                     "number", "conj", "excl",    "ques"};
constexpr uint32_t kWordVersion = 1;

void WriteList(CArchive& ar, const CStringList& list) {
  ar.WriteU32(static_cast<uint32_t>(list.size()));
  for (const auto& s : list) ar.WriteString(s);
}

CStringList ReadList(CArchive& ar) {
  CStringList list;
  for (uint32_t n = ar.ReadCount(1); n > 0; --n) list.push_back(ar.ReadString());
  return list;
}
}  // namespace

const char* CKWord::PosName(int32_t code) {
  return code >= 0 && code < 8 ? kPosNames[code] : "";
}

int32_t CKWord::PosFromName(const std::string& name) {
  for (int32_t i = 0; i < 8; ++i)
    if (name == kPosNames[i]) return i;
  return -1;
}

std::string CKWord::Pos() const { return PosName(m_nPos); }

int32_t CKWord::SetPos(const std::string& name) {
  const int32_t code = PosFromName(name);
  if (code >= 0) m_nPos = code;
  return code;
}

void CKWord::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteU32(kWordVersion);
    ar.WriteString(m_strWord);
    ar.WriteString(m_strDefinition);
    ar.WriteString(m_strNotes);
    ar.WriteI32(m_nPos);
    ar.WriteI32(m_bBeing);
    ar.WriteI32(m_bBodyPart);
    ar.WriteI32(m_bInherentPlural);
    ar.WriteI32(m_bIrregular);
    ar.WriteString(m_strIrregularForm);
    ar.WriteI32(m_bStative);
    WriteList(ar, m_lstSynonyms);
    WriteList(ar, m_lstAntonyms);
    ar.WriteI32(m_nScore);
    ar.WriteI32(m_bExcluded);
    return;
  }
  const uint32_t version = ar.ReadU32();
  if (version != kWordVersion)
    throw CArchiveException("unknown lexicon entry version " + std::to_string(version));
  CKWord w;
  w.m_strWord = ar.ReadString();
  w.m_strDefinition = ar.ReadString();
  w.m_strNotes = ar.ReadString();
  w.m_nPos = ar.ReadI32();
  w.m_bBeing = ar.ReadI32();
  w.m_bBodyPart = ar.ReadI32();
  w.m_bInherentPlural = ar.ReadI32();
  w.m_bIrregular = ar.ReadI32();
  w.m_strIrregularForm = ar.ReadString();
  w.m_bStative = ar.ReadI32();
  w.m_lstSynonyms = ReadList(ar);
  w.m_lstAntonyms = ReadList(ar);
  w.m_nScore = ar.ReadI32();
  w.m_bExcluded = ar.ReadI32();
  *this = std::move(w);
}
