#pragma once
// The Lessons and Lesson Editor commands: load the course, run the lesson
// manager as student or teacher, and save the course when it ends with Done.
#include "course/testmgr.h"
#include "courseui/courseenv.h"

class QWidget;

namespace courseui {

// Both return true when the course was saved.
bool Student(CTestMgr& mgr, QWidget* parent, const CCourseEnv& env = {});
bool Teacher(CTestMgr& mgr, QWidget* parent, const CCourseEnv& env = {});

}  // namespace courseui
