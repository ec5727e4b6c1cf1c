#include "ado/LectorTabla.h"

#include "ado/ErrorADO.h"
#include "ado/TextoJet.h"

#include <QtEndian>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace ado {
namespace {

constexpr quint16 CC_FILA_BORRADA = 0x8000;
constexpr quint16 CC_FILA_DESBORDADA = 0x4000;
constexpr quint16 CC_MASCARA_POSICION = 0x1FFF;
constexpr int CC_CABECERA_LARGO = 12;  // memo/OLE header inside the row
constexpr quint32 CC_LARGO_EN_FILA = 0x80000000;
constexpr quint32 CC_LARGO_UNA_FILA = 0x40000000;
constexpr int CC_MAX_VARIABLES = 256;

inline quint16 Le16(const unsigned char* p) { return qFromLittleEndian<quint16>(p); }
inline quint32 Le32(const unsigned char* p) { return qFromLittleEndian<quint32>(p); }

// Single precision shown as Jet shows it: the shortest decimal that reads back as the same float.
double RealDeSimple(float f) {
  char texto[32];
  const auto Resultado = std::to_chars(texto, texto + sizeof texto - 1, f);
  *Resultado.ptr = '\0';
  return std::strtod(texto, nullptr);
}

// Jet 4 Numeric: sign byte, then a 128-bit integer stored as four 32-bit words, high word first.
double RealDeDecimal(const unsigned char* p, int nEscala) {
  long double dValor = 0;
  for (int nPalabra = 0; nPalabra < 4; ++nPalabra) dValor = dValor * 4294967296.0L + Le32(p + 1 + 4 * nPalabra);
  dValor /= std::pow(10.0L, nEscala);
  return double((p[0] & 0x80) ? -dValor : dValor);
}

void TextoGuid(const unsigned char* p, std::string& s) {
  char texto[40];
  std::snprintf(texto, sizeof texto, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", Le32(p), Le16(p + 4),
                Le16(p + 6), p[8], p[9], p[10], p[11], p[12], p[13], p[14], p[15]);
  s = texto;
}

}  // namespace

TLectorTabla::TLectorTabla(TArchivoMdb& Archivo, MdbCatalogEntry* pEntrada)
    : F_Archivo(Archivo),
      F_pMdb(Archivo.Handle()),
      F_bJet3(Archivo.EsJet3()),
      F_nTamPagina(int(Archivo.Handle()->fmt->pg_size)),
      F_nInicioCuenta(Archivo.Handle()->fmt->row_count_offset) {
  F_pTabla = mdb_read_table(pEntrada);
  if (!F_pTabla || !mdb_read_columns(F_pTabla)) Danada("definición de la tabla");
  for (guint i = 0; i < F_pTabla->columns->len; ++i) {
    const auto* pCol = static_cast<const MdbColumn*>(g_ptr_array_index(F_pTabla->columns, i));
    TColumnaJet Columna;
    Columna.sNombre = QString::fromUtf8(pCol->name);
    Columna.nTipo = pCol->col_type;
    Columna.nTamano = pCol->col_size;
    Columna.bFija = pCol->is_fixed;
    Columna.nInicioFijo = pCol->fixed_offset;
    Columna.nNumVariable = int(pCol->var_col_num);
    Columna.nNumFila = pCol->col_num;
    Columna.nEscala = pCol->col_scale;
    F_Columnas.append(Columna);
  }
  F_Celdas.resize(F_Columnas.size());
  mdb_rewind_table(F_pTabla);
}

TLectorTabla::~TLectorTabla() {
  if (F_pTabla) mdb_free_tabledef(F_pTabla);
}

QString TLectorTabla::Nombre() const { return QString::fromUtf8(F_pTabla->name); }

qint64 TLectorTabla::FilasDeclaradas() const { return F_pTabla->num_rows; }

void TLectorTabla::Danada(const char* pDetalle) const {
  throw EErrorADO(CC_ERROR_ARCHIVO, QStringLiteral("La base de datos \"%1\" está dañada (tabla \"%2\", %3).")
                                        .arg(F_Archivo.Ruta(), F_pTabla ? QString::fromUtf8(F_pTabla->name) : QString(),
                                             QString::fromUtf8(pDetalle)));
}

