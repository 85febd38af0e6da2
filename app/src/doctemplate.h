#pragma once
// A document type: its describing strings and the count of untitled documents
// made from it, which gives new documents the titles vek1, vek2, ...
#include <QString>
#include <QStringList>

class CDocTemplate {
 public:
  // The seven fields of `docString`, newline-separated.
  enum DocStringIndex {
    windowTitle,
    docName,
    fileNewName,
    filterName,
    filterExt,
    regFileTypeId,
    regFileTypeName,
  };

  CDocTemplate(int nIdResource, const QString& docString);

  int GetResourceId() const { return m_nIdResource; }
  QString GetDocString(DocStringIndex index) const;
  // The title of the next untitled document: the document name and a number
  // counting up from 1.
  QString NextUntitledTitle();

 private:
  int m_nIdResource;
  QStringList m_fields;
  int m_nUntitledCount = 0;
};

// The two document types in the order they are registered.
inline constexpr int kIdRtfTemplate = 129;
inline constexpr int kIdTextTemplate = 130;
inline constexpr char kRtfDocString[] =
    "\nvek\nRich Text Format\nRTF  Files (*.rtf)\n.rtf\nVek.Document\nVekmor RTF Document";
inline constexpr char kTextDocString[] =
    "\nvek\nText\nText  Files (*.txt)\n.txt\nVek.Document\nVekmor Text Document";
