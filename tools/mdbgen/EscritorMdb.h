#pragma once
// Writes Jet 4 (.mdb) files that mdbtools and our own reader open.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>
#include <stdexcept>
#include <variant>
#include <vector>

namespace mdbgen {

enum class TTipo { Boolean, Byte, Integer, Long, Single, Double, Currency, Decimal, DateTime, Text, Memo };

struct TColumna {
  QString sNombre;
  TTipo tipo;
  int nTamano = 255;    // characters; only for Text (1 to 255)
  int nPrecision = 18;  // Decimal: digits (1 to 28), as Access's default ...
  int nEscala = 0;      // ... of which decimals (0 to the precision)
};

struct TMoneda {
  qint64 nDiezmilesimas;  // Currency scaled by 10,000
};

struct TDecimal {
  bool bNegativo;
  unsigned __int128 nEntero;  // the value times 10^scale of its column
};

// monostate = Null (not for Boolean). Boolean: bool; Byte/Integer/Long: qint64; Single/Double: double or
// qint64; Currency: TMoneda or whole qint64; Decimal: TDecimal at its column's scale; DateTime: QDateTime, its own date and time kept (no zone
// conversion), years 100 to 9999; Text/Memo: QString.
using TValor = std::variant<std::monostate, bool, qint64, double, QString, TMoneda, QDateTime, TDecimal>;

// Message in Spanish; about a value it names the table, the row (0-based) and the column.
class EErrorMdb : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TArchivoJet;

// Streams rows: a million-row table never sits in memory. Every method throws EErrorMdb.
class TEscritorMdb {
 public:
  explicit TEscritorMdb(const QString& sRuta, const QString& sPassword = {});  // writes a temp file beside sRuta
  ~TEscritorMdb();  // without Termina(): the temp file is removed, nothing left at sRuta
  TEscritorMdb(const TEscritorMdb&) = delete;
  TEscritorMdb& operator=(const TEscritorMdb&) = delete;

  void IniciaTabla(const QString& sNombre, const QList<TColumna>& columnas);
  void AgregaFila(const std::vector<TValor>& valores,
                  bool bBorrada = false);  // bBorrada: left as Access leaves a deleted row
  void TerminaTabla();
  void Termina();  // renames the finished file over sRuta

 private:
  std::unique_ptr<TArchivoJet> F_qArchivo;
};

// The JSON of DESIGN.md ("mdbgen"); throws EErrorMdb and leaves nothing at sRuta.
void EscribeDesdeJson(const QByteArray& json, const QString& sRuta);

}  // namespace mdbgen
