#include "aboutdlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "appinfo.h"
#include "icons.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("aboutDialog");
  setWindowTitle(QString("About %1").arg(kAppTitle));
  auto* icon = new QLabel;
  icon->setPixmap(AppIcon().pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop);
  // No list of tools here: the menus show what the program offers today.
  auto* text = new QLabel(QString("<b>%1</b><br>Version 2.1<br><br>"
                                  "A workbench for learners and writers of Klingon.<br><br>"
                                  "Copyright \u00A9 Halden<br><br>"
                                  "Lexicon from klingon-assistant-data by De'vID jonpIn<br>"
                                  "(David Yonge-Mallo) and contributors, Apache License 2.0;<br>"
                                  "see NOTICE beside the program.")
                              .arg(kAppTitle));
  text->setObjectName("aboutText");
  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addSpacing(12);
  row->addWidget(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  setWindowIcon(AppIcon());
}
