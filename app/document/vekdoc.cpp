#include "vekdoc.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QTextDocument>

#include "piqadtext.h"
#include "plaintext.h"
#include "rtf/rtffile.h"
#include "waitcursor.h"

CVek99Doc::CVek99Doc(QObject* parent) : QObject(parent), m_pDocument(new QTextDocument(this)) {}

CVek99Doc::~CVek99Doc() = default;

bool CVek99Doc::IsRtfPath(const QString& path) {
  return path.right(3).compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0;
}

void CVek99Doc::OnNewDocument(const QString& title) {
  m_pDocument->clear();
  m_bRTF = false;
  ApplyDefaultFont();
  m_pDocument->clearUndoRedoStacks();
  m_strPathName.clear();
  m_strTitle = title;
  SetModifiedFlag(false);
  emit titleChanged(m_strTitle);
}

bool CVek99Doc::OnOpenDocument(const QString& path, QString* error) {
  CWaitCursor wait;
  const bool bRtf = IsRtfPath(path);
  // Read the whole file first, so a failure leaves the document as it was.
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  if (file.size() > (bRtf ? rtf::kMaxRtfFileSize : kMaxPlainTextFileSize)) {
    if (error) *error = "The file is too large.";
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (error) *error = file.errorString();
    return false;
  }
  if (bRtf)
    rtf::ReadRtf(bytes, *m_pDocument);
  else
    m_pDocument->setPlainText(DecodePlainText(bytes));
  m_pDocument->clearUndoRedoStacks();
  m_bRTF = bRtf;
  if (!m_bRTF) ApplyDefaultFont();
  SetPathName(path);
  SetModifiedFlag(false);
  return true;
}

bool CVek99Doc::OnSaveDocument(const QString& path, QString* error) {
  CWaitCursor wait;
  const bool bRtf = IsRtfPath(path);
  const bool bSaved = bRtf ? rtf::SaveRtfFile(path, *m_pDocument, error)
                           : SavePlainTextFile(path,
                                               m_bPiqadAsUnicode
                                                   ? TextWithUnicodePiqad(*m_pDocument)
                                                   : m_pDocument->toPlainText(),
                                               error);
  // A failed save keeps the flag, so the next try still asks before dropping formatting.
  if (bSaved) m_bRTF = bRtf;
  return bSaved;
}

bool CVek99Doc::IsModified() const { return m_pDocument->isModified(); }

void CVek99Doc::SetModifiedFlag(bool bModified) { m_pDocument->setModified(bModified); }

void CVek99Doc::SetPathName(const QString& path) {
  m_strPathName = QFileInfo(path).absoluteFilePath();
  m_strTitle = QFileInfo(path).fileName();
  emit titleChanged(m_strTitle);
}

void CVek99Doc::ApplyDefaultFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setPointSizeF(10.5);
  m_pDocument->setDefaultFont(font);
}
