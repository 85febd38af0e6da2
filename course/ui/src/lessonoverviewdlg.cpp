#include "courseui/lessonoverviewdlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "course/testmgr.h"
#include "courseui/questioneditordlg.h"
#include "courseui/testquestiondlg.h"
#include "reportlist.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "wordbank/textcodec.h"

using courseui::Q;
using courseui::S;

namespace {

// The course keeps RTF as text; RTF's own 8-bit characters are Windows-1252.
void LoadRtfText(const std::string& text, QTextDocument& doc) {
  const std::string bytes = wordbank::Utf8ToCp1252(text);
  rtf::ReadRtf(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), doc);
}

std::string SaveRtfText(const QTextDocument& doc) {
  const QByteArray bytes = rtf::WriteRtf(doc);
  return wordbank::Cp1252ToUtf8(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace

CLessonOverviewDlg::CLessonOverviewDlg(const CTestSection& section, bool bStudent, bool bExisting,
                                       const CTestMgr& mgr, const CCourseEnv& env, QWidget* parent)
    : QDialog(parent), m_section(section), m_bStudent(bStudent), m_bExisting(bExisting),
      m_mgr(mgr), m_env(env) {
  setObjectName("lessonOverview");
  setWindowTitle("Lesson Overview");
  m_pNumber = new QLineEdit(Q(section.NumberText()), this);
  m_pNumber->setObjectName("number");
  m_pName = new QLineEdit(Q(section.m_strName), this);
  m_pName->setObjectName("name");
  m_pText = new QTextEdit(this);
  m_pText->setObjectName("lessonText");
  QFont font("Courier New");
  font.setBold(false);
  m_pText->document()->setDefaultFont(font);
  LoadRtfText(section.m_strText, *m_pText->document());
  m_pText->moveCursor(QTextCursor::Start);
  m_pText->installEventFilter(this);

  m_pTest = new QPushButton(bStudent ? "Begin &Test" : "Edit &Test", this);
  m_pTest->setObjectName("test");
  auto* done = new QPushButton("Done", this);
  done->setObjectName("done");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cancel");
  cancel->setVisible(!bStudent);
  for (QPushButton* b : {m_pTest, done, cancel}) b->setAutoDefault(false);

  auto* fields = new QFormLayout;
  fields->addRow("Section:", m_pNumber);
  fields->addRow("Lesson:", m_pName);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {m_pTest, done, cancel}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(m_pText, 1);
  layout->addLayout(buttons);
  resize(640, 480);

  if (bStudent) {
    m_pNumber->setReadOnly(true);
    m_pName->setReadOnly(true);
    m_pText->setReadOnly(true);
    m_section.m_strStatus = course::kStatusInProgress;
    m_pTest->setEnabled(!section.m_arrQuestions.empty());
  } else {
    // An existing lesson keeps its number: it is how the course finds it.
    m_pNumber->setReadOnly(bExisting);
  }
  connect(m_pTest, &QPushButton::clicked, this, &CLessonOverviewDlg::OnTest);
  connect(done, &QPushButton::clicked, this, &CLessonOverviewDlg::OnDone);
  connect(cancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
}

bool CLessonOverviewDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_pText && event->type() == QEvent::KeyPress && !m_pText->isReadOnly()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::ControlModifier &&
        (key->key() == Qt::Key_B || key->key() == Qt::Key_U)) {
      QTextCharFormat format;
      const QTextCharFormat now = m_pText->currentCharFormat();
      if (key->key() == Qt::Key_B)
        format.setFontWeight(now.fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
      else
        format.setFontUnderline(!now.fontUnderline());
      m_pText->mergeCurrentCharFormat(format);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CLessonOverviewDlg::OnTest() {
  if (m_bStudent) {
    hide();
    CTestQuestionDlg test(m_section, m_env, parentWidget());
    m_env.Run(test);
    OnDone();
    return;
  }
  CQuestionEditorDlg editor(m_section, m_env, this);
  if (m_env.Run(editor) == QDialog::Accepted) m_section.m_arrQuestions = editor.Section().m_arrQuestions;
}

void CLessonOverviewDlg::OnDone() {
  if (m_bStudent) {
    m_section.SetStudentStatus();
    accept();
    return;
  }
  if (!m_bExisting) {
    double number = 0;
    if (!course::ParseNumber(S(m_pNumber->text()), number)) {
      m_env.Message("Please enter the lesson's number, for example 3 or 3.5.");
      m_pNumber->setFocus();
      return;
    }
    // Lessons are told apart by their number as shown.
    if (m_mgr.FindSection(course::FormatNumber(number)) >= 0) {
      m_env.Message(QString("Section %1 is already is use.  Please choose another.").arg(m_pNumber->text()));
      m_pNumber->setFocus();
      return;
    }
    m_section.m_dNumber = number;
  }
  m_section.m_strName = S(m_pName->text());
  m_section.ResetScore();
  m_section.m_strText = SaveRtfText(*m_pText->document());
  accept();
}
