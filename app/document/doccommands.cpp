#include "doccommands.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "childframe.h"
#include "doctemplate.h"
#include "mainframe.h"
#include "messagebox.h"
#include "printing.h"
#include "vekapp.h"
#include "vekdoc.h"
#include "vekview.h"

namespace {

// Commands that need an active document window.
const char* const kViewCommands[] = {
    "ID_FILE_CLOSE",       "ID_FILE_SAVE",        "ID_FILE_SAVE_AS",   "ID_FILE_PRINT",
    "ID_FILE_PRINT_PREVIEW", "ID_EDIT_SELECT_ALL", "ID_EDIT_FIND",      "ID_EDIT_REPEAT",
    "ID_EDIT_REPLACE",     "ID_CHAR_BOLD",        "ID_CHAR_ITALIC",    "ID_CHAR_UNDERLINE",
    "ID_FORMAT_FONT",      "ID_FORMAT_PIQAD",     "ID_FONT_LARGER",    "ID_FONT_SMALLER",
    "ID_FILE_ANALYZE",     "ID_LANGUAGE_SPELLCHECK", "ID_TRANSLATE_SELECTION",
};

constexpr char kRecentSection[] = "Recent File List";

QString RecentFileText(int n, const QString& path) {
  QString shown = QDir::toNativeSeparators(path);
  const QString home = QDir::homePath();
  if (shown.startsWith(home + '/')) shown = "~" + shown.mid(home.size());
  if (shown.size() > 60) shown = "..." + shown.right(57);
  return QString("&%1 %2").arg(n).arg(shown.replace('&', "&&"));
}

}  // namespace

CDocCommands::CDocCommands(CMainFrame& frame, CVek99App& app)
    : QObject(&frame), m_frame(frame), m_app(app) {
  m_frame.installEventFilter(this);
  ConnectCommands();
  LoadRecentFiles();
  connect(m_frame.MdiArea(), &QMdiArea::subWindowActivated, this, &CDocCommands::UpdateCommands);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
          &CDocCommands::UpdateCommands);
  UpdateCommands();
}

CDocCommands::~CDocCommands() = default;

CVek99View* CDocCommands::ActiveView() const {
  QMdiSubWindow* window = m_frame.MdiArea()->activeSubWindow();
  if (!window) window = m_frame.MdiArea()->currentSubWindow();
  return window ? qobject_cast<CVek99View*>(window->widget()) : nullptr;
}

QMdiSubWindow* CDocCommands::AddView(CVek99View* view) {
  auto* frame = new CChildFrame(view->GetDocument()->GetTitle(), view);
  connect(view->GetDocument(), &CVek99Doc::titleChanged, frame, &CChildFrame::SetTitle);
  frame->setWindowModified(view->GetDocument()->IsModified());
  connect(view->document(), &QTextDocument::modificationChanged, frame,
          &QWidget::setWindowModified);
  for (auto signal : {&QTextEdit::selectionChanged, &QTextEdit::cursorPositionChanged})
    connect(view, signal, this, &CDocCommands::UpdateCommands);
  connect(view, &QTextEdit::undoAvailable, this, &CDocCommands::UpdateCommands);
  connect(view, &CVek99View::formatStateChanged, this, &CDocCommands::UpdateCommands);
  connect(view, &CVek99View::documentSaved, this, &CDocCommands::AddToRecentFileList);
  connect(view, &CVek99View::filesDropped, this, [this](const QStringList& files) {
    for (const QString& file : files) OpenDocumentFile(file);
  });
  m_frame.MdiArea()->addSubWindow(frame);
  frame->showMaximized();
  m_frame.MdiArea()->setActiveSubWindow(frame);
  view->setFocus();
  emit viewCreated(view);
  UpdateCommands();
  return frame;
}

QMdiSubWindow* CDocCommands::OpenNewDocument(const QString& title) {
  auto* doc = new CVek99Doc;
  doc->OnNewDocument(title);
  return AddView(new CVek99View(doc));
}

CVek99View* CDocCommands::OpenDocumentFile(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  for (QMdiSubWindow* window : m_frame.MdiArea()->subWindowList()) {
    auto* view = qobject_cast<CVek99View*>(window->widget());
    if (view && view->GetDocument()->GetPathName() == absolute) {
      m_frame.MdiArea()->setActiveSubWindow(window);
      return view;
    }
  }
  auto* doc = new CVek99Doc;
  QString error;
  if (!doc->OnOpenDocument(absolute, &error)) {
    delete doc;
    VekMessageBox(QString("Failed to open document.\n%1\n%2").arg(absolute, error),
                  MsgIcon::Stop);
    RemoveFromRecentFileList(absolute);
    return nullptr;
  }
  auto* view = new CVek99View(doc);
  AddView(view);
  AddToRecentFileList(absolute);
  return view;
}

