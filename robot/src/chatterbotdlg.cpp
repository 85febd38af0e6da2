#include "robot/chatterbotdlg.h"

#include <QDir>
#include <QHBoxLayout>
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
  m_pOK = new QPushButton("OK", this);
  m_pOK->setObjectName("ok");
  m_pOK->setDefault(true);
  m_pClose = new QPushButton("Close", this);
  m_pClose->setObjectName("close");

  auto* fields = new QVBoxLayout;
  fields->addWidget(m_pInput);
  fields->addWidget(m_pReply, 1);
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
  resize(440, 220);
}

void CChatterbotDlg::Run(QWidget* pParent, const QString& strDataFolder) {
  RobotSetRulesFile(RobotRulesPath(strDataFolder).toStdString());
  CChatterbotDlg dlg(pParent);
  dlg.exec();
}

QString CChatterbotDlg::GetInput() const { return m_pInput->text(); }
QString CChatterbotDlg::GetReply() const { return m_pReply->toPlainText(); }

void CChatterbotDlg::OnOK() {
  const std::string reply = Chatterbot(m_pInput->text().toStdString());
  m_pReply->setPlainText(QString::fromStdString(reply));
  m_pInput->clear();
  m_pInput->setFocus();
}
