// The status line as a screen reader reads it: a read-only line whose text
// is always given whole. Qt's own interface for a line edit gives a reader
// runs of text attributes that leave out the last character ("Строка
// состояни").
#pragma once

namespace trimbol::app {

// Makes Qt ask this file for the interface of the line edit named "Edit8"; once.
void InstallStatusLineAccessibility();

}  // namespace trimbol::app
