#pragma once

#include "ado/ArchivoMdb.h"
#include "ado/DefinicionTabla.h"
#include "ado/MapaUso.h"
#include "ado/PaginaJet.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <string>
#include <unordered_set>
#include <vector>

namespace ado {

enum class TClaseCelda : unsigned char { Nulo, Entero, Real, Texto, Blob };

// One decoded value; sDatos holds UTF-8 text or raw bytes and keeps its
// capacity from row to row.
struct TCelda {
  TClaseCelda eClase = TClaseCelda::Nulo;
  qint64 nEntero = 0;
  double dReal = 0;
  std::string sDatos;
};

// Walks the live rows of one table, decoding the stored bytes. Pages come from the
// table's usage map and must be data pages of this table; rows flagged deleted are
// skipped and overflow pointers followed; memo chains are followed once each. Fewer
// rows than the definition stores is damage. Any breach throws the
// damaged-file error (EErrorADO) naming the file and the table.
class TLectorTabla {
 public:
  TLectorTabla(const TArchivoMdb& Archivo, const TEntradaTabla& Entrada);
  TLectorTabla(const TLectorTabla&) = delete;
  TLectorTabla& operator=(const TLectorTabla&) = delete;

  const QString& Nombre() const { return F_sTabla; }
  const QList<TColumnaJet>& Columnas() const { return F_Def.Columnas; }
  qint64 FilasDeclaradas() const { return F_Def.nFilas; }
  bool Siguiente();  // false after the last row
  const std::vector<TCelda>& Celdas() const { return F_Celdas; }

 private:
  bool SiguientePagina();
  void Decodifica(const unsigned char* pFila, int nLargo);
  void DecodificaValor(const TColumnaJet& Columna, const unsigned char* p, int nLargo, TCelda& Celda);
  void DecodificaLargo(const TColumnaJet& Columna, const unsigned char* p, int nLargo, TCelda& Celda);
  void AgregaTexto(const unsigned char* p, int nLargo, std::string& sDestino) const;
  // The page and row a (page << 8 | row) pointer names, read into F_Otra; checks the page's type and owner.
  TFilaPagina UbicaRemota(quint32 nPgFila, quint32 nDueno, const char* pDetalle);
  // Appends a long-value piece; each piece may be read once per table.
  void LeePieza(quint32 nPgFila, std::string& sDestino);
  void CuentaLargo(size_t nBytes);
  [[noreturn]] void Danada(const QString& sDetalle) const;

  const TArchivoMdb& F_Archivo;
  QString F_sTabla;
  quint32 F_nPaginaDef;
  TDefinicionTabla F_Def;
  TMapaUso F_Mapa;
  std::vector<TCelda> F_Celdas;
  bool F_bJet3;
  int F_nTamPagina;
  int F_nInicioCuenta;  // offset of the row count on a data page
  std::vector<unsigned char> F_Pagina;  // the data page being walked
  quint32 F_nPagina = 0;
  int F_nFilasPagina = 0;
  int F_nFila = 0;
  bool F_bFin = false;
  qint64 F_nLeidas = 0;
  std::vector<unsigned char> F_Otra;  // a page that a pointer names
  quint32 F_nOtra = 0;
  std::unordered_set<quint32> F_Destinos;  // overflow rows already followed
  std::unordered_set<quint32> F_Piezas;    // long-value pieces already read
  qint64 F_nLargos = 0;                    // bytes of long values decoded
  qint64 F_nMaxLargos;
  std::string F_sDesborde;  // an overflow row, copied from its page
  std::string F_sLargo;     // long-value pieces being joined
  std::string F_sPieza;     // one piece of a chain
};

}  // namespace ado
