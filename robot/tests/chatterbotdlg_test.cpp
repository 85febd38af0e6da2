#include "robot/chatterbotdlg.h"

#include <QApplication>
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

// Types a line into the window and presses Enter.
void Say(CChatterbotDlg& dlg, const QString& text) {
  auto* input = dlg.findChild<QLineEdit*>("input");
  input->setText(text);
  QTest::keyClick(input, Qt::Key_Return);
}

}  // namespace

// Run talks to the rules of the data folder; each reply replaces the last,
// the input empties, Enter answers without closing, and an empty line goes to
// the robot too.
TEST(ChatWindow, RunTalksToTheRulesOfTheDataFolder) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  ASSERT_TRUE(QFile::copy(ROBOT_FIXTURES "/robot-rules.txt", RobotRulesPath(folder.path())));

  QStringList replies;
  bool visible = false;
  QTimer::singleShot(0, [&] {
    CChatterbotDlg* dlg = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<CChatterbotDlg*>(w); d && d->isVisible()) dlg = d;
    ASSERT_NE(dlg, nullptr);  // Run shows its window before this runs
    EXPECT_TRUE(dlg->isModal());
    EXPECT_EQ(dlg->windowTitle(), "Chatterbot");
    EXPECT_TRUE(dlg->findChild<QPlainTextEdit*>("reply")->isReadOnly());
    replies << dlg->GetReply();
    Say(*dlg, "nuqneH");
    replies << dlg->GetReply() << dlg->GetInput();
    Say(*dlg, "Qo'noS");
    replies << dlg->GetReply();
    QTest::mouseClick(dlg->findChild<QPushButton*>("ok"), Qt::LeftButton);
    replies << dlg->GetReply();
    visible = dlg->isVisible();
    QTest::mouseClick(dlg->findChild<QPushButton*>("close"), Qt::LeftButton);
  });
  CChatterbotDlg::Run(nullptr, folder.path());
  EXPECT_EQ(replies, (QStringList{"", "nuqneH!\n(Hello!)", "", "Qo'noS? jIyajbe'.", "bIjatlhbe'!"}));
  EXPECT_TRUE(visible);
  EXPECT_EQ(RobotGetRulesFile(), RobotRulesPath(folder.path()).toStdString());

  CChatterbotDlg other;
  other.show();
  QTest::keyClick(other.findChild<QLineEdit*>("input"), Qt::Key_Escape);
  EXPECT_FALSE(other.isVisible());
  EXPECT_EQ(other.result(), QDialog::Rejected);
  RobotSetRulesFile("");
}
