#include "vekview.h"

#include <utility>

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QFileDialog>
#include <QFontDialog>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMimeData>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include "klingonword.h"
#include "messagebox.h"
#include "morphan/piqad.h"
#include "piqadtext.h"
#include "vekdoc.h"

namespace {

constexpr char kLoseFormatting[] =
    "This document contains formatting information that will be lost.  Continue?";
constexpr int kLargestToGrow = 72;   // grow only below this size
constexpr int kSmallestToShrink = 9;  // shrink only from this size on
constexpr int kFontStep = 2;
constexpr char kPasteAsLatin[] = "Unicode pIqaD as Latin Letters";
constexpr char kPasteAsPiqad[] = "Unicode pIqaD as pIqaD";

SaveAsHook& SaveAsHookRef() {
  static SaveAsHook hook;
  return hook;
}

QString ExtensionOf(const QString& path) { return path.right(3).toLower(); }

// The plain-text encoding and line ends go in two boxes under the file name.
QString AskSaveAsPath(CSaveAsRequest& request, QWidget* parent) {
  if (SaveAsHookRef()) return SaveAsHookRef()(request);
  QFileDialog dialog(parent, "Save As");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(request.filters);
  dialog.setDefaultSuffix(request.strDefaultExt);
  if (!request.strFileName.isEmpty()) dialog.selectFile(request.strFileName);
  auto* encoding = new QComboBox(&dialog);
  encoding->setObjectName("encodingBox");
  encoding->addItems(EncodingNames());
  encoding->setCurrentIndex(request.textFormat.encoding);
  auto* lineEnds = new QComboBox(&dialog);
  lineEnds->setObjectName("lineEndBox");
  const QStringList ends{"\n", "\r\n", "\r"};
  lineEnds->addItems({"LF (Linux, macOS)", "CR LF (Windows)", "CR (old Mac)"});
  lineEnds->setCurrentIndex(qMax(0, int(ends.indexOf(request.textFormat.strLineEnd))));
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel("Text encoding:", &dialog), row, 0);
    grid->addWidget(encoding, row, 1);
    grid->addWidget(new QLabel("Line ends:", &dialog), row + 1, 0);
    grid->addWidget(lineEnds, row + 1, 1);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  request.strSelectedFilter = dialog.selectedNameFilter();
  request.textFormat.encoding = CTextFormat::Encoding(encoding->currentIndex());
  request.textFormat.strLineEnd = ends.value(lineEnds->currentIndex(), "\n");
  return dialog.selectedFiles().first();
}

CVek99View::QuickLookup& LookupRef() {
  static CVek99View::QuickLookup lookup;
  return lookup;
}

}  // namespace

void SetSaveAsHook(SaveAsHook hook) { SaveAsHookRef() = std::move(hook); }

QStringList LocalFiles(const QMimeData* source) {
  QStringList files;
  if (source && source->hasUrls())
    for (const QUrl& url : source->urls())
      if (url.isLocalFile()) files << url.toLocalFile();
  return files;
}

void CVek99View::SetQuickLookup(QuickLookup lookup) { LookupRef() = std::move(lookup); }

