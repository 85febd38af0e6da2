#include "robot/chatterbotdlg.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "botcore/botcore.h"

QString RobotRulesPath(const QString& strDataFolder) {
  return QDir(strDataFolder).filePath("robot-rules.txt");
}

CChatterbotDlg::CChatterbotDlg(QWidget* pParent) : QDialog(pParent) {
  setWindowTitle("Chatterbot");

  m_pInput = new QLineEdit(this);
  m_pInput->setObjectName("input");
  m_pReply = new QPlainTextEdit(this);
  m_pReply->setObjectName("reply");
  m_pReply->setReadOnly(true);
  m_pReply->setTabChangesFocus(true);
  m_pReply->setMaximumHeight(m_pReply->fontMetrics().lineSpacing() * 4 + 12);
  m_pHistory = new QPlainTextEdit(this);
  m_pHistory->setObjectName("history");
  m_pHistory->setReadOnly(true);
  m_pHistory->setTabChangesFocus(true);
  m_pOK = new QPushButton("OK", this);
  m_pOK->setObjectName("ok");
  m_pOK->setDefault(true);
  m_pClose = new QPushButton("Close", this);
  m_pClose->setObjectName("close");

  auto* fields = new QVBoxLayout;
  fields->addWidget(new QLabel("Conversation:", this));
  fields->addWidget(m_pHistory, 1);
  fields->addWidget(new QLabel("Reply:", this));
  fields->addWidget(m_pReply);
  fields->addWidget(new QLabel("You say:", this));
  fields->addWidget(m_pInput);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(m_pOK);
  buttons->addWidget(m_pClose);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addLayout(buttons);

  // OK answers and keeps the window open; Enter presses OK as the default button.
  connect(m_pOK, &QPushButton::clicked, this, &CChatterbotDlg::OnOK);
  connect(m_pClose, &QPushButton::clicked, this, &QDialog::reject);
  m_pInput->setFocus();
  resize(480, 400);

  // Told once, when the window opens, rather than in every reply.
  const std::string problem = RobotRulesProblem();
  if (!problem.empty())
    m_pHistory->setPlainText(QString::fromStdString(problem) +
                             "\nUntil it has rules it understands nothing. Put robot-rules.txt back in "
                             "the data folder, or make rules in the Robot Rule Editor.\n");
}

void CChatterbotDlg::Run(QWidget* pParent, const QString& strDataFolder) {
  RobotSetRulesFile(RobotRulesPath(strDataFolder).toStdString());
  CChatterbotDlg dlg(pParent);
  dlg.exec();
}

QString CChatterbotDlg::GetInput() const { return m_pInput->text(); }
QString CChatterbotDlg::GetReply() const { return m_pReply->toPlainText(); }
QString CChatterbotDlg::GetConversation() const { return m_pHistory->toPlainText(); }

void CChatterbotDlg::OnOK() {
  const QString input = m_pInput->text();
  const QString reply = QString::fromStdString(Chatterbot(input.toStdString()));
  m_pReply->setPlainText(reply);
  m_pHistory->appendPlainText("You: " + input + "\nRobot: " + reply + "\n");
  m_pHistory->verticalScrollBar()->setValue(m_pHistory->verticalScrollBar()->maximum());
  m_pInput->clear();
  m_pInput->setFocus();
}
