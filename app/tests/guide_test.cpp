// The user guide shipped as vek.html, read the way the help window reads it.
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

#include "commandtable.h"

namespace {

// The guide as rich text, or an empty document when it cannot be read.
void LoadGuide(QTextDocument& doc) {
  QFile file(VEK_GUIDE);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << VEK_GUIDE;
  doc.setHtml(QString::fromUtf8(file.readAll()));
}

// "&Spell Check...\tCtrl-F7" as the guide names it: "Spell Check".
QString Caption(const char* text) {
  QString caption = QString::fromUtf8(text).section('\t', 0, 0).remove('&');
  if (caption.endsWith("...")) caption.chop(3);
  return caption;
}

}  // namespace

TEST(GuideTest, EveryLinkInsideTheGuideHasItsTarget) {
  QTextDocument doc;
  LoadGuide(doc);
  QSet<QString> anchors;
  QStringList links;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      for (const QString& name : format.anchorNames()) anchors.insert(name);
      if (format.isAnchor() && format.anchorHref().startsWith('#'))
        links << format.anchorHref().mid(1);
    }
  EXPECT_GE(links.size(), 10);
  for (const QString& link : links) EXPECT_TRUE(anchors.contains(link)) << "#" << link.toStdString();
}

TEST(GuideTest, EveryMenuCommandAndKeyIsDescribed) {
  QTextDocument doc;
  LoadGuide(doc);
  const QString text = doc.toPlainText();
  auto check = [&text](const CCommand& c, bool bCaption) {
    if (bCaption) {
      EXPECT_TRUE(text.contains(Caption(c.pszText))) << c.pszText;
    }
    if (c.pszKeys) {
      EXPECT_TRUE(text.contains(QString::fromLatin1(c.pszKeys))) << c.pszKeys;
    }
  };
  for (const CMenuDef& menu : MenuTable()) {
    EXPECT_TRUE(text.contains(Caption(menu.pszTitle))) << menu.pszTitle;
    for (const CCommand& c : menu.commands)
      // The recent-file entry is a placeholder for file names.
      if (c.pszId && QByteArray(c.pszId) != "ID_FILE_MRU_FILE1") check(c, true);
  }
  for (const CCommand& c : KeyOnlyCommands()) check(c, false);
}