CVek99View::CVek99View(CVek99Doc* pDoc, QWidget* parent) : QTextEdit(parent), m_pDoc(pDoc) {
  setObjectName("documentView");
  m_pDoc->setParent(this);
  setDocument(m_pDoc->GetDocument());
  setAcceptRichText(true);
  setTabChangesFocus(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  connect(this, &QTextEdit::currentCharFormatChanged, this, &CVek99View::formatStateChanged);
  connect(this, &QTextEdit::selectionChanged, this, &CVek99View::formatStateChanged);
}

CVek99View::~CVek99View() = default;

// ---- Saving ----

bool CVek99View::OnFileSave() {
  const QString path = m_pDoc->GetPathName();
  if (path.isEmpty()) return OnFileSaveAs();
  if (!m_pDoc->IsModified()) return true;
  if (ExtensionOf(path) != "rtf" && m_pDoc->IsRtf() &&
      VekMessageBox(kLoseFormatting, MsgIcon::Question, QMessageBox::Yes | QMessageBox::No,
                    this) != QMessageBox::Yes)
    return OnFileSaveAs();
  if (!SaveTo(path)) return false;
  m_pDoc->SetModifiedFlag(false);
  return true;
}

bool CVek99View::OnFileSaveAs() {
  const QString path = m_pDoc->GetPathName();
  CSaveAsRequest request;
  QStringList text{"Text Files (*.txt)"};
  const QStringList rich{"RTF Files (*.rtf)"}, all{"All Files (*)"};
  if (HasPiqadRuns(*document())) text << kUnicodePiqadFilter;
  // A formatted document is offered as RTF first.
  const bool bRichFirst = ExtensionOf(path) == "rtf" || m_pDoc->IsRtf();
  request.filters = bRichFirst ? rich + text + all : text + rich + all;
  request.strFileName = path;
  if (m_pDoc->IsRtf() && !path.isEmpty() && ExtensionOf(path) != "rtf") {
    const QFileInfo info(path);
    request.strFileName = info.dir().filePath(info.completeBaseName() + ".rtf");
  }
  if (!path.isEmpty())
    request.strDefaultExt = ExtensionOf(request.strFileName);
  else if (m_pDoc->IsRtf())
    request.strDefaultExt = "rtf";
  request.textFormat = m_pDoc->GetTextFormat();
  const QString chosen = AskSaveAsPath(request, this);
  if (chosen.isEmpty()) return false;
  if (ExtensionOf(chosen) != "rtf" && m_pDoc->IsRtf() &&
      VekMessageBox(kLoseFormatting, MsgIcon::Question, QMessageBox::Yes | QMessageBox::No,
                    this) != QMessageBox::Yes)
    return false;
  const CTextFormat before = m_pDoc->GetTextFormat();
  const bool bWasUnicode = m_pDoc->IsPiqadAsUnicode();
  m_pDoc->SetTextFormat(request.textFormat);
  m_pDoc->SetPiqadAsUnicode(request.strSelectedFilter == kUnicodePiqadFilter);
  if (!SaveAs(chosen)) {
    m_pDoc->SetTextFormat(before);
    m_pDoc->SetPiqadAsUnicode(bWasUnicode);
    return false;
  }
  return true;
}

bool CVek99View::SaveTo(const QString& path) {
  if (ExtensionOf(path) != "rtf" && !m_pDoc->CanSaveAsText()) {
    // Never write '?' for what the encoding lacks.
    CTextFormat utf8 = m_pDoc->GetTextFormat();
    const QString question =
        QString("%1 cannot hold every character of this document.  Save it as UTF-8 instead?")
            .arg(EncodingName(utf8.encoding));
    if (VekMessageBox(question, MsgIcon::Question, QMessageBox::Yes | QMessageBox::No, this) !=
        QMessageBox::Yes)
      return false;
    utf8.encoding = CTextFormat::Utf8;
    m_pDoc->SetTextFormat(utf8);
  }
  QString error;
  if (!m_pDoc->OnSaveDocument(path, &error)) {
    VekMessageBox(QString("Failed to save document.\n%1\n%2").arg(path, error), MsgIcon::Stop,
                  QMessageBox::Ok, this);
    return false;
  }
  return true;
}

bool CVek99View::SaveAs(const QString& path) {
  if (!SaveTo(path)) return false;
  m_pDoc->SetPathName(path);
  m_pDoc->SetModifiedFlag(false);
  emit documentSaved(m_pDoc->GetPathName());
  emit formatStateChanged();
  return true;
}

bool CVek99View::SaveModified() {
  if (!m_pDoc->IsModified()) return true;
  switch (VekMessageBox(QString("Save changes to %1?").arg(m_pDoc->GetTitle()), MsgIcon::Warning,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this)) {
    case QMessageBox::Yes: return OnFileSave();
    case QMessageBox::No: return true;
    default: return false;
  }
}

void CVek99View::closeEvent(QCloseEvent* event) {
  if (SaveModified())
    event->accept();
  else
    event->ignore();
}

// ---- Formatting ----

void CVek99View::ApplyFormat(const QTextCharFormat& format) {
  mergeCurrentCharFormat(format);
  m_pDoc->SetRtf(true);
  m_pDoc->SetModifiedFlag(true);
  emit formatStateChanged();
}

void CVek99View::ToggleEffect(std::optional<bool> CSelFormat::*effect, const QTextCharFormat& on,
                              const QTextCharFormat& off) {
  const CSelFormat current = GetSelectionFormat();
  ApplyFormat((current.*effect).value_or(false) ? off : on);
}

void CVek99View::OnCharBold() {
  QTextCharFormat on, off;
  on.setFontWeight(QFont::Bold);
  off.setFontWeight(QFont::Normal);
  ToggleEffect(&CSelFormat::bold, on, off);
}

void CVek99View::OnCharItalic() {
  QTextCharFormat on, off;
  on.setFontItalic(true);
  off.setFontItalic(false);
  ToggleEffect(&CSelFormat::italic, on, off);
}

void CVek99View::OnCharUnderline() {
  QTextCharFormat on, off;
  on.setFontUnderline(true);
  off.setFontUnderline(false);
  ToggleEffect(&CSelFormat::underline, on, off);
}

void CVek99View::SetSelectionFace(const QString& face) {
  if (!face.isEmpty()) ApplyFormat(FaceFormat(face));
}

void CVek99View::SetSelectionPointSize(int nPoints) {
  if (nPoints <= 0) return;
  QTextCharFormat format;
  format.setFontPointSize(nPoints);
  ApplyFormat(format);
}

void CVek99View::GrowFont(int nDelta) {
  const CSelFormat current = GetSelectionFormat();
  // A mixed selection reports no size; its first run decides, as the control would.
  QTextCursor first = textCursor();
  first.setPosition(first.selectionStart() + (first.hasSelection() ? 1 : 0));
  const qreal size =
      current.pointSize.value_or(EffectivePointSize(first.charFormat(), *document()));
  if (nDelta > 0 ? size >= kLargestToGrow : size < kSmallestToShrink) return;
  QTextCharFormat format;
  format.setFontPointSize(size + nDelta);
  ApplyFormat(format);
}

void CVek99View::OnFontLarger() { GrowFont(kFontStep); }
void CVek99View::OnFontSmaller() { GrowFont(-kFontStep); }

void CVek99View::OnFormatFont() {
  const QTextCharFormat current = textCursor().charFormat();
  const CSelFormat sel = GetSelectionFormat();
  QFont initial = current.font();
  initial.setFamilies({sel.face.value_or(EffectiveFace(current, *document()))});
  initial.setPointSizeF(sel.pointSize.value_or(EffectivePointSize(current, *document())));
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, initial, this, "Font");
  if (!ok) return;
  QTextCharFormat format;
  format.setFontFamilies(QStringList{chosen.family()});
  format.setFontPointSize(chosen.pointSizeF());
  format.setFontWeight(chosen.weight() >= QFont::Bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(chosen.italic());
  format.setFontUnderline(chosen.underline());
  format.setFontStrikeOut(chosen.strikeOut());
  ApplyFormat(format);
}

// ---- Clipboard and drops ----

bool CVek99View::canInsertFromMimeData(const QMimeData* source) const {
  return !LocalFiles(source).isEmpty() || QTextEdit::canInsertFromMimeData(source);
}

void CVek99View::insertFromMimeData(const QMimeData* source) {
  const QStringList files = LocalFiles(source);
  if (!files.isEmpty()) {
    emit filesDropped(files);
    return;
  }
  // Unicode pIqaD from other programs: Latin letters, or pIqaD where the caret is in pIqaD.
  if (!source->hasFormat("application/x-qrichtext") && HasUnicodePiqad(source->text())) {
    PasteUnicodePiqad(source->text(), IsPiqadSelection());
    return;
  }
  // Plain text takes pasted text without its formatting.
  if (!m_pDoc->IsRtf()) {
    if (source->hasText()) textCursor().insertText(source->text());
    return;
  }
  QTextEdit::insertFromMimeData(source);
}

void CVek99View::OnEditPasteSpecial() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasText()) return;
  QStringList kinds;
  if (data->hasHtml()) kinds << "Formatted Text";
  kinds << "Unformatted Text";
  const bool bUnicodePiqad = HasUnicodePiqad(data->text());
  if (bUnicodePiqad) kinds << kPasteAsLatin << kPasteAsPiqad;
  bool ok = false;
  const QString kind =
      QInputDialog::getItem(this, "Paste Special", "As:", kinds, 0, false, &ok);
  if (!ok) return;
  if (kind == kPasteAsLatin || kind == kPasteAsPiqad) {
    PasteUnicodePiqad(data->text(), kind == kPasteAsPiqad);
  } else if (kind == "Formatted Text") {
    textCursor().insertHtml(data->html());
    m_pDoc->SetRtf(true);
    emit formatStateChanged();
  } else {
    textCursor().insertText(data->text());
  }
}

