// Our pIqaD typeface and Unicode pIqaD in documents: the face name resolving
// to the font, copy, paste and plain-text saving with Unicode pIqaD.
#include <QRawFont>

#include "doctestutil.h"
#include "piqadtext.h"
#include "rtf/rtffile.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

namespace {

// tlhIngan Hol in Unicode pIqaD.
const QString kTlhInganHol = QString::fromUtf8("\uF8E4\uF8D7\uF8DC\uF8D0\uF8DB \uF8D6\uF8DD\uF8D9");

// A rich view holding `latin` converted to pIqaD.
std::unique_ptr<CVek99View> PiqadView(const QString& latin) {
  auto view = MakeView(latin);
  Select(*view, 0, int(latin.size()));
  view->ConvertSelectionToPiqad();
  return view;
}

class PiqadUnicodeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { s_family = RegisterPiqadFont(VEK_BUILD_DATA_DIR); }
  void TearDown() override { SetSaveAsHook({}); }
  QString Path(const char* name) const { return m_dir.filePath(name); }

  static inline QString s_family;
  QTemporaryDir m_dir;
};

TEST_F(PiqadUnicodeTest, FaceNameOfDocumentsShowsInOurTypeface) {
  ASSERT_EQ(s_family, kPiqadFamily);
  const QFont font(QStringLiteral("KLIPIqaDmey"), 24);
  EXPECT_EQ(QFontInfo(font).family(), kPiqadFamily);
  // Font code and Unicode pIqaD reach the same outlines.
  const QRawFont raw = QRawFont::fromFont(font);
  ASSERT_TRUE(raw.isValid());
  const QString code = "ABCDEGHIJLMNFOPKQRSTXUVWY'0123456789";
  const QString unicode = QString::fromUtf8(
      "\uF8D0\uF8D1\uF8D2\uF8D3\uF8D4\uF8D5\uF8D6\uF8D7\uF8D8\uF8D9\uF8DA\uF8DB\uF8DC"
      "\uF8DD\uF8DE\uF8DF\uF8E0\uF8E1\uF8E2\uF8E3\uF8E4\uF8E5\uF8E6\uF8E7\uF8E8\uF8E9"
      "\uF8F0\uF8F1\uF8F2\uF8F3\uF8F4\uF8F5\uF8F6\uF8F7\uF8F8\uF8F9");
  const QList<quint32> codeGlyphs = raw.glyphIndexesForString(code);
  EXPECT_EQ(codeGlyphs, raw.glyphIndexesForString(unicode));
  EXPECT_EQ(QSet<quint32>(codeGlyphs.begin(), codeGlyphs.end()).size(), code.size());
  EXPECT_FALSE(codeGlyphs.contains(0));
  for (const char16_t sign : {u'\uF8FD', u'\uF8FE', u'\uF8FF'}) EXPECT_TRUE(raw.supportsCharacter(QChar(sign)));
  // A folder without the font registers nothing.
  EXPECT_TRUE(RegisterPiqadFont(m_dir.path()).isEmpty());
}

TEST_F(PiqadUnicodeTest, RtfKeepsTheFaceName) {
  auto view = PiqadView("tlhIngan Hol.");
  const QByteArray rtf = rtf::WriteRtf(*view->document());
  EXPECT_TRUE(rtf.contains("KLIPIqaDmey;")) << rtf.constData();
  QTextDocument back;
  rtf::ReadRtf(rtf, back);
  QTextCursor cursor(&back);
  cursor.setPosition(1);
  EXPECT_EQ(EffectiveFace(cursor.charFormat(), back), "KLIPIqaDmey");
  EXPECT_EQ(back.toPlainText(), "XIFAN HOL.");
}

TEST_F(PiqadUnicodeTest, CopyGivesUnicodePiqadOutsideAndFontCodeInside) {
  auto view = PiqadView("tlhIngan Hol, 12.\nQapla'");
  view->selectAll();
  view->copy();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  // The full stop kept its Latin face and stays Latin; the comma too.
  EXPECT_EQ(data->text(), kTlhInganHol + QString::fromUtf8(", \uF8F1\uF8F2.\n"
                                                           "\uF8E0\uF8D0\uF8DE\uF8D9\uF8D0\uF8E9"));
  EXPECT_FALSE(data->hasHtml());

  auto other = MakeView();
  other->GetDocument()->SetRtf(true);
  other->paste();
  EXPECT_EQ(other->toPlainText(), "XIFAN HOL, 12.\nQAPLA'");
  EXPECT_EQ(FaceAt(*other, 0), "KLIPIqaDmey");

  // A Latin selection copies as it always did.
  auto latin = MakeView("nuqneH");
  latin->selectAll();
  latin->copy();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "nuqneH");
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasHtml());
}

