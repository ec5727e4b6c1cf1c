#pragma once

#include <QLocale>

struct sqlite3;

namespace ado::jet {

// Registers on db what the translated SQL calls: the collation JET, jet_like, jet_mas (+),
// jet_concat (&), jet_div (/), the exact aggregate jet_sum, Currency arithmetic and the
// functions of the Jet dialect; turns off SQLite's reading of an unknown "name" as a text.
// Texts of dates and numbers follow locale. Call once per connection.
void RegistraReglas(sqlite3* db, const QLocale& locale = QLocale::system());

}  // namespace ado::jet
