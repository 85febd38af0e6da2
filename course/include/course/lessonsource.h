#pragma once
// The editable form of a course, from which the build makes lessons.klx: an
// index file naming the version and the lesson files in order, and for each
// lesson a text file of keywords beside an RTF file with its text.
//
//   index:   version TEXT          lesson:  number 1.5
//            lesson FILE ...                name TITLE
//                                           text FILE.rtf
//                                           question INSTRUCTION   (starts a question)
//                                           sentence TEXT
//                                           answer TEXT            (one or more)
//
// UTF-8, one keyword and a space before each value, '#' starts a comment line,
// blank lines are ignored. Every text must be writable in Windows-1252.
#include <string>
#include <string_view>

#include "course/testmgr.h"

namespace course {

// Reads one lesson; `rtfName` receives the name given by `text`. Errors name
// the line.
bool ParseLessonSource(std::string_view source, CTestSection& section, std::string& rtfName,
                       std::string& error);

// Reads the index at `indexPath` and the lessons it names (relative to its
// folder) into `mgr`, replacing its lessons. Two lessons shown with the same
// number are refused.
bool ReadCourseSource(const std::string& indexPath, CTestMgr& mgr, std::string& error);

}  // namespace course
