#pragma once
// The rich-text view of one document: formatting, saving with the
// loss-of-formatting question, pIqaD conversion of the selection, and the
// places where the language tools hook in.
#include <QStringList>
#include <QTextEdit>
#include <functional>

#include "charformat.h"
#include "plaintext.h"

class CVek99Doc;
class QMimeData;

// What the Save As dialog is asked; tests answer it through the hook.
struct CSaveAsRequest {
  QStringList filters;  // the current type first
  QString strFileName;
  QString strDefaultExt;  // empty for an untitled document
  QString strSelectedFilter;  // the answer: the type chosen, empty for the first
  // How plain text is written; the dialog lets the user change it.
  CTextFormat textFormat;
};
// The plain-text type that writes pIqaD as Unicode pIqaD.
inline constexpr char kUnicodePiqadFilter[] = "Text Files, pIqaD as Unicode (*.txt)";
// Returns the chosen path, or empty when cancelled; may set the chosen type
// and change the request's text format. An empty hook restores the dialog.
using SaveAsHook = std::function<QString(CSaveAsRequest&)>;
void SetSaveAsHook(SaveAsHook hook);

// The local files among dropped or pasted data.
QStringList LocalFiles(const QMimeData* source);

class CVek99View : public QTextEdit {
  Q_OBJECT
 public:
  // Takes ownership of `pDoc`.
  explicit CVek99View(CVek99Doc* pDoc, QWidget* parent = nullptr);
  ~CVek99View() override;

  CVek99Doc* GetDocument() const { return m_pDoc; }

  // False when nothing was saved (cancelled, declined or failed).
  bool OnFileSave();
  bool OnFileSaveAs();
  // Asks to save a modified document; false when the user cancels.
  bool SaveModified();

  void OnCharBold();
  void OnCharItalic();
  void OnCharUnderline();
  void OnFormatFont();
  void OnFontLarger();
  void OnFontSmaller();
  void SetSelectionFace(const QString& face);
  void SetSelectionPointSize(int nPoints);
  CSelFormat GetSelectionFormat() const { return SelectionFormat(textCursor()); }
  void OnEditPasteSpecial();

  // pIqaD: the selection's face is the pIqaD font.
  bool IsPiqadSelection() const;
  void ConvertSelectionToPiqad();
  void ConvertSelectionToLatin();
  void OnFormatPiqad();
  // The face the text had before its last conversion to pIqaD.
  QString GetPreviousFace() const { return m_strPreviousFace; }

  // The selected text in Latin letters (converted back when it is pIqaD).
  QString GetSelectedLatinText() const;
  // Shift+F7: hands the selection to the translate window.
  void OnTranslateSelection();
  // The right button's quick lookup: the texts to show for a selection. The
  // translate window installs it; without one the button does only its usual.
  using QuickLookup = std::function<QStringList(const QString&)>;
  static void SetQuickLookup(QuickLookup lookup);

 signals:
  void translateTextRequested(const QString& text);
  // The view got the focus: its spell checker starts afresh.
  void focusGained();
  void documentSaved(const QString& path);
  void filesDropped(const QStringList& paths);
  // The RTF flag, a check mark or the font boxes may have to change.
  void formatStateChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // No edit menu after a right click that showed the quick lookup.
  void contextMenuEvent(QContextMenuEvent* event) override;
  // Words as Klingon has them: the apostrophe belongs to the word.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  // A selection with pIqaD goes out as Unicode pIqaD.
  QMimeData* createMimeDataFromSelection() const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // Merges `format` into the selection, then marks the document rich and modified.
  void ApplyFormat(const QTextCharFormat& format);
  void ToggleEffect(std::optional<bool> CSelFormat::*effect, const QTextCharFormat& on,
                    const QTextCharFormat& off);
  void GrowFont(int nDelta);
  bool SaveAs(const QString& path);
  // Writes the document under `path`; says why when it cannot.
  bool SaveTo(const QString& path);
  // Pasted Unicode pIqaD: as font code when the caret is in pIqaD, else as Latin.
  void PasteUnicodePiqad(const QString& text, bool bAsPiqad);
  // The range a pIqaD conversion works on; false when the user declines.
  bool ConversionRange(int& start, int& end);
  // Rewrites the range in pIqaD or Latin letters and sets its faces, as one undo step.
  void ConvertSelection(bool bToPiqad);
  void FinishConversion(int start, int end, bool bHadSelection, int oldPosition);

  CVek99Doc* m_pDoc;
  QString m_strPreviousFace;
  bool m_bLookupShown = false;  // by the right click being handled
};
