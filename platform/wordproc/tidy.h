// Tidy-ups that finish a filled document: unfilled template rows and bookmark markers go.
#pragma once

#include <cstddef>

#include "platform/wordproc/document.h"

namespace wordproc {

// Deletes every table row that holds a bookmark but no text other than blanks: the rows a
// template offers for values that were never filled in (a species page with fewer species
// than rows). Rows without bookmarks are kept, filled or not. Returns the rows deleted.
std::size_t RemoveUnfilledRows(Document& document);

// Deletes every bookmark marker; the text the bookmarks surrounded stays. Returns the
// markers deleted.
std::size_t RemoveBookmarks(Document& document);

}  // namespace wordproc
