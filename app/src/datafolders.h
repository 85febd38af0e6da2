#pragma once
// The two data folders of a run: the shipped data the program reads, and the
// folder where it keeps the files it writes (the personal dictionary, an edited
// lexicon, robot rules, canon, lessons progress).
#include <QString>

struct CDataFolders {
  QString strShipped;  // ends in '/'
  QString strUser;     // ends in '/'
};

// `strOption` (--data-dir) names the shipped folder when given; otherwise the
// program's folder `strExeDir` when it holds the lexicon, then the installed
// share/vekmor folder beside it. The user's files are written beside the
// shipped ones when that folder is the program's own or --data-dir and is
// writable (a build folder, a test); an installed or read-only folder is never
// written, the user's data location `strUserLocation` is used instead.
CDataFolders ChooseDataFolders(const QString& strExeDir, const QString& strOption,
                               const QString& strUserLocation);

// The file `name` to read: the user's copy when there is one, else the shipped file.
QString DataFileToRead(const CDataFolders& folders, const QString& name);

// The file `name` to save to, and to read from when a file is read and written
// as it goes: the user's copy, made from the shipped file on first use. When
// the copy cannot be made the path is still returned; the save then reports.
QString WritableDataPath(const CDataFolders& folders, const QString& name);