bool CDocCommands::SaveAllModified() {
  QList<CVek99View*> discarded;
  for (QMdiSubWindow* window : m_frame.MdiArea()->subWindowList()) {
    auto* view = qobject_cast<CVek99View*>(window->widget());
    if (!view || !view->GetDocument()->IsModified()) continue;
    m_frame.MdiArea()->setActiveSubWindow(window);
    if (!view->SaveModified()) return false;
    if (view->GetDocument()->IsModified()) discarded << view;  // answered No
  }
  for (CVek99View* view : discarded) view->GetDocument()->SetModifiedFlag(false);
  return true;
}

QStringList CDocCommands::OpenFilters() const {
  // Both kinds of document show at first; each type's own filter follows.
  QStringList filters{"Documents (*.rtf *.txt)"};
  for (const auto& docTemplate : m_app.GetDocTemplates())
    filters << docTemplate->GetDocString(CDocTemplate::filterName);
  filters << "All Files (*)";
  return filters;
}

void CDocCommands::OnFileOpen() {
  const QStringList files =
      QFileDialog::getOpenFileNames(&m_frame, "Open", QString(), OpenFilters().join(";;"));
  for (const QString& file : files) OpenDocumentFile(file);
}

void CDocCommands::ConnectCommands() {
  auto on = [this](const char* id, auto slot) {
    connect(m_frame.Action(id), &QAction::triggered, this, slot);
  };
  auto onView = [this](const char* id, auto method) {
    connect(m_frame.Action(id), &QAction::triggered, this, [this, method] {
      if (CVek99View* view = ActiveView()) (view->*method)();
    });
  };
  on("ID_FILE_OPEN", &CDocCommands::OnFileOpen);
  onView("ID_FILE_SAVE", &CVek99View::OnFileSave);
  onView("ID_FILE_SAVE_AS", &CVek99View::OnFileSaveAs);
  on("ID_FILE_PRINT", &CDocCommands::OnFilePrint);
  on("ID_FILE_PRINT_PREVIEW", &CDocCommands::OnFilePrintPreview);
  on("ID_FILE_PRINT_SETUP", &CDocCommands::OnFilePrintSetup);
  onView("ID_EDIT_UNDO", &QTextEdit::undo);
  onView("ID_EDIT_CUT", &QTextEdit::cut);
  onView("ID_EDIT_COPY", &QTextEdit::copy);
  onView("ID_EDIT_PASTE", &QTextEdit::paste);
  onView("ID_EDIT_PASTE_SPECIAL", &CVek99View::OnEditPasteSpecial);
  onView("ID_EDIT_SELECT_ALL", &QTextEdit::selectAll);
  on("ID_EDIT_FIND", &CDocCommands::OnEditFind);
  on("ID_EDIT_REPEAT", &CDocCommands::OnEditRepeat);
  on("ID_EDIT_REPLACE", &CDocCommands::OnEditReplace);
  onView("ID_CHAR_BOLD", &CVek99View::OnCharBold);
  onView("ID_CHAR_ITALIC", &CVek99View::OnCharItalic);
  onView("ID_CHAR_UNDERLINE", &CVek99View::OnCharUnderline);
  onView("ID_FORMAT_FONT", &CVek99View::OnFormatFont);
  onView("ID_FORMAT_PIQAD", &CVek99View::OnFormatPiqad);
  onView("ID_FONT_LARGER", &CVek99View::OnFontLarger);
  onView("ID_FONT_SMALLER", &CVek99View::OnFontSmaller);
  for (const char* id : {"ID_CHAR_BOLD", "ID_CHAR_ITALIC", "ID_CHAR_UNDERLINE", "ID_FORMAT_PIQAD"})
    m_frame.Action(id)->setCheckable(true);
  for (const char* id : {"ID_FILE_OPEN", "ID_FILE_PRINT_SETUP"}) m_frame.Action(id)->setEnabled(true);

  QComboBox* nameBox = m_frame.FontNameBox();
  QComboBox* sizeBox = m_frame.FontSizeBox();
  connect(nameBox, &QComboBox::activated, this, [this, nameBox](int index) {
    if (CVek99View* view = ActiveView()) {
      view->SetSelectionFace(nameBox->itemText(index));
      view->setFocus();
    }
  });
  connect(sizeBox, &QComboBox::activated, this, [this, sizeBox](int index) {
    if (CVek99View* view = ActiveView()) {
      view->SetSelectionPointSize(sizeBox->itemText(index).toInt());
      view->setFocus();
    }
  });
}

