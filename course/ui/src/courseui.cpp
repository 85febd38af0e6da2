#include "courseui/courseui.h"

#include <QLineEdit>

#include "courseui/lessonmanagerdlg.h"
#include "courseui/testquestiondlg.h"
#include "reportlist.h"

namespace courseui {

namespace {

bool RunManager(CTestMgr& mgr, bool bTeacher, QWidget* parent, const CCourseEnv& env) {
  if (!mgr.m_bLoaded && !mgr.Init()) {
    // Nothing is saved after a failed load, so a damaged file stays as it is.
    env.Message(QString(course::kMsgInitFailed) + "\n\n" + Q(mgr.LastError()));
    return false;
  }
  CLessonManagerDlg dlg(mgr, bTeacher, env, parent);
  if (env.Run(dlg) != QDialog::Accepted) return false;
  if (bTeacher) {
    CVersionDlg version(parent);
    version.Edit()->setText(Q(mgr.m_strVersion));
    if (env.Run(version) == QDialog::Accepted) mgr.m_strVersion = S(version.Edit()->text());
  }
  if (!mgr.SaveLessons()) {
    env.Message(QString(course::kMsgSaveFailed) + "\n\n" + Q(mgr.LastError()));
    return false;
  }
  return true;
}

}  // namespace

bool Student(CTestMgr& mgr, QWidget* parent, const CCourseEnv& env) {
  return RunManager(mgr, false, parent, env);
}

bool Teacher(CTestMgr& mgr, QWidget* parent, const CCourseEnv& env) {
  return RunManager(mgr, true, parent, env);
}

}  // namespace courseui
