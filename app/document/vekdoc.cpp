#include "vekdoc.h"

#include <QFileInfo>
#include <QFont>
#include <QTextDocument>

#include "piqadtext.h"
#include "plaintext.h"
#include "rtf/rtffile.h"
#include "rtf/rtfwriter.h"
#include "waitcursor.h"

CVek99Doc::CVek99Doc(QObject* parent) : QObject(parent), m_pDocument(new QTextDocument(this)) {}

CVek99Doc::~CVek99Doc() = default;

bool CVek99Doc::IsRtfPath(const QString& path) {
  return path.right(3).compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0;
}

void CVek99Doc::OnNewDocument(const QString& title) {
  m_pDocument->clear();
  m_bRTF = false;
  m_textFormat = CTextFormat();
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
  std::string bytes;
  if (!rtf::ReadDocumentBytes(path, bRtf ? rtf::kMaxRtfFileSize : kMaxPlainTextFileSize, bytes,
                              error))
    return false;
  const QByteArrayView data(bytes.data(), qsizetype(bytes.size()));
  if (bRtf) {
    rtf::ReadRtf(data, *m_pDocument);
  } else {
    QString text;
    CTextFormat format;
    if (!DecodePlainText(data, text, format, error)) return false;
    m_pDocument->setPlainText(text);
    m_textFormat = format;
  }
  m_pDocument->clearUndoRedoStacks();
  m_bRTF = bRtf;
  if (!m_bRTF) ApplyDefaultFont();
  SetPathName(path);
  SetModifiedFlag(false);
  return true;
}

QString CVek99Doc::PlainTextToSave() const {
  return m_bPiqadAsUnicode ? TextWithUnicodePiqad(*m_pDocument) : m_pDocument->toPlainText();
}

bool CVek99Doc::CanSaveAsText() const {
  QByteArray bytes;
  return EncodePlainText(PlainTextToSave(), m_textFormat, bytes);
}

bool CVek99Doc::OnSaveDocument(const QString& path, QString* error) {
  CWaitCursor wait;
  const bool bRtf = IsRtfPath(path);
  QByteArray bytes;
  if (bRtf) {
    bytes = rtf::WriteRtf(*m_pDocument);
  } else if (!EncodePlainText(PlainTextToSave(), m_textFormat, bytes)) {
    if (error)
      *error = QString("%1 cannot hold every character of the document.")
                   .arg(EncodingName(m_textFormat.encoding));
    return false;
  }
  // A failed save keeps the flag, so the next try still asks before dropping formatting.
  if (!rtf::SaveDocumentBytes(path, bytes, error)) return false;
  m_bRTF = bRtf;
  return true;
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