QMimeData* CVek99View::createMimeDataFromSelection() const {
  if (QMimeData* data = PiqadMimeData(textCursor())) return data;
  return QTextEdit::createMimeDataFromSelection();
}

void CVek99View::PasteUnicodePiqad(const QString& text, bool bAsPiqad) {
  QTextCursor cursor = textCursor();
  // Characters without a pIqaD glyph take the face of the text around them.
  const QString around = EffectiveFace(cursor.charFormat(), *document());
  const QString latinFace = around == QLatin1String(morphan::kPiqadFace.data(),
                                                    qsizetype(morphan::kPiqadFace.size()))
                                ? QString::fromStdString(morphan::LatinFace(
                                      m_strPreviousFace.toStdString()))
                                : around;
  InsertUnicodePiqad(cursor, text, bAsPiqad, latinFace);
  setTextCursor(cursor);
  if (bAsPiqad) {
    m_pDoc->SetRtf(true);
    emit formatStateChanged();
  }
}

// ---- Language tool hooks ----

QString CVek99View::GetSelectedLatinText() const {
  QString text = textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, '\n');
  text.replace(QChar::LineSeparator, '\n');
  if (IsPiqadSelection()) text = QString::fromStdString(morphan::ToLatin(text.toStdString()));
  return text;
}

