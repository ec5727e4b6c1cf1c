#pragma once

struct sqlite3_stmt;
struct sqlite3_value;

namespace ado::jet {

// What a source of rows answers when it cannot give the rows exactly as SQLite would (a join
// column holding values it does not compare itself): the caller reads them through SQLite.
inline constexpr int CC_OTRO_PLAN = -3;

// The rows a grouping reads, one at a time.
class IFilasJet {
 public:
  virtual ~IFilasJet() = default;
  // SQLITE_ROW, SQLITE_DONE, CC_OTRO_PLAN (before any row) or SQLite's error code.
  virtual int Paso() = 0;
  virtual int Columnas() const = 0;
  // Column i of the current row, valid until the next step.
  virtual sqlite3_value* Valor(int i) = 0;
  // Whether column i holds text under the JET collation (a declared text column or a computed one).
  virtual bool Texto(int i) const = 0;
};

// A declared SQLite type that holds text (or may: computed columns have none).
bool ColumnaDeTexto(const char* sTipo);

// The rows of a prepared statement, which the caller keeps.
class TFilasSQLite : public IFilasJet {
 public:
  explicit TFilasSQLite(sqlite3_stmt* stmt) : F_stmt(stmt) {}
  int Paso() override;
  int Columnas() const override;
  sqlite3_value* Valor(int i) override;
  bool Texto(int i) const override;

 private:
  sqlite3_stmt* F_stmt;
};

}  // namespace ado::jet
