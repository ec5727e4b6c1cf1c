#pragma once

struct sqlite3;

namespace ado::jet {

// Registers on db what the translated SQL calls: the collation JET, jet_like, jet_mas (+),
// jet_concat (&), jet_div (/) and the exact aggregate jet_sum. Call once per connection.
void RegistraReglas(sqlite3* db);

}  // namespace ado::jet
