#pragma once
// Printing a document on pages with half-inch margins.
class QPrinter;
class QTextDocument;

// Half an inch (720 twips) on every side.
void SetDocumentMargins(QPrinter& printer);
// Lays out a copy of `doc` on the printer's pages inside its margins and prints it.
void PrintDocument(const QTextDocument& doc, QPrinter& printer);
