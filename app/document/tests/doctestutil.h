#pragma once
// Helpers of the document tests: a view on a fresh document and the format
// of one character.
#include <memory>

#include "testenv.h"
#include "vekdoc.h"
#include "vekview.h"

// A view on a new untitled plain-text document holding `text`, not modified.
std::unique_ptr<CVek99View> MakeView(const QString& text = QString());

// Selects [start, end) in the view.
void Select(CVek99View& view, int start, int end);
// The format of the character at `pos`, and its face as shown.
QTextCharFormat FormatAt(const CVek99View& view, int pos);
QString FaceAt(const CVek99View& view, int pos);
