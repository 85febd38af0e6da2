#pragma once
// The Chatterbot window: the user types a line, the robot's reply replaces
// the previous one, and the conversation so far stays readable above them.
// The conversation itself is botcore's.
#include <QDialog>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class CChatterbotDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CChatterbotDlg(QWidget* pParent = nullptr);

  // The Language > Chatterbot command: points the engine at the rules kept in
  // `strDataFolder` and runs the window modally.
  static void Run(QWidget* pParent, const QString& strDataFolder);

  QString GetInput() const;
  QString GetReply() const;
  // Every line said so far, the robot's included, oldest first.
  QString GetConversation() const;

 private slots:
  void OnOK();

 private:
  QLineEdit* m_pInput = nullptr;
  QPlainTextEdit* m_pReply = nullptr;
  QPlainTextEdit* m_pHistory = nullptr;
  QPushButton* m_pOK = nullptr;
  QPushButton* m_pClose = nullptr;
};

// Where the robot's rules live in a data folder.
QString RobotRulesPath(const QString& strDataFolder);
