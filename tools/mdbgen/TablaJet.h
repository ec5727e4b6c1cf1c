#pragma once
// One table being written: its layout, rows packed into data pages, long values on LVAL
// pages, and at the end its usage map and definition pages.
#include <array>

#include "mdbgen/ArchivoPaginas.h"
#include "mdbgen/EscritorMdb.h"
#include "mdbgen/PaginaFilas.h"

namespace mdbgen::jet {

enum TCodigo : quint8 {
  CC_nBoolean = 0x01,
  CC_nByte = 0x02,
  CC_nInteger = 0x03,
  CC_nLong = 0x04,
  CC_nCurrency = 0x05,
  CC_nSingle = 0x06,
  CC_nDouble = 0x07,
  CC_nFecha = 0x08,
  CC_nTexto = 0x0A,
  CC_nOle = 0x0B,
  CC_nMemo = 0x0C,
  CC_nDecimal = 0x10
};

quint8 CodigoDe(TTipo tipo);
// "el valor 300 está fuera del rango de Byte (0 a 255)"
QString FueraDeRango(quint8 nCodigo, const QString& sValor);

struct TColumnaJet {
  QString sNombre;
  quint8 nCodigo = 0;
  int nTamano = 0;  // Text: characters
  int nPrecision = 0;  // Decimal
  int nEscala = 0;
};

class TTablaJet {
 public:
  // nPaginaDef: the definition's page when it is fixed (the catalogue's is page 2), else 0.
  TTablaJet(TArchivoPaginas& archivo, QString sNombre, std::vector<TColumnaJet> columnas, quint32 nPaginaDef = 0,
            bool bSistema = false);
  const QString& Nombre() const { return F_sNombre; }
  quint32 PaginaDefinicion() const { return F_paginasDef.front(); }
  void AgregaFila(const std::vector<TValor>& valores, bool bBorrada);  // throws naming row and column
  void Termina();

 private:
  struct TDisposicion {  // where a column lives in a row
    bool bFija = false;
    quint16 nLongitud = 0;   // descriptor length
    quint16 nOffset = 0;     // fixed columns: within the fixed area
    quint16 nIndiceVar = 0;  // variable columns
  };
  struct TVariable {  // a variable value of the current row, encoded
    std::vector<uint8_t> datos;
    bool bNulo = true;
    bool bEnLinea = true;  // Memo: inside the row, else on LVAL pages
  };

  void Prepara(int nColumna, const TValor& valor);
  int LargoFila() const;
  void AlejaMemos(int& nLargo);
  quint32 EscribeLargo(const std::vector<uint8_t>& datos);  // LVAL rows; returns the first pg_row
  quint32 AgregaLval(const uint8_t* p, int nBytes);
  void ColocaFila(bool bBorrada);
  void CierraPagina(TPaginaFilas& pagina);
  std::vector<uint8_t> ArmaMapa();
  std::vector<uint8_t> ArmaDefinicion(quint32 nMapaUsado, quint32 nMapaLibre) const;
  [[noreturn]] void Falla(int nColumna, const QString& sDetalle) const;

  TArchivoPaginas& F_archivo;
  QString F_sNombre;
  std::vector<TColumnaJet> F_columnas;
  std::vector<TDisposicion> F_disposicion;
  std::vector<int> F_variables;  // column of each variable index
  int F_nFijos = 0;              // bytes of the fixed area
  bool F_bSistema;
  std::vector<quint32> F_paginasDef;
  qint64 F_nFila = 0;         // rows given, deleted ones included
  quint32 F_nFilasVivas = 0;  // what the definition counts
  TPaginaFilas F_datos;
  TPaginaFilas F_lval;
  quint32 F_nPrimeraDatos = 0;
  quint32 F_nUltimaDatos = 0;
  std::vector<uint8_t> F_usadas;  // bitmap of data pages from F_nPrimeraDatos
  // Buffers of the current row, reused so rows cost no allocations.
  std::vector<uint8_t> F_fila;
  std::array<uint8_t, 32> F_nulos{};
  std::vector<TVariable> F_valoresVar;
  std::vector<quint16> F_offsets;
  std::vector<uint8_t> F_trozo;
};

}  // namespace mdbgen::jet
