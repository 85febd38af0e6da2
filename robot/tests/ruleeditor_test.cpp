#include "robot/ruleeditordlg.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "botcore/botcore.h"
#include "modalanswer.h"
#include "robot/chatterbotdlg.h"

namespace {

const char* const kFinished = "Rule Editor: Finished importing rules.";

std::string Fixture(const char* name) { return std::string(ROBOT_FIXTURES "/") + name; }

CRuleDB Load(const std::string& path) {
  CRuleDB db;
  EXPECT_EQ(db.ImportFromTextFile(path), 1) << path << ": " << db.GetLastError();
  return db;
}

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString ResponseOf(const CRuleDB& db, const char* name) {
  CRule rule;
  return db.GetRule(name, rule) ? QString::fromStdString(rule.m_strResponse) : "(missing)";
}

// Same rules, in any order: the editor appends what it imports.
bool SameRules(const CRuleDB& a, const CRuleDB& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (const CRule& rule : a) {
    CRule other;
    if (!b.GetRule(rule.m_strName, other) || !rule.IsSameAs(other)) return false;
  }
  return true;
}

template <typename T>
T* Child(QWidget& w, const char* name) {
  T* child = w.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

}  // namespace

// The overwrite question, answer by answer: which rules end up imported and
// what the editor says afterwards.
TEST(RuleEditor, ImportAsksBeforeOverwriting) {
  struct Case {
    QStringList answers;  // to the questions for <greet>, then <other>
    QString greet, other, notAdded;
    bool thanksAdded;
  };
  const QString oldGreet = "nuqneH!\n(Hello!)", newGreet = "nuqneH, jup!";
  const QString oldOther = "$1? jIyajbe'.", newOther = "jIyajbe'.";
  const Case cases[] = {
      {{"No", "No"}, oldGreet, oldOther, "<greet>\n<other>", true},
      {{"Yes", "No"}, newGreet, oldOther, "<other>", true},
      {{"Yes to All"}, newGreet, newOther, "", true},
      {{"No", "Yes"}, oldGreet, newOther, "<greet>", true},
      {{"Cancel"}, oldGreet, oldOther, "", false},
  };
  for (const Case& c : cases) {
    CRuleDB db = Load(Fixture("robot-rules.txt"));
    CRuleEditorDlg dlg(db);
    dlg.SelectRule("<silence>");
    QList<CModalStep> steps;
    for (const QString& a : c.answers) steps << CModalStep{"Overwrite rule?", a};
    if (!c.notAdded.isEmpty()) steps << CModalStep{"Rule Editor", "OK"};
    steps << CModalStep{"Rule Editor", "OK"};
    CModalAnswerer answerer(steps);
    dlg.ImportFromFile(QString::fromStdString(Fixture("import.txt")));
    const QString tag = c.answers.join(", ");
    EXPECT_TRUE(answerer.Done()) << tag.toStdString() << ": " << answerer.m_seen.join(" | ").toStdString();
    EXPECT_EQ(ResponseOf(db, "<greet>"), c.greet) << tag.toStdString();
    EXPECT_EQ(ResponseOf(db, "<other>"), c.other) << tag.toStdString();
    EXPECT_EQ(db.FindRule("<thanks>") >= 0, c.thanksAdded) << tag.toStdString();
    EXPECT_EQ(db.GetVersion(), "") << "importing adds rules; the version stays";
    ASSERT_FALSE(answerer.m_seen.isEmpty());
    EXPECT_EQ(answerer.m_seen.last(), kFinished);
    if (!c.notAdded.isEmpty()) {
      EXPECT_TRUE(answerer.m_seen.contains(
          "Rule Editor: The following rules already exist in this DB, and were not added:\n" + c.notAdded))
          << answerer.m_seen.join(" | ").toStdString();
    }
    if (c.answers.first() != "Yes to All") {
      EXPECT_TRUE(answerer.m_seen.first().startsWith("Overwrite rule?: <greet> This rule already exists"));
    }
    EXPECT_EQ(dlg.GetSelectedName(), "<silence>") << "the previous selection comes back";
  }
}

// The shipped rules go in through Import and out through Export, and the
// exported file imports again to the same rules; a second import over them
// asks once and, with Yes to All, changes nothing.
TEST(RuleEditor, ShippedRulesSurviveImportAndExport) {
  QTemporaryDir dir;
  const CRuleDB shipped = Load(VEK_ROBOT_RULES_FILE);
  ASSERT_GT(shipped.GetSize(), 40);
  CRuleDB db;
  CRuleEditorDlg dlg(db);
  const QString out = dir.filePath("exported.txt");
  {
    CModalAnswerer answerer(QList<CModalStep>{{"Rule Editor", "OK"}, {"Rule Editor", "OK"}});
    dlg.ImportFromFile(VEK_ROBOT_RULES_FILE);
    dlg.ExportToFile(out);
    EXPECT_EQ(answerer.m_seen, (QStringList{kFinished, "Rule Editor: Robot rules written to file " + out}));
  }
  const CRuleDB back = Load(out.toStdString());
  EXPECT_TRUE(SameRules(back, shipped));
  {
    CModalAnswerer answerer(QList<CModalStep>{{"Overwrite rule?", "Yes to All"}, {"Rule Editor", "OK"}});
    dlg.ImportFromFile(out);
    EXPECT_TRUE(answerer.Done()) << answerer.m_seen.join(" | ").toStdString();
  }
  EXPECT_TRUE(SameRules(db, shipped));
}

// Damaged rule files: the editor does not open over them and never writes
// them; importing one says so and changes nothing.
TEST(RuleEditor, DamagedFilesAreReportedAndLeftAlone) {
  QTemporaryDir dir;
  const QString rules = RobotRulesPath(dir.path());
  const QByteArray damaged = "robot-rules 1\nrule <a>\nactivation 0.5\npattern 100 x\n";  // no end
  QFile f(rules);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(damaged);
  f.close();
  {
    CModalAnswerer answerer(QList<CModalStep>{{"Robot Rule Editor", "OK"}});
    CRuleEditorDlg::Run(nullptr, dir.path());
    ASSERT_EQ(answerer.m_seen.size(), 1);
    EXPECT_TRUE(answerer.m_seen[0].startsWith("Robot Rule Editor: Unable to acquire Rule Database.\n\n"));
    EXPECT_TRUE(answerer.m_seen[0].contains("has no \"end\"")) << answerer.m_seen[0].toStdString();
  }
  EXPECT_EQ(ReadBytes(rules), damaged);
  EXPECT_NE(Chatterbot("nuqneH"), "") << "the robot was started again";

  CRuleDB db = Load(Fixture("robot-rules.txt"));
  const CRuleDB before = db;
  CRuleEditorDlg dlg(db);
  CModalAnswerer answerer(QList<CModalStep>{{"Rule Editor", "OK"}});
  dlg.ImportFromFile(rules);
  ASSERT_EQ(answerer.m_seen.size(), 1);
  EXPECT_TRUE(answerer.m_seen[0].startsWith(
      "Rule Editor: Either this rule file is empty, or there was an error reading the file."));
  EXPECT_TRUE(db.IsSameAs(before));
  RobotSetRulesFile("");
}

// Edit, Save, New, Delete and the effects as the user meets them, with the
// mends: Delete leaves editing only on Yes, names with angle brackets are
// refused, Import and Export save the rule being edited first.
TEST(RuleEditor, EditingARule) {
  QTemporaryDir dir;
  CRuleDB db = Load(Fixture("robot-rules.txt"));
  CRuleEditorDlg dlg(db);
  auto* edit = Child<QPushButton>(dlg, "edit");
  auto* response = Child<QPlainTextEdit>(dlg, "response");
  auto* level = Child<QLineEdit>(dlg, "level");
  auto* rulesBox = Child<QComboBox>(dlg, "rules");
  EXPECT_EQ(dlg.GetSelectedName(), "<greet>") << "sorted, first selected";
  EXPECT_EQ(rulesBox->count(), 3);
  EXPECT_TRUE(response->isReadOnly());
  EXPECT_FALSE(Child<QListWidget>(dlg, "patterns")->isEnabled());
  EXPECT_EQ(edit->text(), "&Edit Rule");

  edit->click();
  EXPECT_TRUE(dlg.IsEditing());
  EXPECT_FALSE(rulesBox->isEnabled());
  EXPECT_EQ(edit->text(), "&Save Rule");
  response->setPlainText("Qapla'!");
  level->setText("0.25");
  {
    CModalAnswerer answerer(QList<CModalStep>{{"Rule Editor", "No"}});
    dlg.OnDeleteRule();
    EXPECT_EQ(answerer.m_seen, QStringList{"Rule Editor: Really delete <greet>?"});
  }
  EXPECT_TRUE(dlg.IsEditing()) << "No keeps the unsaved edits";
  EXPECT_EQ(response->toPlainText(), "Qapla'!");

  // Export while editing saves the edit first.
  {
    CModalAnswerer answerer(QList<CModalStep>{{"Rule Editor", "OK"}});
    dlg.ExportToFile(dir.filePath("out.txt"));
  }
  EXPECT_FALSE(dlg.IsEditing());
  EXPECT_EQ(ResponseOf(db, "<greet>"), "Qapla'!");
  EXPECT_EQ(ResponseOf(Load(dir.filePath("out.txt").toStdString()), "<greet>"), "Qapla'!");
  CRule greet;
  ASSERT_TRUE(db.GetRule("<greet>", greet));
  EXPECT_EQ(greet.m_dActivation, 0.25);

  // Import while editing too.
  edit->click();
  response->setPlainText("nuqneH, jupwI'!");
  {
    CModalAnswerer answerer(QList<CModalStep>{
        {"Overwrite rule?", "No"}, {"Overwrite rule?", "No"}, {"Rule Editor", "OK"}, {"Rule Editor", "OK"}});
    dlg.ImportFromFile(QString::fromStdString(Fixture("import.txt")));
    EXPECT_TRUE(answerer.Done()) << answerer.m_seen.join(" | ").toStdString();
  }
  EXPECT_EQ(ResponseOf(db, "<greet>"), "nuqneH, jupwI'!");

  // New: a name with angle brackets is refused and the window stays open;
  // a taken name too; a good one starts at 0.3 with nothing in it.
  {
    CModalAnswerer answerer(QList<CModalStep>{
        {"New Rule", "OK", [](QWidget* w) { w->findChild<QLineEdit*>("header")->setText("a><b"); }},
        {"New Rule", "OK"},
        {"New Rule", "OK", [](QWidget* w) { w->findChild<QLineEdit*>("header")->setText("greet"); }},
        {"New Rule", "OK"},
        {"New Rule", "OK", [](QWidget* w) { w->findChild<QLineEdit*>("header")->setText("bye"); }},
    });
    dlg.OnNewRule();
    EXPECT_TRUE(answerer.Done()) << answerer.m_seen.join(" | ").toStdString();
    ASSERT_EQ(answerer.m_seen.size(), 5);
    EXPECT_TRUE(answerer.m_seen[1].contains("cannot contain \"<\" or \">\""));
    EXPECT_EQ(answerer.m_seen[3], "New Rule: Rule <greet> is already defined.  Please choose another name.");
  }
  EXPECT_EQ(dlg.GetSelectedName(), "<bye>");
  EXPECT_TRUE(dlg.IsEditing());
  EXPECT_EQ(level->text(), "0.3");
  EXPECT_EQ(Child<QListWidget>(dlg, "patterns")->count(), 0);
  EXPECT_EQ(db.FindRule("<a><b>"), -1);

  // A pattern and an effect on two rules, shown as the display texts.
  {
    CModalAnswerer answerer(QList<CModalStep>{
        {"Pattern Definition Dialog", "OK",
         [](QWidget* w) { w->findChild<QPlainTextEdit*>("pattern")->setPlainText("Qapla'"); }},
        {"Rule Effects Dlg", "OK",
         [](QWidget* w) {
           auto* names = w->findChild<QListWidget*>("names");
           for (int i = 0; i < names->count(); ++i)
             names->item(i)->setSelected(names->item(i)->text() == "<greet>" ||
                                         names->item(i)->text() == "<silence>");
         }},
    });
    dlg.OnAddPattern();
    dlg.OnAddEffect();
  }
  EXPECT_EQ(Child<QListWidget>(dlg, "patterns")->item(0)->text(), "p:100 Qapla'");
  EXPECT_EQ(Child<QListWidget>(dlg, "effects")->item(0)->text(), "+: <greet><silence>");
  edit->click();
  CRule bye;
  ASSERT_TRUE(db.GetRule("<bye>", bye));
  EXPECT_EQ(bye.GetMod(0), "+: <greet><silence>");
  EXPECT_EQ(bye.m_arrPatterns, (std::vector<CRulePattern>{{100, "Qapla'"}}));

  // Delete on Yes: gone, and the next rule is shown.
  edit->click();
  {
    CModalAnswerer answerer(QList<CModalStep>{{"Rule Editor", "Yes"}});
    dlg.OnDeleteRule();
  }
  EXPECT_FALSE(dlg.IsEditing());
  EXPECT_EQ(db.FindRule("<bye>"), -1);
  EXPECT_EQ(rulesBox->findText("<bye>"), -1);
  EXPECT_FALSE(dlg.GetSelectedName().isEmpty());
}

// Through the editor and back: the robot is stopped while the editor is
// open, the rules are saved after it and the robot answers with them.
TEST(RuleEditor, ChatterbotAnswersAfterTheEditor) {
  QTemporaryDir dir;
  const QString rules = RobotRulesPath(dir.path());
  ASSERT_TRUE(QFile::copy(VEK_ROBOT_RULES_FILE, rules));
  std::string whileOpen;
  CModalAnswerer answerer(QList<CModalStep>{{"Rule Editor", "", [&](QWidget* w) {
                              auto* dlg = qobject_cast<CRuleEditorDlg*>(w);
                              whileOpen = Chatterbot("nuqneH");
                              dlg->SelectRule("<hello>");
                              dlg->OnEditSave();
                              dlg->OnEditSave();
                              dlg->OnExit();
                            }}});
  CRuleEditorDlg::Run(nullptr, dir.path());
  EXPECT_TRUE(answerer.Done());
  EXPECT_EQ(whileOpen, "") << "stopped while edited";
  EXPECT_TRUE(SameRules(Load(rules.toStdString()), Load(VEK_ROBOT_RULES_FILE)));
  EXPECT_NE(Chatterbot("nuqneH").find("ponglIj"), std::string::npos);
  RobotSetRulesFile("");
}