TEST_F(PiqadUnicodeTest, PastedUnicodePiqadBecomesLatinOrPiqadByTheCaret) {
  QGuiApplication::clipboard()->setText(kTlhInganHol + QString::fromUtf8("!\uF8FE"));
  auto plain = MakeView("x ");
  plain->moveCursor(QTextCursor::End);
  plain->paste();
  EXPECT_EQ(plain->toPlainText(), "x tlhIngan Hol!.");
  EXPECT_FALSE(plain->GetDocument()->IsRtf());

  // In pIqaD the paste stays pIqaD; what has no glyph takes the Latin face back.
  auto view = PiqadView("Qapla'");
  view->moveCursor(QTextCursor::End);
  ASSERT_TRUE(view->IsPiqadSelection());
  view->paste();
  EXPECT_EQ(view->toPlainText(), "QAPLA'XIFAN HOL!.");
  EXPECT_EQ(FaceAt(*view, 6), "KLIPIqaDmey");
  EXPECT_EQ(FaceAt(*view, 11), "KLIPIqaDmey");
  EXPECT_EQ(FaceAt(*view, 15), "Courier New");
  EXPECT_EQ(FaceAt(*view, 16), "Courier New");
  view->undo();
  EXPECT_EQ(view->toPlainText(), "QAPLA'");
}

TEST_F(PiqadUnicodeTest, SaveAsTextCanWritePiqadAsUnicode) {
  auto view = PiqadView("tlhIngan Hol.");
  std::vector<QStringList> offered;
  QString filter = kUnicodePiqadFilter;
  QString answer = Path("u.txt");
  SetSaveAsHook([&](CSaveAsRequest& request) {
    offered.push_back(request.filters);
    request.strSelectedFilter = filter;
    return answer;
  });
  {
    CMessageLog yes({QMessageBox::Yes});
    ASSERT_TRUE(view->OnFileSaveAs());
  }
  EXPECT_EQ(ReadFile(Path("u.txt")), (kTlhInganHol + ".").toUtf8());
  EXPECT_TRUE(offered.at(0).contains(kUnicodePiqadFilter));
  // Later saves keep the choice.
  view->moveCursor(QTextCursor::End);
  view->textCursor().insertText("!");
  EXPECT_TRUE(view->OnFileSave());
  EXPECT_EQ(ReadFile(Path("u.txt")), (kTlhInganHol + ".!").toUtf8());

  // The plain type writes the font code, as before.
  filter = "Text Files (*.txt)";
  answer = Path("code.txt");
  EXPECT_TRUE(view->OnFileSaveAs());
  EXPECT_EQ(ReadFile(Path("code.txt")), "XIFAN HOL.!");

  // Windows-1252 has no pIqaD letters: the save asks to use UTF-8 rather than
  // write question marks, and writes nothing when the user declines.
  filter = kUnicodePiqadFilter;
  answer = Path("cp.txt");
  SetSaveAsHook([&](CSaveAsRequest& request) {
    offered.push_back(request.filters);
    request.strSelectedFilter = filter;
    request.textFormat.encoding = CTextFormat::Windows1252;
    return answer;
  });
  {
    CMessageLog declined({QMessageBox::No});
    EXPECT_FALSE(view->OnFileSaveAs());
    ASSERT_EQ(declined.m_messages.size(), 1u);
    EXPECT_TRUE(declined.Texts().at(0).startsWith("Windows-1252 cannot hold"))
        << declined.Texts().at(0).toStdString();
  }
  EXPECT_FALSE(QFile::exists(Path("cp.txt")));
  EXPECT_EQ(view->GetDocument()->GetPathName(), Path("code.txt"));
  {
    CMessageLog yes({QMessageBox::Yes});
    EXPECT_TRUE(view->OnFileSaveAs());
  }
  EXPECT_EQ(ReadFile(Path("cp.txt")), (kTlhInganHol + ".!").toUtf8());

  // A document without pIqaD is not offered the choice.
  auto latin = MakeView("nuqneH");
  answer.clear();
  EXPECT_FALSE(latin->OnFileSaveAs());
  EXPECT_FALSE(offered.back().contains(kUnicodePiqadFilter));
}

}  // namespace
