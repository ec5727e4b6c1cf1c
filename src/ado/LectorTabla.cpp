#include "ado/LectorTabla.h"

#include "ado/ErrorADO.h"
#include "ado/PaginaJet.h"
#include "ado/TextoJet.h"
#include "ado/jet/ExactoJet.h"

#include <QtEndian>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace ado {
namespace {

constexpr int CC_CABECERA_LARGO = 12;  // memo/OLE header inside the row
constexpr quint32 CC_LARGO_EN_FILA = 0x80000000;
constexpr quint32 CC_LARGO_UNA_FILA = 0x40000000;
constexpr int CC_MAX_VARIABLES = 256;
// Decoded long values per table: text grows at most threefold (UCS-2 to UTF-8), and
// each stored piece is read once, so more than this is a damaged file.
constexpr qint64 CC_LARGOS_POR_BYTE = 3;
constexpr qint64 CC_LARGOS_EXTRA = 1 << 20;

unsigned __int128 Potencia10(int n) {
  unsigned __int128 p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// Single precision shown as Jet shows it: the shortest decimal that reads back as the same float.
double RealDeSimple(float f) {
  char texto[32];
  const auto Resultado = std::to_chars(texto, texto + sizeof texto - 1, f);
  *Resultado.ptr = '\0';
  return std::strtod(texto, nullptr);
}

void TextoGuid(const unsigned char* p, std::string& s) {
  char texto[40];
  std::snprintf(texto, sizeof texto, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", Le32(p), Le16(p + 4),
                Le16(p + 6), p[8], p[9], p[10], p[11], p[12], p[13], p[14], p[15]);
  s = texto;
}

}  // namespace

TLectorTabla::TLectorTabla(const TArchivoMdb& Archivo, const TEntradaTabla& Entrada)
    : F_Archivo(Archivo),
      F_sTabla(Entrada.sNombre),
      F_nPaginaDef(Entrada.nPagina),
      F_Def(LeeDefinicion(Archivo, Entrada)),
      F_Mapa(Archivo, Entrada.sNombre, F_Def.nMapaUso),
      F_Celdas(size_t(F_Def.Columnas.size())),
      F_bJet3(Archivo.EsJet3()),
      F_nTamPagina(Archivo.TamPagina()),
      F_nInicioCuenta(Archivo.EsJet3() ? 8 : 12),
      F_Pagina(size_t(F_nTamPagina)),
      F_Otra(size_t(F_nTamPagina)),
      F_nMaxLargos(CC_LARGOS_POR_BYTE * Archivo.Tamano() + CC_LARGOS_EXTRA) {}

void TLectorTabla::Danada(const QString& sDetalle) const { throw ErrorDanada(F_Archivo.Ruta(), F_sTabla, sDetalle); }

bool TLectorTabla::SiguientePagina() {
  if (F_bFin) return false;
  F_nPagina = F_Mapa.Siguiente();
  if (F_nPagina == 0) {
    F_bFin = true;
    // Fewer rows than stored is damage. More is not: Access leaves stale counts on
    // system tables (64 rows under a count of 61 in a real Access 2000 file).
    if (F_nLeidas < F_Def.nFilas)
      Danada(QStringLiteral("se leyeron %1 de las %2 filas que guarda").arg(F_nLeidas).arg(F_Def.nFilas));
    return false;
  }
  if (!F_Archivo.LeePagina(F_nPagina, F_Pagina.data()))
    Danada(QStringLiteral("no se puede leer la página %1").arg(F_nPagina));
  if (F_Pagina[0] != CC_PAGINA_DATOS || Le32(F_Pagina.data() + 4) != F_nPaginaDef)
    Danada(QStringLiteral("la página %1 del mapa no es de la tabla").arg(F_nPagina));
  F_nFilasPagina = FilasDePagina(F_Pagina.data(), F_nTamPagina, F_nInicioCuenta);
  if (F_nFilasPagina < 0) Danada(QStringLiteral("tabla de filas de la página %1").arg(F_nPagina));
  F_nFila = 0;
  return true;
}

bool TLectorTabla::Siguiente() {
  for (;;) {
    while (F_nFila >= F_nFilasPagina)
      if (!SiguientePagina()) return false;
    const int n = F_nFila++;
    TFilaPagina Fila;
    if (!UbicaFila(F_Pagina.data(), F_nTamPagina, F_nInicioCuenta, F_nFilasPagina, n, Fila))
      Danada(QStringLiteral("posición de una fila en la página %1").arg(F_nPagina));
    if (Fila.nBanderas & CC_FILA_BORRADA) continue;
    if (Fila.nBanderas & CC_FILA_DESBORDADA) {
      // Access leaves the target flagged deleted, so the walk reaches it only through here.
      if (Fila.nFin - Fila.nInicio < 4) Danada(QStringLiteral("puntero de una fila desbordada"));
      const quint32 nDestino = Le32(F_Pagina.data() + Fila.nInicio);
      if (nDestino == (F_nPagina << 8 | quint32(n)) || !F_Destinos.insert(nDestino).second)
        Danada(QStringLiteral("destino de una fila desbordada"));
      const TFilaPagina Destino = UbicaRemota(nDestino, F_nPaginaDef, "destino de una fila desbordada");
      if (Destino.nBanderas & CC_FILA_DESBORDADA) Danada(QStringLiteral("destino de una fila desbordada"));
      F_sDesborde.assign(reinterpret_cast<const char*>(F_Otra.data() + Destino.nInicio),
                         size_t(Destino.nFin - Destino.nInicio));
      Decodifica(reinterpret_cast<const unsigned char*>(F_sDesborde.data()), int(F_sDesborde.size()));
    } else {
      Decodifica(F_Pagina.data() + Fila.nInicio, Fila.nFin - Fila.nInicio);
    }
    ++F_nLeidas;
    return true;
  }
}

TFilaPagina TLectorTabla::UbicaRemota(quint32 nPgFila, quint32 nDueno, const char* pDetalle) {
  const quint32 nPagina = nPgFila >> 8;
  if (nPagina != F_nOtra) {
    F_nOtra = 0;
    if (!F_Archivo.LeePagina(nPagina, F_Otra.data())) Danada(QString::fromUtf8(pDetalle));
    F_nOtra = nPagina;
  }
  TFilaPagina Fila;
  if (F_Otra[0] != CC_PAGINA_DATOS || Le32(F_Otra.data() + 4) != nDueno ||
      !UbicaFila(F_Otra.data(), F_nTamPagina, F_nInicioCuenta, FilasDePagina(F_Otra.data(), F_nTamPagina, F_nInicioCuenta),
                 int(nPgFila & 0xFF), Fila))
    Danada(QString::fromUtf8(pDetalle));
  return Fila;
}

void TLectorTabla::LeePieza(quint32 nPgFila, std::string& sDestino) {
  if (!F_Piezas.insert(nPgFila).second) Danada(QStringLiteral("un valor largo repite una pieza"));
  const TFilaPagina Fila = UbicaRemota(nPgFila, CC_DUENO_LVAL, "pieza de un valor largo");
  sDestino.append(reinterpret_cast<const char*>(F_Otra.data() + Fila.nInicio), size_t(Fila.nFin - Fila.nInicio));
}

void TLectorTabla::CuentaLargo(size_t nBytes) {
  F_nLargos += qint64(nBytes);
  if (F_nLargos > F_nMaxLargos) Danada(QStringLiteral("valores largos mayores que el archivo"));
}

void TLectorTabla::Decodifica(const unsigned char* pFila, int nLargo) {
  const int nTamCuenta = F_bJet3 ? 1 : 2;
  if (nLargo < nTamCuenta) Danada(QStringLiteral("fila demasiado corta"));
  const int nColsFila = F_bJet3 ? pFila[0] : Le16(pFila);
  const int nTamMascara = (nColsFila + 7) / 8;
  const int nFinFila = nLargo - 1;  // last byte of the row
  if (nTamCuenta + nTamMascara > nLargo) Danada(QStringLiteral("máscara de nulos"));
  const unsigned char* pMascara = pFila + nLargo - nTamMascara;

  int nVarFila = 0;
  int Posiciones[CC_MAX_VARIABLES + 1];
  if (F_Def.nVariables > 0) {
    if (F_bJet3) {
      nVarFila = pFila[nFinFila - nTamMascara];
      // Jet 3 keeps one-byte offsets plus a table of 256-byte jumps.
      int nSaltos = (nLargo - 1) / 256;
      const int nColPtr = nFinFila - nTamMascara - nSaltos - 1;
      if (nColPtr - nVarFila < 0) Danada(QStringLiteral("tabla de columnas variables"));
      if ((nColPtr - nVarFila) / 256 < nSaltos) --nSaltos;
      int nSaltosUsados = 0;
      for (int i = 0; i <= nVarFila; ++i) {
        while (nSaltosUsados < nSaltos && i == pFila[nFinFila - nTamMascara - nSaltosUsados - 1]) ++nSaltosUsados;
        Posiciones[i] = pFila[nColPtr - i] + nSaltosUsados * 256;
      }
    } else {
      if (nFinFila - nTamMascara - 1 < nTamCuenta) Danada(QStringLiteral("tabla de columnas variables"));
      nVarFila = Le16(pFila + nFinFila - nTamMascara - 1);
      if (nVarFila > CC_MAX_VARIABLES || nFinFila - nTamMascara - 3 - 2 * nVarFila < nTamCuenta)
        Danada(QStringLiteral("tabla de columnas variables"));
      for (int i = 0; i <= nVarFila; ++i) Posiciones[i] = Le16(pFila + nFinFila - nTamMascara - 3 - 2 * i);
    }
    for (int i = 0; i <= nVarFila; ++i)
      if (Posiciones[i] < nTamCuenta || Posiciones[i] > nLargo || (i > 0 && Posiciones[i] < Posiciones[i - 1]))
        Danada(QStringLiteral("posición de una columna variable"));
  }

  const int nFijasFila = nColsFila - nVarFila;
  // Fixed values end where the variable ones begin (or, without any, at the null mask).
  const int nFinFijas = F_Def.nVariables > 0 ? Posiciones[0] : nLargo - nTamMascara;
  int nFijasVistas = 0;
  for (qsizetype c = 0; c < F_Def.Columnas.size(); ++c) {
    const TColumnaJet& Columna = F_Def.Columnas[c];
    TCelda& Celda = F_Celdas[size_t(c)];
    const int nBit = Columna.nNumFila;
    const bool bValor = nBit < nColsFila && (pMascara[nBit / 8] & (1 << (nBit % 8)));
    int nInicio = -1;
    int nTam = 0;
    if (Columna.bFija && nFijasVistas < nFijasFila) {
      nInicio = Columna.nInicioFijo + nTamCuenta;
      nTam = Columna.nTamano;
      ++nFijasVistas;
      if (bValor && Columna.nTipo != CC_JET_BOOLEANO && nInicio + nTam > nFinFijas)
        Danada(QStringLiteral("valor fijo fuera del área de valores fijos"));
    } else if (!Columna.bFija && Columna.nNumVariable < nVarFila) {
      nInicio = Posiciones[Columna.nNumVariable];
      nTam = Posiciones[Columna.nNumVariable + 1] - nInicio;
    }
    if (Columna.nTipo == CC_JET_BOOLEANO) {
      Celda.eClase = TClaseCelda::Entero;
      Celda.nEntero = bValor ? -1 : 0;
      continue;
    }
    if (!bValor || nInicio < 0) {
      Celda.eClase = TClaseCelda::Nulo;
      continue;
    }
    if (nInicio + nTam > nLargo - nTamMascara) Danada(QStringLiteral("valor fuera de la fila"));
    DecodificaValor(Columna, pFila + nInicio, nTam, Celda);
  }
}

void TLectorTabla::DecodificaValor(const TColumnaJet& Columna, const unsigned char* p, int nLargo, TCelda& Celda) {
  static constexpr int CC_TAMANOS[] = {0, 0, 1, 2, 4, 8, 4, 8, 8, 0, 0, 0, 0, 0, 0, 16, 17};
  if (Columna.nTipo < int(std::size(CC_TAMANOS)) && nLargo < CC_TAMANOS[Columna.nTipo]) Danada(QStringLiteral("valor incompleto"));
  switch (Columna.nTipo) {
    case CC_JET_BYTE:
      Celda.eClase = TClaseCelda::Entero;
      Celda.nEntero = p[0];
      return;
    case CC_JET_ENTERO:
      Celda.eClase = TClaseCelda::Entero;
      Celda.nEntero = qint16(Le16(p));
      return;
    case CC_JET_LARGO:
      Celda.eClase = TClaseCelda::Entero;
      Celda.nEntero = qint32(Le32(p));
      return;
    case CC_JET_MONEDA:  // its ten-thousandths, as SQLite keeps them (jet/ExactoJet.h)
      Celda.eClase = TClaseCelda::Entero;
      Celda.nEntero = qFromLittleEndian<qint64>(p);
      return;
    case CC_JET_SIMPLE:
      Celda.eClase = TClaseCelda::Real;
      Celda.dReal = RealDeSimple(qFromLittleEndian<float>(p));
      return;
    case CC_JET_DOBLE:
    case CC_JET_FECHA:
      Celda.eClase = TClaseCelda::Real;
      Celda.dReal = qFromLittleEndian<double>(p);
      return;
    case CC_JET_NUMERICO: {  // its ordered key, as SQLite keeps it (jet/ExactoJet.h)
      const auto valor = jet::TDecimalJet::DeJet4(p, Columna.nEscala);
      if (!valor || valor->nMantisa >= Potencia10(Columna.nPrecision)) Danada(QStringLiteral("valor decimal fuera de su precisión"));
      Celda.eClase = TClaseCelda::Blob;
      const QByteArray sClave = valor->Clave();
      Celda.sDatos.assign(sClave.constData(), size_t(sClave.size()));
      return;
    }
    case CC_JET_GUID:
      Celda.eClase = TClaseCelda::Texto;
      TextoGuid(p, Celda.sDatos);
      return;
    case CC_JET_TEXTO:
      Celda.eClase = TClaseCelda::Texto;
      Celda.sDatos.clear();
      AgregaTexto(p, nLargo, Celda.sDatos);
      return;
    case CC_JET_BINARIO:
      Celda.eClase = TClaseCelda::Blob;
      Celda.sDatos.assign(reinterpret_cast<const char*>(p), size_t(nLargo));
      return;
    case CC_JET_MEMO:
    case CC_JET_OLE:
      DecodificaLargo(Columna, p, nLargo, Celda);
      return;
    default:  // types Jet 3/4 files of ours never hold (complex columns of later formats)
      Celda.eClase = TClaseCelda::Nulo;
      return;
  }
}

void TLectorTabla::DecodificaLargo(const TColumnaJet& Columna, const unsigned char* p, int nLargo, TCelda& Celda) {
  const bool bTexto = Columna.nTipo == CC_JET_MEMO;
  Celda.eClase = bTexto ? TClaseCelda::Texto : TClaseCelda::Blob;
  Celda.sDatos.clear();
  if (nLargo < CC_CABECERA_LARGO) return;  // an empty long value
  const quint32 nCabecera = Le32(p);
  const unsigned char* pDatos = p + CC_CABECERA_LARGO;
  int nDatos = nLargo - CC_CABECERA_LARGO;
  if (!(nCabecera & CC_LARGO_EN_FILA)) {
    F_sLargo.clear();
    const size_t nTotal = nCabecera & 0x3FFFFFFF;
    if (nCabecera & CC_LARGO_UNA_FILA) {
      LeePieza(Le32(p + 4), F_sLargo);
      if (F_sLargo.size() < nTotal) Danada(QStringLiteral("valor largo incompleto"));
      F_sLargo.resize(nTotal);
    } else {
      // Chained rows: each starts with the pointer to the next piece (0 = last).
      quint32 nSiguiente = Le32(p + 4);
      std::string& sPieza = F_sPieza;
      while (nSiguiente != 0 && F_sLargo.size() < nTotal) {
        sPieza.clear();
        LeePieza(nSiguiente, sPieza);
        if (sPieza.size() < 4) Danada(QStringLiteral("pieza de un valor largo"));
        nSiguiente = Le32(reinterpret_cast<const unsigned char*>(sPieza.data()));
        F_sLargo.append(sPieza, 4);
      }
      if (F_sLargo.size() < nTotal) Danada(QStringLiteral("cadena de un valor largo incompleta"));
      F_sLargo.resize(nTotal);
    }
    pDatos = reinterpret_cast<const unsigned char*>(F_sLargo.data());
    nDatos = int(F_sLargo.size());
  }
  CuentaLargo(size_t(nDatos) * (bTexto ? CC_LARGOS_POR_BYTE : 1));
  if (bTexto) AgregaTexto(pDatos, nDatos, Celda.sDatos);
  else Celda.sDatos.assign(reinterpret_cast<const char*>(pDatos), size_t(nDatos));
}

void TLectorTabla::AgregaTexto(const unsigned char* p, int nLargo, std::string& sDestino) const {
  if (F_bJet3) AgregaTextoJet3(p, nLargo, F_Archivo.CodigoJet3(), sDestino);
  else AgregaTextoJet4(p, nLargo, sDestino);
}

}  // namespace ado