void CDocCommands::UpdateCommands() {
  CVek99View* view = ActiveView();
  for (const char* id : kViewCommands) m_frame.Action(id)->setEnabled(view != nullptr);
  const bool bSelection = view && view->textCursor().hasSelection();
  m_frame.Action("ID_EDIT_UNDO")->setEnabled(view && view->document()->isUndoAvailable());
  m_frame.Action("ID_EDIT_CUT")->setEnabled(bSelection);
  m_frame.Action("ID_EDIT_COPY")->setEnabled(bSelection);
  const QMimeData* clip = QApplication::clipboard()->mimeData();
  const bool bCanPaste = view && clip && clip->hasText();
  m_frame.Action("ID_EDIT_PASTE")->setEnabled(bCanPaste);
  m_frame.Action("ID_EDIT_PASTE_SPECIAL")->setEnabled(bCanPaste);
  if (view) {
    const CSelFormat format = view->GetSelectionFormat();
    m_frame.Action("ID_CHAR_BOLD")->setChecked(format.bold.value_or(false));
    m_frame.Action("ID_CHAR_ITALIC")->setChecked(format.italic.value_or(false));
    m_frame.Action("ID_CHAR_UNDERLINE")->setChecked(format.underline.value_or(false));
    m_frame.Action("ID_FORMAT_PIQAD")->setChecked(view->IsPiqadSelection());
  } else {
    for (const char* id : {"ID_CHAR_BOLD", "ID_CHAR_ITALIC", "ID_CHAR_UNDERLINE", "ID_FORMAT_PIQAD"})
      m_frame.Action(id)->setChecked(false);
  }
  UpdateFontBoxes();
}

void CDocCommands::UpdateFontBoxes() {
  CVek99View* view = ActiveView();
  QComboBox* nameBox = m_frame.FontNameBox();
  QComboBox* sizeBox = m_frame.FontSizeBox();
  // While a box is dropped down the user is choosing: leave it alone.
  if (!view || nameBox->view()->isVisible() || sizeBox->view()->isVisible()) return;
  const CSelFormat format = view->GetSelectionFormat();
  const QSignalBlocker blockName(nameBox);
  const QSignalBlocker blockSize(sizeBox);
  if (format.face) {
    // A face that is not installed is drawn in another: show that one.
    const QString drawn = QFontInfo(QFont(*format.face)).family();
    int index = nameBox->findText(drawn);
    if (index < 0) {
      nameBox->addItem(drawn);
      index = nameBox->count() - 1;
    }
    nameBox->setCurrentIndex(index);
    nameBox->setToolTip(drawn.compare(*format.face, Qt::CaseInsensitive) == 0
                            ? QString("Font")
                            : QString("Font: %1 is not installed; shown in %2")
                                  .arg(*format.face, drawn));
  } else {
    nameBox->setEditText(QString());
  }
  if (format.pointSize) {
    const QString size = QString::asprintf("%i", int(*format.pointSize * 20) / 20);
    int index = sizeBox->findText(size);
    if (index < 0) {
      sizeBox->addItem(size);
      index = sizeBox->count() - 1;
    }
    sizeBox->setCurrentIndex(index);
  } else {
    sizeBox->setCurrentIndex(-1);
  }
}

// ---- Recent files ----

void CDocCommands::LoadRecentFiles() {
  const auto profile = m_app.GetProfile();
  profile->beginGroup(kRecentSection);
  for (int i = 1; i <= kMaxRecentFiles; ++i) {
    const QString path = profile->value(QString("File%1").arg(i)).toString();
    if (!path.isEmpty() && !m_recentFiles.contains(path)) m_recentFiles << path;
  }
  profile->endGroup();

  QAction* first = m_frame.Action("ID_FILE_MRU_FILE1");
  QMenu* fileMenu = nullptr;
  for (QMenu* menu : m_frame.findChildren<QMenu*>())
    if (menu->actions().contains(first)) fileMenu = menu;
  m_recentActions << first;
  QAction* before = fileMenu ? fileMenu->actions().value(fileMenu->actions().indexOf(first) + 1)
                             : nullptr;
  for (int i = 2; i <= kMaxRecentFiles; ++i) {
    auto* action = new QAction(&m_frame);
    action->setObjectName(QString("ID_FILE_MRU_FILE%1").arg(i));
    action->setStatusTip(first->statusTip());
    if (fileMenu) fileMenu->insertAction(before, action);
    m_recentActions << action;
  }
  for (int i = 0; i < kMaxRecentFiles; ++i)
    connect(m_recentActions[i], &QAction::triggered, this, [this, i] {
      if (i < m_recentFiles.size()) OpenDocumentFile(m_recentFiles[i]);
    });
  UpdateRecentMenu();
}

