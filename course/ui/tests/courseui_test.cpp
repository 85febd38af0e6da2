// The course windows driven as a student and a teacher would, with every
// nested dialog and message answered by the test.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

#include "course/testmgr.h"
#include "courseui/courseui.h"
#include "courseui/lessonmanagerdlg.h"
#include "courseui/lessonoverviewdlg.h"
#include "courseui/questioneditordlg.h"
#include "courseui/testquestiondlg.h"
#include "datafile/datafilecipher.h"
#include "rtf/rtfreader.h"
#include "testutil.h"

namespace {

using datafile::test::CScratchDir;
using datafile::test::ReadAll;
using datafile::test::WriteAll;

CTestSection Lesson(double number, const std::string& name, std::vector<std::string> answers) {
  CTestSection s;
  s.m_dNumber = number;
  s.m_strName = name;
  s.ResetScore();
  s.m_strText = "{\\rtf1\\ansi Lesson {\\b " + name + "}\\par}";
  for (const std::string& a : answers) {
    CTestQuestion q;
    q.m_strQuestion = "Translate";
    q.m_strSentence = "for " + a;
    q.m_lstAnswers = {a};
    s.m_arrQuestions.push_back(q);
  }
  return s;
}

// Answers messages and runs nested dialogs by the handlers a test sets.
struct CScript {
  std::vector<QString> messages;
  std::function<QMessageBox::StandardButton(const QString&)> onMessage;
  std::function<int(QDialog&)> onDialog;
  CCourseEnv env;
  CScript() {
    env.message = [this](const QString& text, QMessageBox::StandardButtons) {
      messages.push_back(text);
      return onMessage ? onMessage(text) : QMessageBox::Ok;
    };
    env.run = [this](QDialog& dlg) { return onDialog ? onDialog(dlg) : int(QDialog::Rejected); };
  }
};

QStringList Column(QTableWidget* list, int column) {
  QStringList out;
  for (int row = 0; row < list->rowCount(); ++row) out << list->item(row, column)->text();
  return out;
}

TEST(CourseUi, StudentTakesTheNextLessonWithARetry) {
  CScratchDir dir;
  {
    CTestMgr writer(dir.path);
    writer.m_arrSections = {Lesson(10, "ten", {"wa'maH"}), Lesson(2, "two", {"cha'"}),
                            Lesson(1, "one", {"qaH", "jIyaj", "Qapla'", "HIja'"})};
    ASSERT_EQ(writer.SaveLessons(), 1);
  }
  CTestMgr mgr(dir.path);

  CScript script;
  QStringList order, shownQuestions;
  script.onDialog = [&](QDialog& dlg) -> int {
    if (auto* m = qobject_cast<CLessonManagerDlg*>(&dlg)) {
      order = Column(m->List(), 0);
      EXPECT_EQ(m->NextLessonText(), "Next Lesson: 1.00");
      // Clicking a lesson not yet started that is not next goes back to the next one.
      m->SelectRow(2);
      EXPECT_EQ(m->List()->currentRow(), 0);
      m->OnBeginLesson();
      EXPECT_EQ(Column(m->List(), 2).at(0), "completed (75%)");
      EXPECT_EQ(m->NextLessonText(), "Next Lesson: 2.00");
      return QDialog::Accepted;
    }
    if (auto* o = qobject_cast<CLessonOverviewDlg*>(&dlg)) {
      EXPECT_TRUE(o->TextEdit()->isReadOnly());
      EXPECT_EQ(o->TextEdit()->toPlainText(), "Lesson one");
      EXPECT_EQ(o->TestButton()->text(), "Begin &Test");
      o->OnTest();
      return o->result();
    }
    if (auto* t = qobject_cast<CTestQuestionDlg*>(&dlg)) {
      // Wrong, then right; then right, wrong and given up, right.
      script.onMessage = [&](const QString&) { return QMessageBox::Yes; };
      t->AnswerEdit()->setText("qah");
      t->OnSubmit();
      shownQuestions << t->SentenceEdit()->toPlainText();
      t->AnswerEdit()->setText("qaH");
      t->OnSubmit();
      t->AnswerEdit()->setText("jIyaj");
      t->OnSubmit();
      script.onMessage = [&](const QString&) { return QMessageBox::No; };
      t->AnswerEdit()->setText("");
      t->OnSubmit();
      shownQuestions << t->SentenceEdit()->toPlainText();
      t->AnswerEdit()->setText("HIja'");
      t->OnSubmit();
      return t->result();
    }
    ADD_FAILURE() << "unexpected dialog";
    return QDialog::Rejected;
  };
  EXPECT_TRUE(courseui::Student(mgr, nullptr, script.env));
  EXPECT_EQ(order, (QStringList{"1.00", "2.00", "10.00"}));
  EXPECT_EQ(shownQuestions, (QStringList{"for qaH", "for HIja'"}));
  EXPECT_EQ(script.messages, (std::vector<QString>{"Incorrect.  Try again?", "Incorrect.  Try again?"}));

  CTestMgr saved(dir.path);
  ASSERT_EQ(saved.Init(), 1);
  CTestSection one;
  ASSERT_EQ(saved.GetTestSection("1.00", one), 1);
  EXPECT_EQ(one.m_strStatus, "completed (75%)");
  EXPECT_EQ(one.m_nCorrect, 3);
  EXPECT_EQ(one.m_bCompleted, 1);
}

TEST(CourseUi, ScoresAndStatusesOfATest) {
  struct Case { QStringList answers; bool stop; const char* status; };
  for (const Case& c : {Case{{"a", "x", "c", "d"}, false, "completed (75%)"},
                        Case{{"a", "b", "c", "d"}, false, "completed (100%)"},
                        Case{{"a"}, true, "in progress (25%)"},
                        Case{{}, true, "in progress (0%)"}}) {
    CTestSection lesson = Lesson(1, "x", {"a", "b", "c", "d"});
    CScript script;
    script.onMessage = [](const QString&) { return QMessageBox::No; };
    CTestQuestionDlg test(lesson, script.env);
    for (const QString& a : c.answers) {
      test.AnswerEdit()->setText(a);
      test.OnSubmit();
    }
    EXPECT_EQ(test.result() == QDialog::Accepted, !c.stop);
    lesson.SetStudentStatus();
    EXPECT_EQ(lesson.m_strStatus, c.status) << c.answers.join(",").toStdString();
  }
}

TEST(CourseUi, EnterSubmitsAnAnswerOnce) {
  CTestSection lesson = Lesson(1, "x", {"a", "b"});
  CScript script;
  script.onMessage = [](const QString&) { return QMessageBox::Yes; };
  CTestQuestionDlg test(lesson, script.env);
  test.show();
  QTest::keyClicks(test.AnswerEdit(), "wrong");
  QTest::keyClick(test.AnswerEdit(), Qt::Key_Return);
  EXPECT_EQ(script.messages.size(), 1u);
  EXPECT_EQ(test.SentenceEdit()->toPlainText(), "for a");
  QTest::keyClicks(test.AnswerEdit(), "a");
  QTest::keyClick(test.AnswerEdit(), Qt::Key_Return);
  EXPECT_EQ(script.messages.size(), 1u);
  EXPECT_EQ(test.SentenceEdit()->toPlainText(), "for b");
  EXPECT_EQ(lesson.m_nCorrect, 1);
}

TEST(CourseUi, ALessonWithoutQuestionsIsCompletedBySubmitting) {
  CTestSection lesson = Lesson(3, "reading", {});
  CScript script;
  CTestQuestionDlg test(lesson, script.env);
  test.OnSubmit();
  EXPECT_EQ(test.result(), QDialog::Accepted);
  EXPECT_EQ(lesson.m_bCompleted, 1);
  EXPECT_TRUE(script.messages.empty());
  lesson.SetStudentStatus();
  EXPECT_EQ(lesson.m_strStatus, "completed");
}

TEST(CourseUi, TeacherLessonNumbersAreUnique) {
  CTestMgr mgr;
  mgr.m_arrSections = {Lesson(1.5, "one and a half", {"a"}), Lesson(1.004, "stored finely", {"b"})};
  CScript script;
  // A new lesson whose number shows as one already there is refused.
  for (const char* typed : {"1.5", "1.500", "1", "1.50 "}) {
    CLessonOverviewDlg dlg(CTestSection(), false, false, mgr, script.env);
    dlg.NumberEdit()->setText(typed);
    dlg.NameEdit()->setText("new");
    dlg.OnDone();
    EXPECT_NE(dlg.result(), QDialog::Accepted) << typed;
  }
  EXPECT_EQ(script.messages.at(0), "Section 1.5 is already is use.  Please choose another.");
  EXPECT_EQ(script.messages.at(1), "Section 1.500 is already is use.  Please choose another.");
  CLessonOverviewDlg bad(CTestSection(), false, false, mgr, script.env);
  bad.NumberEdit()->setText("one");
  bad.OnDone();
  EXPECT_NE(bad.result(), QDialog::Accepted);

  CLessonOverviewDlg fresh(CTestSection(), false, false, mgr, script.env);
  fresh.NumberEdit()->setText("2.25");
  fresh.NameEdit()->setText("new");
  fresh.TextEdit()->setPlainText("Some text");
  fresh.OnDone();
  ASSERT_EQ(fresh.result(), QDialog::Accepted);
  EXPECT_EQ(fresh.Section().m_dNumber, 2.25);
  EXPECT_EQ(fresh.Section().m_strStatus, "not started");

  // Editing keeps the stored number, so the course still finds the lesson.
  CTestSection existing = mgr.m_arrSections[1];
  existing.m_strStatus = "completed (80%)";
  CLessonOverviewDlg edit(existing, false, true, mgr, script.env);
  EXPECT_TRUE(edit.NumberEdit()->isReadOnly());
  edit.NameEdit()->setText("renamed");
  edit.OnDone();
  ASSERT_EQ(edit.result(), QDialog::Accepted);
  EXPECT_EQ(edit.Section().m_dNumber, 1.004);
  EXPECT_EQ(edit.Section().m_strStatus, "not started");
  EXPECT_EQ(mgr.Edit(edit.Section()), 1);
  EXPECT_EQ(mgr.m_arrSections[1].m_strName, "renamed");
}

TEST(CourseUi, TeacherCreatesEditsAndDeletesLessons) {
  CScratchDir dir;
  CTestMgr mgr(dir.path);  // no file yet: an empty course
  CScript script;
  script.onMessage = [](const QString&) { return QMessageBox::Yes; };
  script.onDialog = [&](QDialog& dlg) -> int {
    if (auto* m = qobject_cast<CLessonManagerDlg*>(&dlg)) {
      m->OnNew();
      m->OnNew();
      EXPECT_EQ(Column(m->List(), 0), (QStringList{"2.00", "10.00"}));
      m->SelectRow(m->RowOf("2.00"));
      m->OnDelete();
      EXPECT_EQ(Column(m->List(), 1), (QStringList{"Lesson 10"}));
      return QDialog::Accepted;
    }
    if (auto* o = qobject_cast<CLessonOverviewDlg*>(&dlg)) {
      static int n = 0;
      o->NumberEdit()->setText(n++ == 0 ? "10" : "2");
      o->NameEdit()->setText("Lesson " + o->NumberEdit()->text());
      o->OnTest();  // into the question editor
      o->OnDone();
      return o->result();
    }
    if (auto* e = qobject_cast<CQuestionEditorDlg*>(&dlg)) {
      e->OnNew();
      EXPECT_EQ(e->List()->item(0, 2)->text(), "2");
      e->OnDone();
      return e->result();
    }
    if (auto* t = qobject_cast<CTestQuestionDlg*>(&dlg)) {
      EXPECT_TRUE(t->IsEditMode());
      EXPECT_FALSE(t->AnswerEdit()->isVisibleTo(t));
      t->QuestionEdit()->setPlainText("Translate");
      t->SentenceEdit()->setPlainText("I understand.");
      t->OnAddAnswer();
      t->OnAddAnswer();
      t->OnSubmit();
      return t->result();
    }
    if (auto* a = qobject_cast<CSetAnswerDlg*>(&dlg)) {
      static int n = 0;
      a->Edit()->setText(n++ % 2 == 0 ? "jIyaj" : "HIja' jIyaj");
      return QDialog::Accepted;
    }
    if (auto* v = qobject_cast<CVersionDlg*>(&dlg)) {
      v->Edit()->setText("2.1 test");
      return QDialog::Accepted;
    }
    ADD_FAILURE() << "unexpected dialog " << dlg.metaObject()->className();
    return QDialog::Rejected;
  };
  EXPECT_TRUE(courseui::Teacher(mgr, nullptr, script.env));
  EXPECT_EQ(script.messages, (std::vector<QString>{"Are you sure you want to delete Lesson 2.00, Lesson 2?"}));

  CTestMgr saved(dir.path);
  ASSERT_EQ(saved.Init(), 1);
  EXPECT_EQ(saved.GetVersion(), "2.1 test");
  ASSERT_EQ(saved.m_arrSections.size(), 1u);
  const CTestSection& s = saved.m_arrSections[0];
  EXPECT_EQ(s.m_strName, "Lesson 10");
  ASSERT_EQ(s.m_arrQuestions.size(), 1u);
  // Answers are kept in alphabetical order.
  EXPECT_EQ(s.m_arrQuestions[0].m_lstAnswers, (CStringList{"HIja' jIyaj", "jIyaj"}));
  EXPECT_EQ(s.m_strText.rfind("{\\rtf1", 0), 0u);
}

TEST(CourseUi, QuestionEditorEditsDeletesAndCancels) {
  CTestSection lesson = Lesson(1, "x", {"a", "b"});
  CScript script;
  script.onMessage = [](const QString&) { return QMessageBox::Yes; };
  script.onDialog = [&](QDialog& dlg) -> int {
    auto* t = qobject_cast<CTestQuestionDlg*>(&dlg);
    if (!t) return QDialog::Rejected;
    t->AnswerList()->setCurrentRow(0);
    t->OnDeleteAnswer();
    t->SentenceEdit()->setPlainText("changed");
    t->OnSubmit();
    return t->result();
  };
  {
    CQuestionEditorDlg editor(lesson, script.env);
    editor.List()->selectRow(1);
    editor.OnEdit();
    EXPECT_EQ(editor.List()->item(1, 1)->text(), "changed");
    EXPECT_EQ(editor.List()->item(1, 2)->text(), "0");
    editor.List()->selectRow(0);
    editor.OnDelete();
    editor.OnDone();
    ASSERT_EQ(editor.Section().m_arrQuestions.size(), 1u);
    EXPECT_EQ(editor.Section().m_arrQuestions[0].m_strSentence, "changed");
    EXPECT_EQ(script.messages.back(), "Really delete this question?\n\nQuestion:\t\tTranslate\nSentence:\tfor a");
  }
  CQuestionEditorDlg closed(lesson, script.env);
  closed.List()->selectRow(0);
  closed.OnDelete();
  closed.reject();  // the close box
  EXPECT_EQ(closed.Section().m_arrQuestions.size(), 2u);
}

TEST(CourseUi, DamagedLessonsFileIsReportedAndLeftAlone) {
  const std::string good = [] {
    CTestMgr mgr;
    mgr.m_arrSections = {Lesson(1, "one", {"a"})};
    return mgr.ToBytes();
  }();
  CDataFileCipher cipher;
  std::string truncated, version2, error;
  ASSERT_TRUE(cipher.EncryptBytes(good.substr(0, good.size() - 2), CDataFileCipher::kDefaultPassphrase,
                                  truncated, error));
  std::string v2 = good;
  v2[9] = 2;  // the lesson's version word
  ASSERT_TRUE(cipher.EncryptBytes(v2, CDataFileCipher::kDefaultPassphrase, version2, error));
  for (const std::string& file : {truncated, version2, std::string("not a lessons file")}) {
    CScratchDir dir;
    WriteAll(dir.File("lessons.klx"), file);
    CTestMgr mgr(dir.path);
    CScript script;
    bool ran = false;
    script.onDialog = [&](QDialog&) {
      ran = true;
      return int(QDialog::Accepted);
    };
    EXPECT_FALSE(courseui::Teacher(mgr, nullptr, script.env));
    EXPECT_FALSE(ran);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_TRUE(script.messages[0].startsWith("Unable to initialize Course system.\n\n"))
        << script.messages[0].toStdString();
    EXPECT_EQ(ReadAll(dir.File("lessons.klx")), file);
    EXPECT_EQ(dir.Listing(), "lessons.klx");
  }
}

TEST(CourseUi, ShippedLessonTextsReadAsRtf) {
  CTestMgr mgr(VEK_DATA_DIR);
  ASSERT_EQ(mgr.Init(), 1) << mgr.LastError();
  ASSERT_FALSE(mgr.m_arrSections.empty());
  for (const CTestSection& s : mgr.m_arrSections) {
    QTextDocument doc;
    const rtf::ReadResult r = rtf::ReadRtf(QByteArray::fromStdString(s.m_strText), doc);
    EXPECT_TRUE(r.bRtf && !r.bDamaged) << s.m_strName;
    EXPECT_GT(doc.toPlainText().size(), 200) << s.m_strName;
    EXPECT_FALSE(doc.toPlainText().contains('\\')) << s.m_strName;
  }
}

}  // namespace
