#pragma once
// Command images: the desktop theme's icon when it has one, else the image
// drawn here, so every toolbar button has a picture on any desktop.
#include <QIcon>

QIcon VekIcon(const char* themeName);
// The image drawn by the program itself; null for an unknown name.
QIcon FallbackIcon(const QString& themeName);
// The program's own icon.
QIcon AppIcon();
