#pragma once

#include "ado/ArchivoMdb.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <string>
#include <vector>

namespace ado {

// A column as the table definition describes it.
struct TColumnaJet {
  QString sNombre;
  int nTipo = 0;  // MDB_BOOL, MDB_TEXT, ...
  int nTamano = 0;
  bool bFija = false;
  int nInicioFijo = 0;
  int nNumVariable = 0;
  int nNumFila = 0;  // the column number: its bit in the null mask
  int nEscala = 0;
};

enum class TClaseCelda : unsigned char { Nulo, Entero, Real, Texto, Blob };

// One decoded value; sDatos holds UTF-8 text or raw bytes and keeps its
// capacity from row to row.
struct TCelda {
  TClaseCelda eClase = TClaseCelda::Nulo;
  qint64 nEntero = 0;
  double dReal = 0;
  std::string sDatos;
};

// Walks the live rows of one table, decoding the stored bytes. Rows flagged
// deleted are skipped and overflow pointers followed (checked here, not by
// libmdb). Throws EErrorADO on a damaged page.
class TLectorTabla {
 public:
  TLectorTabla(TArchivoMdb& Archivo, MdbCatalogEntry* pEntrada);
  ~TLectorTabla();
  TLectorTabla(const TLectorTabla&) = delete;
  TLectorTabla& operator=(const TLectorTabla&) = delete;

  QString Nombre() const;
  const QList<TColumnaJet>& Columnas() const { return F_Columnas; }
  qint64 FilasDeclaradas() const;
  bool Siguiente();  // false after the last row
  const std::vector<TCelda>& Celdas() const { return F_Celdas; }

 private:
  bool SiguientePagina();
  void Decodifica(const unsigned char* pFila, int nLargo);
  void DecodificaValor(const TColumnaJet& Columna, const unsigned char* p, int nLargo, TCelda& Celda);
  void DecodificaLargo(const TColumnaJet& Columna, const unsigned char* p, int nLargo, TCelda& Celda);
  void AgregaTexto(const unsigned char* p, int nLargo, std::string& sDestino) const;
  // Appends the bytes of the row named by a (page << 8 | row) pointer.
  void LeeFilaRemota(quint32 nPgFila, std::string& sDestino);
  [[noreturn]] void Danada(const char* pDetalle) const;

  TArchivoMdb& F_Archivo;
  MdbHandle* F_pMdb;
  MdbTableDef* F_pTabla = nullptr;
  QList<TColumnaJet> F_Columnas;
  std::vector<TCelda> F_Celdas;
  bool F_bJet3;
  int F_nTamPagina;
  int F_nInicioCuenta;  // offset of the row count on a data page
  int F_nFilasPagina = 0;
  int F_nFila = 0;
  bool F_bFin = false;
  std::string F_sDesborde;  // an overflow row, copied from its page
  std::string F_sLargo;     // long-value pieces being joined
};

}  // namespace ado