bool TLectorTabla::SiguientePagina() {
  if (F_bFin || !mdb_read_next_dpg(F_pTabla)) {
    F_bFin = true;
    return false;
  }
  F_nFilasPagina = Le16(F_pMdb->pg_buf + F_nInicioCuenta);
  if (F_nInicioCuenta + 2 + 2 * F_nFilasPagina > F_nTamPagina) Danada("tabla de filas de una página");
  F_nFila = 0;
  return true;
}

bool TLectorTabla::Siguiente() {
  for (;;) {
    while (F_nFila >= F_nFilasPagina)
      if (!SiguientePagina()) return false;
    const unsigned char* pPagina = F_pMdb->pg_buf;
    const int n = F_nFila++;
    const quint16 nPosicion = Le16(pPagina + F_nInicioCuenta + 2 + 2 * n);
    if (nPosicion & CC_FILA_BORRADA) continue;
    const int nInicio = nPosicion & CC_MASCARA_POSICION;
    const int nFin = n == 0 ? F_nTamPagina : Le16(pPagina + F_nInicioCuenta + 2 * n) & CC_MASCARA_POSICION;
    if (nInicio < F_nInicioCuenta + 2 + 2 * F_nFilasPagina || nFin > F_nTamPagina || nInicio >= nFin)
      Danada("posición de una fila");
    if (nPosicion & CC_FILA_DESBORDADA) {
      if (nFin - nInicio < 4) Danada("puntero de una fila desbordada");
      F_sDesborde.clear();
      LeeFilaRemota(Le32(pPagina + nInicio), F_sDesborde);
      Decodifica(reinterpret_cast<const unsigned char*>(F_sDesborde.data()), int(F_sDesborde.size()));
    } else {
      Decodifica(pPagina + nInicio, nFin - nInicio);
    }
    return true;
  }
}

void TLectorTabla::LeeFilaRemota(quint32 nPgFila, std::string& sDestino) {
  const quint32 nPagina = nPgFila >> 8;
  const int nFila = int(nPgFila & 0xFF);
  if (nPagina == 0 || mdb_read_alt_pg(F_pMdb, nPagina) != F_nTamPagina) Danada("puntero a otra página");
  const unsigned char* p = F_pMdb->alt_pg_buf;
  const int nFilas = Le16(p + F_nInicioCuenta);
  if (nFila >= nFilas || F_nInicioCuenta + 2 + 2 * nFilas > F_nTamPagina) Danada("fila de otra página");
  const int nInicio = Le16(p + F_nInicioCuenta + 2 + 2 * nFila) & CC_MASCARA_POSICION;
  const int nFin = nFila == 0 ? F_nTamPagina : Le16(p + F_nInicioCuenta + 2 * nFila) & CC_MASCARA_POSICION;
  if (nInicio < F_nInicioCuenta + 2 + 2 * nFilas || nFin > F_nTamPagina || nInicio > nFin)
    Danada("fila de otra página");
  sDestino.append(reinterpret_cast<const char*>(p + nInicio), size_t(nFin - nInicio));
}

