#pragma once

class QComboBox;
class clsUsers;

// Rebuilds the entries of the main window's editable filter box and keeps its
// choice: remembers the text, removes every entry, adds FilterEntries(*users),
// then puts the text back. A box without entries yet starts on the first
// entry; a text equal to the old first or second entry becomes the new first
// or second entry (a language switch keeps "-Idle" or "" as chosen); any
// other text is kept as typed. Nothing happens while users is nullptr.
//
// The box's own signals stay silent while the entries are rebuilt, so no
// passing empty text is reported; putting a non-empty text back then emits
// QComboBox::editTextChanged and currentTextChanged once, also when the text is
// the one it had, so the filter for it is applied anew. An empty remembered
// text emits nothing.
//
// The main window connects QComboBox::editTextChanged to cmbFilter_Change: it
// fires when the user types, when the user picks an entry with another text,
// and when the program sets the text with setEditText or setCurrentText. A pick
// of the entry the box already shows changes no text; connect
// QComboBox::activated to cmbFilter_Click for that.
void UpdateComboFilter(QComboBox &cmbFilter, const clsUsers *users);