void CVek99View::OnTranslateSelection() {
  const QString text = GetSelectedLatinText();
  if (!text.isEmpty()) emit translateTextRequested(text);
}

void CVek99View::focusInEvent(QFocusEvent* event) {
  emit focusGained();
  QTextEdit::focusInEvent(event);
}

void CVek99View::mousePressEvent(QMouseEvent* event) {
  m_bLookupShown = false;
  if (event->button() == Qt::RightButton && LookupRef()) {
    const QString text = GetSelectedLatinText();
    if (!text.isEmpty()) {
      QString shown;
      for (const QString& line : LookupRef()(text)) shown += line + "\n";
      if (!shown.isEmpty()) {
        VekMessageBox(shown, MsgIcon::None, QMessageBox::Ok, this);
        m_bLookupShown = true;
      }
    }
  }
  QTextEdit::mousePressEvent(event);
}

void CVek99View::contextMenuEvent(QContextMenuEvent* event) {
  if (std::exchange(m_bLookupShown, false) && event->reason() == QContextMenuEvent::Mouse) {
    event->accept();
    return;
  }
  QTextEdit::contextMenuEvent(event);
}

// ---- Klingon words ----

void CVek99View::mouseDoubleClickEvent(QMouseEvent* event) {
  QTextEdit::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const QTextCursor at = cursorForPosition(event->position().toPoint());
  const QTextBlock block = at.block();
  int start = 0, end = 0;
  const int inBlock = at.position() - block.position();
  // The character under the pointer: the one after the caret position, or
  // before it at the end of a word.
  WordAround(block.text(), inBlock, start, end);
  if (start == end) WordAround(block.text(), inBlock - 1, start, end);
  if (start == end) return;
  QTextCursor word(document());
  word.setPosition(block.position() + start);
  word.setPosition(block.position() + end, QTextCursor::KeepAnchor);
  setTextCursor(word);
}

void CVek99View::keyPressEvent(QKeyEvent* event) {
  const bool bNext = event->matches(QKeySequence::MoveToNextWord);
  const bool bPrevious = event->matches(QKeySequence::MoveToPreviousWord);
  const bool bSelectNext = event->matches(QKeySequence::SelectNextWord);
  const bool bSelectPrevious = event->matches(QKeySequence::SelectPreviousWord);
  if (!(bNext || bPrevious || bSelectNext || bSelectPrevious)) {
    QTextEdit::keyPressEvent(event);
    return;
  }
  QTextCursor cursor = textCursor();
  MoveByWord(cursor, bNext || bSelectNext, bSelectNext || bSelectPrevious);
  setTextCursor(cursor);
  event->accept();
}