void CDocCommands::StoreRecentFiles() const {
  const auto profile = m_app.GetProfile();
  profile->beginGroup(kRecentSection);
  for (int i = 0; i < kMaxRecentFiles; ++i) {
    const QString key = QString("File%1").arg(i + 1);
    if (i < m_recentFiles.size())
      profile->setValue(key, m_recentFiles[i]);
    else
      profile->remove(key);
  }
  profile->endGroup();
}

void CDocCommands::UpdateRecentMenu() {
  for (int i = 0; i < kMaxRecentFiles; ++i) {
    QAction* action = m_recentActions[i];
    if (i < m_recentFiles.size()) {
      action->setText(RecentFileText(i + 1, m_recentFiles[i]));
      action->setVisible(true);
      action->setEnabled(true);
    } else {
      // An empty list still shows its place, greyed.
      action->setText("Recent File");
      action->setVisible(i == 0);
      action->setEnabled(false);
    }
  }
}

void CDocCommands::AddToRecentFileList(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  m_recentFiles.removeAll(absolute);
  m_recentFiles.prepend(absolute);
  while (m_recentFiles.size() > kMaxRecentFiles) m_recentFiles.removeLast();
  StoreRecentFiles();
  UpdateRecentMenu();
}

void CDocCommands::RemoveFromRecentFileList(const QString& path) {
  if (m_recentFiles.removeAll(path) == 0) return;
  StoreRecentFiles();
  UpdateRecentMenu();
}

// ---- Find and replace ----

void CDocCommands::ShowFindDialog(bool bReplace) {
  QPointer<CFindReplaceDlg>& dialog = bReplace ? m_pReplaceDlg : m_pFindDlg;
  if (!dialog) {
    dialog = new CFindReplaceDlg(bReplace, [this]() -> QTextEdit* { return ActiveView(); },
                                 &m_frame);
    connect(dialog, &CFindReplaceDlg::optionsChanged, this,
            [this](const CFindOptions& options) { m_findOptions = options; });
  }
  CFindOptions options = m_findOptions;
  // A short selection on one line is what the user wants to find.
  if (CVek99View* view = ActiveView()) {
    const QString selected = view->textCursor().selectedText();
    if (!selected.isEmpty() && selected.size() < 128 && !selected.contains(QChar::ParagraphSeparator))
      options.strFind = selected;
  }
  dialog->SetOptions(options);
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void CDocCommands::OnEditFind() { ShowFindDialog(false); }
void CDocCommands::OnEditReplace() { ShowFindDialog(true); }

void CDocCommands::OnEditRepeat() {
  CVek99View* view = ActiveView();
  if (!view) return;
  if (m_findOptions.strFind.isEmpty()) {
    ShowFindDialog(false);
    return;
  }
  if (!FindNextIn(*view, m_findOptions))
    VekMessageBox(NotFoundText(m_findOptions.strFind), MsgIcon::Information);
}

// ---- Printing ----

QPrinter& CDocCommands::Printer() {
  if (!m_pPrinter) {
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    SetDocumentMargins(*m_pPrinter);
  }
  return *m_pPrinter;
}

void CDocCommands::OnFilePrint() {
  CVek99View* view = ActiveView();
  if (!view) return;
  QPrintDialog dialog(&Printer(), &m_frame);
  if (view->textCursor().hasSelection()) dialog.setOption(QAbstractPrintDialog::PrintSelection);
  if (dialog.exec() != QDialog::Accepted) return;
  if (Printer().printRange() == QPrinter::Selection) {
    QTextDocument selection;
    QTextCursor(&selection).insertFragment(view->textCursor().selection());
    selection.setDefaultFont(view->document()->defaultFont());
    PrintDocument(selection, Printer());
  } else {
    PrintDocument(*view->document(), Printer());
  }
}

void CDocCommands::OnFilePrintPreview() {
  CVek99View* view = ActiveView();
  if (!view) return;
  QPrintPreviewDialog dialog(&Printer(), &m_frame);
  dialog.setWindowTitle("Print Preview");
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [view](QPrinter* printer) { PrintDocument(*view->document(), *printer); });
  dialog.exec();
}

void CDocCommands::OnFilePrintSetup() {
  QPageSetupDialog dialog(&Printer(), &m_frame);
  dialog.exec();
}

// ---- Files dropped on the main window ----

bool CDocCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &m_frame) {
    if (event->type() == QEvent::DragEnter) {
      auto* drag = static_cast<QDragEnterEvent*>(event);
      if (!LocalFiles(drag->mimeData()).isEmpty()) {
        drag->acceptProposedAction();
        return true;
      }
    } else if (event->type() == QEvent::Drop) {
      auto* drop = static_cast<QDropEvent*>(event);
      const QStringList files = LocalFiles(drop->mimeData());
      if (!files.isEmpty()) {
        drop->acceptProposedAction();
        m_frame.BringToFront();
        for (const QString& file : files) OpenDocumentFile(file);
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}