void TLectorTabla::Decodifica(const unsigned char* pFila, int nLargo) {
  const int nTamCuenta = F_bJet3 ? 1 : 2;
  if (nLargo < nTamCuenta) Danada("fila demasiado corta");
  const int nColsFila = F_bJet3 ? pFila[0] : Le16(pFila);
  const int nTamMascara = (nColsFila + 7) / 8;
  const int nFinFila = nLargo - 1;  // last byte of the row
  if (nTamCuenta + nTamMascara > nLargo) Danada("máscara de nulos");
  const unsigned char* pMascara = pFila + nLargo - nTamMascara;

  int nVarFila = 0;
  int Posiciones[CC_MAX_VARIABLES + 1];
  if (F_pTabla->num_var_cols > 0) {
    if (F_bJet3) {
      nVarFila = pFila[nFinFila - nTamMascara];
      // Jet 3 keeps one-byte offsets plus a table of 256-byte jumps.
      int nSaltos = (nLargo - 1) / 256;
      const int nColPtr = nFinFila - nTamMascara - nSaltos - 1;
      if (nColPtr - nVarFila < 0) Danada("tabla de columnas variables");
      if ((nColPtr - nVarFila) / 256 < nSaltos) --nSaltos;
      int nSaltosUsados = 0;
      for (int i = 0; i <= nVarFila; ++i) {
        while (nSaltosUsados < nSaltos && i == pFila[nFinFila - nTamMascara - nSaltosUsados - 1]) ++nSaltosUsados;
        Posiciones[i] = pFila[nColPtr - i] + nSaltosUsados * 256;
      }
    } else {
      if (nFinFila - nTamMascara - 1 < nTamCuenta) Danada("tabla de columnas variables");
      nVarFila = Le16(pFila + nFinFila - nTamMascara - 1);
      if (nVarFila > CC_MAX_VARIABLES || nFinFila - nTamMascara - 3 - 2 * nVarFila < nTamCuenta)
        Danada("tabla de columnas variables");
      for (int i = 0; i <= nVarFila; ++i) Posiciones[i] = Le16(pFila + nFinFila - nTamMascara - 3 - 2 * i);
    }
    for (int i = 0; i <= nVarFila; ++i)
      if (Posiciones[i] < nTamCuenta || Posiciones[i] > nLargo || (i > 0 && Posiciones[i] < Posiciones[i - 1]))
        Danada("posición de una columna variable");
  }

  const int nFijasFila = nColsFila - nVarFila;
  int nFijasVistas = 0;
  for (qsizetype c = 0; c < F_Columnas.size(); ++c) {
    const TColumnaJet& Columna = F_Columnas[c];
    TCelda& Celda = F_Celdas[size_t(c)];
    const int nBit = Columna.nNumFila;
    const bool bValor = nBit < nColsFila && (pMascara[nBit / 8] & (1 << (nBit % 8)));
    int nInicio = -1;
    int nTam = 0;
    if (Columna.bFija && nFijasVistas < nFijasFila) {
      nInicio = Columna.nInicioFijo + nTamCuenta;
      nTam = Columna.nTamano;
      ++nFijasVistas;
    } else if (!Columna.bFija && Columna.nNumVariable < nVarFila) {
      nInicio = Posiciones[Columna.nNumVariable];
      nTam = Posiciones[Columna.nNumVariable + 1] - nInicio;
    }
    if (Columna.nTipo == MDB_BOOL) {
      Celda.eClase = TClaseCelda::Entero;
      Celda.nEntero = bValor ? -1 : 0;
      continue;
    }
    if (!bValor || nInicio < 0) {
      Celda.eClase = TClaseCelda::Nulo;
      continue;
    }
    if (nInicio + nTam > nLargo - nTamMascara) Danada("valor fuera de la fila");
    DecodificaValor(Columna, pFila + nInicio, nTam, Celda);
  }
}

