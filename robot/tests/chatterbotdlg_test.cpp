#include "robot/chatterbotdlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "botcore/botcore.h"

namespace {

const char* const kRules =
    "robot-rules 1\n"
    "rule <greet>\nactivation 0.5\npattern 100 nuqneH\nresponse nuqneH!\nresponse (Hello!)\nend\n"
    "rule <silence>\nactivation 0.5\npattern 100\nresponse bIjatlhbe'!\nend\n"
    "rule <other>\nactivation 0.1\npattern 100 *\nresponse $1? jIyajbe'.\nend\n";

class ChatWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    QFile file(RobotRulesPath(m_dir.path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kRules);
    file.close();
    ASSERT_TRUE(RobotSetRulesFile(RobotRulesPath(m_dir.path()).toStdString()));
    RobotStart();
  }
  void TearDown() override { RobotSetRulesFile(""); }

  // Types a line into the window and presses Enter.
  static void Say(CChatterbotDlg& dlg, const QString& text) {
    auto* input = dlg.findChild<QLineEdit*>("input");
    input->setText(text);
    QTest::keyClick(input, Qt::Key_Return);
  }

  QTemporaryDir m_dir;
};

}  // namespace

TEST_F(ChatWindow, EachReplyReplacesTheLastAndTheInputEmpties) {
  CChatterbotDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Chatterbot");
  EXPECT_TRUE(dlg.GetInput().isEmpty());
  EXPECT_TRUE(dlg.GetReply().isEmpty());
  EXPECT_TRUE(dlg.findChild<QPlainTextEdit*>("reply")->isReadOnly());

  Say(dlg, "nuqneH");
  EXPECT_EQ(dlg.GetReply(), "nuqneH!\n(Hello!)");
  EXPECT_TRUE(dlg.GetInput().isEmpty());
  EXPECT_TRUE(dlg.isVisible());  // Enter answers, it does not close

  Say(dlg, "Qo'noS");
  EXPECT_EQ(dlg.GetReply(), "Qo'noS? jIyajbe'.");  // no history kept
}

TEST_F(ChatWindow, AnEmptyLineGoesToTheRobotToo) {
  CChatterbotDlg dlg;
  dlg.show();
  QTest::mouseClick(dlg.findChild<QPushButton*>("ok"), Qt::LeftButton);
  EXPECT_EQ(dlg.GetReply(), "bIjatlhbe'!");
  EXPECT_TRUE(dlg.isVisible());
}

TEST_F(ChatWindow, CloseAndEscapeEndTheWindow) {
  CChatterbotDlg dlg;
  dlg.show();
  QTest::mouseClick(dlg.findChild<QPushButton*>("close"), Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);

  CChatterbotDlg other;
  other.show();
  QTest::keyClick(other.findChild<QLineEdit*>("input"), Qt::Key_Escape);
  EXPECT_FALSE(other.isVisible());
}

TEST_F(ChatWindow, RunTalksToTheRulesOfTheDataFolder) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile file(RobotRulesPath(folder.path()));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("robot-rules 1\nrule <a>\nactivation 1\npattern 100 *\nresponse from the folder\nend\n");
  file.close();

  QString reply;
  QTimer::singleShot(0, [&] {
    CChatterbotDlg* dlg = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<CChatterbotDlg*>(w); d && d->isVisible()) dlg = d;
    ASSERT_NE(dlg, nullptr);  // Run shows its window before this runs
    EXPECT_TRUE(dlg->isModal());
    Say(*dlg, "x");
    reply = dlg->GetReply();
    dlg->reject();
  });
  CChatterbotDlg::Run(nullptr, folder.path());
  EXPECT_EQ(reply, "from the folder");
  EXPECT_EQ(RobotGetRulesFile(), RobotRulesPath(folder.path()).toStdString());
}
