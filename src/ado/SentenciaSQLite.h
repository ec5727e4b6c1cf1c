#pragma once

#include <memory>
#include <sqlite3.h>

namespace ado {

// A prepared SQLite statement that finalizes itself.
struct TFinalizaSentencia {
  void operator()(sqlite3_stmt* p) const { sqlite3_finalize(p); }
};
using PSentencia = std::unique_ptr<sqlite3_stmt, TFinalizaSentencia>;

}  // namespace ado