void TLectorTabla::DecodificaValor(const TColumnaJet& Columna, const unsigned char* p, int nLargo, TCelda& Celda) {
  static constexpr int CC_TAMANOS[] = {0, 0, 1, 2, 4, 8, 4, 8, 8, 0, 0, 0, 0, 0, 0, 16, 17};
  if (Columna.nTipo < int(std::size(CC_TAMANOS)) && nLargo < CC_TAMANOS[Columna.nTipo]) Danada("valor incompleto");
  switch (Columna.nTipo) {
    case MDB_BYTE:
      Celda.eClase = TClaseCelda::Entero;
      Celda.nEntero = p[0];
      return;
    case MDB_INT:
      Celda.eClase = TClaseCelda::Entero;
      Celda.nEntero = qint16(Le16(p));
      return;
    case MDB_LONGINT:
      Celda.eClase = TClaseCelda::Entero;
      Celda.nEntero = qint32(Le32(p));
      return;
    case MDB_MONEY:  // exact integer kept; the double is the nearest to the decimal value
      Celda.eClase = TClaseCelda::Real;
      Celda.nEntero = qFromLittleEndian<qint64>(p);
      Celda.dReal = double(Celda.nEntero) / 10000.0;
      return;
    case MDB_FLOAT:
      Celda.eClase = TClaseCelda::Real;
      Celda.dReal = RealDeSimple(qFromLittleEndian<float>(p));
      return;
    case MDB_DOUBLE:
    case MDB_DATETIME:
      Celda.eClase = TClaseCelda::Real;
      Celda.dReal = qFromLittleEndian<double>(p);
      return;
    case MDB_NUMERIC:
      Celda.eClase = TClaseCelda::Real;
      Celda.dReal = RealDeDecimal(p, Columna.nEscala);
      return;
    case MDB_REPID:
      Celda.eClase = TClaseCelda::Texto;
      TextoGuid(p, Celda.sDatos);
      return;
    case MDB_TEXT:
      Celda.eClase = TClaseCelda::Texto;
      Celda.sDatos.clear();
      AgregaTexto(p, nLargo, Celda.sDatos);
      return;
    case MDB_BINARY:
      Celda.eClase = TClaseCelda::Blob;
      Celda.sDatos.assign(reinterpret_cast<const char*>(p), size_t(nLargo));
      return;
    case MDB_MEMO:
    case MDB_OLE:
      DecodificaLargo(Columna, p, nLargo, Celda);
      return;
    default:  // types Jet 3/4 files of ours never hold (complex columns of later formats)
      Celda.eClase = TClaseCelda::Nulo;
      return;
  }
}

void TLectorTabla::DecodificaLargo(const TColumnaJet& Columna, const unsigned char* p, int nLargo, TCelda& Celda) {
  const bool bTexto = Columna.nTipo == MDB_MEMO;
  Celda.eClase = bTexto ? TClaseCelda::Texto : TClaseCelda::Blob;
  Celda.sDatos.clear();
  if (nLargo < CC_CABECERA_LARGO) return;  // an empty long value
  const quint32 nCabecera = Le32(p);
  const unsigned char* pDatos = p + CC_CABECERA_LARGO;
  int nDatos = nLargo - CC_CABECERA_LARGO;
  if (!(nCabecera & CC_LARGO_EN_FILA)) {
    F_sLargo.clear();
    if (nCabecera & CC_LARGO_UNA_FILA) {
      LeeFilaRemota(Le32(p + 4), F_sLargo);
    } else {
      // Chained rows: each starts with the pointer to the next piece (0 = last).
      const size_t nTotal = nCabecera & 0x3FFFFFFF;
      quint32 nSiguiente = Le32(p + 4);
      std::string sPieza;
      for (int nPiezas = 0; nSiguiente != 0 && F_sLargo.size() < nTotal; ++nPiezas) {
        if (nPiezas > 100000) Danada("cadena de valores largos");
        sPieza.clear();
        LeeFilaRemota(nSiguiente, sPieza);
        if (sPieza.size() < 4) Danada("pieza de un valor largo");
        nSiguiente = Le32(reinterpret_cast<const unsigned char*>(sPieza.data()));
        F_sLargo.append(sPieza, 4);
      }
      if (F_sLargo.size() > nTotal) F_sLargo.resize(nTotal);
    }
    pDatos = reinterpret_cast<const unsigned char*>(F_sLargo.data());
    nDatos = int(F_sLargo.size());
  }
  if (bTexto) AgregaTexto(pDatos, nDatos, Celda.sDatos);
  else Celda.sDatos.assign(reinterpret_cast<const char*>(pDatos), size_t(nDatos));
}

void TLectorTabla::AgregaTexto(const unsigned char* p, int nLargo, std::string& sDestino) const {
  if (F_bJet3) AgregaTextoJet3(p, nLargo, F_Archivo.CodigoJet3(), sDestino);
  else AgregaTextoJet4(p, nLargo, sDestino);
}

}  // namespace ado
