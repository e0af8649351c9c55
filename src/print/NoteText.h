#pragma once

#include <QString>
#include <QVariant>

// The rules for the two one-line notes of a month-sheet day, shared by the month window and
// the command line so that both show (and print) the same notes.
namespace NoteText {

// "Click": the caption of a day that has no note there. It is shown but never printed.
QString Placeholder();
inline constexpr int MaximumLength = 50;

// What a note control shows for a stored field: missing or empty values show the placeholder.
QString Shown(const QVariant& stored);

// The word a standard personal-entry type writes into the notes ("V" -> "Vacation"), or an
// empty text for any other type. The comparison is exact.
QString EntryWord(const QString& type);

// Puts an entry word into a day's notes: into the first note when it is empty or already holds
// the word, else into an empty second note, else nowhere. True when a note changed.
bool PlaceEntryWord(QString& firstNote, QString& secondNote, const QString& word);

// A note typed in place of another: cut to MaximumLength characters as the user sees them,
// the question that asks whether a longer one may be cut so, and the caption it gives (the
// placeholder for an empty one).
QString Shortened(const QString& typed);
QString ShortenQuestion(const QString& shortened);
QString Caption(const QString& typed);

} // namespace NoteText
