#pragma once

struct sqlite3;

namespace ado::jet {

// Registers on db what the translated SQL calls: the collation JET, jet_like, jet_mas (+),
// jet_concat (&), jet_div (/) and the exact aggregate jet_sum; turns off SQLite's reading of an
// unknown "name" as a text. Call once per connection.
void RegistraReglas(sqlite3* db);

}  // namespace ado::jet
