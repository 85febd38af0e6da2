#pragma once
// A document: rich text or plain text in one QTextDocument. The RTF flag
// decides how it is read and written; it follows the name a document is
// opened or saved under, and any formatting change sets it.
#include <QObject>
#include <QString>

#include "plaintext.h"

class QTextDocument;

class CVek99Doc : public QObject {
  Q_OBJECT
 public:
  explicit CVek99Doc(QObject* parent = nullptr);
  ~CVek99Doc() override;

  QTextDocument* GetDocument() const { return m_pDocument; }

  // An untitled plain-text document in the default font, not modified.
  void OnNewDocument(const QString& title);
  // The RTF flag comes from the name; plain text gets the default font. The
  // document is unchanged when false is returned.
  bool OnOpenDocument(const QString& path, QString* error = nullptr);
  // Writes RTF or plain text as the name says and, once written, takes the flag from it;
  // the path, title and modified flag are the caller's (see SetPathName).
  bool OnSaveDocument(const QString& path, QString* error = nullptr);

  // How the text is stored when saved as plain text: as it was read, UTF-8
  // for a new document.
  const CTextFormat& GetTextFormat() const { return m_textFormat; }
  void SetTextFormat(const CTextFormat& format) { m_textFormat = format; }

  // False when the text format's encoding cannot hold every character.
  bool CanSaveAsText() const;

  bool IsRtf() const { return m_bRTF; }
  // Plain text writes the runs in the pIqaD face as Unicode pIqaD (a Save As choice).
  bool IsPiqadAsUnicode() const { return m_bPiqadAsUnicode; }
  void SetPiqadAsUnicode(bool bUnicode) { m_bPiqadAsUnicode = bUnicode; }
  void SetRtf(bool bRtf) { m_bRTF = bRtf; }
  bool IsModified() const;
  void SetModifiedFlag(bool bModified = true);

  // Empty for an untitled document.
  QString GetPathName() const { return m_strPathName; }
  void SetPathName(const QString& path);
  QString GetTitle() const { return m_strTitle; }

  // The font of plain text: Courier New, 10.5 points.
  void ApplyDefaultFont();

  // True when the path's last three characters are "rtf", ignoring case.
  static bool IsRtfPath(const QString& path);

 signals:
  void titleChanged(const QString& title);

 private:
  QTextDocument* m_pDocument;
  // The text a plain-text save writes: pIqaD runs as Unicode pIqaD when chosen.
  QString PlainTextToSave() const;

  QString m_strPathName;
  QString m_strTitle;
  bool m_bRTF = false;
  bool m_bPiqadAsUnicode = false;
  CTextFormat m_textFormat;
};
